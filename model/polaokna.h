#pragma once

#include "model/okno.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The fields of a window as its project-file section holds them, in the
// order they are written: one table for the writer, the reader, the
// command-line summary and the tests that compare projects.

enum class TRodzajPola {
    Dziesietna, // a double, written in the general form
    Calkowita,  // a 32-bit whole number
    Nazwa,      // a code kept by its catalogue name (type, sash kind, source, material)
    Tekst,      // text as typed
    Wiersze,    // the remark lines as one comma text
    Liczby,     // where the counts per level and direction stand
};

struct TPoleOkna {
    QByteArray klucz;
    TRodzajPola rodzaj = TRodzajPola::Tekst;
    // Dziesietna and Calkowita: the value and its default when read.
    double (*liczba)(const TOkno&) = nullptr;
    void (*ustawLiczbe)(TOkno&, double) = nullptr;
    double domyslna = 0;
    // Nazwa, Tekst, Wiersze: the text; a name that matches nothing leaves the
    // value as it was, so the default is the window's own.
    QString (*tekst)(const TOkno&) = nullptr;
    void (*ustawTekst)(TOkno&, const QString&) = nullptr;
    QString domyslnyTekst;
    // Nazwa: the code a name stands for (`ok` false when none), and storing
    // it, so a reader can remember what each name it met stands for.
    int32_t (*kod)(const QString&, bool* ok) = nullptr;
    void (*ustawKod)(TOkno&, int32_t) = nullptr;
    // Read from the file (the symbol is what the window is made with).
    bool czytane = true;
    // Tekst, Wiersze, Nazwa: how messages name the field.
    QString etykieta;
};

const std::vector<TPoleOkna>& PolaOkna();

// The key of a window's count for a level and direction
// ("LiczbaNaParterNaStrone0", "LiczbaNaPietro2NaStrone5").
QByteArray KluczLiczby(const QString& poziom, int kierunek);
