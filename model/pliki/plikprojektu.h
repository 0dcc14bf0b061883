#pragma once

#include "model/pliki/bezpiecznyzapis.h"
#include "model/zestawienie.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// Project files (.tmv): the whole project as a profile file.

// Writes the project; 0 on success, -1 on any failure. The file is replaced
// only once the new content is complete on disk: a failed save leaves the
// old file as it was. `powod`, when given, receives why the system could not
// write it (empty when a text was refused: that has been reported).
int32_t ZapiszProjekt(const TZestawienieStolarki& projekt, const QString& sciezka,
                      const QLocale& locale = QLocale(), QString* powod = nullptr);

// Writes a file's content, replacing the file only once the content is
// complete on disk; 0 on success, -1 with the reason in `powod`.
int32_t ZapiszBajtyProjektu(const QByteArray& bajty, const QString& sciezka,
                            QString* powod = nullptr);
// Reads a project file's bytes whole; -1 when it cannot be read (with the
// system's reason) or is larger than any project (with a message).
int32_t CzytajBajtyProjektu(const QString& sciezka, QByteArray* bajty, QString* powod = nullptr);

// The file's content, or nothing (with a message) when a text cannot be
// stored.
std::optional<QByteArray> ZapiszProjektDoBajtow(const TZestawienieStolarki& projekt,
                                                const QLocale& locale = QLocale());

// The most windows a project may have: a file with more is read as far as
// that and reported as incomplete.
constexpr int MAX_LICZBA_OKIEN = 100'000;

// What a read found besides the project: the windows the file declares and
// those it gave. A file cut short keeps what it had, and says so; so does a
// file whose window sections could not all become windows.
struct TOdczytProjektu {
    int zadeklarowane = 0;
    int wczytane = 0;
    // Cut short: the file ends inside a line, a section the writer always
    // writes is missing, or the last window section lacks a key that every
    // earlier window section has.
    bool niekompletny = false;
    // The window sections left out, and the first few of them named with why
    // ("Okno3 (brak symbolu)").
    int pominietych = 0;
    QStringList pominiete;
    // Saving over the file would lose what it holds: the project goes to its
    // file only through "Zapisz jako".
    bool Ostrzezenie() const { return niekompletny || pominietych > 0; }
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
    QStringLiteral("Plik projektu jest niekompletny (urwany): wczytano %1 z %2 okien. Sprawdź "
                   "dane projektu i zapisz go pod nową nazwą.");
// Cut before the list of windows says how many there are.
inline const QString KOMUNIKAT_NIEKOMPLETNY_BEZ_OKIEN =
    QStringLiteral("Plik projektu jest niekompletny (urwany przed listą okien). Sprawdź dane "
                   "projektu i zapisz go pod nową nazwą.");
// With the sections left out.
inline const QString KOMUNIKAT_POMINIETE =
    QStringLiteral("Pominięto sekcje okien, których nie można wczytać: %1.");
