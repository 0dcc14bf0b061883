// Prices of the manufacturer's windows from the built-in price list.

#include "model/obliczenia/wycena.h"

#include "model/dane/cennikidv.h"
#include "model/dane/produktydv.h"
#include "model/obliczenia/dziesietne.h"
#include "model/obliczenia/zakresy.h"
#include "model/okno.h"
#include "model/zestawienie.h"

#include <cmath>

namespace {

const char* const rzymskie[MAX_SKRZYDEL] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII"};

QString PozaCennikiem(int n) {
    return QStringLiteral("Wymiary skrzydła %1-go poza cennikiem!").arg(QLatin1String(rzymskie[n]));
}

QString NazwaSkrzydla(int n) {
    return QStringLiteral("%1-go skrzydła").arg(QLatin1String(rzymskie[n]));
}

// ⌈x / 100⌉ of a sash dimension in mm: the whole hundreds, plus one when
// anything is left. Far outside the list it only has to stay far outside.
int Klasa(double x) {
    const double q = x / 100;
    if (!(q > -1000 && q < 1000))
        return q > 0 ? 1000 : -1000;
    const double calosc = std::trunc(q);
    return static_cast<int>(calosc) + (q != calosc ? 1 : 0);
}

} // namespace

TWycena CenaZCennika(const TOkno& o) {
    auto brak = [](const QString& powod) {
        return TWycena{-1, powod};
    };
    if (!o.JestDV()) {
        return brak(QStringLiteral("Okno nie ma wybranej szyby i/lub ramy produkcji D&V!"));
    }
    const QVector<TKomorka> komorki = KomorkiSkrzydel(o.TypOkna);
    if (komorki.isEmpty()) {
        return brak(QStringLiteral("Brak algorytmu wyceny dla wybranego typu okna!"));
    }
    int klasySzer[MAX_SKRZYDEL] = {};
    int klasyWys[MAX_SKRZYDEL] = {};
    for (int n = 0; n < komorki.size() && n < MAX_SKRZYDEL; ++n) {
        const TKomorka& k = komorki[n];
        // Product before division, so that exact multiples stay exact.
        klasySzer[n] = Klasa(k.kolumny.liczbaDzialek() * o.Szerokosc / k.kolumny.n);
        klasyWys[n] = Klasa(k.wiersze.liczbaDzialek() * o.Wysokosc / k.wiersze.n);
    }
    const int skrzydel = LiczbaSkrzydel(o.TypOkna);
    if (skrzydel == 0) {
        return brak(QStringLiteral("Brak okreslenia liczby skrzydel dla wybranego typu okna!"));
    }
    if (o.MaterialRamy != MATERIAL_ALUMINIUM && o.MaterialRamy != MATERIAL_DREWNO &&
        o.MaterialRamy != MATERIAL_PCV) {
        return brak(QStringLiteral("Brak ceny dla wybranego materiału ramy D&V!"));
    }
    for (int n = 0; n < skrzydel; ++n) {
        if (klasySzer[n] < TCennikiDV::MIN_KLASA_SZER ||
            klasySzer[n] > TCennikiDV::MAX_KLASA_SZER || klasyWys[n] < TCennikiDV::MIN_KLASA_WYS ||
            klasyWys[n] > TCennikiDV::MAX_KLASA_WYS) {
            return brak(PozaCennikiem(n));
        }
    }
    // PVC and wood have one table each; an aluminium frame is priced from the
    // table of its product, and one of none at 0.
    bool jestTabela = true;
    TCennikiDV::Tabela tabela = TCennikiDV::PCV;
    if (o.MaterialRamy == MATERIAL_DREWNO) {
        tabela = TCennikiDV::Drewno;
    } else if (o.MaterialRamy == MATERIAL_ALUMINIUM) {
        const TRamaDV* rama = RamaDV(o.RamaKodID);
        jestTabela = rama && rama->material == MATERIAL_ALUMINIUM;
        if (jestTabela)
            tabela = rama->tabela;
    }
    const TCennikiDV& cenniki = TCennikiDV::Wbudowane();
    if (jestTabela && !cenniki.Gotowe()) {
        // A damaged list must never yield a price.
        return brak(cenniki.Blad());
    }
    double suma = 0;
    QString brakujace;
    for (int n = 0; n < skrzydel; ++n) {
        const int32_t p = jestTabela
                              ? cenniki.Cena(tabela, o.RodzajSkrzydla[static_cast<std::size_t>(n)],
                                             klasyWys[n], klasySzer[n])
                              : 0;
        if (p == -1)
            brakujace += QStringLiteral("\r\n") + NazwaSkrzydla(n);
        else
            suma += p;
    }
    if (!brakujace.isEmpty()) {
        return brak(QStringLiteral("Brak wyspecyfikowanej ceny w cenniku dla:") + brakujace);
    }
    return {suma, QString()};
}

