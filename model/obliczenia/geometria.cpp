#include "model/obliczenia/geometria.h"

#include "model/dane/podpowiedzi_dane.h"
#include "model/katalog.h"
#include "model/okno.h"

#include <algorithm>

namespace pd = podpowiedzi_dane;

double PoleOkna(double szerokosc, double wysokosc) {
    return szerokosc * wysokosc / 1e6;
}

double PoleOkna(const TOkno& o) {
    return PoleOkna(o.Szerokosc, o.Wysokosc);
}

double ObwodOkna(const TOkno& o) {
    return 2 * (o.Szerokosc + o.Wysokosc) / 1000;
}

std::optional<double> DlugoscKrawedziSzyb(int32_t typ, double w, double h, double d) {
    for (std::size_t i = 0; i < pd::liczbaRegulLg; ++i) {
        const pd::RegulaLg& r = pd::regulyLg[i];
        if (std::find(r.kody.begin(), r.kody.end(), typ) == r.kody.end())
            continue;
        // Term by term, products before divisions, as the rule is written,
        // in extended precision.
        const long double suma =
            static_cast<long double>(r.aW) * w / static_cast<long double>(r.dW) +
            static_cast<long double>(r.aH) * h / static_cast<long double>(r.dH) -
            static_cast<long double>(r.aD) * d / static_cast<long double>(r.dD);
        return static_cast<double>(suma);
    }
    return std::nullopt;
}

std::optional<double> LgOkna(const TOkno& o) {
    if (o.Lg >= 0)
        return o.Lg;
    return DlugoscKrawedziSzyb(o.TypOkna, o.Szerokosc, o.Wysokosc, o.dRamy);
}

namespace {

// One side of a sash's glass: `dzialek` of `n` equal divisions of the
// length the frame leaves (a d at each end and between divisions), the
// divisions it spans joined without a profile between them.
double Bok(const TPrzedzial& p, double dlugosc, double d) {
    const double dzialka = (dlugosc - (p.n + 1) * d) / p.n;
    return p.liczbaDzialek() * dzialka + (p.liczbaDzialek() - 1) * d;
}

} // namespace

TGeometriaOkna GeometriaOkna(int32_t typ, double szerokosc, double wysokosc, double d) {
    TGeometriaOkna g;
    g.aw = PoleOkna(szerokosc, wysokosc);
    const QVector<TKomorka> komorki = KomorkiSkrzydel(typ);
    g.znana = !komorki.isEmpty();
    g.szyby = g.znana;
    double ag = 0;
    for (const TKomorka& k : komorki) {
        const double s = Bok(k.kolumny, szerokosc, d);
        const double w = Bok(k.wiersze, wysokosc, d);
        if (!(s > 0) || !(w > 0))
            g.szyby = false;
        ag += s * w;
        g.obwod += 2 * (s + w);
    }
    g.ag = ag / 1e6;
    g.af = g.aw - g.ag;
    return g;
}
