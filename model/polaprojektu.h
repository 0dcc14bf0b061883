#pragma once

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
};

const std::vector<TPoleProjektu>& PolaProjektu();
