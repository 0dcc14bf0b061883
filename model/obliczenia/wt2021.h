#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

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

// The kind a window is judged as: its own, but a window or balcony door whose
// every sash is an opaque panel is an entrance door.
int32_t RodzajOceniany(const TOkno& okno);
// The code of "drzwi zewnętrzne".
int32_t RodzajDrzwiZewnetrznych();

// Umax in W/(m²·K) for the kind at indoor temperature ti (°C); -1 where the
// conditions set no requirement.
double UmaxWT2021(int32_t rodzaj, double ti);

enum class TWynikWT { Spelnia, NieSpelnia, BrakWymagan, BrakDanych };

struct TOcenaWT {
    TWynikWT wynik = TWynikWT::BrakDanych;
    double umax = -1; // -1: no requirement
    double uw = 0;    // the window's own Uw as shown (two decimals): what is judged
    // Where the window has a shutter: its Uw with the shutter's dR, as shown.
    std::optional<double> uwZRoleta;
    QString brak; // why there is no data
};

// A window complies when its own Uw (without a shutter, which is no part of
// the window), rounded as shown, is at most Umax; without a Uw it has no
// data and neither complies nor fails.
TOcenaWT OcenWT2021(int32_t rodzaj, double ti, std::optional<double> uwOkna);
// A window of a project: its Uw by the project's method, at the project's ti;
// with its Uw already worked out, where it was.
TOcenaWT OcenWT2021(const TOkno& okno, const TZestawienieStolarki& projekt);
struct TUw;
TOcenaWT OcenWT2021(const TOkno& okno, const TZestawienieStolarki& projekt, const TUw& uw);
// "spełnia", "nie spełnia", "brak wymagań", "brak danych".
QString TekstWynikuWT(TWynikWT wynik);
// A window's line: "WT 2021: Umax = 0,90 – spełnia", "WT 2021: Umax = 0,90 –
// nie spełnia (1,12)", "WT 2021: brak wymagań", "WT 2021: brak danych"; with
// a shutter both values and the one judged: "WT 2021: Umax = 0,90 – nie
// spełnia (Uw = 0,94; z roletą 0,82; oceniono Uw bez rolety)".
QString TekstOcenyWT(const TOcenaWT& ocena);
// The same in a line of little room: with a shutter, the judged value only,
// "WT 2021: Umax = 0,90 – nie spełnia (0,94 bez rolety)".
QString KrotkiTekstOcenyWT(const TOcenaWT& ocena);
// Both values of a window with a shutter: "Uw = 0,94; z roletą 0,82";
// empty without one.
QString TekstUwZRoleta(const TOcenaWT& ocena);

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
