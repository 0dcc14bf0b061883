#pragma once

#include "zestawienie.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <optional>

// Project files (.tmv): the whole project as a profile file.

// Writes the project; 0 on success, -1 on any failure. The file is replaced
// only once the new content is complete on disk: a failed save leaves the
// old file as it was.
int32_t ZapiszProjekt(const TZestawienieStolarki& projekt, const QString& sciezka,
                      const QLocale& locale = QLocale());

// The file's content, or nothing (with a message) when a text cannot be
// stored.
std::optional<QByteArray> ZapiszProjektDoBajtow(const TZestawienieStolarki& projekt,
                                                const QLocale& locale = QLocale());

// Reads a file into a freshly created project; 0 on success, -1 on failure.
// A file of another program is reported through the notifier; every other
// failure is for the caller to report.
int32_t WczytajProjekt(TZestawienieStolarki& projekt, const QString& sciezka,
                       const QLocale& locale = QLocale());

// The same for the file's content already in memory.
int32_t WczytajProjektZBajtow(TZestawienieStolarki& projekt, const QByteArray& bajty,
                              const QLocale& locale = QLocale());

// The program's messages for a failed save or load.
inline const QString KOMUNIKAT_BLAD_ZAPISU =
    QStringLiteral("Wystąpił błąd podczas zapisu projektu do pliku!");
inline const QString KOMUNIKAT_BLAD_ODCZYTU =
    QStringLiteral("Wystąpił błąd podczas odczytu projektu z pliku!");
