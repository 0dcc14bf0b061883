#pragma once

#include "model/okno.h"

#include <bitset>

// The values of a window the editor shows and edits, each one or a few of
// TOkno's members.
enum class TPoleOkna : uint8_t {
    Rodzaj,
    TypOkna,
    Skrzydla,
    Szerokosc,
    Wysokosc,
    Ksztalt,
    Ug, // with where it came from, the glazing's code and build-up
    Uf, // with where it came from and the frame's code
    MaterialRamy,
    Psi_g,
    Up,
    Psi_p,
    dRamy,
    dSlupka,
    Lg,
    dR,
    g,
    fC,
    Oslona,
    LiczbaNawiewnikow,
    SzerokoscNawiewnika,
    Cena,
    Uwagi,
    Liczba_ // the count of them
};

// What the window editor holds: its own copy of the window shown and which
// of its values the user changed. The controls show the copy and write what
// the user does into it; the commit takes the changed values into the
// project's window and leaves every other as the window has it, exactly
// (a field shows a rounding, a suggestion is only shown).
class TBuforOkna {
public:
    void Pokaz(const TOkno& okno);
    const TOkno& Okno() const { return okno_; }
    // The copy to be changed, `pole` marked as the user's.
    TOkno& Zmien(TPoleOkna pole);
    bool Zmienione(TPoleOkna pole) const { return zmienione_.test(Indeks(pole)); }
    // The price a list-priced window shows (zł net, -1 for none): it becomes
    // the window's own when the window stops being list-priced.
    void UstawCeneZCennika(double cena) { okno_.CenaOkna = cena; }

    // The project's window with the values the user changed.
    TOkno Zatwierdz(const TOkno& wProjekcie) const;

private:
    static std::size_t Indeks(TPoleOkna p) { return static_cast<std::size_t>(p); }

    TOkno okno_{QString()};
    std::bitset<static_cast<std::size_t>(TPoleOkna::Liczba_)> zmienione_;
};
