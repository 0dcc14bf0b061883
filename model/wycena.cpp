// Prices of the manufacturer's windows from the built-in price list, and the
// project's price totals.

#include "cennikidv.h"
#include "liczby.h"
#include "produktydv.h"
#include "zestawienie.h"

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

// Sashes of a type by its code, or 0 for a code outside every family.
int LiczbaSkrzydelTypu(int32_t kod) {
    TWspolczynnikiPrzeszklenia w{};
    return WspolczynnikiPrzeszklenia(kod, &w) ? kod / 1000 : 0;
}

} // namespace

TWycena TOkno::CenaZCennika() const {
    auto brak = [](const QString& powod) {
        return TWycena{-1, powod};
    };
    if (!JestDV()) {
        return brak(QStringLiteral("Okno nie ma wybranej szyby i/lub ramy produkcji D&V!"));
    }
    const QVector<TKomorka> komorki = KomorkiSkrzydel(TypOkna);
    if (komorki.isEmpty()) {
        return brak(QStringLiteral("Brak algorytmu wyceny dla wybranego typu okna!"));
    }
    int klasySzer[MAX_SKRZYDEL] = {};
    int klasyWys[MAX_SKRZYDEL] = {};
    for (int n = 0; n < komorki.size() && n < MAX_SKRZYDEL; ++n) {
        const TKomorka& k = komorki[n];
        // Product before division, so that exact multiples stay exact.
        klasySzer[n] = Klasa(k.kolumny.liczbaDzialek() * Szerokosc / k.kolumny.n);
        klasyWys[n] = Klasa(k.wiersze.liczbaDzialek() * Wysokosc / k.wiersze.n);
    }
    const int skrzydel = LiczbaSkrzydelTypu(TypOkna);
    if (skrzydel == 0) {
        return brak(QStringLiteral("Brak okreslenia liczby skrzydel dla wybranego typu okna!"));
    }
    if (MaterialRamy != MATERIAL_ALUMINIUM && MaterialRamy != MATERIAL_DREWNO &&
        MaterialRamy != MATERIAL_PCV) {
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
    if (MaterialRamy == MATERIAL_DREWNO) {
        tabela = TCennikiDV::Drewno;
    } else if (MaterialRamy == MATERIAL_ALUMINIUM) {
        const TRamaDV* rama = RamaDV(RamaKodID);
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
                              ? cenniki.Cena(tabela, RodzajSkrzydla[static_cast<std::size_t>(n)],
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

TWycena TZestawienieStolarki::CenaDV(const TOkno& okno) const {
    return CenaDV(okno, okno.CenaZCennika());
}

TWycena TZestawienieStolarki::CenaDV(const TOkno& okno, const TWycena& w) const {
    if (w.Cena == -1 || !okno.JestDV())
        return {-1, w.Komunikat};
    const double a = w.Cena;
    const double g = (100 - RabatDodatkowy) / 100;
    const double k = KursEuro;
    double cena = a * g * k;
    // The PVC lines have their promotions.
    const TRamaDV* rama = RamaDV(okno.RamaKodID);
    if (okno.MaterialRamy == MATERIAL_PCV && rama && rama->promocja != TLiniaPromocji::Brak) {
        const double promocje[] = {0, DVPromocjaKlima, DVPromocjaKobaltowe, DVPromocjaDVline,
                                   DVPromocjaForma};
        const double promocja = promocje[static_cast<int>(rama->promocja)];
        cena = ((100 - promocja) / 100 * a) * rama->doplata * g * k;
    }
    // A glass surcharge gets neither promotion nor discount.
    if (const TSzkloDV* szklo = SzkloDV(okno.SzkloKodID))
        cena += okno.Szerokosc * okno.Wysokosc / 1000000.0 * szklo->doplataEuroM2 * k;
    return {ZaokraglijDoSetnych(cena), QString()};
}

TWycena TZestawienieStolarki::CenaNetto(const TOkno& okno) const {
    return okno.JestDV() ? CenaDV(okno) : TWycena{okno.CenaOkna, QString()};
}

TSumyCen TZestawienieStolarki::SumyCen() const {
    double okna = 0;
    double montaz = 0;
    for (const auto& o : Okna_) {
        const double cena = CenaNetto(*o).Cena;
        if (cena != -1)
            okna += cena * o->SumaOkien();
        montaz += o->SumaOkien() * 2.0 * (o->Szerokosc + o->Wysokosc) * CenaMontazuOkna;
    }
    TSumyCen s;
    s.SumaCenOkien = ZaokraglijDoSetnych(okna);
    s.SumaCenOkienBrutto = ZaokraglijDoSetnych(s.SumaCenOkien * (StawkaVat + 100) / 100);
    s.SumaCenMontazu = ZaokraglijDoSetnych(montaz / 1000);
    s.SumaCenMontazuBrutto = ZaokraglijDoSetnych(s.SumaCenMontazu * (StawkaVat + 100) / 100);
    // The price per square metre counts the area of unpriced windows too.
    const double pole = PowierzchniaOkien();
    if (pole != 0) {
        s.CenaZaM2Netto = ZaokraglijDoSetnych((s.SumaCenMontazu + s.SumaCenOkien) / pole);
        s.CenaZaM2Brutto =
            ZaokraglijDoSetnych((s.SumaCenMontazuBrutto + s.SumaCenOkienBrutto) / pole);
    }
    return s;
}

double TZestawienieStolarki::SumaCenOkien() const {
    return SumyCen().SumaCenOkien;
}
double TZestawienieStolarki::SumaCenOkienBrutto() const {
    return SumyCen().SumaCenOkienBrutto;
}
double TZestawienieStolarki::SumaCenMontazu() const {
    return SumyCen().SumaCenMontazu;
}
double TZestawienieStolarki::SumaCenMontazuBrutto() const {
    return SumyCen().SumaCenMontazuBrutto;
}
double TZestawienieStolarki::CenaZaM2Netto() const {
    return SumyCen().CenaZaM2Netto;
}
double TZestawienieStolarki::CenaZaM2Brutto() const {
    return SumyCen().CenaZaM2Brutto;
}
