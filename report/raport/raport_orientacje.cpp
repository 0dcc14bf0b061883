// The report's tables of windows by storey and compass direction.
#include "report/raport/raport.h"

#include "model/obliczenia/orientacje.h"
#include "model/zestawienie.h"
#include "report/raport/dokument.h"
#include "report/raport/raportwspolne.h"

#include <QPainter>

#include <algorithm>

void TRaport::RysujOrientacje() {
    const TZestawienieStron z = ZestawienieWgStron(projekt_);
    const int wiersz = MmY(50);
    const int pierwsza = MmX(280);
    const int lewa = RamkaStrony.left();
    const int kolumna = (RamkaStrony.width() - pierwsza) / (LICZBA_KIERUNKOW + 1);
    dokument_.NowaStrona();
    int y = ObszarTresci.top();
    auto dol = [this] {
        return ObszarTresci.top() + ObszarTresci.height();
    };
    auto miejsce = [&](int potrzeba) {
        if (y + potrzeba > dol()) {
            dokument_.NowaStrona();
            y = ObszarTresci.top();
        }
    };
    y += RysujTekst(false, lewa, y, RamkaStrony.width(), dol() - y,
                    QStringLiteral("Zestawienie okien wg kondygnacji i stron świata"), 12) +
         MmY(20);
    int punkty = 8;
    auto komorki = [&](const QString& pierwszy, const std::function<QString(int)>& tekst,
                       bool ramka) {
        RysujTekst(ramka, lewa, y, pierwsza, wiersz, pierwszy, punkty);
        for (int d = 0; d <= LICZBA_KIERUNKOW; ++d)
            RysujTekst(ramka, lewa + pierwsza + d * kolumna, y, kolumna, wiersz, tekst(d), punkty);
        y += wiersz;
    };
    // The largest size, 8 points at most, at which every cell of a table
    // shows its number whole on one line.
    auto dopasuj = [&](TWielkoscStron wielkosc) {
        QStringList dlugie{QStringLiteral("razem")};
        auto dodaj = [&](const std::array<TKomorkaStron, LICZBA_KIERUNKOW>& strony,
                         const TKomorkaStron& razem) {
            for (const TKomorkaStron& k : strony)
                dlugie << TekstKomorki(k, wielkosc);
            dlugie << TekstKomorki(razem, wielkosc);
        };
        for (const TWierszStron& w : z.Kondygnacje)
            dodaj(w.Strony, w.Razem);
        dodaj(z.Strony, z.Razem);
        QPainter* p = dokument_.Plotno();
        const qreal wnetrze = kolumna - 2 * MmX(20);
        for (punkty = 8; p && punkty > 4; --punkty) {
            const QFontMetricsF m(Pismo(punkty), p->device());
            if (std::all_of(dlugie.begin(), dlugie.end(),
                            [&](const QString& t) { return m.horizontalAdvance(t) <= wnetrze; }))
                break;
        }
    };
    auto naglowek = [&] {
        komorki(
            QStringLiteral("Kondygnacja"),
            [](int d) {
                return d < LICZBA_KIERUNKOW ? SKROTY_KIERUNKOW[static_cast<std::size_t>(d)]
                                            : QStringLiteral("razem");
            },
            true);
    };
    const std::pair<QString, TWielkoscStron> tabele[] = {
        {QStringLiteral("Liczba sztuk"), TWielkoscStron::Sztuk},
        {QStringLiteral("Pole powierzchni [m2]"), TWielkoscStron::Pole},
        {QStringLiteral("Średni Uw [W/m2K]"), TWielkoscStron::Uw},
    };
    for (const auto& [tytul, wielkosc] : tabele) {
        miejsce(3 * wiersz + MmY(60));
        // Past the title's lower inset: its descenders stay above the table.
        y += RysujTekst(false, lewa, y, RamkaStrony.width(), dol() - y, tytul, 10) + MmY(10);
        dopasuj(wielkosc);
        naglowek();
        auto rzad = [&](const QString& nazwa,
                        const std::array<TKomorkaStron, LICZBA_KIERUNKOW>& strony,
                        const TKomorkaStron& razem) {
            if (y + wiersz > dol()) {
                dokument_.NowaStrona();
                y = ObszarTresci.top();
                naglowek(); // the table goes on with its heading
            }
            komorki(
                nazwa,
                [&](int d) {
                    return TekstKomorki(d < LICZBA_KIERUNKOW ? strony[static_cast<std::size_t>(d)]
                                                             : razem,
                                        wielkosc);
                },
                true);
        };
        for (const TWierszStron& w : z.Kondygnacje)
            rzad(w.Kondygnacja, w.Strony, w.Razem);
        rzad(QStringLiteral("razem"), z.Strony, z.Razem);
        y += MmY(60);
    }
    // The windows start on a page of their own.
    ObszarTresci.setTop(dol());
}
