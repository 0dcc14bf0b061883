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
// Where the document is (or would be), as a user types it.
QString SciezkaDokumentu(const QString& nazwa, const QString& katalog = QString());

// Whether the desktop has a program for that kind of file (a MIME type such
// as "application/pdf"): xdg-mime names one. Without it xdg-open would run
// a text browser on the file, or nothing at all.
bool JestProgramDla(const QString& typMime);

// What to tell the user when the document cannot be shown: where it is and
// how to open it; empty when it opened.
QString PokazDokument(const QString& nazwa, const QString& katalog = QString());
