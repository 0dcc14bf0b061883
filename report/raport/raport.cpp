#include "raport.h"

#include "dokument.h"
#include "kanwaqpainter.h"
#include "liczby.h"
#include "orientacje.h"
#include "powiadomienia.h"
#include "rysunek.h"
#include "tekst.h"
#include "zestawienie.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <functional>

const QString TRaport::KOMUNIKAT_ZA_MALA_STRONA =
    QStringLiteral("Strona jest za mała by wydrukować zestawienie stolarki!");
const QString TRaport::TYTUL_DOKUMENTU = QStringLiteral("Termivo - zestawienie stolarki");

namespace {

// Every block is this high and its texts measure their width to this.
constexpr int WYSOKOSC_BLOKU = 590; // 0.1 mm
constexpr int SZEROKOSC_BLOKU = 1650;

const QString NL = QStringLiteral("\r\n");

QString Ogolna(double x) {
    return TekstOgolny(x);
}

QString Stala(double x, int p) {
    return TekstStaly(x, p, 2);
}

// "1 piętro; ", "2 piętra; ", "5 pięter; ".
QString Kondygnacje(const TZestawienieStolarki& p) {
    QString s;
    if (p.Podpiwniczenie())
        s += QStringLiteral("podpiwniczenie; ");
    if (p.Parter())
        s += QStringLiteral("parter; ");
    const int n = p.LiczbaPieter();
    if (n > 0) {
        s += QString::number(n) + QLatin1Char(' ');
        s += n == 1   ? QStringLiteral("piętro; ")
             : n <= 4 ? QStringLiteral("piętra; ")
                      : QStringLiteral("pięter; ");
    }
    if (p.Poddasze())
        s += QStringLiteral("poddasze; ");
    return s;
}

} // namespace

QString BezPrefiksow(const QString& tekst) {
    QString wynik;
    wynik.reserve(tekst.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == QLatin1Char('&') && i + 1 < tekst.size())
            ++i; // "&&" keeps one, "&x" keeps x
        wynik += tekst[i];
    }
    return wynik;
}

TRaport::TRaport(TZestawienieStolarki& projekt, TDokument& dokument)
    : projekt_(projekt), dokument_(dokument) {
    RamkaStrony = dokument_.Strona();
    ObszarTresci = RamkaStrony;
}

int TRaport::MmX(int dziesiate) const {
    return dokument_.ZDziesiatychMmX(dziesiate);
}

int TRaport::MmY(int dziesiate) const {
    return dokument_.ZDziesiatychMmY(dziesiate);
}

QFont TRaport::Pismo(int punkty) const {
    QFont f = Czcionka.isEmpty() ? QFont() : QFont(Czcionka);
    f.setPointSize(punkty);
    return f;
}

void TRaport::UstawMarginesy(const QMarginsF& mm) {
    const QRect s = dokument_.Strona();
    auto setne = [](double x) {
        return static_cast<int>(std::lround(x * 100));
    };
    const int lewy = dokument_.ZSetnychMmX(setne(mm.left()));
    const int gorny = dokument_.ZSetnychMmY(setne(mm.top()));
    RamkaStrony = QRect(s.left() + lewy, s.top() + gorny,
                        s.width() - lewy - dokument_.ZSetnychMmX(setne(mm.right())),
                        s.height() - gorny - dokument_.ZSetnychMmY(setne(mm.bottom())));
    ObszarTresci = RamkaStrony;
}

int TRaport::RysujTekst(bool ramka, int lewa, int gora, int szerokosc, int wysokosc,
                        const QString& tekst, int punkty) {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return 0;
    p->setFont(Pismo(punkty));
    const QRect r(lewa, gora, szerokosc, wysokosc);
    if (ramka) {
        p->setBrush(Qt::NoBrush);
        p->drawRect(r);
    }
    if (dokument_.przyTekscie)
        dokument_.przyTekscie(r, tekst, punkty);
    const QRect wnetrze = r.adjusted(MmX(20), MmY(5), -MmX(20), -MmY(5));
    if (wnetrze.width() <= 0 || wnetrze.height() <= 0)
        return 0;
    QString t = tekst;
    t.replace(NL, QStringLiteral("\n"));
    constexpr int flagi = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    // drawText clips to the rectangle itself. A recorded page does not give
    // back the clip it had before, so clipping is switched off again.
    QRect calosc;
    p->drawText(wnetrze, flagi, t, &calosc); // the whole text's size, also where clipped
    p->setClipping(false);
    return calosc.height();
}

