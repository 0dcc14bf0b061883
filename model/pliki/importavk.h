#pragma once

#include "model/zestawienie.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

// Projects of the sibling area calculator Arvo-K (.avk): walls with their
// orientation and the windows and doors in each. Every opening symbol
// becomes a window of the project with its size and its pieces on the
// ground floor per compass direction.

// Reads the file's content into the project, which should be new and have a
// ground floor; 0 on success, -1 when the file is not of that layout. The end
// of the file ends the import like its last line does.
// On -1, `powod` says why ("w wierszu 12 pliku powinna być liczba, a jest ...").
int32_t ImportujArvoK(TZestawienieStolarki& projekt, const QByteArray& bajty,
                      const QLocale& locale = QLocale(), QString* powod = nullptr);
// The same for a file; -1 also when it cannot be read (with the system's reason).
int32_t ImportujArvoKZPliku(TZestawienieStolarki& projekt, const QString& sciezka,
                            const QLocale& locale = QLocale(), QString* powod = nullptr);

inline const QString KOMUNIKAT_IMPORT_UDANY =
    QStringLiteral("Projekt został pomyślnie zaimportowany z pliku.\r\nWczytano wszystkie okna.");
inline const QString KOMUNIKAT_IMPORT_NIEUDANY =
    QStringLiteral("Próba importu projektu z pliku zakończyła się niepowodzeniem.");
inline const QString TYTUL_IMPORTU = QStringLiteral("Import z ARVO K");
