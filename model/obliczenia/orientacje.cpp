#include "model/obliczenia/orientacje.h"

#include "model/liczby.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/uw.h"

namespace {

TKomorkaStron Komorka(const TSumaOkien& s) {
    return {s.Sztuk(), s.Pole(), s.Srednia()};
}

} // namespace

TZestawienieStron ZestawienieWgStron(const TZestawienieStolarki& p) {
    const QStringList poziomy = p.Poziomy();
    QVector<int> wiersze; // of the counts, level by level
    for (const QString& poziom : poziomy)
        wiersze << LevelIndex(poziom);
    QVector<std::array<TSumaOkien, LICZBA_KIERUNKOW>> komorki(poziomy.size());
    QVector<TSumaOkien> kondygnacje(poziomy.size());
    std::array<TSumaOkien, LICZBA_KIERUNKOW> strony;
    TSumaOkien razem;
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
        const TOkno& o = *p.Okno(i);
        const std::optional<double> uw = ObliczUw(o, p).uw;
        const TPoleSztuki pole = PoleSztuki(o);
        for (int k = 0; k < poziomy.size(); ++k) {
            for (int d = 0; d < LICZBA_KIERUNKOW; ++d) {
                const int32_t n = o.LiczbaOkien.Liczba(wiersze[k], d);
                if (n == 0)
                    continue;
                komorki[k][static_cast<std::size_t>(d)].Dodaj(n, pole, uw);
                kondygnacje[k].Dodaj(n, pole, uw);
                strony[static_cast<std::size_t>(d)].Dodaj(n, pole, uw);
            }
        }
        // The whole building as the project's totals count it: every piece
        // of the window at once.
        razem.Dodaj(o.SumaOkien(), pole, uw);
    }
    TZestawienieStron z;
    for (int k = 0; k < poziomy.size(); ++k) {
        TWierszStron w;
        w.Kondygnacja = poziomy[k];
        for (std::size_t d = 0; d < LICZBA_KIERUNKOW; ++d)
            w.Strony[d] = Komorka(komorki[k][d]);
        w.Razem = Komorka(kondygnacje[k]);
        z.Kondygnacje.append(w);
    }
    for (std::size_t d = 0; d < LICZBA_KIERUNKOW; ++d)
        z.Strony[d] = Komorka(strony[d]);
    z.Razem = Komorka(razem);
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
