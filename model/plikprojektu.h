#pragma once

#include "zestawienie.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <optional>

// Project files (.tmv): the whole project as a profile file.

// Writes the project; 0 on success, -1 on any failure. The file is replaced
// only once the new content is complete on disk: a failed save leaves the
// old file as it was. `powod`, when given, receives why the system could not
// write it (empty when a text was refused: that has been reported).
int32_t ZapiszProjekt(const TZestawienieStolarki& projekt, const QString& sciezka,
                      const QLocale& locale = QLocale(), QString* powod = nullptr);

// Why a file cannot be written, in the user's words: what stands in the
// way (a missing or read-only folder, a read-only file), else the system's.
QString PowodBleduZapisu(const QString& sciezka, const QString& systemowy);

// The file's content, or nothing (with a message) when a text cannot be
// stored.
std::optional<QByteArray> ZapiszProjektDoBajtow(const TZestawienieStolarki& projekt,
                                                const QLocale& locale = QLocale());

// What a read found besides the project: the windows the file declares and
// those it gave. A file cut short keeps what it had, and says so.
struct TOdczytProjektu {
    int zadeklarowane = 0;
    int wczytane = 0;
    bool niekompletny = false;
};

// Reads a file into a freshly created project; 0 on success, -1 on failure.
// A file of another program, or one that is no project at all, is refused
// and reported through the notifier, as is a project cut short (which is
// read as far as it goes); every other failure is for the caller to report.
int32_t WczytajProjekt(TZestawienieStolarki& projekt, const QString& sciezka,
                       const QLocale& locale = QLocale(), TOdczytProjektu* odczyt = nullptr);

// The same for the file's content already in memory.
int32_t WczytajProjektZBajtow(TZestawienieStolarki& projekt, const QByteArray& bajty,
                              const QLocale& locale = QLocale(), TOdczytProjektu* odczyt = nullptr);

// The program's messages for a failed save or load.
inline const QString KOMUNIKAT_BLAD_ZAPISU =
    QStringLiteral("Wystąpił błąd podczas zapisu projektu do pliku!");
inline const QString KOMUNIKAT_BLAD_ODCZYTU =
    QStringLiteral("Wystąpił błąd podczas odczytu projektu z pliku!");
inline const QString KOMUNIKAT_NIE_PROJEKT =
    QStringLiteral("Wybrany plik nie jest plikiem projektu Termivo!");
// With the windows read and declared.
inline const QString KOMUNIKAT_NIEKOMPLETNY =
    QStringLiteral("Plik projektu jest niekompletny: wczytano %1 z %2 okien.");
