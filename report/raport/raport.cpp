#include "report/raport/raport.h"

#include "model/kolejnosc.h"

#include "model/liczby.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/orientacje.h"
#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/polaprojektu.h"
#include "model/rysunek.h"
#include "model/tekst.h"
#include "model/zestawienie.h"
#include "report/raport/dokument.h"
#include "report/raport/kanwaqpainter.h"
#include "report/raport/ukladtekstu.h"
#include "report/strony/jednostki.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
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
const QString NAGLOWEK_ZAKRESU = QStringLiteral("Zakres czynności objętych wyceną:");
QString Ogolna(double x) {
    return TekstOgolny(x);
}

QString Stala(double x, int p) {
    return TekstStaly(x, p, 2);
}

// "1 piętro; ", "2 piętra; ", "5 pięter; ", "22 piętra; ".
QString Kondygnacje(const TZestawienieStolarki& p) {
    QString s;
    if (p.Podpiwniczenie())
        s += QStringLiteral("podpiwniczenie; ");
    if (p.Parter())
        s += QStringLiteral("parter; ");
    const int n = p.LiczbaPieter();
    if (n > 0) {
        s += QString::number(n) + QLatin1Char(' ') +
             Odmiana(n, QStringLiteral("piętro"), QStringLiteral("piętra"),
                     QStringLiteral("pięter")) +
             QStringLiteral("; ");
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

TRaport::TRaport(const TZestawienieStolarki& projekt, TDokument& dokument)
    : projekt_(projekt), dokument_(dokument) {
    RamkaStrony = dokument_.Strona();
    ObszarTresci = RamkaStrony;
    stronaMm_ = dokument_.StronaMm();
}

bool StronaMiesciBlok(const QSizeF& stronaMm, const QMarginsF& m) {
    return Setne(stronaMm.height() - m.top() - m.bottom()) >= 10 * WYSOKOSC_BLOKU &&
           Setne(stronaMm.width() - m.left() - m.right()) >= 10 * SZEROKOSC_BLOKU;
}

int TRaport::MmX(int dziesiate) const {
    return dokument_.ZDziesiatychMmX(dziesiate);
}

int TRaport::MmY(int dziesiate) const {
    return dokument_.ZDziesiatychMmY(dziesiate);
}

QFont TRaport::Pismo(qreal punkty) const {
    QFont f = Czcionka.isEmpty() ? QFont() : QFont(Czcionka);
    f.setPointSizeF(punkty * dokument_.SkalaPisma());
    return f;
}

int TRaport::Dol() const {
    return RamkaStrony.top() + RamkaStrony.height();
}

void TRaport::UstawMarginesy(const QMarginsF& mm) {
    const QRect s = dokument_.Strona();
    const int lewy = dokument_.ZSetnychMmX(Setne(mm.left()));
    const int gorny = dokument_.ZSetnychMmY(Setne(mm.top()));
    RamkaStrony = QRect(s.left() + lewy, s.top() + gorny,
                        s.width() - lewy - dokument_.ZSetnychMmX(Setne(mm.right())),
                        s.height() - gorny - dokument_.ZSetnychMmY(Setne(mm.bottom())));
    ObszarTresci = RamkaStrony;
    marginesyMm_ = mm;
}

int TRaport::RysujTekst(bool ramka, int lewa, int gora, int szerokosc, int wysokosc,
                        const QString& tekst, int punkty, int waskoOd, int prawaWaska) {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return 0;
    const QFont pismo = Pismo(punkty);
    p->setFont(pismo);
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
    const qreal wasko = waskoOd == INT_MAX ? 1e9 : waskoOd - wnetrze.top();
    const qreal waska = waskoOd == INT_MAX ? wnetrze.width() : prawaWaska - wnetrze.left();
    const TUklad u =
        Uloz(tekst, pismo, p->device(), wnetrze.width(), wnetrze.height(), wasko, waska);
    // Each line as it was laid out: what is cut shows its ellipsis, and a
    // PDF holds exactly the text the page shows.
    for (const TLinia& l : u.linie)
        p->drawText(QPointF(wnetrze.left(), wnetrze.top() + l.y + l.ascent), l.tekst);
    return u.wysokosc;
}

int TRaport::WysokoscTekstu(int szerokosc, const QString& tekst, int punkty) {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return 0;
    return Uloz(tekst, Pismo(punkty), p->device(), szerokosc - 2 * MmX(20), -1, 1e9, 0).wysokosc;
}

int TRaport::RysujKolumne(int lewa, int gora, int szerokosc, int wysokosc,
                          const QList<TWierszKolumny>& wiersze, int punkty) {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return 0;
    const QRect r(lewa, gora, szerokosc, wysokosc);
    if (dokument_.przyTekscie)
        dokument_.przyTekscie(r, TekstKolumny(wiersze), punkty);
    const QRect wnetrze = r.adjusted(MmX(20), MmY(5), -MmX(20), -MmY(5));
    if (wnetrze.width() <= 0 || wnetrze.height() <= 0)
        return 0;
    const TUklad u = UlozKolumne(
        wiersze, [this](qreal pt) { return Pismo(pt); }, p->device(), wnetrze.width(),
        wnetrze.height(), punkty);
    qreal rozmiar = -1;
    for (const TLinia& l : u.linie) {
        if (l.punkty != rozmiar) {
            rozmiar = l.punkty;
            p->setFont(Pismo(rozmiar));
        }
        p->drawText(QPointF(wnetrze.left(), wnetrze.top() + l.y + l.ascent), l.tekst);
    }
    return u.wysokosc;
}

void TRaport::Linia(int y) {
    // At the frame's bottom the frame is the line.
    if (y >= Dol() - 1)
        return;
    if (QPainter* p = dokument_.Plotno())
        p->drawLine(RamkaStrony.left(), y, RamkaStrony.left() + RamkaStrony.width(), y);
}

bool TRaport::GenerujRaport() {
    dokument_.przyNowejStronie = [this] {
        PageViewNewPage();
    };
    dokument_.Rozpocznij();
    bool miesci = true;
    if (!StronaMiesciBlok(stronaMm_, marginesyMm_)) {
        miesci = false;
    } else {
        if (DodajOrientacje)
            RysujOrientacje();
        const std::vector<const TOkno*> okna = KolejnoscRaportu(projekt_);
        for (const TOkno* okno : okna) {
            if (dokument_.Przerwany())
                break;
            // The content rectangle ends at the frame's bottom.
            if (ObszarTresci.height() < MmY(WYSOKOSC_BLOKU)) {
                dokument_.NowaStrona();
                // The windows begin on a page of their own: every page of
                // them holds as many blocks as this one.
                if (okno == okna.front()) {
                    const int naStronie = std::max(1, ObszarTresci.height() / MmY(WYSOKOSC_BLOKU));
                    dokument_.UstalLiczbeStron(dokument_.GotoweStrony() +
                                               (static_cast<int>(okna.size()) + naStronie - 1) /
                                                   naStronie);
                }
            }
            RysujBlokOkna(*okno);
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
    dolBloku_ = INT_MIN;
    p->setPen(QPen(Qt::black, 0));
    p->setBrush(Qt::NoBrush);
    p->setBackgroundMode(Qt::TransparentMode);
    const int lewa = RamkaStrony.left();
    const int gora = RamkaStrony.top();
    const int prawa = lewa + RamkaStrony.width();
    const int dol = Dol();
    p->drawRect(QRect(lewa, gora, RamkaStrony.width(), RamkaStrony.height()));

    // The page number just below the frame, its right end at the frame's.
    p->setFont(Pismo(8));
    const QString numer = QStringLiteral("Strona %1").arg(n);
    const int szer = static_cast<int>(std::ceil(p->fontMetrics().horizontalAdvance(numer)));
    const QRect miejsce(prawa - szer, dol, szer, p->fontMetrics().height());
    p->drawText(miejsce, Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, numer);
    if (dokument_.przyTekscie)
        dokument_.przyTekscie(miejsce, numer, 8);

    int y = gora;
    y += RysujTekst(true, lewa, y, RamkaStrony.width(), dol - y,
                    QStringLiteral("ZESTAWIENIE STOLARKI OKIENNEJ  --  strona %1").arg(n), 18);
    Linia(y);
    ObszarTresci = QRect(lewa, y + 10, RamkaStrony.width(), dol - y - 10);
    if (n == 1 && !wPodsumowaniu_) {
        // The summary fills page 1 and what follows it: the windows begin
        // on a page of their own.
        wPodsumowaniu_ = true;
        Podsumowanie(y);
        wPodsumowaniu_ = false;
        ObszarTresci.setTop(dol + 10);
    }
}

void TRaport::Miejsce(int& y, int potrzeba) {
    // On a page of its own already, a row too high for any page is cut.
    if (y + potrzeba <= Dol() || y <= ObszarTresci.top())
        return;
    dokument_.NowaStrona();
    y = ObszarTresci.top();
}

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

void TRaport::RysujBlokOkna(const TOkno& o) {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return;
    const int t = ObszarTresci.top();
    const int l = ObszarTresci.left();
    const int wysokosc = MmY(WYSOKOSC_BLOKU);
    const int koniec = l + MmX(SZEROKOSC_BLOKU);
    p->setPen(QPen(Qt::black, 0));
    p->setBrush(Qt::NoBrush);
    // The outline; a line the block above or the frame has drawn already
    // is not drawn again.
    const int prawa = l + ObszarTresci.width();
    const int dol = t + wysokosc;
    if (t != dolBloku_)
        p->drawLine(l, t, prawa, t);
    p->drawLine(l, t, l, dol);
    p->drawLine(prawa, t, prawa, dol);
    if (dol < Dol())
        p->drawLine(l, dol, prawa, dol);
    dolBloku_ = dol;
    // Each column's text ends at the next column; the symbol and material
    // lines at the values' column where they come down beside it.
    const int x50 = l + MmX(500);
    const int x85 = l + MmX(850);
    const int x120 = l + MmX(1200);
    const int wcieta = MmX(20);
    const int gora = t + MmY(80);

    // The symbol whole: a long one in a smaller size, the picture keeps
    // its room.
    int rozmiarSymbolu = 14;
    for (; rozmiarSymbolu > 6; --rozmiarSymbolu) {
        const int lewaTekstu = l + MmX(20);
        const int goraTekstu = t + MmY(5);
        if (Uloz(o.Symbol(), Pismo(rozmiarSymbolu), p->device(), MmX(SZEROKOSC_BLOKU - 40), -1,
                 gora - goraTekstu, x50 - lewaTekstu)
                .wysokosc <= MmY(200))
            break;
    }
    int dy = RysujTekst(false, l, t, MmX(SZEROKOSC_BLOKU), wysokosc, o.Symbol(), rozmiarSymbolu,
                        gora, x50);
    const QString material = QStringLiteral("(") + o.MaterialRamyNazwa() +
                             (o.dR > 0 ? QStringLiteral(" + żaluzja/roleta") : QString()) +
                             QStringLiteral(")");
    dy += RysujTekst(false, l, t + dy, MmX(SZEROKOSC_BLOKU - 10), wysokosc - dy, material, 8, gora,
                     x50);
    dy += MmY(10);
    p = dokument_.Plotno();

    // The picture, as strokes straight onto the page in the pixels of the
    // bitmap it stands for, clipped to it.
    const QRect obraz(l + MmX(10), t + dy, MmX(480), MmY(580) - dy);
    if (p && obraz.width() > 0 && obraz.height() > 0) {
        p->save();
        p->translate(obraz.topLeft());
        p->setClipRect(QRect(QPoint(0, 0), obraz.size()), Qt::IntersectClip);
        {
            TKanwaQPainter kanwa(*p);
            kanwa.UstawPedzel(255, 255, 255);
            kanwa.WypelnijProstokat(0, 0, obraz.width(), obraz.height());
            RysujOkno(o, kanwa, obraz.width(), obraz.height());
        }
        p->restore();
        p->setClipping(false);
    }

    // The values: every number whole with its unit, the labels may wrap.
    const QString mm = QStringLiteral(" mm");
    const QString wm2k = QStringLiteral(" W/m2K");
    QList<TWierszKolumny> wartosci{
        {QStringLiteral(" Wymiary:"), QString()},
        {QStringLiteral("   szerokość: "), Ogolna(o.Szerokosc) + mm},
        {QStringLiteral("   wysokość: "), Ogolna(o.Wysokosc) + mm},
        {},
        {QStringLiteral(" Ug: "), Ogolna(o.Ug) + wm2k},
        {QStringLiteral(" Uf: "), Ogolna(o.Uf) + wm2k},
        {QStringLiteral(" Psi_g: "), Ogolna(o.Psi_g) + QStringLiteral(" W/mK")},
        {QStringLiteral(" d: "), Ogolna(o.dRamy) + mm},
        {QStringLiteral(" Lg: "), LgOkna(o) ? Ogolna(*LgOkna(o)) + mm : QStringLiteral("–")},
        {QStringLiteral(" dR: "), Ogolna(o.dR) + QStringLiteral(" m2K/W")},
    };
    if (DodajWycene) {
        const double cena = CenaNetto(projekt_, o).Cena;
        wartosci.append(TWierszKolumny{});
        wartosci.append({QStringLiteral(" Szacunkowa cena") + NL + QStringLiteral(" netto okna:") +
                             NL + QStringLiteral("     "),
                         cena == -1 ? QStringLiteral("brak")
                                    : TekstSetnych(cena) + QStringLiteral(" zł/szt.")});
    }
    RysujKolumne(x50, gora, x85 + wcieta - x50, MmY(WYSOKOSC_BLOKU - 80 - 10), wartosci, 8);

    // The counts, then Uw and its verdict below them: the counts take the
    // room those leave.
    const int szer85 = x120 + wcieta - x85;
    // The window's Uw with its shutter; where it has one, the verdict (or a
    // line of its own) gives the window's own Uw too, the one judged.
    const TUw uw = ObliczUw(o, projekt_);
    const TOcenaWT wt = OcenWT2021(o, projekt_);
    const QString tekstUw =
        uw.uw ? QStringLiteral(" ") + Stala(*uw.uw, 4) + wm2k : QStringLiteral(" brak danych");
    const QString ocena = DodajWT2021
                              ? QStringLiteral(" ") + TekstOcenyWT(wt) + NL + QStringLiteral(" ") +
                                    TekstOcenyLato(OcenLato2021(o, projekt_))
                          : uw.zRoleta && uw.uw ? QStringLiteral(" ") + TekstUwZRoleta(wt)
                                                : QString();
    const QString etykietaUw = QStringLiteral(" Uw okna:");
    const int podUw = MmY(30) + WysokoscTekstu(szer85, etykietaUw, 10) +
                      WysokoscTekstu(szer85, tekstUw, 12) + MmY(10) +
                      (ocena.isEmpty() ? 0 : WysokoscTekstu(szer85, ocena, 8));
    const QList<TWierszKolumny> liczby{
        {QStringLiteral(" Łączna liczba okien") + NL + QStringLiteral(" na wszystkich kond.:") +
             NL + QStringLiteral("    "),
         QString::number(o.SumaOkien()) + QStringLiteral(" szt.")},
        {},
        {QStringLiteral(" Nawiewniki:"), QString()},
        {QStringLiteral("   liczba: "), QString::number(o.LiczbaNawiewnikow)},
        {QStringLiteral("   szerokość: "), QString::number(o.SzerokoscNawiewnika) + mm},
    };
    int dy2 =
        MmY(80) +
        RysujKolumne(x85, gora, szer85, std::max(MmY(100), wysokosc - MmY(80) - podUw), liczby, 8) +
        MmY(30);
    dy2 += RysujTekst(false, x85, t + dy2, szer85, wysokosc - dy2, etykietaUw, 10);
    dy2 += RysujKolumne(x85, t + dy2, szer85, wysokosc - dy2, {{QString(), tekstUw}}, 12);
    if (!ocena.isEmpty())
        RysujTekst(false, x85, t + dy2, szer85, wysokosc - dy2, ocena, 8);

    // The remarks take what the page gives beside the block's columns.
    QString uwagi = QStringLiteral("Uwagi:") + NL;
    for (const QString& w : RozdzielWiersze(o.Uwagi))
        uwagi += w + NL;
    RysujTekst(false, x120, gora, std::max(koniec, l + ObszarTresci.width()) - x120,
               MmY(WYSOKOSC_BLOKU - 80 - 10), uwagi, 8);

    ObszarTresci.setTop(t + wysokosc); // the bottom stays
}

QString DomyslnaCzcionkaRaportu() {
    const QString tahoma = QStringLiteral("Tahoma");
    return QFontDatabase::families().contains(tahoma) ? tahoma
                                                      : QFontInfo(QGuiApplication::font()).family();
}

QStringList RodzinyCzcionek() {
    QStringList rodziny;
    for (QString r : QFontDatabase::families()) {
        // "Nimbus Sans [urw]" and "Nimbus Sans [UKWN]" are one family.
        const qsizetype nawias = r.lastIndexOf(QStringLiteral(" ["));
        if (nawias > 0 && r.endsWith(QLatin1Char(']')))
            r.truncate(nawias);
        if (!rodziny.contains(r))
            rodziny << r;
    }
    return rodziny;
}

bool ZarejestrujTahome() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return true;
    // Debian's fonts-wine: a free Tahoma with the metrics of the original,
    // which fontconfig does not list by itself.
    bool jest = false;
    for (const char* plik :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        if (QFile::exists(QLatin1String(plik)))
            jest = QFontDatabase::addApplicationFont(QLatin1String(plik)) >= 0 || jest;
    return jest && QFontDatabase::families().contains(QStringLiteral("Tahoma"));
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
