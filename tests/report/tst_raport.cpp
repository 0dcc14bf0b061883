#include "model/tekst.h"
#include "model/zestawienie.h"
#include "report/raport/raport.h"
#include "report/raport/wydruk.h"
#include "tests/common/slowapdf.h"
#include "tests/common/zbieracz.h"
#include "tests/report/dokumenttestowy.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

// A project with n windows O1 … On, each of them the same.
void Okna(TZestawienieStolarki& p, int n) {
    p.SetParter(true);
    for (int i = 1; i <= n; ++i) {
        const QString s = QStringLiteral("O%1").arg(i);
        p.AddOkno(s);
        TOkno& o = *p.GetOkno(s);
        o.Szerokosc = 1200;
        o.Wysokosc = 1500;
        o.Ug = 1.1;
        o.Uf = 1.3;
        o.Psi_g = 0.08;
        o.Lg = 4520;
        o.SetLiczba(POZIOM_PARTER, 0, 1);
    }
}

// Equal to within a pixel of the page (2.6 tenths of a millimetre).
bool Blisko(int mm, int oczekiwane) {
    return qAbs(mm - oczekiwane) <= 3;
}
bool Blisko(QPoint mm, QPoint oczekiwane) {
    return Blisko(mm.x(), oczekiwane.x()) && Blisko(mm.y(), oczekiwane.y());
}

// The report as a PDF file, read back word by word.
QList<TSlowoPdf> SlowaRaportu(TZestawienieStolarki& p, const TOpcjeRaportu& opcje,
                              const QPageLayout& uklad) {
    QTemporaryDir katalog;
    QFile plik(katalog.filePath(QStringLiteral("r.pdf")));
    if (!plik.open(QIODevice::WriteOnly) ||
        ZapiszRaportPdf(p, opcje, uklad, plik) == TWynikRaportu::Blad)
        return {};
    plik.close();
    return SlowaPdf(plik.fileName());
}

// Two words of one page whose boxes cross (more than a tenth of a millimetre).
QString Nachodzace(const QList<TSlowoPdf>& slowa) {
    for (qsizetype i = 0; i < slowa.size(); ++i)
        for (qsizetype j = i + 1; j < slowa.size() && slowa[j].strona == slowa[i].strona; ++j) {
            const QRectF wspolne = slowa[i].mm.intersected(slowa[j].mm);
            if (wspolne.width() > 0.1 && wspolne.height() > 0.1)
                return slowa[i].tekst + QStringLiteral(" / ") + slowa[j].tekst;
        }
    return QString();
}

int Bloki(const TDokumentTestowy& d, int strona) {
    int n = 0;
    for (const auto& t : d.NaStronie(strona))
        n += t.punkty == 14;
    return n;
}

// The words of page 2 (the first window's block) of an A4 report with
// margins of 20 mm, from `od` to short of `do_` mm from the page's left.
QStringList SlowaBloku(TZestawienieStolarki& p, double od, double do_) {
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                         QPageLayout::Millimeter);
    QStringList slowa;
    for (const TSlowoPdf& s : SlowaRaportu(p, TOpcjeRaportu{}, a4))
        if (s.strona == 2 && s.mm.left() >= od && s.mm.left() < do_)
            slowa << s.tekst;
    return slowa;
}

} // namespace

class TestRaport : public QObject {
    Q_OBJECT

    QMarginsF dwadziescia{20, 20, 20, 20};

private slots:
    void initTestCase() { QLocale::setDefault(PolskiLocale()); }

    void pustyProjekt() {
        TZestawienieStolarki p;
        TDokumentTestowy d;
        TRaport r(p, d);
        r.UstawMarginesy(dwadziescia);
        QVERIFY(r.GenerujRaport());
        QCOMPARE(d.GotoweStrony(), 1);
        QVERIFY(d.Znajdz(QStringLiteral("Średni ważony współczynnik przenikania ciepła dla całego "
                                        "projektu: brak (brak okien)")));
        QVERIFY(d.Znajdz(QStringLiteral("Łączne pole powierzchni wszystkich okien dla całego "
                                        "projektu: 0,00 m2")));
        QVERIFY(!d.Znajdz(QStringLiteral("Opcje projektu:")));
    }

