#include "model/dane/cennikidv.h"
#include "model/obliczenia/pieniadze.h"
#include "model/zestawienie.h"

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
        QCOMPARE(CenaZCennika(o).Cena, 168.0);
        QCOMPARE(CenaZCennika(o).Komunikat, QString());
        QCOMPARE(CenaDV(p, o).Cena, 517.44);
        o.SzkloKodID = 20;
        QCOMPARE(CenaDV(p, o).Cena, 618.24);
        TOkno& d = OknoDV(p, "O2", 2001, 1000, 1400);
        d.RodzajSkrzydla[0] = 0;
        d.RodzajSkrzydla[1] = 5;
        QCOMPARE(CenaZCennika(d).Cena, 198.0);
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
        QCOMPARE(CenaZCennika(o).Cena, cena);
        QCOMPARE(CenaZCennika(o).Komunikat, komunikat);
    }

    void tylkoOknaDV() {
        TZestawienieStolarki p;
        TOkno& o = OknoDV(p, "O1", 1001, 1000, 1000);
        o.ZrodloUf = ZrodloPolskaNorma;
        o.CenaOkna = 350;
        QCOMPARE(CenaZCennika(o).Cena, -1.0);
        QCOMPARE(CenaZCennika(o).Komunikat,
                 QStringLiteral("Okno nie ma wybranej szyby i/lub ramy produkcji D&V!"));
        QCOMPARE(CenaDV(p, o).Cena, -1.0);
        QCOMPARE(CenaNetto(p, o).Cena, 350.0);
    }

    void cenaDV_data() {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("rama");
        QTest::addColumn<int>("szklo");
        QTest::addColumn<double>("kurs");
        QTest::addColumn<double>("rabat");
        QTest::addColumn<double>("cena");
        // One sash of kind 0 at 1000 × 1000 mm: 77 euro in PVC, 138 in
        // aluminium 26 (the list's entries). Klima: 77 · 0,7 · 1,1 · 0,9 · 4 =
        // 213,444; kobaltowe: 77 · 0,75 · 4; DVline 77 · 0,67 · 4; forma 77 · 0,5 · 4;
        // aluminium 26 at half: 138 · 0,5 · 4 + 1 m² · 18 · 4 = 276 + 72. A
        // half grosz goes to the even one: 57,75 · 4,3 = 248,325; 57,75 · 4,1 =
        // 236,775.
        QTest::newRow("klima") << 3 << 20 << 21 << 4.0 << 10.0 << 213.44;
        QTest::newRow("kobaltowe") << 3 << 21 << 21 << 4.0 << 0.0 << 231.0;
        QTest::newRow("DVline") << 3 << 22 << 21 << 4.0 << 0.0 << 206.36;
        QTest::newRow("forma") << 3 << 23 << 21 << 4.0 << 0.0 << 154.0;
        QTest::newRow("PCV z kodem 24") << 3 << 24 << 21 << 4.0 << 0.0 << 308.0;
        QTest::newRow("aluminium 26 z dopłatą") << 0 << 26 << 20 << 4.0 << 50.0 << 348.0;
        QTest::newRow("aluminium bez tabeli z dopłatą") << 0 << 11 << 20 << 4.0 << 0.0 << 72.0;
        QTest::newRow("kurs 0") << 3 << 20 << 20 << 0.0 << 0.0 << 0.0;
        QTest::newRow("połowa grosza do parzystej w dół") << 3 << 21 << 21 << 4.3 << 0.0 << 248.32;
        QTest::newRow("połowa grosza do parzystej w górę") << 3 << 21 << 21 << 4.1 << 0.0 << 236.78;
        QTest::newRow("kurs ujemny") << 3 << 21 << 21 << -4.0 << 0.0 << -1.0;
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
        QCOMPARE(CenaDV(p, o).Cena, cena);
        QCOMPARE(CenaNetto(p, o).Cena, cena);
    }

    // A list-priced, a typed and an unpriced window, with pieces: windows
    // 2 · 517,44 + 1000 = 2034,88 net, · 1,23 = 2502,9024 → 2502,90;
    // installation (2 · 2 · 2,4 + 1 · 2 · 2,0 + 3 · 2 · 1,2) m · 50 zł = 1040,00,
    // gross 1279,20.
    void sumy() {
        TZestawienieStolarki p;
        p.SetParter(true);
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

        QCOMPARE(CenaNetto(p, bez).Cena, -1.0);
        const TSumyCen s = SumyCen(p);
        QCOMPARE(s.SumaCenOkien, 2034.88);
        QCOMPARE(s.SumaCenOkienBrutto, 2502.9);
        QCOMPARE(s.SumaCenMontazu, 1040.0);
        QCOMPARE(s.SumaCenMontazuBrutto, 1279.2);
    }
};

QTEST_GUILESS_MAIN(TestWycena)
#include "tst_wycena.moc"
