#pragma once

#include "model/zestawienie.h"

#include <QLocale>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

// The windows by storey and compass direction: what a heat-load or energy
// certificate calculation takes, storey by storey and side by side.

// The directions by their short names, in the order of the counts (0 N … 7 NW).
inline const std::array<QString, LICZBA_KIERUNKOW> SKROTY_KIERUNKOW = {
    QStringLiteral("N"), QStringLiteral("NE"), QStringLiteral("E"), QStringLiteral("SE"),
    QStringLiteral("S"), QStringLiteral("SW"), QStringLiteral("W"), QStringLiteral("NW")};

// One cell: the pieces, their area in m² and the area-weighted mean Uw of
// those with a Uw (none without any), neither rounded (TSumaOkien): a table
// shows them with two decimals.
struct TKomorkaStron {
    int64_t Sztuk = 0;
    double Pole = 0;
    std::optional<double> Uw;
};

struct TWierszStron {
    QString Kondygnacja; // as the storey grid names it
    std::array<TKomorkaStron, LICZBA_KIERUNKOW> Strony;
    TKomorkaStron Razem;
};

struct TZestawienieStron {
    QVector<TWierszStron> Kondygnacje;                  // basement, ground floor, floors, attic
    std::array<TKomorkaStron, LICZBA_KIERUNKOW> Strony; // every storey together
    TKomorkaStron Razem; // the whole building: PowierzchniaOkien before rounding, and Uśr
};

TZestawienieStron ZestawienieWgStron(const TZestawienieStolarki& projekt);

// The figure of a cell that a table shows.
enum class TWielkoscStron { Sztuk, Pole, Uw };
// A cell as the dialog and the report show it: pieces, the area with two
// decimals, the mean Uw with two decimals (empty without area).
QString TekstKomorki(const TKomorkaStron& k, TWielkoscStron w);
