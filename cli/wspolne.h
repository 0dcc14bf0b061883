#pragma once

#include <QString>

class TZestawienieStolarki;

// The exit status of every command.
constexpr int KOD_OK = 0;
constexpr int KOD_BLAD = 1; // a file cannot be read or written
constexpr int KOD_ZLE_UZYCIE = 2;
constexpr int KOD_ZA_MALA_STRONA = 3; // report, print: no room for a window block
constexpr int KOD_NIE_SPELNIA = 3;    // check: a window fails WT 2021 or lacks data

// One line on stderr, in UTF-8.
void Blad(const QString& tresc);
// Reads a project; when it cannot, says so on stderr and gives false.
bool WczytajLubZglos(TZestawienieStolarki& projekt, const QString& sciezka);
