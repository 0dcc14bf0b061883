#pragma once

#include "model/liczby.h"

#include <QString>

// What the parts of the report share: the size of a window block and how
// its numbers print.

// Every block is this high and its texts measure their width to this.
inline constexpr int WYSOKOSC_BLOKU = 590; // 0.1 mm
inline constexpr int SZEROKOSC_BLOKU = 1650;

inline const QString NL = QStringLiteral("\r\n");

inline QString Ogolna(double x) {
    return TekstOgolny(x);
}
inline QString Stala(double x, int p) {
    return TekstStaly(x, p, 2);
}
