#pragma once

#include <QString>

#include <functional>

// Writing a file so that it appears only when whole: the content goes to a
// hidden temporary file beside the target, is flushed to the disk and then
// renamed over the target. A failure, or an end by a signal, leaves the
// target as it was. The file keeps the mode of the one it replaces; a new
// one gets the mode of the user's other new files (0666 less the umask).

// `zapisz` writes the content to the path it is given and says whether it
// could, with the reason in `blad` where the system gave one. On failure
// `blad` receives why, in the user's words (PowodBleduZapisu).
bool ZapiszBezpiecznie(const QString& sciezka,
                       const std::function<bool(const QString& tymczasowy, QString* blad)>& zapisz,
                       QString* blad = nullptr);

// The same for bytes already made.
bool ZapiszBajtyBezpiecznie(const QString& sciezka, const QByteArray& bajty,
                            QString* blad = nullptr);

// Removes the temporary file of a write under way; safe in a signal handler.
void UsunTymczasowyZapisu();

// Why a file cannot be written, in the user's words: what stands in the
// way (a missing or read-only folder, a read-only file, no room left on the
// disk), else the system's.
QString PowodBleduZapisu(const QString& sciezka, const QString& systemowy);
// Why a file cannot be read, in the user's words: it does not exist, is a
// folder, may not be read; else the system's.
QString PowodBleduOdczytu(const QString& sciezka, const QString& systemowy);
