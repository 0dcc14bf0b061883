#include "historia.h"

#include "polaokna.h"
#include "polaprojektu.h"
#include "zestawienie.h"

namespace {

TWartoscPola Wartosc(const TOkno& o, const TPoleOkna& pole) {
    switch (pole.rodzaj) {
    case TRodzajPola::Dziesietna:
    case TRodzajPola::Calkowita:
        return pole.liczba(o);
    case TRodzajPola::Nazwa:
    case TRodzajPola::Tekst:
    case TRodzajPola::Wiersze:
        return pole.tekst(o);
    case TRodzajPola::Liczby:
        return o.LiczbaOkien;
    }
    return 0.0;
}

void Ustaw(TOkno& o, const TPoleOkna& pole, const TWartoscPola& w) {
    switch (pole.rodzaj) {
    case TRodzajPola::Dziesietna:
    case TRodzajPola::Calkowita:
        pole.ustawLiczbe(o, std::get<double>(w));
        break;
    case TRodzajPola::Nazwa: {
        bool ok = false;
        const int32_t kod = pole.kod(std::get<QString>(w), &ok);
        if (ok)
            pole.ustawKod(o, kod);
        break;
    }
    case TRodzajPola::Tekst:
    case TRodzajPola::Wiersze:
        if (pole.ustawTekst)
            pole.ustawTekst(o, std::get<QString>(w));
        break;
    case TRodzajPola::Liczby:
        o.LiczbaOkien = std::get<TLiczbaOkien>(w);
        break;
    }
}

// The project's levels are the fields Flaga and Calkowita of its table.
bool Poziom(const TPoleProjektu& pole) {
    return pole.rodzaj == TRodzajPolaProjektu::Flaga ||
           pole.rodzaj == TRodzajPolaProjektu::Calkowita;
}

} // namespace

TZmianaOkna RozniceOkna(const TOkno& przed, const TOkno& po) {
    TZmianaOkna z{przed.Symbol(), po.Symbol(), {}};
    const std::vector<TPoleOkna>& pola = PolaOkna();
    for (std::size_t i = 0; i < pola.size(); ++i) {
        if (pola[i].klucz == "Symbol")
            continue;
        TWartoscPola a = Wartosc(przed, pola[i]);
        TWartoscPola b = Wartosc(po, pola[i]);
        if (!(a == b))
            z.pola.push_back({static_cast<int>(i), std::move(a), std::move(b)});
    }
    return z;
}

void PrzywrocOkno(TZestawienieStolarki& projekt, const TZmianaOkna& z, bool wstecz) {
    TOkno* o = projekt.GetOkno(wstecz ? z.symbolPo : z.symbolPrzed);
    if (!o)
        return;
    const std::vector<TPoleOkna>& pola = PolaOkna();
    for (const TZmianaPola& p : z.pola)
        Ustaw(*o, pola[static_cast<std::size_t>(p.pole)], wstecz ? p.przed : p.po);
    if (z.symbolPrzed != z.symbolPo)
        projekt.UstawWielkoscLiter(o->Symbol(), wstecz ? z.symbolPrzed : z.symbolPo);
}

std::vector<TOkno> StanOkien(const TZestawienieStolarki& projekt) {
    std::vector<TOkno> stan;
    stan.reserve(static_cast<std::size_t>(projekt.LiczbaOkienWLiscie()));
    for (int i = 0; i < projekt.LiczbaOkienWLiscie(); ++i)
        stan.push_back(*projekt.Okno(i));
    return stan;
}

std::vector<TZmianaOkna> ZmianyOkien(const std::vector<TOkno>& przed,
                                     const TZestawienieStolarki& projekt) {
    std::vector<TZmianaOkna> zmiany;
    const std::size_t n =
        std::min(przed.size(), static_cast<std::size_t>(projekt.LiczbaOkienWLiscie()));
    for (std::size_t i = 0; i < n; ++i) {
        TZmianaOkna z = RozniceOkna(przed[i], *projekt.Okno(static_cast<int>(i)));
        if (!z.pola.empty() || z.symbolPrzed != z.symbolPo)
            zmiany.push_back(std::move(z));
    }
    return zmiany;
}

TStanProjektu StanProjektu(const TZestawienieStolarki& projekt) {
    TStanProjektu s;
    for (const TPoleProjektu& pole : PolaProjektu()) {
        if (pole.rodzaj == TRodzajPolaProjektu::Tekst || pole.rodzaj == TRodzajPolaProjektu::Data)
            s.pola.emplace_back(pole.tekst(projekt));
        else
            s.pola.emplace_back(pole.liczba(projekt));
    }
    s.data = projekt.Data;
    s.liczby.reserve(static_cast<std::size_t>(projekt.LiczbaOkienWLiscie()));
    for (int i = 0; i < projekt.LiczbaOkienWLiscie(); ++i)
        s.liczby.push_back(projekt.Okno(i)->LiczbaOkien);
    return s;
}

bool TePoziomy(const TStanProjektu& a, const TStanProjektu& b) {
    const std::vector<TPoleProjektu>& pola = PolaProjektu();
    for (std::size_t i = 0; i < pola.size() && i < a.pola.size() && i < b.pola.size(); ++i)
        if (Poziom(pola[i]) && !(a.pola[i] == b.pola[i]))
            return false;
    return true;
}

bool RownyStan(const TStanProjektu& a, const TStanProjektu& b) {
    return a.pola == b.pola && a.data == b.data && a.liczby == b.liczby;
}

void PrzywrocProjekt(TZestawienieStolarki& projekt, const TStanProjektu& s) {
    const std::vector<TPoleProjektu>& pola = PolaProjektu();
    for (std::size_t i = 0; i < pola.size() && i < s.pola.size(); ++i) {
        const TPoleProjektu& pole = pola[i];
        if (pole.rodzaj == TRodzajPolaProjektu::Tekst)
            pole.ustawTekst(projekt, std::get<QString>(s.pola[i]));
        else if (pole.rodzaj == TRodzajPolaProjektu::Dziesietna || Poziom(pole))
            pole.ustawLiczbe(projekt, std::get<double>(s.pola[i]));
    }
    projekt.Data = s.data;
    // The levels were set above (which shapes every window's counts); the
    // counts themselves come back as they were.
    if (s.liczby.size() == static_cast<std::size_t>(projekt.LiczbaOkienWLiscie()))
        for (int i = 0; i < projekt.LiczbaOkienWLiscie(); ++i)
            projekt.Okno(i)->LiczbaOkien = s.liczby[static_cast<std::size_t>(i)];
}