void TRaport::Linia(int y) {
    if (QPainter* p = dokument_.Plotno())
        p->drawLine(RamkaStrony.left(), y, RamkaStrony.left() + RamkaStrony.width(), y);
}

bool TRaport::GenerujRaport() {
    dokument_.przyNowejStronie = [this] {
        PageViewNewPage();
    };
    dokument_.Rozpocznij();
    bool miesci = true;
    if (RamkaStrony.height() < MmY(WYSOKOSC_BLOKU) || RamkaStrony.width() < MmX(SZEROKOSC_BLOKU)) {
        Powiadom({TRodzajKomunikatu::Blad, QStringLiteral("Błąd"), KOMUNIKAT_ZA_MALA_STRONA});
        miesci = false;
    } else {
        if (DodajOrientacje)
            RysujOrientacje();
        for (QString s = projekt_.FirstSymbol(); !s.isEmpty(); s = projekt_.NextSymbol()) {
            if (dokument_.Przerwany())
                break;
            // The content rectangle ends at the frame's bottom.
            if (ObszarTresci.height() < MmY(WYSOKOSC_BLOKU))
                dokument_.NowaStrona();
            if (projekt_.FindOkno(s) == WYNIK_OK)
                RysujBlokOkna();
        }
    }
    dokument_.Zakoncz();
    dokument_.przyNowejStronie = nullptr;
    return miesci;
}

void TRaport::PageViewNewPage() {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return;
    const int n = dokument_.GotoweStrony() + 1;
    p->setPen(QPen(Qt::black, 0));
    p->setBrush(Qt::NoBrush);
    p->setBackgroundMode(Qt::TransparentMode);
    const int lewa = RamkaStrony.left();
    const int gora = RamkaStrony.top();
    const int prawa = lewa + RamkaStrony.width();
    const int dol = gora + RamkaStrony.height();
    p->drawRect(QRect(lewa, gora, RamkaStrony.width(), RamkaStrony.height()));

    // The page number just below the frame, its right end at the frame's.
    p->setFont(Pismo(8));
    const QString numer = QStringLiteral("Strona %1").arg(n);
    const int szer = p->fontMetrics().horizontalAdvance(numer);
    const QRect miejsce(prawa - szer, dol, szer, p->fontMetrics().height());
    p->drawText(miejsce, Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, numer);
    if (dokument_.przyTekscie)
        dokument_.przyTekscie(miejsce, numer, 8);

    int y = gora;
    y += RysujTekst(true, lewa, y, RamkaStrony.width(), dol - y,
                    QStringLiteral("ZESTAWIENIE STOLARKI OKIENNEJ  --  strona %1").arg(n), 18);
    Linia(y);
    if (n == 1)
        y = Podsumowanie(y);
    y += 10;
    ObszarTresci = QRect(lewa, y, RamkaStrony.width(), dol - y);
}

