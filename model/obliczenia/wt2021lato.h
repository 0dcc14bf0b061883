#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

class TOkno;
class TZestawienieStolarki;

// The summer rule of WT 2021 for windows (załącznik 2, pkt 2.1.1): the total
// solar energy transmittance with the window's shading, g = fC · gn, at
// most 0,35; windows facing NW, N or NE, and windows under 0,5 m², are
// exempt. A roof window's slope is not known: it is judged as facing up,
// so the rule applies to it.

constexpr double GMAX_LATO = 0.35;
constexpr double MIN_POLE_LATO = 0.5; // m²

// The shading devices of the regulation's table, the first being none.
int LiczbaOslon();
QString NazwaOslony(int32_t kod);
int32_t KodOslony(const QString& nazwa, bool* ok);
double FcOslony(int32_t kod);
// The fC a window is judged with: the one typed for it, else its device's.
double FcOkna(const TOkno& okno);

enum class TWynikLato { Spelnia, NieSpelnia, NieDotyczy, BrakDanych };

struct TOcenaLato {
    TWynikLato wynik = TWynikLato::BrakDanych;
    double fc = 1;
    // g · fC as shown: the exact product of the decimals typed, to
    // hundredths as Zaokraglij rounds (0,71 · 0,5 = 0,355 is 0,36); -1
    // without g or with g or fC outside 0…1.
    double gfc = -1;
    bool bezWymiarow = false; // no width or height: judged when they are
    QString poza;             // g or fC outside its range, as the file has it
};

// Whether the rule applies to a kind of window (KodRodzaju's codes): not to
// windows in inner walls, entrance doors and unheated rooms' windows.
bool RodzajPodlegaLatu(int32_t rodzaj);
// Whether the rule applies to pieces facing that direction (0 N … 7 NW).
bool KierunekPodlegaLatu(int kierunek);
// A window: exempt when its kind is, when every piece faces NW, N or NE (a
// roof window never is) or when it is under 0,5 m²; otherwise judged by g · fC as shown. A
// window without pieces is judged, its direction being unknown.
TOcenaLato OcenLato2021(const TOkno& okno, const TZestawienieStolarki& projekt);
// "spełnia", "nie spełnia", "nie dotyczy", "brak danych".
QString TekstWynikuLato(TWynikLato wynik);
// "WT 2021 lato: g·fC = 0,50 > 0,35 – nie spełnia", "WT 2021 lato: nie dotyczy",
// "WT 2021 lato: brak danych (g)".
QString TekstOcenyLato(const TOcenaLato& ocena);
// g as shown: "0,5", or "brak".
QString TekstG(const TOkno& okno);

struct TZgodnoscLato {
    QStringList nieSpelnia, bezDanych; // by symbol
    int okien = 0;
    // Every window judged complies or is exempt: a window without data is
    // no compliance (though only a failure fails a check).
    bool Spelnia() const { return nieSpelnia.isEmpty() && bezDanych.isEmpty(); }
};
TZgodnoscLato ZgodnoscLato2021(const TZestawienieStolarki& projekt);
// "WT 2021 latem (g·fC ≤ 0,35): spełniają", "…: nie spełnia 2 z 5 (O1, O2);
// bez danych: 1 z 5", "…: bez danych: 3 z 5, pozostałe spełniają", "…: bez danych: 5 z
// 5"; `symboli` as TekstZgodnosciWT's.
QString TekstZgodnosciLato(const TZgodnoscLato& z, int symboli = -1);
// The same without its heading: "spełniają", "bez danych: 5 z 5", "brak okien".
QString OpisZgodnosciLato(const TZgodnoscLato& z, int symboli = -1);
