#pragma once

#include <QString>

// The program's description documents, kept beside its executable or, as
// installed, in share/doc/termivo beside its bin.
inline const QString DOKUMENT_WORD = QStringLiteral("Opis programu Termivo.doc");
inline const QString DOKUMENT_PDF = QStringLiteral("Opis programu Termivo.pdf");

// Opens a document of the program's folder (or of the folder `katalog`
// taken as the program's; as installed, share/doc/termivo beside its bin)
// with the desktop's program for it; a missing document does nothing
// (false).
bool OtworzDokument(const QString& nazwa, const QString& katalog = QString());
// Whether the program's folder (or `katalog`) holds the document.
bool JestDokument(const QString& nazwa, const QString& katalog = QString());
