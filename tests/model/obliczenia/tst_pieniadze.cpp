// Money against values worked by hand: gross by the VAT act (a half grosz
// up), lines and totals of a project.

#include "model/obliczenia/pieniadze.h"
#include "model/zestawienie.h"

#include <QtTest>

class TestPieniadze : public QObject {
    Q_OBJECT

private slots:
    // 3,50 · 1,23 = 4,305 → 4,31; 1234,50 · 1,23 = 1518,435 → 1518,44;
    // 6172,50 · 1,23 = 7592,175 → 7592,18; 0,02 · 1,23 = 0,0246 → 0,02;
    // 0,04 · 1,125 = 0,045 → 0,05 and 0,03 · 1,125 = 0,03375 → 0,03 (a rate
    // with decimals); a net with a fraction of a grosz is its grosze first
    // (10,005 → 10,00 by the half to even, · 1,23 = 12,30).
    void brutto_data() {
        QTest::addColumn<double>("netto");
        QTest::addColumn<double>("vat");
        QTest::addColumn<double>("brutto");
        QTest::newRow("3,50 zł") << 3.5 << 23.0 << 4.31;
        QTest::newRow("1234,50 zł") << 1234.5 << 23.0 << 1518.44;
        QTest::newRow("6172,50 zł") << 6172.5 << 23.0 << 7592.18;
        QTest::newRow("2 gr") << 0.02 << 23.0 << 0.02;
        QTest::newRow("połowa grosza przy 12,5 %") << 0.04 << 12.5 << 0.05;
        QTest::newRow("poniżej połowy przy 12,5 %") << 0.03 << 12.5 << 0.03;
        QTest::newRow("1000 zł") << 1000.0 << 23.0 << 1230.0;
        QTest::newRow("bez VAT") << 517.44 << 0.0 << 517.44;
        QTest::newRow("8 %") << 2034.88 << 8.0 << 2197.67; // 2197,6704
        QTest::newRow("ułamek grosza netto") << 10.005 << 23.0 << 12.3;
        QTest::newRow("zero") << 0.0 << 23.0 << 0.0;
    }
    void brutto() {
        QFETCH(double, netto);
        QFETCH(double, vat);
        QFETCH(double, brutto);
        const std::optional<double> wynik = Brutto(netto, vat);
        QVERIFY(wynik);
        QCOMPARE(*wynik, brutto);
    }

    // The net of a line: 5 · 1234,50 = 6172,50; 3 · 0,335 = 1,005 → 1,00;
    // 7 · 0,335 = 2,345 → 2,34.
    void wartoscNetto_data() {
        QTest::addColumn<double>("cena");
        QTest::addColumn<int>("sztuk");
        QTest::addColumn<double>("wartosc");
        QTest::newRow("5 sztuk") << 1234.5 << 5 << 6172.5;
        QTest::newRow("połowa grosza w dół") << 0.335 << 3 << 1.0;
        QTest::newRow("połowa grosza") << 0.335 << 7 << 2.34;
        QTest::newRow("bez sztuk") << 99.99 << 0 << 0.0;
        QTest::newRow("dużo sztuk") << 1234.56 << 2000000000 << 2469120000000.0;
    }
    void wartoscNetto() {
        QFETCH(double, cena);
        QFETCH(int, sztuk);
        QFETCH(double, wartosc);
        QCOMPARE(*WartoscNetto(cena, sztuk), wartosc);
    }

    // A typed, a typed-with-pieces and an unpriced window:
    // windows 5 · 1234,50 + 2 · 3,50 = 6179,50 net, · 1,23 = 7600,785 → 7600,79;
    // installation 5 · 2 · (1200 + 1500) + 2 · 2 · (500,5 + 400) + 1 · 2 · (1000 +
    // 1000) = 27 000 + 3602 + 4000 = 34 602 mm = 34,602 m · 12,50 zł = 432,525 → 432,52
    // (a half to even), gross 432,52 · 1,23 = 531,9996 → 532,00;
    // area 5 · 1,8 + 2 · 0,2002 + 1 = 10,4004 → 10,40;
    // per m²: (432,52 + 6179,50) / 10,40 = 635,7711… → 635,77;
    // (532,00 + 7600,79) / 10,40 = 781,9990… → 782,00.
    void sumy() {
        TZestawienieStolarki p;
        p.SetParter(true);
        p.StawkaVat = 23;
        p.CenaMontazuOkna = 12.5;
        auto okno = [&p](const QString& s, double w, double h, double cena, int sztuk) {
            p.AddOkno(s);
            TOkno& o = *p.GetOkno(s);
            o.Szerokosc = w;
            o.Wysokosc = h;
            o.CenaOkna = cena;
            o.SetLiczba(POZIOM_PARTER, 0, sztuk);
        };
        okno("A", 1200, 1500, 1234.5, 5);
        okno("B", 500.5, 400, 3.5, 2);
        okno("C", 1000, 1000, -1, 1);
        const TSumyCen s = SumyCen(p);
        QCOMPARE(s.SumaCenOkien, 6179.5);
        QCOMPARE(s.SumaCenOkienBrutto, 7600.79);
        QCOMPARE(s.SumaCenMontazu, 432.52);
        QCOMPARE(s.SumaCenMontazuBrutto, 532.0);
        QCOMPARE(s.CenaZaM2Netto, 635.77);
        QCOMPARE(s.CenaZaM2Brutto, 782.0);
        const TCenaOkna a = CenaOkna(p, *p.GetOkno("A"));
        QCOMPARE(*a.brutto, 1518.44);
        QCOMPARE(*a.wartoscNetto, 6172.5);
        QCOMPARE(*a.wartoscBrutto, 7592.18);
        QVERIFY(!CenaOkna(p, *p.GetOkno("C")).Jest());
    }

    // A price no window has is no price, with why.
    void cenaSpozaZakresu() {
        TZestawienieStolarki p;
        p.AddOkno("O1");
        TOkno& o = *p.GetOkno("O1");
        o.CenaOkna = -5;
        const TWycena w = CenaNetto(p, o);
        QCOMPARE(w.Cena, -1.0);
        QCOMPARE(w.Komunikat, QString::fromUtf8("cena = -5 (dopuszczalne od 0 do 1000000000 zł)"));
        QCOMPARE(SumyCen(p).SumaCenOkien, 0.0);
    }

    void bezSztuk() {
        TZestawienieStolarki p;
        p.CenaMontazuOkna = 40;
        p.AddOkno("O2");
        p.GetOkno("O2")->CenaOkna = 500;
        const TSumyCen s = SumyCen(p);
        QCOMPARE(s.SumaCenOkien, 0.0);
        QCOMPARE(s.SumaCenOkienBrutto, 0.0);
        QCOMPARE(s.SumaCenMontazu, 0.0);
        QCOMPARE(s.CenaZaM2Netto, 0.0);
        QCOMPARE(s.CenaZaM2Brutto, 0.0);
    }
};

QTEST_GUILESS_MAIN(TestPieniadze)
#include "tst_pieniadze.moc"
