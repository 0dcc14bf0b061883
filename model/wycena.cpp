// Prices of the manufacturer's windows from the built-in price list, and the
// project's price totals.

#include "cennikidv.h"
#include "liczby.h"
#include "zestawienie.h"

#include <cmath>

namespace {

constexpr int32_t MATERIAL_ALUMINIUM = 0;
constexpr int32_t MATERIAL_DREWNO = 1;
constexpr double DOPLATA_KLIMA = 1.1;
constexpr double DOPLATA_SZYBA_EURO_M2 = 18;
constexpr int32_t SZKLO_SUPER_KLIMA = 20;

const char* const rzymskie[MAX_SKRZYDEL] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII"};

QString PozaCennikiem(int n) {
    return QStringLiteral("Wymiary skrzydla %1-go poza cennikiem!").arg(QLatin1String(rzymskie[n]));
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

double TOkno::CenaZCennika() {
    KomunikatWyceny.clear();
    if (!JestDV()) {
        KomunikatWyceny = QStringLiteral("Okno nie ma wybranej szyby i/lub ramy produkcji D&V!");
        return -1;
    }
    const QVector<TKomorka> komorki = KomorkiSkrzydel(TypOkna);
    if (komorki.isEmpty()) {
        KomunikatWyceny = QStringLiteral("Brak algorytmu wyceny dla wybranego typu okna!");
        return -1;
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
        KomunikatWyceny =
            QStringLiteral("Brak okreslenia liczby skrzydel dla wybranego typu okna!");
        return -1;
    }
    if (MaterialRamy != MATERIAL_ALUMINIUM && MaterialRamy != MATERIAL_DREWNO &&
        MaterialRamy != MATERIAL_PCV) {
        KomunikatWyceny = QStringLiteral("Brak ceny dla wybranego materiału ramy D&V!");
        return -1;
    }
    for (int n = 0; n < skrzydel; ++n) {
        if (klasySzer[n] < TCennikiDV::MIN_KLASA_SZER ||
            klasySzer[n] > TCennikiDV::MAX_KLASA_SZER || klasyWys[n] < TCennikiDV::MIN_KLASA_WYS ||
            klasyWys[n] > TCennikiDV::MAX_KLASA_WYS) {
            KomunikatWyceny = PozaCennikiem(n);
            return -1;
        }
    }
    bool jestTabela = true;
    TCennikiDV::Tabela tabela = TCennikiDV::PCV;
    if (MaterialRamy == MATERIAL_DREWNO) {
        tabela = TCennikiDV::Drewno;
    } else if (MaterialRamy == MATERIAL_ALUMINIUM) {
        switch (RamaKodID) {
        case 25:
            tabela = TCennikiDV::Aluminium25;
            break;
        case 26:
            tabela = TCennikiDV::Aluminium26;
            break;
        case 27:
            tabela = TCennikiDV::Aluminium27;
            break;
        case 28:
            tabela = TCennikiDV::Aluminium28;
            break;
        default:
            jestTabela = false;
        }
    }
    const TCennikiDV& cenniki = TCennikiDV::Wbudowane();
    if (jestTabela && !cenniki.Gotowe()) {
        // A damaged list must never yield a price.
        KomunikatWyceny = cenniki.Blad();
        return -1;
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
        KomunikatWyceny = QStringLiteral("Brak wyspecyfikowanej ceny w cenniku dla:") + brakujace;
        return -1;
    }
    return suma;
}

double TZestawienieStolarki::CenaDV(TOkno& okno) const {
    const double a = okno.CenaZCennika();
    if (a == -1 || !okno.JestDV())
        return -1;
    const double g = (100 - RabatDodatkowy) / 100;
    const double k = KursEuro;
    double cena = a * g * k;
    if (okno.MaterialRamy == MATERIAL_PCV) {
        switch (okno.RamaKodID) {
        case 20:
            cena = ((100 - DVPromocjaKlima) / 100 * a) * DOPLATA_KLIMA * g * k;
            break;
        case 21:
            cena = ((100 - DVPromocjaKobaltowe) / 100 * a) * g * k;
            break;
        case 22:
            cena = ((100 - DVPromocjaDVline) / 100 * a) * g * k;
            break;
        case 23:
            cena = ((100 - DVPromocjaForma) / 100 * a) * g * k;
            break;
        default:
            break;
        }
    }
    // The triple-glazing surcharge gets neither promotion nor discount.
    if (okno.SzkloKodID == SZKLO_SUPER_KLIMA)
        cena += okno.Szerokosc * okno.Wysokosc / 1000000.0 * DOPLATA_SZYBA_EURO_M2 * k;
    return ZaokraglijDoSetnych(cena);
}

double TZestawienieStolarki::CenaNetto(TOkno& okno) const {
    return okno.JestDV() ? CenaDV(okno) : okno.CenaOkna;
}

TSumyCen TZestawienieStolarki::SumyCen() const {
    double okna = 0;
    double montaz = 0;
    for (const auto& o : Okna_) {
        const double cena = CenaNetto(*o);
        if (cena != -1)
            okna += cena * o->SumaOkien();
        montaz += o->SumaOkien() * 2 * (o->Szerokosc + o->Wysokosc) * CenaMontazuOkna;
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
