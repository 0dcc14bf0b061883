#pragma once

#include "model/rodzajepol.h"

#include <QByteArray>
#include <QString>

#include <vector>

class TZestawienieStolarki;

// The project's header data as its file holds them, in the order they are
// written: one table for the writer, the reader, the command-line summary,
// the report's summary and the check of texts before a save.

enum class TRodzajPolaProjektu {
    Tekst,      // text as typed
    Data,       // the date, yyyy-MM-dd
    Flaga,      // a level the building has: 1 or 0
    Calkowita,  // the number of upper floors
    Dziesietna, // a double, written in the general form
};

struct TPoleProjektu {
    QByteArray klucz;
    TRodzajPolaProjektu rodzaj = TRodzajPolaProjektu::Tekst;
    // How the project panel names the field (in messages), and the label of
    // its row in the report's summary (empty: no row of its own).
    QString etykieta;
    QString etykietaRaportu;
    // Tekst: the text. Data gives its text through `tekst` too.
    QString (*tekst)(const TZestawienieStolarki&) = nullptr;
    void (*ustawTekst)(TZestawienieStolarki&, const QString&) = nullptr;
    // Flaga, Calkowita, Dziesietna: the value, and its default when read.
    double (*liczba)(const TZestawienieStolarki&) = nullptr;
    void (*ustawLiczbe)(TZestawienieStolarki&, double) = nullptr;
    double domyslna = 0;
    // A number shown by its name too (the Uw method), and that name.
    QString (*nazwa)(const TZestawienieStolarki&) = nullptr;
    // Read with the rules of the building's levels, not alone (the floors).
    bool zPoziomami = false;
};

// Calls the visitor with the field's kind (pole::Tekst{}, pole::Data{},
// pole::Flaga{}, pole::Calkowita{}, pole::Dziesietna{}).
template <class V> decltype(auto) OdwiedzPole(const TPoleProjektu& p, V&& v) {
    switch (p.rodzaj) {
    case TRodzajPolaProjektu::Tekst:
        return v(pole::Tekst{});
    case TRodzajPolaProjektu::Data:
        return v(pole::Data{});
    case TRodzajPolaProjektu::Flaga:
        return v(pole::Flaga{});
    case TRodzajPolaProjektu::Calkowita:
        return v(pole::Calkowita{});
    case TRodzajPolaProjektu::Dziesietna:
        break;
    }
    return v(pole::Dziesietna{});
}

const std::vector<TPoleProjektu>& PolaProjektu();
// The field of that key; nullptr for none.
const TPoleProjektu* PoleProjektu(QByteArrayView klucz);