TWycena CenaDV(const TZestawienieStolarki& p, const TOkno& okno) {
    return CenaDV(p, okno, CenaZCennika(okno));
}

namespace {

// The project's options and the window's size a list price is turned into
// złoty with, each checked against its range; the first one outside it.
QString OpcjaSpozaZakresu(const TZestawienieStolarki& p, const TOkno& o) {
    const std::pair<const char*, double> wartosci[] = {
        {"KursEuro", p.KursEuro},
        {"RabatDodatkowy", p.RabatDodatkowy},
        {"DVPromocjaKlima", p.DVPromocjaKlima},
        {"DVPromocjaKobaltowe", p.DVPromocjaKobaltowe},
        {"DVPromocjaDVline", p.DVPromocjaDVline},
        {"DVPromocjaForma", p.DVPromocjaForma},
        {"Szerokosc", o.Szerokosc},
        {"Wysokosc", o.Wysokosc}};
    for (const auto& [klucz, x] : wartosci)
        if (const TZakresWartosci* z = ZakresWartosci(klucz); z && !WZakresie(*z, x))
            return OpisWartosciSpozaZakresu(*z, x);
    return QString();
}

std::optional<TDziesietna> Dz(double x) {
    return TDziesietna::Z(x);
}

// a · b of decimals that may be missing.
std::optional<TDziesietna> Razy(std::optional<TDziesietna> a, std::optional<TDziesietna> b) {
    return a && b ? a->Razy(*b) : std::nullopt;
}

// (100 − x) / 100 as an exact decimal.
std::optional<TDziesietna> ResztaProcentu(double x) {
    const std::optional<TDziesietna> d = Dz(x);
    if (!d)
        return std::nullopt;
    const auto r = TDziesietna::Calkowita(100).Plus(d->Minus());
    return r ? r->Razy(TDziesietna::Ulamek(1, 2)) : std::nullopt;
}

} // namespace

TWycena CenaDV(const TZestawienieStolarki& p, const TOkno& okno, const TWycena& w) {
    if (w.Cena == -1 || !okno.JestDV())
        return {-1, w.Komunikat};
    if (const QString poza = OpcjaSpozaZakresu(p, okno); !poza.isEmpty())
        return {-1, poza};
    // Worked as exact decimals: the list price in whole euro, the options
    // as typed.
    const std::optional<TDziesietna> a = Dz(w.Cena);
    const std::optional<TDziesietna> kurs = Dz(p.KursEuro);
    const std::optional<TDziesietna> rabat = ResztaProcentu(p.RabatDodatkowy);
    std::optional<TDziesietna> cena = Razy(Razy(a, rabat), kurs);
    // The PVC lines have their promotions.
    const TRamaDV* rama = RamaDV(okno.RamaKodID);
    if (okno.MaterialRamy == MATERIAL_PCV && rama && rama->promocja != TLiniaPromocji::Brak) {
        const double promocje[] = {0, p.DVPromocjaKlima, p.DVPromocjaKobaltowe, p.DVPromocjaDVline,
                                   p.DVPromocjaForma};
        const double promocja = promocje[static_cast<int>(rama->promocja)];
        cena = Razy(Razy(cena, ResztaProcentu(promocja)), Dz(rama->doplata));
    }
    // A glass surcharge per m² of window gets neither promotion nor discount.
    if (const TSzkloDV* szklo = SzkloDV(okno.SzkloKodID)) {
        const auto m2 =
            Razy(Razy(Dz(okno.Szerokosc), Dz(okno.Wysokosc)), TDziesietna::Ulamek(1, 6));
        const auto doplata = Razy(Razy(m2, Dz(szklo->doplataEuroM2)), kurs);
        cena = cena && doplata ? cena->Plus(*doplata) : std::nullopt;
    }
    if (!cena)
        return {-1, QStringLiteral("Cena poza zakresem obliczeń")};
    // A price of 0 zł because no rate was given is a price, and says why.
    if (p.KursEuro == 0)
        return {cena->Zaokraglona(2).Double(),
                QStringLiteral("Kurs EURO w panelu projektu wynosi 0, więc cena z cennika wynosi "
                               "0 zł. Podaj kurs EURO.")};
    return {cena->Zaokraglona(2).Double(), QString()};
}

TWycena CenaNetto(const TZestawienieStolarki& p, const TOkno& okno) {
    if (okno.JestDV())
        return CenaDV(p, okno);
    // A price typed, none (-1), or one no window has, which is none.
    if (const TZakresWartosci* z = ZakresWartosci("CenaOkna"); z && !WZakresie(*z, okno.CenaOkna))
        return {-1, OpisWartosciSpozaZakresu(*z, okno.CenaOkna)};
    return {okno.CenaOkna, QString()};
}
