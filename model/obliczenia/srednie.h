#pragma once

#include "model/obliczenia/dziesietne.h"

#include <QString>

#include <cstdint>
#include <optional>

class TOkno;
class TZestawienieStolarki;

// One piece's area: exactly in mm², where its sizes have decimals, and in m²
// as a double.
struct TPoleSztuki {
    std::optional<TDziesietna> mm2;
    double m2 = 0;
};
TPoleSztuki PoleSztuki(const TOkno& okno);

// Sums of windows: their pieces, their area and the area-weighted mean of
// their Uw (of those that have one). Areas are summed as exact decimals of
// the millimetres typed, so a total on a half of a hundredth is rounded as
// the program rounds, not as binary noise would have it.
class TSumaOkien {
public:
    // n pieces of the window (W × H) with its Uw, or without one.
    void Dodaj(long long sztuk, const TOkno& okno, std::optional<double> uw);
    void Dodaj(long long sztuk, const TPoleSztuki& pole, std::optional<double> uw);
    int64_t Sztuk() const { return sztuk_; }
    // Σ n · A in m², not rounded.
    double Pole() const;
    // The same exactly, where the sizes had decimals.
    std::optional<TDziesietna> PoleDokladne() const;
    // Σ n · A · Uw / Σ n · A over the pieces with a Uw; none without them.
    std::optional<double> Srednia() const;

private:
    int64_t sztuk_ = 0;
    // Σ n · W · H in mm²; none once a size had no decimal (beyond 10^30),
    // when the sum of doubles stands in.
    std::optional<TDziesietna> mm2_ = TDziesietna();
    double pole_ = 0;
    double poleZUw_ = 0; // Σ n · A over those with Uw
    double poleRazyUw_ = 0;
};

// The project's mean Uw (Uśr): Σ n·A·Uw / Σ n·A over the windows with a Uw,
// their pieces counted; the windows without are left out and counted.
struct TUsrednie {
    std::optional<double> u; // none: no window with a Uw has an area
    int okien = 0;           // the windows with a Uw
    int bezDanych = 0;       // those without
};
TUsrednie USrednie(const TZestawienieStolarki& projekt);
// What it covers, as every place that shows it says: "(1 z 2 okien; 1 bez
// danych)".
QString TekstZakresuUsr(const TUsrednie& u);

// The area of every piece of every window in m², rounded to hundredths.
double PowierzchniaOkien(const TZestawienieStolarki& projekt);
