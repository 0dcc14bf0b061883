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

unsigned PlycinyOkna(const TOkno& o) {
    // Only the type's sashes: the kinds of the rows a smaller type hides
    // are kept for a larger one, and are no part of this window.
    const std::size_t skrzydel = std::min<std::size_t>(
        static_cast<std::size_t>(std::max(0, LiczbaSkrzydel(o.TypOkna))), o.RodzajSkrzydla.size());
    unsigned bity = 0;
    for (std::size_t i = 0; i < skrzydel; ++i)
        if (o.RodzajSkrzydla[i] == RODZAJ_PLYCINA)
            bity |= 1u << i;
    return bity;
}

bool TylkoPlyciny(const TOkno& o) {
    const int skrzydel = std::min(LiczbaSkrzydel(o.TypOkna), MAX_SKRZYDEL);
    return skrzydel > 0 && PlycinyOkna(o) == (1u << skrzydel) - 1;
}

std::optional<double> KrawedzSzybOkna(const TOkno& o) {
    // A window as the rule sees it keeps the rule's sum, to the last bit.
    const double slupek = o.SzerokoscSlupka();
    if (slupek == o.dRamy && PlycinyOkna(o) == 0)
        return DlugoscKrawedziSzyb(o.TypOkna, o.Szerokosc, o.Wysokosc, o.dRamy);
    const TGeometriaOkna g = GeometriaOkna(o);
    if (!g.znana)
        return std::nullopt;
    return g.obwod;
}

std::optional<double> LgOkna(const TOkno& o) {
    if (o.Lg >= 0)
        return o.Lg;
    return KrawedzSzybOkna(o);
}

namespace {

// One side of a sash's opening: `dzialek` of `n` equal divisions of the
// length the frame leaves (a d at each end, a mullion between divisions),
// the divisions it spans joined without a profile between them.
double Bok(const TPrzedzial& p, double dlugosc, double d, double slupek) {
    const int k = p.liczbaDzialek();
    if (slupek == d) {
        // One profile width throughout: the sum as it always was.
        const double dzialka = (dlugosc - (p.n + 1) * d) / p.n;
        return k * dzialka + (k - 1) * d;
    }
    const double dzialka = (dlugosc - 2 * d - (p.n - 1) * slupek) / p.n;
    return k * dzialka + (k - 1) * slupek;
}

} // namespace

TGeometriaOkna GeometriaOkna(int32_t typ, double szerokosc, double wysokosc, double d,
                             double slupek, unsigned plyciny) {
    TGeometriaOkna g;
    g.aw = PoleOkna(szerokosc, wysokosc);
    const QVector<TKomorka> komorki = KomorkiSkrzydel(typ);
    g.znana = !komorki.isEmpty();
    g.szyby = g.znana;
    g.komorek = static_cast<int>(komorki.size());
    double ag = 0;
    double ap = 0;
    for (int i = 0; i < komorki.size(); ++i) {
        const TKomorka& k = komorki[i];
        const double s = Bok(k.kolumny, szerokosc, d, slupek);
        const double w = Bok(k.wiersze, wysokosc, d, slupek);
        if (!(s > 0) || !(w > 0))
            g.szyby = false;
        if (i < 32 && (plyciny >> i & 1u)) {
            ap += s * w;
            g.obwodP += 2 * (s + w);
        } else {
            ag += s * w;
            g.obwod += 2 * (s + w);
        }
    }
    g.ag = ag / 1e6;
    g.ap = ap / 1e6;
    // Ap is 0 without panels: the frame is what the glass leaves, to the bit.
    g.af = g.aw - g.ag - g.ap;
    return g;
}

TGeometriaOkna GeometriaOkna(const TOkno& o) {
    return GeometriaOkna(o.TypOkna, o.Szerokosc, o.Wysokosc, o.dRamy, o.SzerokoscSlupka(),
                         PlycinyOkna(o));
}
