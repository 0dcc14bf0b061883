#include "cennikidv.h"
#include "zestawienie.h"

#include <QtTest>

namespace {

using T = TCennikiDV;
const QString brakCeny = QStringLiteral("Brak wyspecyfikowanej ceny w cenniku dla:");

// A list-priced window of the manufacturer: PVC klima with double glazing.
TOkno& OknoDV(TZestawienieStolarki& p, const QString& s, int typ, double w, double h) {
    p.AddOkno(s);
    TOkno& o = *p.GetOkno(s);
    o.TypOkna = typ;
    o.Szerokosc = w;
    o.Wysokosc = h;
    o.ZrodloUg = ZrodloDV;
    o.ZrodloUf = ZrodloDV;
    o.SzkloKodID = 21;
    o.RamaKodID = 20;
    o.MaterialRamy = MATERIAL_PCV;
    return o;
}

} // namespace

class TestWycena : public QObject {
    Q_OBJECT

    const T& c = T::Wbudowane();

private slots:
    void przykladyCennika() {
        TZestawienieStolarki p;
        p.KursEuro = 4;
        TOkno& o = OknoDV(p, "O1", 1001, 1000, 1400);
        o.RodzajSkrzydla[0] = 5;
        QCOMPARE(o.CenaZCennika().Cena, 168.0);
        QCOMPARE(o.CenaZCennika().Komunikat, QString());
        QCOMPARE(p.CenaDV(o).Cena, 517.44);
        o.SzkloKodID = 20;
        QCOMPARE(p.CenaDV(o).Cena, 618.24);
        TOkno& d = OknoDV(p, "O2", 2001, 1000, 1400);
        d.RodzajSkrzydla[0] = 0;
        d.RodzajSkrzydla[1] = 5;
        QCOMPARE(d.CenaZCennika().Cena, 198.0);
    }

