#pragma once

#include "model/polaokna.h"
#include "model/zestawienie.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>

// What the writer and the reader of project files share: the sections'
// names and the count keys of the project's levels.

namespace plik_projektu {

inline const QString INFO = QStringLiteral("Info");
inline const QString PROJEKT = QStringLiteral("Projekt");
inline const QString OKNA = QStringLiteral("Okna");
inline const QString PREFIKS_OKNA = QStringLiteral("Okno");
inline const QString FORMAT_DATY = QStringLiteral("yyyy-MM-dd");

// The count keys of a level, with the row the level has in a window's
// counts.
struct TPoziomPliku {
    QString poziom;
    int wiersz;
    std::array<QByteArray, LICZBA_KIERUNKOW> klucze;
};

inline QVector<TPoziomPliku> PoziomyPliku(const TZestawienieStolarki& p) {
    QVector<TPoziomPliku> wynik;
    for (const QString& poziom : p.Poziomy()) {
        TPoziomPliku pp{poziom, LevelIndex(poziom), {}};
        for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
            pp.klucze[static_cast<std::size_t>(d)] = KluczLiczby(poziom, d);
        wynik.append(pp);
    }
    return wynik;
}

} // namespace plik_projektu