// The project summary of page 1; returns the frame's bottom.
int TRaport::Podsumowanie(int y) {
    const int lewa = RamkaStrony.left();
    const int prawa = lewa + RamkaStrony.width();
    const int dol = RamkaStrony.top() + RamkaStrony.height();
    const int wartosci = lewa + MmX(300);
    auto tekst = [&](int x, const QString& t, int punkty) {
        return RysujTekst(false, x, y, prawa - x, dol - y, t, punkty);
    };
    y += 15;
    const TZestawienieStolarki& p = projekt_;
    const std::pair<const char*, QString> wiersze[] = {
        {"Tytuł projektu: ", p.TytulProjektu},
        {"Firma: ", p.Firma},
        {"Projekt: ", p.Projekt},
        {"Obiekt: ", p.Obiekt},
        {"Inwestor: ", p.Inwestor},
        {"Projektant: ", p.Projektant},
        {"Data: ", TekstDaty(p.Data.date())},
        {"Kondygnacje: ", Kondygnacje(p)},
    };
    for (const auto& [etykieta, wartosc] : wiersze) {
        const int h = tekst(lewa, QString::fromUtf8(etykieta), 12);
        y += wartosc.isEmpty() ? h : tekst(wartosci, wartosc, 12);
    }
    y += 15;
    Linia(y);

    auto blok = [&](const QString& t) {
        y += 10;
        y += tekst(lewa, t, 12) + 10;
        Linia(y);
    };
    blok(QStringLiteral("Średni ważony współczynnik przenikania ciepła dla całego projektu: ") +
         Stala(projekt_.USrednie(), 4) + QStringLiteral(" W/m2K"));
    blok(QStringLiteral("Łączne pole powierzchni wszystkich okien dla całego projektu: ") +
         Stala(p.PowierzchniaOkien(), 12) + QStringLiteral(" m2"));
    const TSumyCen sumy = p.SumyCen();
    auto ceny = [&](const QString& naglowek, double netto, double brutto,
                    const QString& jednostka) {
        blok(naglowek + QStringLiteral("      netto:  ") + Stala(netto, 12) + jednostka + NL +
             QStringLiteral("      brutto: ") + Stala(brutto, 12) + jednostka);
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
        y += 15;
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
        const int h = tekst(lewa, opcje, 10);
        y += h;
        if (DodajWycene) {
            y -= h;
            const QString dv =
                BezPrefiksow(QStringLiteral("Opcje D&&V:")) + NL +
                QStringLiteral("    Okna klima PCV: ") + Ogolna(p.DVPromocjaKlima) +
                QStringLiteral("%") + NL + QStringLiteral("    Okna KOBALTOWE PCV: ") +
                Ogolna(p.DVPromocjaKobaltowe) + QStringLiteral("%") + NL +
                QStringLiteral("    Okna DVline PCV: ") + Ogolna(p.DVPromocjaDVline) +
                QStringLiteral("%") + NL + QStringLiteral("    Okna forma PCV: ") +
                Ogolna(p.DVPromocjaForma) + QStringLiteral("%");
            y += tekst(lewa + MmX(850), dv, 10);
        }
        y += 25;
        Linia(y);
    }
    if (DodajCeneMontazu) {
        y += 10;
        y += tekst(lewa, QStringLiteral("Zakres czynności objętych wyceną:"), 10);
        y += tekst(lewa + MmX(50), p.ZakresCzynnosci, 10) + 10;
        Linia(y);
    }
    return dol;
}