    void komunikaty_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("rama");
        QTest::addColumn<int>("rodzaj"); // of every sash
        QTest::addColumn<double>("cena");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("300 mm szerokości") << 1001 << 300.0 << 1400.0 << 3 << 20 << 5 << -1.0
                                           << "Wymiary skrzydła I-go poza cennikiem!";
        QTest::newRow("301 mm szerokości")
            << 1001 << 301.0 << 1400.0 << 3 << 20 << 0 << double(c.Cena(T::PCV, 0, 14, 4)) << "";
        QTest::newRow("2500 mm wysokości")
            << 1001 << 1600.0 << 2500.0 << 3 << 20 << 5 << 256.0 << "";
        QTest::newRow("2501 mm wysokości") << 1001 << 1600.0 << 2501.0 << 3 << 20 << 5 << -1.0
                                           << "Wymiary skrzydła I-go poza cennikiem!";
        QTest::newRow("3001 po 333,33 mm")
            << 3001 << 1000.0 << 1000.0 << 3 << 20 << 0 << 3.0 * c.Cena(T::PCV, 0, 10, 4) << "";
        QTest::newRow("3001 po 500 mm")
            << 3001 << 1500.0 << 1000.0 << 3 << 20 << 0 << 3.0 * c.Cena(T::PCV, 0, 10, 5) << "";
        QTest::newRow("drugie skrzydło poza cennikiem")
            << 3003 << 1000.0 << 600.0 << 3 << 20 << 0 << -1.0
            << "Wymiary skrzydła II-go poza cennikiem!";
        QTest::newRow("aluminium 25") << 2001 << 1200.0 << 1400.0 << 0 << 25 << 0 << -1.0
                                      << brakCeny + "\r\nI-go skrzydła\r\nII-go skrzydła";
        QTest::newRow("aluminium bez tabeli")
            << 2001 << 1200.0 << 1400.0 << 0 << 10 << 7 << 0.0 << "";
        QTest::newRow("aluminium 28") << 1001 << 1000.0 << 1000.0 << 0 << 28 << 0
                                      << double(c.Cena(T::Aluminium28, 0, 10, 10)) << "";
        QTest::newRow("drewno") << 1001 << 1000.0 << 1000.0 << 1 << 24 << 1
                                << double(c.Cena(T::Drewno, 1, 10, 10)) << "";
        QTest::newRow("metal") << 1001 << 1000.0 << 1000.0 << 2 << 20 << 0 << -1.0
                               << "Brak ceny dla wybranego materiału ramy D&V!";
        QTest::newRow("metal i wymiary poza cennikiem")
            << 1001 << 100.0 << 1000.0 << 2 << 20 << 0 << -1.0
            << "Brak ceny dla wybranego materiału ramy D&V!";
        QTest::newRow("obrotowe pionowe")
            << 1001 << 1000.0 << 1000.0 << 3 << 20 << 7 << -1.0 << brakCeny + "\r\nI-go skrzydła";
        QTest::newRow("odchylne") << 1001 << 1000.0 << 1000.0 << 1 << 24 << 9 << -1.0
                                  << brakCeny + "\r\nI-go skrzydła";
        QTest::newRow("rodzaj spoza katalogu")
            << 1001 << 1000.0 << 1000.0 << 3 << 20 << 99 << -1.0 << brakCeny + "\r\nI-go skrzydła";
        QTest::newRow("typ spoza katalogu") << 9001 << 1000.0 << 1000.0 << 3 << 20 << 0 << -1.0
                                            << "Brak algorytmu wyceny dla wybranego typu okna!";
    }
    void komunikaty() {
        QFETCH(int, typ);
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(int, material);
        QFETCH(int, rama);
        QFETCH(int, rodzaj);
        QFETCH(double, cena);
        QFETCH(QString, komunikat);
        TZestawienieStolarki p;
        TOkno& o = OknoDV(p, "O1", typ, w, h);
        o.MaterialRamy = material;
        o.RamaKodID = rama;
        o.RodzajSkrzydla.fill(rodzaj);
        QCOMPARE(o.CenaZCennika().Cena, cena);
        QCOMPARE(o.CenaZCennika().Komunikat, komunikat);
    }

    void tylkoOknaDV() {
        TZestawienieStolarki p;
        TOkno& o = OknoDV(p, "O1", 1001, 1000, 1000);
        o.ZrodloUf = ZrodloPolskaNorma;
        o.CenaOkna = 350;
        QCOMPARE(o.CenaZCennika().Cena, -1.0);
        QCOMPARE(o.CenaZCennika().Komunikat,
                 QStringLiteral("Okno nie ma wybranej szyby i/lub ramy produkcji D&V!"));
        QCOMPARE(p.CenaDV(o).Cena, -1.0);
        QCOMPARE(p.CenaNetto(o).Cena, 350.0);
    }

    void cenaDV_data() {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("rama");
        QTest::addColumn<int>("szklo");
        QTest::addColumn<double>("kurs");
        QTest::addColumn<double>("rabat");
        QTest::addColumn<double>("cena");
        // One sash of kind 0 at 1000 × 1000 mm: a euro.
        const double pcv = c.Cena(T::PCV, 0, 10, 10);
        const double alu = c.Cena(T::Aluminium26, 0, 10, 10);
        QTest::newRow("klima") << 3 << 20 << 21 << 4.0 << 10.0 << 0.7 * pcv * 1.1 * 0.9 * 4;
        QTest::newRow("kobaltowe") << 3 << 21 << 21 << 4.0 << 0.0 << 0.75 * pcv * 4;
        QTest::newRow("DVline") << 3 << 22 << 21 << 4.0 << 0.0 << 0.67 * pcv * 4;
        QTest::newRow("forma") << 3 << 23 << 21 << 4.0 << 0.0 << 0.5 * pcv * 4;
        QTest::newRow("PCV z kodem 24") << 3 << 24 << 21 << 4.0 << 0.0 << pcv * 4;
        QTest::newRow("aluminium 26 z dopłatą")
            << 0 << 26 << 20 << 4.0 << 50.0 << alu * 0.5 * 4 + 18 * 4;
        QTest::newRow("aluminium bez tabeli z dopłatą") << 0 << 11 << 20 << 4.0 << 0.0 << 72.0;
        QTest::newRow("kurs 0") << 3 << 20 << 20 << 0.0 << 0.0 << 0.0;
    }
    void cenaDV() {
        QFETCH(int, material);
        QFETCH(int, rama);
        QFETCH(int, szklo);
        QFETCH(double, kurs);
        QFETCH(double, rabat);
        QFETCH(double, cena);
        TZestawienieStolarki p;
        p.DVPromocjaKlima = 30;
        p.DVPromocjaKobaltowe = 25;
        p.DVPromocjaDVline = 33;
        p.DVPromocjaForma = 50;
        p.KursEuro = kurs;
        p.RabatDodatkowy = rabat;
        TOkno& o = OknoDV(p, "O1", 1001, 1000, 1000);
        o.MaterialRamy = material;
        o.RamaKodID = rama;
        o.SzkloKodID = szklo;
        QCOMPARE(p.CenaDV(o).Cena, std::nearbyint(cena / 0.01) * 0.01);
        QCOMPARE(p.CenaNetto(o).Cena, p.CenaDV(o).Cena);
    }

    // A list-priced, a typed and an unpriced window, with pieces.
    void sumy() {
        TZestawienieStolarki p;
        p.KursEuro = 4;
        p.StawkaVat = 23;
        p.CenaMontazuOkna = 50;
        TOkno& dv = OknoDV(p, "DV", 1001, 1000, 1400);
        dv.RodzajSkrzydla[0] = 5; // 517.44 zł
        dv.SetLiczba("parter", 0, 2);
        p.AddOkno("Wpisane");
        TOkno& wpisane = *p.GetOkno("Wpisane");
        wpisane.Szerokosc = 1000;
        wpisane.Wysokosc = 1000;
        wpisane.CenaOkna = 1000;
        wpisane.SetLiczba("parter", 4, 1);
        TOkno& bez = OknoDV(p, "Bez", 1001, 200, 1000); // out of the list
        bez.SetLiczba("parter", 6, 3);
        p.AddOkno("Puste"); // no pieces
        p.GetOkno("Puste")->CenaOkna = 99;

        QCOMPARE(p.CenaNetto(bez).Cena, -1.0);
        QCOMPARE(p.SumaCenOkien(), 2 * 517.44 + 1000);
        QCOMPARE(p.SumaCenOkienBrutto(), 2502.9); // 2034.88 × 1.23 = 2502.9024
        QCOMPARE(p.SumaCenMontazu(), (2 * 4.8 + 4.0 + 3 * 2.4) * 50);
        QCOMPARE(p.SumaCenMontazuBrutto(), 1279.2);
        QCOMPARE(p.PowierzchniaOkien(), 2 * 1.4 + 1 + 3 * 0.2);
        QCOMPARE(p.CenaZaM2Netto(), std::nearbyint((1040 + 2034.88) / 4.4 / 0.01) * 0.01);
        QCOMPARE(p.CenaZaM2Brutto(), std::nearbyint((1279.2 + 2502.9) / 4.4 / 0.01) * 0.01);
    }

    void vat() {
        TZestawienieStolarki p;
        p.StawkaVat = 23;
        p.AddOkno("O1");
        TOkno& o = *p.GetOkno("O1");
        o.CenaOkna = 1000;
        o.SetLiczba("parter", 0, 1);
        QCOMPARE(p.SumaCenOkien(), 1000.0);
        QCOMPARE(p.SumaCenOkienBrutto(), 1230.0);
    }

    void bezSztuk() {
        TZestawienieStolarki p;
        p.KursEuro = 4;
        p.CenaMontazuOkna = 40;
        OknoDV(p, "O1", 1001, 1000, 1400).RodzajSkrzydla[0] = 5;
        p.AddOkno("O2");
        p.GetOkno("O2")->CenaOkna = 500;
        QCOMPARE(p.SumaCenOkien(), 0.0);
        QCOMPARE(p.SumaCenOkienBrutto(), 0.0);
        QCOMPARE(p.SumaCenMontazu(), 0.0);
        QCOMPARE(p.CenaZaM2Netto(), 0.0);
        QCOMPARE(p.CenaZaM2Brutto(), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestWycena)
#include "tst_wycena.moc"
