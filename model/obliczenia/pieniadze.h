#pragma once

#include "model/obliczenia/wycena.h"

#include <optional>

class TOkno;
class TZestawienieStolarki;

// Money: net values to the grosz by the program's rounding (a half to the
// even grosz), gross values by the Polish VAT rule. Every output takes its
// amounts from here.

// The gross of a net amount: the net, to the grosz, times (100 + VAT) / 100,
// rounded to the grosz with a half up (the VAT act rounds 0,5 grosza up):
// 3,50 zł at 23 % is 4,31 zł. Nothing for values no decimal holds.
std::optional<double> Brutto(double netto, double stawkaVat);
// The net of a line: pieces × the price of one, to the grosz.
std::optional<double> WartoscNetto(double cena, long long sztuk);

// A window's money: the price of one piece net (or none, with why) and the
// rest made of it.
struct TCenaOkna {
    TWycena netto;                      // one piece; Cena -1 for none
    std::optional<double> brutto;       // one piece
    std::optional<double> wartoscNetto; // every piece of it
    std::optional<double> wartoscBrutto;
    bool Jest() const { return netto.Cena != -1; }
};
TCenaOkna CenaOkna(const TZestawienieStolarki& projekt, const TOkno& okno);

// The project's price totals in złoty.
struct TSumyCen {
    double SumaCenOkien = 0;       // Σ of the priced windows' net values
    double SumaCenOkienBrutto = 0; // Brutto of that
    double SumaCenMontazu = 0;     // Σ n · perimeter · price per metre, to the grosz
    double SumaCenMontazuBrutto = 0;
    double CenaZaM2Netto = 0; // (installation + windows) / area, to the grosz
    double CenaZaM2Brutto = 0;
};
TSumyCen SumyCen(const TZestawienieStolarki& projekt);