void TRaport::RysujBlokOkna() {
    QPainter* p = dokument_.Plotno();
    TOkno* okno = projekt_.BiezaceOkno();
    if (!p || !okno)
        return;
    const TOkno& o = *okno;
    const int t = ObszarTresci.top();
    const int l = ObszarTresci.left();
    const int wysokosc = MmY(WYSOKOSC_BLOKU);
    const int koniec = l + MmX(SZEROKOSC_BLOKU);
    p->setPen(QPen(Qt::black, 0));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRect(l, t, ObszarTresci.width(), wysokosc));
    auto tekst = [&](int x, int y, int szerokosc, int wys, const QString& s, int punkty) {
        return RysujTekst(false, x, y, szerokosc, wys, s, punkty);
    };

    int dy = tekst(l, t, MmX(SZEROKOSC_BLOKU), wysokosc, o.Symbol(), 14);
    const QString material = QStringLiteral("(") + o.MaterialRamyNazwa() +
                             (o.dR > 0 ? QStringLiteral(" + żaluzja/roleta") : QString()) +
                             QStringLiteral(")");
    dy += tekst(l, t + dy, MmX(SZEROKOSC_BLOKU - 10), wysokosc - dy, material, 8);
    dy += MmY(10);

    // The picture, as strokes straight onto the page in the pixels of the
    // bitmap it stands for, clipped to it.
    const QRect obraz(l + MmX(10), t + dy, MmX(480), MmY(580) - dy);
    if (obraz.width() > 0 && obraz.height() > 0) {
        p->save();
        p->translate(obraz.topLeft());
        p->setClipRect(QRect(QPoint(0, 0), obraz.size()), Qt::IntersectClip);
        {
            TKanwaQPainter kanwa(*p);
            kanwa.UstawPedzel(255, 255, 255);
            kanwa.WypelnijProstokat(0, 0, obraz.width(), obraz.height());
            RysujOkno(projekt_, kanwa, obraz.width(), obraz.height());
        }
        p->restore();
        p->setClipping(false);
    }

    const int gora = t + MmY(80);
    QString wartosci = QStringLiteral(" Wymiary:") + NL + QStringLiteral("   szerokość: ") +
                       Ogolna(o.Szerokosc) + QStringLiteral(" mm") + NL +
                       QStringLiteral("   wysokość: ") + Ogolna(o.Wysokosc) +
                       QStringLiteral(" mm") + NL + NL + QStringLiteral(" Ug: ") + Ogolna(o.Ug) +
                       QStringLiteral(" W/m2K") + NL + QStringLiteral(" Uf: ") + Ogolna(o.Uf) +
                       QStringLiteral(" W/m2K") + NL + QStringLiteral(" Psi_g: ") +
                       Ogolna(o.Psi_g) + QStringLiteral(" W/mK") + NL + QStringLiteral(" d: ") +
                       Ogolna(o.dRamy) + QStringLiteral(" mm") + NL + QStringLiteral(" Lg: ") +
                       Ogolna(o.LgObliczeniowe()) + QStringLiteral(" mm") + NL +
                       QStringLiteral(" dR: ") + Ogolna(o.dR) + QStringLiteral(" m2K/W") + NL;
    if (DodajWycene) {
        const double cena = projekt_.CenaNetto(*okno).Cena;
        wartosci +=
            NL + QStringLiteral(" Szacunkowa cena") + NL + QStringLiteral(" netto okna:") + NL +
            (cena == -1
                 ? QStringLiteral("     brak")
                 : QStringLiteral("     ") + TekstStaly(cena, 7, 2) + QStringLiteral(" zł/szt."));
    }
    const int x50 = l + MmX(500);
    tekst(x50, gora, koniec - x50, MmY(WYSOKOSC_BLOKU - 80), wartosci, 8);

    const int x85 = l + MmX(850);
    const QString liczby =
        QStringLiteral(" Łączna liczba okien") + NL + QStringLiteral(" na wszystkich kond.:") + NL +
        QStringLiteral("    ") + QString::number(o.SumaOkien()) + QStringLiteral(" szt.") + NL +
        NL + QStringLiteral(" Nawiewniki:") + NL + QStringLiteral("   liczba: ") +
        QString::number(o.LiczbaNawiewnikow) + NL + QStringLiteral("   szerokość: ") +
        QString::number(o.SzerokoscNawiewnika) + QStringLiteral(" mm");
    int dy2 =
        MmY(80) + tekst(x85, gora, koniec - x85, MmY(WYSOKOSC_BLOKU - 80), liczby, 8) + MmY(30);
    dy2 += tekst(x85, t + dy2, koniec - x85, wysokosc - dy2, QStringLiteral(" Uw okna:"), 10);
    tekst(x85, t + dy2, koniec - x85, wysokosc - dy2,
          QStringLiteral(" ") + Stala(o.Uw(), 4) + QStringLiteral(" W/m2K"), 12);

    const int x120 = l + MmX(1200);
    QString uwagi = QStringLiteral("Uwagi:") + NL;
    for (const QString& w : RozdzielWiersze(o.Uwagi))
        uwagi += w + NL;
    tekst(x120, gora, koniec - x120, MmY(WYSOKOSC_BLOKU - 80 - 10), uwagi, 8);

    ObszarTresci.setTop(t + wysokosc); // the bottom stays
}

QString DomyslnaCzcionkaRaportu() {
    const QString tahoma = QStringLiteral("Tahoma");
    return QFontDatabase::families().contains(tahoma) ? tahoma
                                                      : QFontInfo(QGuiApplication::font()).family();
}

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
    auto komorki = [&](const QString& pierwszy, const std::function<QString(int)>& tekst,
                       bool ramka) {
        RysujTekst(ramka, lewa, y, pierwsza, wiersz, pierwszy, 8);
        for (int d = 0; d <= LICZBA_KIERUNKOW; ++d)
            RysujTekst(ramka, lewa + pierwsza + d * kolumna, y, kolumna, wiersz, tekst(d), 8);
        y += wiersz;
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
        y += RysujTekst(false, lewa, y, RamkaStrony.width(), dol() - y, tytul, 10);
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
