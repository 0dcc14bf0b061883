#pragma once

#include "model/okno.h"
#include "model/rodzajepol.h"

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

    // What the uses of the table need besides the kind:
    // the window's identity (the symbol): changed by a command of its own,
    // never one of a window's values; messages name it as it is;
    bool tozsamosc = false;
    // a value below 0 stands for "unknown" (gn, a typed fC): null outside;
    bool brakPonizejZera = false;
    // one of an array of keys (the sash kinds "RodzajSkrzydlaNr1" …): the
    // array's name and the place in it;
    QByteArray grupa;
    int indeksWGrupie = -1;
    // a name that outside is given with its code too (the type: 1001 and
    // "1 skrzydłowe"), the code through `liczba`.
    bool zKodem = false;
    // a key written only when the window uses it (the glazing's build-up,
    // mullions, panels), so the files of windows without it stay as they
    // were; null: always written.
    bool (*zapisywane)(const TOkno&) = nullptr;
    bool Zapisywane(const TOkno& o) const { return !zapisywane || zapisywane(o); }
};

// Calls the visitor with the field's kind (pole::Dziesietna{} …): the one
// place the kinds are told apart; a visitor is an overload set (TPrzypadki)
// whose generic member takes the kinds it treats alike.
template <class V> decltype(auto) OdwiedzPole(const TPoleOkna& p, V&& v) {
    switch (p.rodzaj) {
    case TRodzajPola::Dziesietna:
        return v(pole::Dziesietna{});
    case TRodzajPola::Calkowita:
        return v(pole::Calkowita{});
    case TRodzajPola::Nazwa:
        return v(pole::Nazwa{});
    case TRodzajPola::Tekst:
        return v(pole::Tekst{});
    case TRodzajPola::Wiersze:
        return v(pole::Wiersze{});
    case TRodzajPola::Liczby:
        break;
    }
    return v(pole::Liczby{});
}

const std::vector<TPoleOkna>& PolaOkna();

// The key of a window's count for a level and direction
// ("LiczbaNaParterNaStrone0", "LiczbaNaPietro2NaStrone5").
QByteArray KluczLiczby(const QString& poziom, int kierunek);