    // A4 with 20 mm margins: a frame of 170.0 × 257.0 mm, four blocks a page
    // after the summary, whatever the font; every page numbered twice.
    void dziewiecOkien_data() {
        QTest::addColumn<QString>("czcionka");
        QTest::newRow("domyślna") << QString();
        QTest::newRow("DejaVu Serif") << QStringLiteral("DejaVu Serif");
    }
    void dziewiecOkien() {
        QFETCH(QString, czcionka);
        TZestawienieStolarki p;
        Okna(p, 9);
        TDokumentTestowy d;
        TRaport r(p, d);
        r.Czcionka = czcionka;
        r.UstawMarginesy(dwadziescia);
        QVERIFY(Blisko(TDokumentTestowy::Mm(r.RamkaStrony.width()), 1700));
        QVERIFY(Blisko(TDokumentTestowy::Mm(r.RamkaStrony.height()), 2570));
        QVERIFY(r.GenerujRaport());
        QCOMPARE(d.GotoweStrony(), 4);
        QCOMPARE(Bloki(d, 1), 0);
        QCOMPARE(Bloki(d, 2), 4);
        QCOMPARE(Bloki(d, 3), 4);
        QCOMPARE(Bloki(d, 4), 1);
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(
                d.Znajdz(QStringLiteral("ZESTAWIENIE STOLARKI OKIENNEJ  --  strona %1").arg(n), n));
            const auto* numer = d.Znajdz(QStringLiteral("Strona %1").arg(n), n);
            QVERIFY(numer);
            // Just below the frame, its right end at the frame's.
            QCOMPARE(numer->prostokat.top(), r.RamkaStrony.top() + r.RamkaStrony.height());
            QCOMPARE(numer->prostokat.left() + numer->prostokat.width(),
                     r.RamkaStrony.left() + r.RamkaStrony.width());
        }
        QCOMPARE(d.Znajdz(QStringLiteral("O9"))->strona, 4);
    }

    // The columns of a block, in tenths of a millimetre from its corner.
    void ukladBloku() {
        TZestawienieStolarki p;
        Okna(p, 1);
        TOkno& o = *p.GetOkno("O1");
        o.dR = 0.1;
        o.Lg = -1; // undetermined: printed as suggested
        o.dRamy = 70;
        o.CenaOkna = -1; // no price
        o.Uwagi = QStringLiteral("pierwsza,\"druga linia\"");
        TDokumentTestowy d;
        TRaport r(p, d);
        r.UstawMarginesy(dwadziescia);
        r.DodajWycene = true;
        r.GenerujRaport();
        const auto* symbol = d.Znajdz(QStringLiteral("O1"), 2);
        QVERIFY(symbol);
        const QPoint rog = symbol->prostokat.topLeft();
        auto przesuniecie = [&](const QString& poczatek) {
            const auto* t = d.Znajdz(poczatek, 2);
            return t ? QPoint(TDokumentTestowy::Mm(t->prostokat.left() - rog.x()),
                              TDokumentTestowy::Mm(t->prostokat.top() - rog.y()))
                     : QPoint(-1, -1);
        };
        QVERIFY(Blisko(przesuniecie(QStringLiteral(" Wymiary:")), QPoint(500, 80)));
        QVERIFY(Blisko(przesuniecie(QStringLiteral(" Łączna liczba okien")), QPoint(850, 80)));
        QVERIFY(Blisko(przesuniecie(QStringLiteral("Uwagi:")), QPoint(1200, 80)));
        // Each column's text may reach the next column (its rectangle ends
        // 2 mm further, where the next text begins).
        QVERIFY(Blisko(
            TDokumentTestowy::Mm(d.Znajdz(QStringLiteral(" Wymiary:"))->prostokat.width()), 370));
        QCOMPARE(d.Znajdz(QStringLiteral("(PCV"))->tresc, QStringLiteral("(PCV + żaluzja/roleta)"));
        QVERIFY(d.Znajdz(QStringLiteral(" Wymiary:"))
                    ->tresc.contains(QStringLiteral(" Lg: 4840 mm\r\n")));
        QVERIFY(d.Znajdz(QStringLiteral(" Wymiary:"))
                    ->tresc.endsWith(QStringLiteral(" netto okna:\r\n     brak")));
        QCOMPARE(d.Znajdz(QStringLiteral("Uwagi:"))->tresc,
                 QStringLiteral("Uwagi:\r\npierwsza\r\ndruga linia\r\n"));
        QVERIFY(d.Znajdz(QStringLiteral(" Uw okna:")));
        QCOMPARE(d.Znajdz(QStringLiteral(" 1,"), 2)->punkty, 12);
    }

    void kondygnacje_data() {
        QTest::addColumn<bool>("piwnica");
        QTest::addColumn<int>("pietra");
        QTest::addColumn<bool>("poddasze");
        QTest::addColumn<QString>("tekst");
        // Separated, not ended, by semicolons.
        QTest::newRow("2 piętra") << false << 2 << true << "parter; 2 piętra; poddasze";
        QTest::newRow("5 pięter") << false << 5 << false << "parter; 5 pięter";
        QTest::newRow("1 piętro") << true << 1 << false << "podpiwniczenie; parter; 1 piętro";
        QTest::newRow("22 piętra") << false << 22 << false << "parter; 22 piętra";
        QTest::newRow("25 pięter") << false << 25 << false << "parter; 25 pięter";
        QTest::newRow("12 pięter") << false << 12 << false << "parter; 12 pięter";
    }
    void kondygnacje() {
        QFETCH(bool, piwnica);
        QFETCH(int, pietra);
        QFETCH(bool, poddasze);
        QFETCH(QString, tekst);
        TZestawienieStolarki p;
        p.SetPodpiwniczenie(piwnica);
        p.SetParter(true);
        p.SetLiczbaPieter(pietra);
        p.SetPoddasze(poddasze);
        TDokumentTestowy d;
        TRaport r(p, d);
        r.UstawMarginesy(dwadziescia);
        r.GenerujRaport();
        const auto* etykieta = d.Znajdz(QStringLiteral("Kondygnacje: "));
        const auto* wartosc = d.Znajdz(tekst);
        QVERIFY(etykieta && wartosc);
        QCOMPARE(wartosc->prostokat.top(), etykieta->prostokat.top());
        QVERIFY(Blisko(TDokumentTestowy::Mm(wartosc->prostokat.left() - etykieta->prostokat.left()),
                       300));
    }

    // Money keeps its grosze however large: a window's price and the totals.
    void groszeCen() {
        TZestawienieStolarki p;
        p.SetParter(true);
        p.AddOkno(QStringLiteral("O1"));
        TOkno& o = *p.GetOkno(QStringLiteral("O1"));
        o.Szerokosc = o.Wysokosc = 1000;
        o.CenaOkna = 1234567.89;
        o.SetLiczba(POZIOM_PARTER, 0, 223456);
        TDokumentTestowy d;
        TRaport r(p, d);
        r.UstawMarginesy(dwadziescia);
        r.DodajWycene = true;
        r.GenerujRaport();
        auto jest = [&d](const QString& t) {
            return std::any_of(d.teksty.begin(), d.teksty.end(),
                               [&t](const auto& x) { return x.tresc.contains(t); });
        };
        QVERIFY(jest(QStringLiteral("1234567,89 zł/szt.")));
        QVERIFY(jest(QStringLiteral("netto:  275871602427,84 zł"))); // 1234567,89 × 223456
    }

    // Only what is ticked is printed; an empty value moves on by its label.
    void podsumowanieWedlugOpcji_data() {
        QTest::addColumn<bool>("wycena");
        QTest::addColumn<bool>("montaz");
        QTest::addColumn<bool>("m2");
        QTest::addColumn<QStringList>("sa");
        QTest::addColumn<QStringList>("nieMa");
        const QStringList wszystkie = {
            "Łączna cena wszystkich", "Łączna cena montażu", "Cena za metr",
            "Opcje projektu:",        "Opcje D&V:",          "Zakres czynności"};
        QTest::newRow("nic") << false << false << false << QStringList() << wszystkie;
        QTest::newRow("za m²") << false << false << true << QStringList{"Cena za metr"}
                               << QStringList{"Opcje projektu:", "Zakres czynności", "Łączna cena"};
        QTest::newRow("montaż") << false << true << false
                                << QStringList{"Łączna cena montażu",
                                               "Opcje projektu:", "Zakres czynności"}
                                << QStringList{"Opcje D&V:", "Cena za metr"};
        QTest::newRow("wycena") << true << false << false
                                << QStringList{"Łączna cena wszystkich",
                                               "Opcje projektu:", "Opcje D&V:"}
                                << QStringList{"Zakres czynności", "Łączna cena montażu"};
    }
    void podsumowanieWedlugOpcji() {
        QFETCH(bool, wycena);
        QFETCH(bool, montaz);
        QFETCH(bool, m2);
        QFETCH(QStringList, sa);
        QFETCH(QStringList, nieMa);
        TZestawienieStolarki p;
        p.Firma.clear();
        p.Projekt = QStringLiteral("Nowak & Syn");
        TDokumentTestowy d;
        TRaport r(p, d);
        r.UstawMarginesy(dwadziescia);
        r.DodajWycene = wycena;
        r.DodajCeneMontazu = montaz;
        r.DodajCeneM2 = m2;
        r.GenerujRaport();
        for (const QString& s : sa)
            QVERIFY2(d.Znajdz(s), qPrintable(s));
        for (const QString& s : nieMa)
            QVERIFY2(!d.Znajdz(s), qPrintable(s));
        const auto* firma = d.Znajdz(QStringLiteral("Firma: "));
        const auto* projekt = d.Znajdz(QStringLiteral("Projekt: "));
        const auto* obiekt = d.Znajdz(QStringLiteral("Obiekt: "));
        QVERIFY(d.Znajdz(QStringLiteral("Nowak & Syn"))); // as typed
        QVERIFY(projekt->prostokat.top() > firma->prostokat.top());
        QCOMPARE(projekt->prostokat.top() - firma->prostokat.top(),
                 obiekt->prostokat.top() - projekt->prostokat.top());
    }

    // Texts longer than their columns: each column ends at the next, what
    // is cut ends with "…", nothing leaves its block, in any font.
    void dlugieTeksty_data() {
        QTest::addColumn<QString>("czcionka");
        QTest::newRow("DejaVu Sans") << QStringLiteral("DejaVu Sans");
        QTest::newRow("DejaVu Serif") << QStringLiteral("DejaVu Serif");
    }
    void dlugieTeksty() {
        QFETCH(QString, czcionka);
        TZestawienieStolarki p;
        Okna(p, 1);
        TOkno& o = *p.GetOkno("O1");
        p.RenameOkno(QStringLiteral("O1"), QStringLiteral("O1 okno narożne salonu od strony ogrodu "
                                                          "z widokiem na taras i staw"));
        o.Szerokosc = 1596.5;
        o.Wysokosc = 123456789012.5;
        o.Ug = 1.23456789012345;
        o.LiczbaNawiewnikow = 2000000000;
        o.SetLiczba(POZIOM_PARTER, 0, 1999999999);
        QStringList uwagi;
        for (int i = 1; i <= 30; ++i)
            uwagi << QStringLiteral("uwaga numer %1 o oknie").arg(i);
        o.Uwagi = ZlaczWiersze(uwagi);
        TOpcjeRaportu opcje;
        opcje.Czcionka = czcionka;
        opcje.DodajWycene = true;
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        const QList<TSlowoPdf> slowa = SlowaRaportu(p, opcje, a4);
        QVERIFY(!slowa.isEmpty());
        QCOMPARE(Nachodzace(slowa), QString());
        // The block: 20 mm from the left, below the page heading on page 2.
        double gora = 1e9;
        QString ostatniaUwaga;
        for (const TSlowoPdf& s : slowa) {
            if (s.strona != 2 || s.mm.top() > 297 - 20 - 0.5)
                continue; // the page number, below the frame
            if (s.tekst == QStringLiteral("Wymiary:"))
                gora = s.mm.top() - 8.5;
            if (s.mm.left() >= 20 + 120)
                ostatniaUwaga = s.tekst;
            QVERIFY2(s.mm.right() <= 20 + 165 + 0.2, qPrintable(s.tekst));
        }
        QVERIFY(gora < 1e9);
        for (const TSlowoPdf& s : slowa) {
            if (s.strona != 2 || s.mm.top() < gora + 8 || s.mm.top() > 297 - 20 - 0.5)
                continue;
            QVERIFY2(s.mm.bottom() <= gora + 59 + 0.2, qPrintable(s.tekst));
            // Values end at 85 mm, counts at 120 mm.
            if (s.mm.left() >= 20 + 50 && s.mm.left() < 20 + 85)
                QVERIFY2(s.mm.right() <= 20 + 85 + 0.2, qPrintable(s.tekst));
            if (s.mm.left() >= 20 + 85 && s.mm.left() < 20 + 120)
                QVERIFY2(s.mm.right() <= 20 + 120 + 0.2, qPrintable(s.tekst));
        }
        QVERIFY2(ostatniaUwaga.endsWith(QStringLiteral("…")), qPrintable(ostatniaUwaga));
        // The numbers are whole, on as many lines as they need.
        QStringList tekst;
        for (const TSlowoPdf& s : slowa)
            tekst << s.tekst;
        QVERIFY(tekst.contains(QStringLiteral("1596,5")));
        QVERIFY(tekst.contains(QStringLiteral("1999999999")));
    }

    // The terms a geometric Uw was made of, beside the remarks, as the PDF
    // holds them (hand values: two sashes 610 × 1340 between d 80 and a
    // mullion of 120, the right one a panel: Ag = Ap = 0,8174 m², Af 0,6152,
    // lg = lp = 3,9 m); the glazing's build-up in either method.
    void skladnikiUw_data() {
        QTest::addColumn<int>("metoda");
        QTest::newRow("z geometrii") << 1;
        QTest::newRow("szacunek") << 0;
    }
    void skladnikiUw() {
        QFETCH(int, metoda);
        TZestawienieStolarki p;
        Okna(p, 1);
        p.MetodaUw = metoda;
        TOkno& o = *p.GetOkno("O1");
        o.TypOkna = 2001;
        o.Szerokosc = o.Wysokosc = 1500;
        o.dRamy = 80;
        o.dSlupka = 120;
        o.RodzajSkrzydla[1] = RODZAJ_PLYCINA;
        o.Up = 1;
        o.Psi_p = 0.06;
        o.Lg = -1;
        o.BudowaSzyby = QStringLiteral("4/16Ar/4");
        o.PowlokiSzyby = QStringLiteral("3:0,03");
        const QString tekst = SlowaBloku(p, 20 + 120, 1000).join(QLatin1Char(' '));
        QVERIFY2(tekst.contains(QStringLiteral("Ug z budowy szyby (PN-EN 673): 4/16Ar/4, powłoki "
                                               "3:0,03, gaz 90%")),
                 qPrintable(tekst));
        const QStringList skladniki{QStringLiteral("Ag = 0,8174 m2, Af = 0,6152 m2"),
                                    QStringLiteral("Ap = 0,8174 m2, lp = 3,900 m"),
                                    QStringLiteral("Up = 1 W/m2K"),
                                    QStringLiteral("Psi_p = 0,06 W/mK"),
                                    QStringLiteral("lg = 3,900 m (z geometrii)"),
                                    QStringLiteral("słupki i ślemiona 120 mm")};
        for (const QString& s : skladniki)
            QVERIFY2(tekst.contains(s) == (metoda == 1),
                     qPrintable(s + QStringLiteral(": ") + tekst));
    }

    // A round window's area beside the remarks, and its terms (hand values:
    // π/4 · 0,9² = 0,6362, glass π · 0,35² = 0,3848, frame 0,2513, lg
    // π · 0,7 = 2,199 m).
    void okragle() {
        TZestawienieStolarki p;
        Okna(p, 1);
        p.MetodaUw = 1;
        TOkno& o = *p.GetOkno("O1");
        o.Ksztalt = KSZTALT_OKRAGLY;
        o.TypOkna = 1001;
        o.Szerokosc = o.Wysokosc = 900;
        o.dRamy = 100;
        o.Lg = -1;
        const QString tekst = SlowaBloku(p, 20 + 120, 1000).join(QLatin1Char(' '));
        for (const char* s : {"okno okrągłe: Aw = 0,6362 m2", "Ag = 0,3848 m2, Af = 0,2513 m2",
                              "lg = 2,199 m (z geometrii)"})
            QVERIFY2(tekst.contains(QString::fromUtf8(s)), qPrintable(tekst));
        // Lg in the values column to a tenth of a millimetre: π · 700 = 2199,11.
        const QStringList wartosci = SlowaBloku(p, 0, 20 + 85);
        QVERIFY2(wartosci.contains(QStringLiteral("2199,1")), qPrintable(wartosci.join(' ')));
    }

    // A small page with every summary line: what does not fit on page 1
    // goes on to page 2, nothing below the frame; the windows follow.
    void podsumowanieNaDwieStrony() {
        TZestawienieStolarki p;
        Okna(p, 2);
        p.ZakresCzynnosci = QStringLiteral("demontaż starych okien, montaż, obróbki, "
                                           "wywóz gruzu, regulacja okuć");
        TOpcjeRaportu opcje;
        opcje.Czcionka = QStringLiteral("DejaVu Sans");
        opcje.DodajWycene = opcje.DodajCeneMontazu = opcje.DodajCeneM2 = true;
        const QPageLayout a5(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                             QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        const QList<TSlowoPdf> slowa = SlowaRaportu(p, opcje, a5);
        QCOMPARE(Nachodzace(slowa), QString());
        int stronaZakresu = 0, stronaO1 = 0;
        for (const TSlowoPdf& s : slowa) {
            // Nothing but the page number ("Strona 2") lies below the frame.
            if (s.mm.top() < 148 - 10 - 0.5)
                QVERIFY2(s.mm.bottom() <= 148 - 10 + 0.2, qPrintable(s.tekst));
            else
                QVERIFY(s.tekst == QStringLiteral("Strona") || s.tekst.toInt() == s.strona);
            if (s.tekst == QStringLiteral("Zakres"))
                stronaZakresu = s.strona;
            if (s.tekst == QStringLiteral("O1"))
                stronaO1 = s.strona;
        }
        QCOMPARE(stronaZakresu, 2);
        QCOMPARE(stronaO1, 3);
    }

    // The frame's own length decides, not whole pixels.
    void ramkaDokladnie_data() {
        QTest::addColumn<double>("margines");
        QTest::addColumn<bool>("miesci");
        QTest::newRow("165,0 mm") << 22.5 << true;
        QTest::newRow("164,8 mm") << 22.6 << false;
    }
    void ramkaDokladnie() {
        QFETCH(double, margines);
        QFETCH(bool, miesci);
        QCOMPARE(StronaMiesciBlok(QSizeF(210, 297), QMarginsF(margines, 20, margines, 20)), miesci);
        TZestawienieStolarki p;
        Okna(p, 1);
        TZbieraczKomunikatow zbieracz;
        TDokumentTestowy d;
        TRaport r(p, d);
        r.UstawMarginesy(QMarginsF(margines, 20, margines, 20));
        QCOMPARE(r.GenerujRaport(), miesci);
    }

    // The WT 2021 verdict: under every block's Uw and on the summary, only
    // when asked for.
    void ocenaWT2021_data() {
        QTest::addColumn<bool>("zaznaczone");
        QTest::newRow("bez") << false;
        QTest::newRow("z oceną") << true;
    }
    void ocenaWT2021() {
        QFETCH(bool, zaznaczone);
        TZestawienieStolarki p;
        Okna(p, 2);
        p.GetOkno("O2")->Ug = 0; // no data
        TDokumentTestowy d;
        TRaport r(p, d);
        r.UstawMarginesy(dwadziescia);
        r.DodajWT2021 = zaznaczone;
        r.GenerujRaport();
        const auto* podsumowanie = d.Znajdz(QStringLiteral("Zgodność z WT 2021: "), 1);
        QCOMPARE(podsumowanie != nullptr, zaznaczone);
        QCOMPARE(d.Znajdz(QStringLiteral(" WT 2021: "), 2) != nullptr, zaznaczone);
        if (!zaznaczone)
            return;
        QVERIFY(podsumowanie->tresc.contains(QStringLiteral("Bez danych cieplnych: 1 (O2)")));
        QVERIFY(d.Znajdz(QStringLiteral(" WT 2021: brak danych"), 2));
    }

    void stronaZaMala() {
        TZestawienieStolarki p;
        Okna(p, 3);
        TZbieraczKomunikatow zbieracz;
        TDokumentTestowy d;
        TRaport r(p, d);
        r.UstawMarginesy(QMarginsF(60, 20, 60, 20));
        QVERIFY(Blisko(TDokumentTestowy::Mm(r.RamkaStrony.width()), 900));
        QVERIFY(!r.GenerujRaport());
        QCOMPARE(d.GotoweStrony(), 1);
        // The caller says it, after the build.
        QCOMPARE(zbieracz.ile(), 0);
    }

    // The tables by storey and direction: a page of their own after the
    // summary, more when the storeys do not fit; without the option the
    // report is as it was.
    void orientacje_data() {
        QTest::addColumn<bool>("zaznaczone");
        QTest::addColumn<int>("pietra");
        QTest::addColumn<int>("stronTabel");
        QTest::newRow("bez") << false << 1 << 0;
        QTest::newRow("jedna strona") << true << 1 << 1;
        QTest::newRow("80 pięter") << true << 80 << 6;
    }
    void orientacje() {
        QFETCH(bool, zaznaczone);
        QFETCH(int, pietra);
        QFETCH(int, stronTabel);
        TZestawienieStolarki p;
        Okna(p, 5);
        p.SetLiczbaPieter(pietra);
        TDokumentTestowy d;
        TRaport r(p, d);
        r.UstawMarginesy(dwadziescia);
        r.DodajOrientacje = zaznaczone;
        r.GenerujRaport();
        QCOMPARE(d.GotoweStrony(), 1 + stronTabel + 2);
        QCOMPARE(d.Znajdz(QStringLiteral("O1"))->strona, 2 + stronTabel);
        if (!zaznaczone) {
            QVERIFY(!d.Znajdz(QStringLiteral("Zestawienie okien wg")));
            return;
        }
        QCOMPARE(
            d.Znajdz(QStringLiteral("Zestawienie okien wg kondygnacji i stron świata"))->strona, 2);
        for (const char* t : {"Liczba sztuk", "Pole powierzchni [m2]", "Średni Uw [W/m2K]"})
            QVERIFY(d.Znajdz(QString::fromUtf8(t)));
        // Every table page starts with the column headings.
        for (int s = 2; s < 2 + stronTabel; ++s)
            QVERIFY(d.Znajdz(QStringLiteral("Kondygnacja"), s));
        // Ground floor: five windows facing north, 9,00 m².
        QVERIFY(d.Znajdz(QStringLiteral("9,00")));
    }

    // Extreme values on three papers: every value whole with its unit on
    // its line, no word outside the frame or over another, the remarks as
    // wide as the page gives, table titles above their tables, and the
    // empty scope of work never alone on a page.
    void wartosciSkrajne_data() {
        QTest::addColumn<QPageLayout>("uklad");
        const QMarginsF m(20, 20, 20, 20);
        QTest::newRow("A4 pionowo") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                   m, QPageLayout::Millimeter);
        QTest::newRow("A4 poziomo") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                                   m, QPageLayout::Millimeter);
        QTest::newRow("A5 poziomo") << QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                                   m, QPageLayout::Millimeter);
    }
    void wartosciSkrajne() {
        QFETCH(QPageLayout, uklad);
        TZestawienieStolarki p;
        Okna(p, 1);
        p.SetLiczbaPieter(22);
        TOkno& o = *p.GetOkno("O1");
        o.Szerokosc = 123456789;
        o.Wysokosc = 987654321;
        o.CenaOkna = 999999999.99; // the dearest price a window may have
        o.LiczbaNawiewnikow = 20;
        o.SzerokoscNawiewnika = 2147483647;
        o.SetLiczba(POZIOM_PARTER, 0, 2147483646);
        o.Uwagi = ZlaczWiersze({QString(QStringLiteral("długa uwaga ")).repeated(250)});
        TOpcjeRaportu opcje;
        opcje.Czcionka = QStringLiteral("DejaVu Sans");
        opcje.DodajWycene = opcje.DodajCeneMontazu = opcje.DodajCeneM2 = true;
        opcje.DodajOrientacje = opcje.DodajWT2021 = true;
        const QList<TSlowoPdf> slowa = SlowaRaportu(p, opcje, uklad);
        QVERIFY(!slowa.isEmpty());
        QCOMPARE(Nachodzace(slowa), QString());
        const QSizeF papier = uklad.fullRect(QPageLayout::Millimeter).size();
        // A word and the one after it (when given, the first such pair).
        auto nastepne = [&](const QString& slowo,
                            const QString& po =
                                QString()) -> std::pair<const TSlowoPdf*, const TSlowoPdf*> {
            for (qsizetype i = 0; i + 1 < slowa.size(); ++i)
                if (slowa[i].tekst == slowo && (po.isEmpty() || slowa[i + 1].tekst == po))
                    return {&slowa[i], &slowa[i + 1]};
            return {nullptr, nullptr};
        };
        // Each value and its unit, side by side on one line.
        for (const auto& [wartosc, jednostka] :
             QList<std::pair<QString, QString>>{{"123456789", "mm"},
                                                {"987654321", "mm"},
                                                {"999999999,99", "zł/szt."},
                                                {"2147483646", "szt."},
                                                {"2147483647", "mm"}}) {
            const auto [w, j] = nastepne(wartosc, jednostka);
            QVERIFY2(w, qPrintable(wartosc));
            QVERIFY2(qAbs(w->mm.bottom() - j->mm.bottom()) < 0.3, qPrintable(wartosc));
        }
        double prawaUwag = 0;
        for (const TSlowoPdf& s : slowa) {
            if (s.tekst.startsWith(QStringLiteral("Strona")) || s.tekst.front().isDigit()) {
                if (s.mm.top() > papier.height() - 20 - 0.5)
                    continue; // the page number, below the frame
            }
            QVERIFY2(s.mm.left() >= 20 && s.mm.right() <= papier.width() - 20 && s.mm.top() >= 20 &&
                         s.mm.bottom() <= papier.height() - 20,
                     qPrintable(s.tekst));
            if (s.tekst.startsWith(QStringLiteral("uwaga")))
                prawaUwag = std::max(prawaUwag, s.mm.right());
        }
        QVERIFY2(prawaUwag > papier.width() - 20 - 25, qPrintable(QString::number(prawaUwag)));
        // A table's title ends above its first row.
        const auto [sztuk, naglowek] = nastepne(QStringLiteral("sztuk"));
        QVERIFY(sztuk);
        QCOMPARE(naglowek->tekst, QStringLiteral("Kondygnacja"));
        QVERIFY(sztuk->mm.bottom() <= naglowek->mm.top() - 0.5);
        // The scope of work shares its page with what comes before it.
        const auto [zakres, dalej] = nastepne(QStringLiteral("Zakres"));
        QVERIFY(zakres);
        int naStronie = 0;
        for (const TSlowoPdf& s : slowa)
            naStronie +=
                s.strona == zakres->strona && s.mm.top() > 20 + 12 && s.mm.top() < zakres->mm.top();
        QVERIFY(naStronie > 0);
    }
};

QTEST_MAIN(TestRaport)
#include "tst_raport.moc"
