#include "model/obliczenia/geometria.h"

#include "model/dane/podpowiedzi_dane.h"
#include "model/katalog.h"
#include "model/okno.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pd = podpowiedzi_dane;

double PoleOkna(double szerokosc, double wysokosc) {
    return szerokosc * wysokosc / 1e6;
}

namespace {

// The perimeter of the ellipse of semi-axes a and b: 2πa for a circle, else
// Ramanujan's second approximation (a few parts in 10^8 off for a window
// three times as wide as it is high).
double ObwodElipsy(double a, double b) {
    if (a == b)
        return 2 * std::numbers::pi * a;
    const double h = (a - b) * (a - b) / ((a + b) * (a + b));
    return std::numbers::pi * (a + b) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h)));
}

} // namespace

double PoleOkna(const TOkno& o) {
    if (o.Okragle())
        return std::numbers::pi / 4 * o.Szerokosc * o.Wysokosc / 1e6;
    return PoleOkna(o.Szerokosc, o.Wysokosc);
}

double ObwodOkna(const TOkno& o) {
    if (o.Okragle())
        return ObwodElipsy(o.Szerokosc / 2, o.Wysokosc / 2) / 1000;
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
    if (slupek == o.dRamy && PlycinyOkna(o) == 0 && !o.Okragle())
        return DlugoscKrawedziSzyb(o.TypOkna, o.Szerokosc, o.Wysokosc, o.dRamy);
    const TGeometriaOkna g = GeometriaOkna(o);
    if (!g.znana)
        return std::nullopt;
    // A round window its frame fills: below 0, as the rule gives it.
    if (o.Okragle() && !g.szyby)
        return -1.0;
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
    if (o.Okragle()) {
        // One sash: its glass (or panel) the ellipse the frame leaves
        // inside; a round window of more sashes has no geometry here.
        TGeometriaOkna g;
        g.aw = PoleOkna(o);
        g.komorek = static_cast<int>(KomorkiSkrzydel(o.TypOkna).size());
        g.znana = g.komorek == 1;
        const double a = o.Szerokosc / 2 - o.dRamy, b = o.Wysokosc / 2 - o.dRamy;
        g.szyby = g.znana && a > 0 && b > 0;
        if (g.szyby) {
            const double pole = std::numbers::pi * a * b / 1e6;
            const double obwod = ObwodElipsy(a, b);
            if (PlycinyOkna(o) & 1u) {
                g.ap = pole;
                g.obwodP = obwod;
            } else {
                g.ag = pole;
                g.obwod = obwod;
            }
        }
        g.af = g.aw - g.ag - g.ap;
        return g;
    }
    return GeometriaOkna(o.TypOkna, o.Szerokosc, o.Wysokosc, o.dRamy, o.SzerokoscSlupka(),
                         PlycinyOkna(o));
}
