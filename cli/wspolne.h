#pragma once

#include <QString>

class TProjektOtwarty;

// The exit status of every command.
constexpr int KOD_OK = 0;
constexpr int KOD_BLAD = 1; // a file cannot be read or written
constexpr int KOD_ZLE_UZYCIE = 2;
constexpr int KOD_ZA_MALA_STRONA = 3; // report, print: no room for a window block
constexpr int KOD_NIE_SPELNIA = 3;    // check: a window fails WT 2021 or lacks data
// The project was read from a file cut short or with windows left out: the
// output is written, the warning is on stderr, and it counts over 0 and 3.
constexpr int KOD_USZKODZONY = 4;

// One line on stderr, in UTF-8.
void Blad(const QString& tresc);
// Wrong usage, and what was wrong ("brak pliku PDF"): KOD_ZLE_UZYCIE.
int ZleUzycie(const QString& powod);
// What the last ZleUzycie said.
QString PowodZlegoUzycia();
// Opens a project; when it cannot, says so (with the system's reason) on
// stderr and gives false.
bool OtworzLubZglos(TProjektOtwarty& projekt, const QString& sciezka);
// The command's exit status once its output is written: KOD_USZKODZONY
// for a project read from a damaged file, unless the command failed.
int KodPoOdczycie(const TProjektOtwarty& projekt, int kod);
