// Uw by both methods against values worked by hand (the arithmetic is in
// each row's comment), the means and the areas.

#include "model/katalog.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/podpowiedzi.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/uw.h"
#include "model/zestawienie.h"
#include "tests/common/zbieracz.h"

#include <QtTest>

#include <cmath>

namespace {

void Ustaw(TOkno& o, int typ, double w, double h, double ug, double uf, double psi, double lg,
           double dr, double d = 0) {
    o.TypOkna = typ;
    o.Szerokosc = w;
    o.Wysokosc = h;
    o.Ug = ug;
    o.Uf = uf;
    o.Psi_g = psi;
    o.Lg = lg;
    o.dR = dr;
    o.dRamy = d;
}

constexpr double BRAK = -1; // no Uw

} // namespace

class TestUw : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // Each row: a window, its method, and Uw (with the shutter) and the
    // window's own Uw worked by hand; BRAK where it has none, with why.
    void uw_data() {
        QTest::addColumn<int>("metoda");
        QTest::addColumn<int>("typ");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("ug");
        QTest::addColumn<double>("uf");
        QTest::addColumn<double>("psi");
        QTest::addColumn<double>("lg");
        QTest::addColumn<double>("dr");
        QTest::addColumn<double>("uw");
        QTest::addColumn<double>("uwOkna");
        QTest::addColumn<QString>("brak");
        const int S = 0, G = 1;
        // The standard's worked example: Aw 1,8; f = 0,5755 · 1,8^0,3892 = 0,723431;
        // E = 4,52 · 0,08 / 1,8 = 0,200889; U0 = 0,723431 · 1,1 + 0,276569 · 1,3 + E.
        QTest::newRow("szacunek, przykład") << S << 1001 << 1200.0 << 1500.0 << 0.0 << 1.1 << 1.3
                                            << 0.08 << 4520.0 << 0.0 << 1.356203 << 1.356203 << "";
        // With dR 0,15: 1,356203 / (1,356203 · 0,15 + 1).
        QTest::newRow("szacunek, roleta") << S << 1001 << 1200.0 << 1500.0 << 0.0 << 1.1 << 1.3
                                          << 0.08 << 4520.0 << 0.15 << 1.126947 << 1.356203 << "";
        // Half a millimetre: Ag 1030,5 · 1280 = 1 319 040 mm², Aw 1230,5 · 1480 =
        // 1 821 140 mm², Af 502 100 mm², lg 2 · 1230,5 + 2 · 1480 − 8 · 100 = 4621 mm;
        // (1,31904 · 0,7 + 0,5021 · 1,2 + 4,621 · 0,04) / 1,82114 = 1,710688 / 1,82114.
        QTest::newRow("geometria, 1230,5 mm")
            << G << 1001 << 1230.5 << 1480.0 << 100.0 << 0.7 << 1.2 << 0.04 << -1.0 << 0.0
            << 0.939350 << 0.939350 << "";
        // d 100,5: Ag 1029 · 1279 = 1 316 091, Aw 1 820 400, Af 504 309, lg 4616;
        // (0,921264 + 0,605171 + 0,18464) / 1,8204 = 1,711075 / 1,8204.
        QTest::newRow("geometria, d 100,5") << G << 1001 << 1230.0 << 1480.0 << 100.5 << 0.7 << 1.2
                                            << 0.04 << -1.0 << 0.0 << 0.939944 << 0.939944 << "";
        // 400,5 × 300, d 100: Ag 200,5 · 100 = 20 050, Aw 120 150, Af 100 100, lg 601;
        // (0,014035 + 0,12012 + 0,02404) / 0,12015.
        QTest::newRow("geometria, 400,5 × 300")
            << G << 1001 << 400.5 << 300.0 << 100.0 << 0.7 << 1.2 << 0.04 << -1.0 << 0.0 << 1.316646
            << 1.316646 << "";
        // The window alone is judged: 0,939350 / (0,939350 · 0,15 + 1) with the shutter.
        QTest::newRow("geometria, roleta") << G << 1001 << 1230.5 << 1480.0 << 100.0 << 0.7 << 1.2
                                           << 0.04 << -1.0 << 0.15 << 0.823339 << 0.939350 << "";
        QTest::newRow("geometria, d 0: brak ramy")
            << G << 1001 << 1230.0 << 1480.0 << 0.0 << 0.7 << 1.2 << 0.04 << -1.0 << 0.0 << BRAK
            << BRAK << "d = 0: brak ramy (metoda z geometrii okna)";
        QTest::newRow("geometria, d bez szyby")
            << G << 3001 << 600.0 << 1500.0 << 160.0 << 1.1 << 1.3 << 0.08 << 1000.0 << 0.0 << BRAK
            << BRAK << "d = 160 mm nie zostawia szyby w skrzydle";
        // The Lg rule gives 2 · 100 + 2 · 100 − 8 · 70 = −160: no glass, estimate or not.
        QTest::newRow("szacunek, reguła Lg ujemna")
            << S << 1001 << 100.0 << 100.0 << 70.0 << 1.1 << 1.3 << 0.08 << -1.0 << 0.0 << BRAK
            << BRAK << "d = 70 mm nie zostawia szyby w skrzydle";
        QTest::newRow("brak Ug") << S << 1001 << 1000.0 << 1000.0 << 0.0 << 0.0 << 1.3 << 0.0 << 0.0
                                 << 0.0 << BRAK << BRAK << "brak Ug";
        QTest::newRow("brak wymiarów i Uf")
            << S << 1001 << 0.0 << 1000.0 << 0.0 << 1.1 << 0.0 << 0.0 << 0.0 << 0.0 << BRAK << BRAK
            << "brak wymiarów, Uf";
        // Values no window has, as a damaged file holds them.
        QTest::newRow("dR ujemne")
            << S << 1001 << 1000.0 << 1000.0 << 0.0 << 1.1 << 1.3 << 0.0 << 0.0 << -0.5 << BRAK
            << BRAK << QString::fromUtf8("dR = -0,5 (dopuszczalne od 0 do 1 m²K/W)");
        QTest::newRow("dR 1000") << S << 1001 << 1000.0 << 1000.0 << 0.0 << 1.1 << 1.3 << 0.0 << 0.0
                                 << 1000.0 << BRAK << BRAK
                                 << QString::fromUtf8("dR = 1000 (dopuszczalne od 0 do 1 m²K/W)");
        QTest::newRow("Psi_g 1E300")
            << S << 1001 << 1000.0 << 1000.0 << 0.0 << 1.1 << 1.3 << 1e300 << 0.0 << 0.0 << BRAK
            << BRAK << QString::fromUtf8("Psi_g = 1E300 (dopuszczalne od 0 do 1 W/mK)");
        QTest::newRow("typ spoza katalogu")
            << S << 9001 << 1000.0 << 1000.0 << 0.0 << 1.1 << 1.3 << 0.0 << 0.0 << 0.0 << BRAK
            << BRAK << "Brak zdefiniowanego algorytmu dla Uw";
        // 5,76 m² of type 1001 would give f = 0,5755 · 5,76^0,3892 ≈ 1,14: the glass is
        // the whole window, Uw = Ug.
        QTest::newRow("udział szyb nie ponad 1") << S << 1001 << 2400.0 << 2400.0 << 0.0 << 1.1
                                                 << 1.3 << 0.0 << 0.0 << 0.0 << 1.1 << 1.1 << "";
        // 1 mm × 1 mm with an edge of 4 mm of 1 W/mK: 0,004 / 0,000001 = 4000 W/m²K.
        QTest::newRow("nie fizyczne")
            << S << 1001 << 1.0 << 1.0 << 0.0 << 1.1 << 1.3 << 1.0 << 4.0 << 0.0 << BRAK << BRAK
            << QString::fromUtf8("Uw poza zakresem wartości fizycznych");
    }
    void uw() {
        QFETCH(int, metoda);
        QFETCH(int, typ);
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(double, d);
        QFETCH(double, ug);
        QFETCH(double, uf);
        QFETCH(double, psi);
        QFETCH(double, lg);
        QFETCH(double, dr);
        QFETCH(double, uw);
        QFETCH(double, uwOkna);
        QFETCH(QString, brak);
        TZbieraczKomunikatow zbieracz;
        TOkno o(QStringLiteral("O1"));
        Ustaw(o, typ, w, h, ug, uf, psi, lg, dr, d);
        const TUw u = ObliczUw(o, static_cast<TMetodaUw>(metoda));
        QCOMPARE(u.brak, brak);
        QCOMPARE(zbieracz.ile(), 0); // a calculation tells nobody anything
        if (uw == BRAK) {
            QVERIFY(!u.uw && !u.uwOkna);
            return;
        }
        QVERIFY(u.uw && u.uwOkna);
        QVERIFY2(std::abs(*u.uw - uw) < 5e-7, qPrintable(QString::number(*u.uw, 'g', 10)));
        QVERIFY2(std::abs(*u.uwOkna - uwOkna) < 5e-7,
                 qPrintable(QString::number(*u.uwOkna, 'g', 10)));
        QCOMPARE(u.zRoleta, dr > 0);
    }

    // The terms of a Uw, for a hand check: the 1230,5 mm window above.
    void skladniki() {
        TOkno o(QStringLiteral("O1"));
        Ustaw(o, 1001, 1230.5, 1480, 0.7, 1.2, 0.04, -1, 0, 100);
        const TSkladnikiUw s = ObliczUw(o, TMetodaUw::Geometryczna).skladniki;
        QCOMPARE(s.aw, 1.82114);
        QVERIFY(std::abs(s.ag - 1.31904) < 1e-12);
        QVERIFY(std::abs(s.af - 0.5021) < 1e-12);
        QCOMPARE(s.lg, 4.621);
        QVERIFY(!s.lgWpisane);
        // The estimate: f = 0,5755 · 1,82114^0,3892 = 0,726726 of the window.
        const TSkladnikiUw e = ObliczUw(o, TMetodaUw::Szacunkowa).skladniki;
        QVERIFY(std::abs(e.ag - 0.726726 * 1.82114) < 1e-5);
        o.Lg = 4000;
        QVERIFY(ObliczUw(o, TMetodaUw::Geometryczna).skladniki.lgWpisane);
    }

    // The Lg rule takes lengths as they are: 2461 + 2960 − 804 = 4617;
    // 8 · 1000 / 3 + 6 · 1000 − 74 · 70 / 3 = 6940 for 4004; (14 · 1000,5 +
    // 14 · 1000 − 88 · 70) / 3 = 21 847 / 3 for 5043.
    void regulaLg_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("lg");
        QTest::newRow("1001 ułamki") << 1001 << 1230.5 << 1480.0 << 100.5 << 4617.0;
        QTest::newRow("4004") << 4004 << 1000.0 << 1000.0 << 70.0 << 6940.0;
        QTest::newRow("5043 ułamek") << 5043 << 1000.5 << 1000.0 << 70.0 << 21847.0 / 3;
        QTest::newRow("ujemna") << 1001 << 100.0 << 100.0 << 70.0 << -160.0;
    }
    void regulaLg() {
        QFETCH(int, typ);
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(double, d);
        QFETCH(double, lg);
        const std::optional<double> wynik = DlugoscKrawedziSzyb(typ, w, h, d);
        QVERIFY(wynik);
        QVERIFY2(std::abs(*wynik - lg) < 1e-9, qPrintable(QString::number(*wynik, 'g', 17)));
        QVERIFY(!DlugoscKrawedziSzyb(9001, w, h, d));
    }

    void srednia_data() {
        QTest::addColumn<int>("n1");
        QTest::addColumn<int>("n2");
        QTest::addColumn<double>("uSr");
        QTest::addColumn<double>("pole");
        // Window 1: 1 m² of Uw 1.0; window 2: 2 m² of Uw 2.0 (Ug = Uf, so the
        // glazed share does not matter). n1 and n2 are their pieces.
        QTest::newRow("brak sztuk") << 0 << 0 << -1.0 << 0.0;
        QTest::newRow("tylko pierwsze") << 2 << 0 << 1.0 << 2.0;
        QTest::newRow("po jednym") << 1 << 1 << 5.0 / 3.0 << 3.0;
        QTest::newRow("pierwsze trzy razy") << 3 << 1 << 7.0 / 5.0 << 5.0;
    }
    void srednia() {
        QFETCH(int, n1);
        QFETCH(int, n2);
        QFETCH(double, uSr);
        QFETCH(double, pole);
        TZestawienieStolarki p;
        p.SetParter(true);
        p.SetPoddasze(true);
        QCOMPARE(p.AddOkno(QStringLiteral("O1")), 0);
        QCOMPARE(p.AddOkno(QStringLiteral("O2")), 0);
        TOkno* o1 = p.GetOkno(QStringLiteral("O1"));
        TOkno* o2 = p.GetOkno(QStringLiteral("O2"));
        Ustaw(*o1, 1001, 1000, 1000, 1.0, 1.0, 0, 0, 0);
        Ustaw(*o2, 2001, 1000, 2000, 2.0, 2.0, 0, 0, 0);
        o1->SetLiczba(QStringLiteral("parter"), 0, n1);
        o2->SetLiczba(QStringLiteral("poddasze"), 7, n2);
        const TUsrednie u = USrednie(p);
        if (uSr < 0)
            QVERIFY(!u.u);
        else
            QVERIFY(u.u && std::abs(*u.u - uSr) < 1e-12);
        QCOMPARE(PowierzchniaOkien(p), pole);
    }

    // A window without a Uw is left out of the mean, and the mean says what
    // it covers: 1,0 and a window without Ug make 1,00 (not 0,50).
    void sredniaBezOkienBezDanych() {
        TZestawienieStolarki p;
        p.SetParter(true);
        p.AddOkno(QStringLiteral("A"));
        p.AddOkno(QStringLiteral("B"));
        Ustaw(*p.GetOkno(QStringLiteral("A")), 1001, 1000, 1000, 1.0, 1.0, 0, 0, 0);
        Ustaw(*p.GetOkno(QStringLiteral("B")), 1001, 1000, 1000, 0, 1.0, 0, 0, 0);
        p.GetOkno(QStringLiteral("A"))->SetLiczba(POZIOM_PARTER, 0, 1);
        p.GetOkno(QStringLiteral("B"))->SetLiczba(POZIOM_PARTER, 0, 1);
        const TUsrednie u = USrednie(p);
        QVERIFY(u.u && std::abs(*u.u - 1.0) < 1e-12);
        QCOMPARE(u.okien, 1);
        QCOMPARE(u.bezDanych, 1);
        QCOMPARE(TekstZakresuUsr(u), QStringLiteral("(1 z 2 okien; 1 bez danych)"));
        QCOMPARE(PowierzchniaOkien(p), 2.0); // its area counts still
    }

    // The area is summed exactly and rounded once, a half to the even
    // hundredth: 3 · 1,001 · 1,002 = 3,009006 → 3,01; 1,255 m² (1250 × 1004)
    // → 1,26; 1,265 m² (1265 × 1000) → 1,26; 1,2650001 → 1,27; fractions of
    // a millimetre (1000,5 × 1000 = 1,0005 m², twice) → 2,00.
    void pole_data() {
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<int>("sztuk");
        QTest::addColumn<double>("pole");
        QTest::newRow("raz na końcu") << 1001.0 << 1002.0 << 3 << 3.01;
        QTest::newRow("połowa do parzystej w górę") << 1250.0 << 1004.0 << 1 << 1.26;
        QTest::newRow("połowa do parzystej w dół") << 1265.0 << 1000.0 << 1 << 1.26;
        QTest::newRow("ponad połowę") << 1265.0001 << 1000.0 << 1 << 1.27;
        QTest::newRow("ułamek milimetra") << 1000.5 << 1000.0 << 2 << 2.0;
    }
    void pole() {
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(int, sztuk);
        QFETCH(double, pole);
        TZestawienieStolarki p;
        p.SetParter(true);
        p.AddOkno(QStringLiteral("O1"));
        TOkno* o = p.GetOkno(QStringLiteral("O1"));
        o->Szerokosc = w;
        o->Wysokosc = h;
        o->SetLiczba(POZIOM_PARTER, 0, sztuk);
        QCOMPARE(PowierzchniaOkien(p), pole);
    }

    // The project's method decides what its outputs take.
    void metodaProjektu() {
        TZestawienieStolarki p;
        p.AddOkno("O1");
        Ustaw(*p.GetOkno("O1"), 1001, 1230.5, 1480, 0.7, 1.2, 0.04, -1, 0, 100);
        QVERIFY(std::abs(*ObliczUw(*p.GetOkno("O1"), p).uw - 0.938134) < 5e-7);
        p.MetodaUw = 1;
        QVERIFY(std::abs(*ObliczUw(*p.GetOkno("O1"), p).uw - 0.939350) < 5e-7);
    }

    // Every type: glass and frame make the window, and the glass edge is
    // what the Lg rule gives for the same d.
    void geometriaKazdegoTypu() {
        for (const TTypOknaRec& t : TypyOkien()) {
            for (const auto& [w, h, d] :
                 {std::tuple{2400.0, 1500.0, 70.0}, std::tuple{1001.5, 2002.0, 1.5}}) {
                const TGeometriaOkna g = GeometriaOkna(t.Kod, w, h, d);
                QVERIFY(g.znana && g.szyby);
                QVERIFY(std::abs(g.ag + g.af - g.aw) < 1e-12);
                const std::optional<double> lg = DlugoscKrawedziSzyb(t.Kod, w, h, d);
                QVERIFY(lg);
                QVERIFY2(
                    std::abs(g.obwod - *lg) < 1e-9,
                    qPrintable(QStringLiteral("%1: %2 / %3").arg(t.Kod).arg(g.obwod).arg(*lg)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestUw)
#include "tst_uw.moc"
