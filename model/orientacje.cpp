#include "orientacje.h"

#include "arkusze.h"
#include "liczby.h"

#include <cmath>

namespace {

// Sums of one cell: pieces, Σ n·A, and Σ n·A and Σ n·A·Uw over the windows
// with thermal data (the others count in pieces and area, not in the mean).
struct TSumy {
    int64_t sztuk = 0;
    double pole = 0;
    double poleZUw = 0;
    double poleRazyUw = 0;

    void Dodaj(int64_t n, double a, std::optional<double> uw) {
        sztuk += n;
        pole += n * a;
        if (uw) {
            poleZUw += n * a;
            poleRazyUw += n * a * *uw;
        }
    }
    TKomorkaStron Komorka() const {
        TKomorkaStron k;
        k.Sztuk = sztuk;
        k.Pole = pole;
        if (poleZUw != 0) {
            const double uw = poleRazyUw / poleZUw;
            if (std::isfinite(uw))
                k.Uw = uw;
        }
        return k;
    }
};

} // namespace

TZestawienieStron ZestawienieWgStron(const TZestawienieStolarki& p) {
    const QStringList poziomy = p.Poziomy();
    QVector<std::array<TSumy, LICZBA_KIERUNKOW>> komorki(poziomy.size());
    QVector<TSumy> kondygnacje(poziomy.size());
    std::array<TSumy, LICZBA_KIERUNKOW> strony;
    TSumy razem;
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
        const TOkno& o = *p.Okno(i);
        const double a = o.Szerokosc * o.Wysokosc / 1000000.0;
        const std::optional<double> uw = p.UwOkna(o);
        for (int k = 0; k < poziomy.size(); ++k) {
            for (int d = 0; d < LICZBA_KIERUNKOW; ++d) {
                const int32_t n = o.GetLiczba(poziomy[k], d);
                if (n == 0)
                    continue;
                komorki[k][static_cast<std::size_t>(d)].Dodaj(n, a, uw);
                kondygnacje[k].Dodaj(n, a, uw);
                strony[static_cast<std::size_t>(d)].Dodaj(n, a, uw);
            }
        }
        // The whole building as the project's totals count it: every piece
        // of the window at once.
        razem.Dodaj(o.SumaOkien(), a, uw);
    }
    TZestawienieStron z;
    for (int k = 0; k < poziomy.size(); ++k) {
        TWierszStron w;
        w.Kondygnacja = poziomy[k];
        for (std::size_t d = 0; d < LICZBA_KIERUNKOW; ++d)
            w.Strony[d] = komorki[k][d].Komorka();
        w.Razem = kondygnacje[k].Komorka();
        z.Kondygnacje.append(w);
    }
    for (std::size_t d = 0; d < LICZBA_KIERUNKOW; ++d)
        z.Strony[d] = strony[d].Komorka();
    z.Razem = razem.Komorka();
    return z;
}

QString TekstKomorki(const TKomorkaStron& k, TWielkoscStron w) {
    switch (w) {
    case TWielkoscStron::Pole:
        return TekstSetnych(k.Pole);
    case TWielkoscStron::Uw:
        return k.Uw ? TekstStaly(*k.Uw, 4, 2) : QString();
    case TWielkoscStron::Sztuk:
        break;
    }
    return QString::number(k.Sztuk);
}

QByteArray ZestawienieWgStronCsv(const TZestawienieStron& z) {
    return CsvArkusza(ArkuszStron(z));
}
