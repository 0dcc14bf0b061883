#include "uwgeometria.h"

#include "katalog.h"

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
    g.aw = szerokosc * wysokosc / 1e6;
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
