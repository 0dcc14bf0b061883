#pragma once

#include <optional>
#include <string>

// The roundings of the program, each in one place. Every one rounds the
// decimal a double stands for (its shortest text of 15 significant digits,
// TDziesietna::Z), never the binary noise around it: 0,71 · 0,5 is 0,355.

// A thermal value as it is shown and judged (Uw, Uśr, g·fC): `miejsc`
// decimals, a half up, so a value on the half never passes a limit it would
// fail when worked by hand (0,905 is 0,91). Values not finite or beyond
// 10^30 come back as they are.
double Zaokraglij(double x, int miejsc = 2);

// The program's rounding to hundredths of areas and money: a half to the
// even hundredth (0,125 → 0,12; 0,375 → 0,38).
double ZaokraglijDoSetnych(double x);

// The digits of the two roundings with a point ("0.91", "-12.50"), or
// nothing for a value they leave as it is.
std::optional<std::string> CyfryZaokraglone(double x, int miejsc);
std::optional<std::string> CyfrySetnych(double x);
