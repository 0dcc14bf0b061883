// The report's first page: the project summary.
#include "report/raport/raport.h"

#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/polaprojektu.h"
#include "model/tekst.h"
#include "model/zestawienie.h"
#include "report/raport/raportwspolne.h"

#include <algorithm>

namespace {

const QString NAGLOWEK_ZAKRESU = QStringLiteral("Zakres czynności objętych wyceną:");

// The levels the building has, one after another: "parter; 1 piętro;
// poddasze" ("2 piętra", "5 pięter", "22 piętra"); "brak" for none.
QString Kondygnacje(const TZestawienieStolarki& p) {
    QStringList s;
    if (p.Podpiwniczenie())
        s << QStringLiteral("podpiwniczenie");
    if (p.Parter())
        s << QStringLiteral("parter");
    const int n = p.LiczbaPieter();
    if (n > 0)
        s << QString::number(n) + QLatin1Char(' ') +
                 Odmiana(n, QStringLiteral("piętro"), QStringLiteral("piętra"),
                         QStringLiteral("pięter"));
    if (p.Poddasze())
        s << QStringLiteral("poddasze");
    return s.isEmpty() ? QStringLiteral("brak") : s.join(QStringLiteral("; "));
}

} // namespace

// The project summary of page 1; what does not fit goes on to page 2.
void TRaport::Podsumowanie(int y) {
    const int lewa = RamkaStrony.left();
    const int prawa = lewa + RamkaStrony.width();
    const int wartosci = lewa + MmX(300);
    const int wcieta = MmX(20); // a label's text may reach the values' column
    auto tekst = [&](int x, int koniec, const QString& t, int punkty) {
        return RysujTekst(false, x, y, koniec - x, Dol() - y, t, punkty);
    };
    y += 15;
    ObszarTresci.setTop(y); // where a continued summary starts on its page
    const TZestawienieStolarki& p = projekt_;
    // The header's rows as the project's field table names them; the date
    // in the user's form; then the storeys.
    QList<std::pair<QString, QString>> wiersze;
    for (const TPoleProjektu& pole : PolaProjektu())
        if (!pole.etykietaRaportu.isEmpty())
            wiersze.append({pole.etykietaRaportu, pole.rodzaj == TRodzajPolaProjektu::Data
                                                      ? TekstDaty(p.Data.date())
                                                      : pole.tekst(p)});
    wiersze.append({QStringLiteral("Kondygnacje: "), Kondygnacje(p)});
    wiersze.append(
        {QStringLiteral("Metoda Uw: "), TZestawienieStolarki::NazwaMetodyUw(p.Metoda())});
    for (const auto& [etykieta, wartosc] : wiersze) {
        const int hEtykiety = WysokoscTekstu(wartosci + wcieta - lewa, etykieta, 12);
        const int hWartosci = wartosc.isEmpty() ? 0 : WysokoscTekstu(prawa - wartosci, wartosc, 12);
        Miejsce(y, std::max(hEtykiety, hWartosci));
        const int h = tekst(lewa, wartosci + wcieta, etykieta, 12);
        y += std::max(h, wartosc.isEmpty() ? 0 : tekst(wartosci, prawa, wartosc, 12));
    }
    y += 15;
    Linia(y);

    auto blok = [&](const QString& t) {
        Miejsce(y, 10 + WysokoscTekstu(prawa - lewa, t, 12) + 10);
        y += 10;
        y += tekst(lewa, prawa, t, 12) + 10;
        Linia(y);
    };
    const TUsrednie u = USrednie(p);
    blok(QStringLiteral("Średni ważony współczynnik przenikania ciepła dla całego projektu: ") +
         (u.u ? Stala(*u.u, 4) + QStringLiteral(" W/m2K ") : QStringLiteral("brak ")) +
         TekstZakresuUsr(u));
    blok(QStringLiteral("Łączne pole powierzchni wszystkich okien dla całego projektu: ") +
         TekstSetnych(PowierzchniaOkien(p)) + QStringLiteral(" m2"));
    if (DodajWT2021) {
        const TZgodnoscWT z = ZgodnoscWT2021(p);
        const QString bezDanych = TekstBezDanychWT(z);
        blok(TekstZgodnosciWT(z) + QStringLiteral(" (ti = ") + Ogolna(p.TemperaturaWewnetrzna) +
             QStringLiteral(" °C)") + (bezDanych.isEmpty() ? QString() : NL + bezDanych) + NL +
             TekstZgodnosciLato(ZgodnoscLato2021(p)));
    }
    const TSumyCen sumy = SumyCen(p);
    auto ceny = [&](const QString& naglowek, double netto, double brutto,
                    const QString& jednostka) {
        blok(naglowek + QStringLiteral("      netto:  ") + TekstSetnych(netto) + jednostka + NL +
             QStringLiteral("      brutto: ") + TekstSetnych(brutto) + jednostka);
    };
    const QString zl = QStringLiteral(" zł");
    if (DodajWycene)
        ceny(QStringLiteral("Łączna cena wszystkich wycenionych okien dla całego projektu: ") + NL,
             sumy.SumaCenOkien, sumy.SumaCenOkienBrutto, zl);
    if (DodajCeneMontazu)
        ceny(QStringLiteral("Łączna cena montażu wszystkich okien dla całego projektu: ") + NL,
             sumy.SumaCenMontazu, sumy.SumaCenMontazuBrutto, zl);
    if (DodajCeneM2)
        ceny(QStringLiteral("Cena za metr kwadratowy okna (z montażem): ") + NL, sumy.CenaZaM2Netto,
             sumy.CenaZaM2Brutto, QStringLiteral(" zł/m2"));
    if (DodajWycene || DodajCeneMontazu) {
        QString opcje = QStringLiteral("Opcje projektu:") + NL;
        if (DodajWycene)
            opcje += QStringLiteral("    Kurs EURO:  1 EUR = ") + Ogolna(p.KursEuro) + zl + NL +
                     QStringLiteral("    Stawka VAT: ") + Ogolna(p.StawkaVat) +
                     QStringLiteral("%") + NL + QStringLiteral("    Rabat dodatkowy: ") +
                     Ogolna(p.RabatDodatkowy) + QStringLiteral("%") + NL;
        if (DodajCeneMontazu)
            opcje += QStringLiteral("    Cena netto montażu okna") + NL +
                     QStringLiteral("     za metr bieżący obwodu: ") + Ogolna(p.CenaMontazuOkna) +
                     zl;
        QString dv;
        if (DodajWycene)
            dv = BezPrefiksow(QStringLiteral("Opcje D&&V:")) + NL +
                 QStringLiteral("    Okna klima PCV: ") + Ogolna(p.DVPromocjaKlima) +
                 QStringLiteral("%") + NL + QStringLiteral("    Okna KOBALTOWE PCV: ") +
                 Ogolna(p.DVPromocjaKobaltowe) + QStringLiteral("%") + NL +
                 QStringLiteral("    Okna DVline PCV: ") + Ogolna(p.DVPromocjaDVline) +
                 QStringLiteral("%") + NL + QStringLiteral("    Okna forma PCV: ") +
                 Ogolna(p.DVPromocjaForma) + QStringLiteral("%");
        // Side by side: the project's options end where D&V's begin.
        const int kolumnaDV = lewa + MmX(850);
        const int koniecOpcji = dv.isEmpty() ? prawa : kolumnaDV + wcieta;
        // An empty scope of work goes with the options: no page holds it alone.
        const int zakres = DodajCeneMontazu && p.ZakresCzynnosci.trimmed().isEmpty()
                               ? WysokoscZakresu(p.ZakresCzynnosci)
                               : 0;
        Miejsce(y, 15 +
                       std::max(WysokoscTekstu(koniecOpcji - lewa, opcje, 10),
                                dv.isEmpty() ? 0 : WysokoscTekstu(prawa - kolumnaDV, dv, 10)) +
                       25 + zakres);
        y += 15;
        int h = tekst(lewa, koniecOpcji, opcje, 10);
        if (!dv.isEmpty())
            h = std::max(h, tekst(kolumnaDV, prawa, dv, 10));
        y += h + 25;
        Linia(y);
    }
    if (DodajCeneMontazu) {
        Miejsce(y, WysokoscZakresu(p.ZakresCzynnosci));
        y += 10;
        y += tekst(lewa, prawa, NAGLOWEK_ZAKRESU, 10);
        y += tekst(lewa + MmX(50), prawa, p.ZakresCzynnosci, 10) + 10;
        Linia(y);
    }
}

int TRaport::WysokoscZakresu(const QString& zakres) {
    const int szerokosc = RamkaStrony.width();
    return 10 + WysokoscTekstu(szerokosc, NAGLOWEK_ZAKRESU, 10) +
           WysokoscTekstu(szerokosc - MmX(50), zakres, 10) + 10;
}
