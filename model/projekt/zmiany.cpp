#include "model/projekt/zmiany.h"

#include "model/polaokna.h"
#include "model/zestawienie.h"

namespace {

TWartoscPola Wartosc(const TOkno& o, const TPoleOkna& pole) {
    return OdwiedzPole(pole,
                       TPrzypadki{[&](pole::Dziesietna) -> TWartoscPola { return pole.liczba(o); },
                                  [&](pole::Calkowita) -> TWartoscPola { return pole.liczba(o); },
                                  [&](pole::Liczby) -> TWartoscPola { return o.LiczbaOkien; },
                                  [&](auto) -> TWartoscPola {
                                      return pole.tekst(o);
                                  }});
}

void Ustaw(TOkno& o, const TPoleOkna& pole, const TWartoscPola& w) {
    OdwiedzPole(pole,
                TPrzypadki{[&](pole::Dziesietna) { pole.ustawLiczbe(o, std::get<double>(w)); },
                           [&](pole::Calkowita) { pole.ustawLiczbe(o, std::get<double>(w)); },
                           [&](pole::Nazwa) {
                               bool ok = false;
                               const int32_t kod = pole.kod(std::get<QString>(w), &ok);
                               if (ok)
                                   pole.ustawKod(o, kod);
                           },
                           [&](pole::Liczby) { o.LiczbaOkien = std::get<TLiczbaOkien>(w); },
                           [&](auto) {
                               if (pole.ustawTekst)
                                   pole.ustawTekst(o, std::get<QString>(w));
                           }});
}

// Equal as stored: a NaN read from nowhere equals itself, so it is no change.
bool TeSame(const TWartoscPola& a, const TWartoscPola& b) {
    if (a.index() == 0 && b.index() == 0) {
        const double x = std::get<double>(a), y = std::get<double>(b);
        return x == y || (x != x && y != y);
    }
    return a == b;
}

} // namespace

TZmianaOkna RozniceOkna(const TOkno& przed, const TOkno& po) {
    TZmianaOkna z{przed.Id(), {}};
    const std::vector<TPoleOkna>& pola = PolaOkna();
    for (std::size_t i = 0; i < pola.size(); ++i) {
        if (pola[i].tozsamosc)
            continue;
        TWartoscPola a = Wartosc(przed, pola[i]);
        TWartoscPola b = Wartosc(po, pola[i]);
        if (!TeSame(a, b))
            z.pola.push_back({static_cast<int>(i), std::move(a), std::move(b)});
    }
    return z;
}

void PrzywrocOkno(TZestawienieStolarki& projekt, const TZmianaOkna& z, bool wstecz) {
    TOkno* o = projekt.OknoId(z.id);
    if (!o)
        return;
    const std::vector<TPoleOkna>& pola = PolaOkna();
    for (const TZmianaPola& p : z.pola)
        Ustaw(*o, pola[static_cast<std::size_t>(p.pole)], wstecz ? p.przed : p.po);
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
    for (const TOkno& o : przed) {
        const TOkno* teraz = projekt.OknoId(o.Id());
        if (!teraz)
            continue;
        TZmianaOkna z = RozniceOkna(o, *teraz);
        if (!z.pola.empty())
            zmiany.push_back(std::move(z));
    }
    return zmiany;
}
