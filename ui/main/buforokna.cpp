#include "ui/main/buforokna.h"

#include "model/tekst.h"

void TBuforOkna::Pokaz(const TOkno& okno) {
    okno_ = okno;
    zmienione_.reset();
}

TOkno& TBuforOkna::Zmien(TPoleOkna pole) {
    zmienione_.set(Indeks(pole));
    return okno_;
}

TOkno TBuforOkna::Zatwierdz(const TOkno& w) const {
    TOkno o = w;
    const TOkno& b = okno_;
    auto jesli = [this](TPoleOkna p) {
        return Zmienione(p);
    };
    if (jesli(TPoleOkna::Rodzaj))
        o.Rodzaj = b.Rodzaj;
    if (jesli(TPoleOkna::TypOkna))
        o.TypOkna = b.TypOkna;
    if (jesli(TPoleOkna::Skrzydla))
        o.RodzajSkrzydla = b.RodzajSkrzydla;
    if (jesli(TPoleOkna::Szerokosc))
        o.Szerokosc = b.Szerokosc;
    if (jesli(TPoleOkna::Wysokosc))
        o.Wysokosc = b.Wysokosc;
    if (jesli(TPoleOkna::Ksztalt))
        o.Ksztalt = b.Ksztalt;
    if (jesli(TPoleOkna::Ug)) {
        o.Ug = b.Ug;
        o.ZrodloUg = b.ZrodloUg;
        o.SzkloKodID = b.SzkloKodID;
        o.BudowaSzyby = b.BudowaSzyby;
        o.PowlokiSzyby = b.PowlokiSzyby;
        o.WypelnienieGazem = b.WypelnienieGazem;
    }
    if (jesli(TPoleOkna::MaterialRamy))
        o.MaterialRamy = b.MaterialRamy;
    if (jesli(TPoleOkna::Uf) || jesli(TPoleOkna::MaterialRamy)) {
        o.ZrodloUf = b.ZrodloUf;
        o.RamaKodID = b.RamaKodID;
    }
    if (jesli(TPoleOkna::Uf))
        o.Uf = b.Uf;
    if (jesli(TPoleOkna::Psi_g))
        o.Psi_g = b.Psi_g;
    if (jesli(TPoleOkna::Up))
        o.Up = b.Up;
    if (jesli(TPoleOkna::Psi_p))
        o.Psi_p = b.Psi_p;
    if (jesli(TPoleOkna::dRamy))
        o.dRamy = b.dRamy;
    if (jesli(TPoleOkna::dSlupka))
        o.dSlupka = b.dSlupka;
    if (jesli(TPoleOkna::Lg))
        o.Lg = b.Lg;
    if (jesli(TPoleOkna::dR))
        o.dR = b.dR;
    if (jesli(TPoleOkna::g))
        o.g = b.g;
    if (jesli(TPoleOkna::fC))
        o.fC = b.fC;
    if (jesli(TPoleOkna::Oslona))
        o.Oslona = b.Oslona;
    if (jesli(TPoleOkna::LiczbaNawiewnikow))
        o.LiczbaNawiewnikow = b.LiczbaNawiewnikow;
    if (jesli(TPoleOkna::SzerokoscNawiewnika))
        o.SzerokoscNawiewnika = b.SzerokoscNawiewnika;
    // A window that becomes list-priced has no price of its own; one that
    // stops being so keeps the price then shown; else a price typed.
    if (o.JestDV()) {
        if (!w.JestDV())
            o.CenaOkna = -1;
    } else if (w.JestDV() || jesli(TPoleOkna::Cena)) {
        o.CenaOkna = b.CenaOkna;
    }
    // Remarks that read the same line by line are the window's own.
    if (jesli(TPoleOkna::Uwagi) && RozdzielWiersze(b.Uwagi) != RozdzielWiersze(w.Uwagi))
        o.Uwagi = b.Uwagi;
    return o;
}
