#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

class TOkno;
class TZestawienieStolarki;

// Compliance with the technical conditions in force since 1 January 2021
// (WT 2021): the maximum heat transfer coefficient Umax of a window, door or
// roof window by its kind and the building's design indoor temperature.

// The kinds of element, by code; stored and shown by name.
constexpr int32_t RODZAJ_OKNO = 0;
int LiczbaRodzajow();
QString NazwaRodzaju(int32_t kod);
// The code of a name, ignoring letter case; `ok` false (and the default) for
// any other name.
int32_t KodRodzaju(const QString& nazwa, bool* ok);

// Umax in W/(m²·K) for the kind at indoor temperature ti (°C); -1 where the
// conditions set no requirement.
double UmaxWT2021(int32_t rodzaj, double ti);

enum class TWynikWT { Spelnia, NieSpelnia, BrakWymagan, BrakDanych };

struct TOcenaWT {
    TWynikWT wynik = TWynikWT::BrakDanych;
    double umax = -1; // -1: no requirement
    double uw = 0;    // rounded to hundredths, as shown
};

// A window complies when its Uw, rounded to hundredths as shown, is at most
// Umax; without width, height, Ug or Uf it has no data and neither complies
// nor fails.
TOcenaWT OcenWT2021(int32_t rodzaj, double ti, double uw, bool dane);
// A window of a project: its Uw by the project's method, at the project's ti.
TOcenaWT OcenWT2021(const TOkno& okno, const TZestawienieStolarki& projekt);
// "spełnia", "nie spełnia", "brak wymagań", "brak danych".
QString TekstWynikuWT(TWynikWT wynik);
// A window's line: "WT 2021: Umax = 0,90 – spełnia", "WT 2021: Umax = 0,90 –
// nie spełnia (1,12)", "WT 2021: brak wymagań", "WT 2021: brak danych".
QString TekstOcenyWT(const TOcenaWT& ocena);

// The project as a whole: the windows that fail and those without data, in
// list order. It complies when none fails and none lacks data.
struct TZgodnoscWT {
    int okien = 0;
    QStringList nieSpelnia;
    QStringList bezDanych;
    bool Spelnia() const { return nieSpelnia.isEmpty() && bezDanych.isEmpty(); }
};
TZgodnoscWT ZgodnoscWT2021(const TZestawienieStolarki& projekt);
// The project panel's and the report's lines of it, naming every symbol, or
// the first `symboli` of them and "i 37 innych" for the rest.
QString TekstZgodnosciWT(const TZgodnoscWT& z, int symboli = -1);
QString TekstBezDanychWT(const TZgodnoscWT& z,
                         int symboli = -1); // empty when every window has data
// The symbols joined with commas, cut as above.
QString ListaSymboli(const QStringList& symbole, int symboli = -1);
