#include "model/eksport/arkusze.h"
#include "model/liczby.h"
#include "model/obliczenia/orientacje.h"
#include "model/obliczenia/srednie.h"
#include "tests/common/zbieracz.h"

#include <QtTest>

namespace {

void Okno(TZestawienieStolarki& p, const QString& s, double w, double h, double ug) {
    p.AddOkno(s);
    TOkno& o = *p.GetOkno(s);
    o.Szerokosc = w;
    o.Wysokosc = h;
    o.Ug = ug;
    o.Uf = 1.3;
    o.Psi_g = 0.04;
    o.Lg = 4000;
}

// Two windows on the ground floor, the first floor and the attic.
void Projekt(TZestawienieStolarki& p) {
    p.SetParter(true);
    p.SetLiczbaPieter(1);
    p.SetPoddasze(true);
    Okno(p, "A", 1200, 1500, 1.1);
    Okno(p, "B", 900, 600, 0.6);
    TOkno& a = *p.GetOkno("A");
    TOkno& b = *p.GetOkno("B");
    a.SetLiczba("parter", 0, 2); // N
    a.SetLiczba("parter", 4, 1); // S
    a.SetLiczba("1", 0, 3);
    b.SetLiczba("parter", 0, 1);
    b.SetLiczba("poddasze", 7, 2); // NW
}

} // namespace

class TestOrientacje : public QObject {
    Q_OBJECT

private slots:
    void komorki() {
        TZestawienieStolarki p;
        Projekt(p);
        const TZestawienieStron z = ZestawienieWgStron(p);
        QCOMPARE(z.Kondygnacje.size(), 3);
        QCOMPARE(z.Kondygnacje[0].Kondygnacja, QStringLiteral("parter"));
        QCOMPARE(z.Kondygnacje[1].Kondygnacja, QStringLiteral("1"));
        QCOMPARE(z.Kondygnacje[2].Kondygnacja, QStringLiteral("poddasze"));
        // A: f = 0,5755 · 1,8^0,3892 = 0,723431, Uw = 0,723431 · 1,1 + 0,276569 · 1,3 +
        // 4 · 0,04 / 1,8 = 1,244203; B: f = 0,5755 · 0,54^0,3892 = 0,452786,
        // Uw = 0,452786 · 0,6 + 0,547214 · 1,3 + 4 · 0,04 / 0,54 = 1,279346.
        const double uA = 1.244203, uB = 1.279346;
        // Ground floor, north: 2 × A and 1 × B.
        const TKomorkaStron& pn = z.Kondygnacje[0].Strony[0];
        QCOMPARE(pn.Sztuk, 3);
        QCOMPARE(pn.Pole, 4.14);
        // (2 · 1,8 · 1,244203 + 0,54 · 1,279346) / 4,14
        QVERIFY(std::abs(*pn.Uw - 1.248787) < 1e-6);
        QCOMPARE(z.Kondygnacje[0].Strony[4].Sztuk, 1);
        QVERIFY(std::abs(*z.Kondygnacje[0].Strony[4].Uw - uA) < 1e-6);
        QVERIFY(!z.Kondygnacje[0].Strony[2].Uw); // east: no window, no mean
        QCOMPARE(z.Kondygnacje[0].Strony[2].Pole, 0.0);
        const TKomorkaStron& parter = z.Kondygnacje[0].Razem;
        QCOMPARE(parter.Sztuk, 4);
        QCOMPARE(parter.Pole, 5.94);
        // (3 · 1,8 · 1,244203 + 0,54 · 1,279346) / 5,94
        QVERIFY(std::abs(*parter.Uw - 1.247397) < 1e-6);
        QCOMPARE(z.Kondygnacje[2].Strony[7].Sztuk, 2);
        QVERIFY(std::abs(*z.Kondygnacje[2].Strony[7].Uw - uB) < 1e-6);
        // North over all storeys.
        QCOMPARE(z.Strony[0].Sztuk, 6);
        QCOMPARE(z.Strony[0].Pole, 9.54);
        QCOMPARE(z.Razem.Sztuk, 9);
        QCOMPARE(z.Razem.Pole, 12.42); // 6 · 1,8 + 3 · 0,54
        // (6 · 1,8 · 1,244203 + 3 · 0,54 · 1,279346) / 12,42, as Uśr
        QVERIFY(std::abs(*z.Razem.Uw - 1.248787) < 1e-6);
        QCOMPARE(z.Razem.Uw, USrednie(p).u);
    }

    // A window without thermal data counts in pieces and area, not in the
    // means: a cell holding only such windows has none.
    void bezDanych() {
        TZestawienieStolarki p;
        Projekt(p);
        TOkno& b = *p.GetOkno("B");
        b.Ug = 0;
        const double uA = 1.244203; // as above
        const TZestawienieStron z = ZestawienieWgStron(p);
        const TKomorkaStron& pn = z.Kondygnacje[0].Strony[0];
        QCOMPARE(pn.Sztuk, 3);
        QCOMPARE(pn.Pole, 4.14);
        QVERIFY(std::abs(*pn.Uw - uA) < 1e-6);
        QVERIFY(!z.Kondygnacje[2].Strony[7].Uw); // the attic holds only B
        QVERIFY(std::abs(*z.Razem.Uw - uA) < 1e-6);
    }

    void pustyProjekt() {
        TZestawienieStolarki p;
        const TZestawienieStron z = ZestawienieWgStron(p);
        QVERIFY(z.Kondygnacje.isEmpty());
        QCOMPARE(z.Razem.Sztuk, 0);
        QVERIFY(!z.Razem.Uw);
    }

    // The same bytes whatever the user's locale.
    void csv_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("polski") << PolskiLocale();
        QTest::newRow("angielski") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void csv() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        TZestawienieStolarki p;
        Projekt(p);
        const TZestawienieStron z = ZestawienieWgStron(p);
        // The means as above: 1,248787; 1,244203 (A alone); 1,247397; 1,279346
        // (B alone); north (5 · 1,8 · 1,244203 + 0,54 · 1,279346) / 9,54 =
        // 1,246192; the building (6 · 1,8 · 1,244203 + 3 · 0,54 · 1,279346) /
        // 12,42 = 1,248787.
        const QByteArray oczekiwany =
            "\xEF\xBB\xBFKondygnacja;Strona;Sztuk;Pole [m2];Uw [W/m2K]\r\n"
            "parter;N;3;4,14;1,25\r\n"
            "parter;S;1;1,80;1,24\r\n"
            "parter;razem;4;5,94;1,25\r\n"
            "1;N;3;5,40;1,24\r\n"
            "1;razem;3;5,40;1,24\r\n"
            "poddasze;NW;2;1,08;1,28\r\n"
            "poddasze;razem;2;1,08;1,28\r\n"
            "razem;N;6;9,54;1,25\r\n"
            "razem;S;1;1,80;1,24\r\n"
            "razem;NW;2;1,08;1,28\r\n"
            "razem;razem;9;12,42;1,25\r\n";
        QCOMPARE(ZestawienieWgStronCsv(z), oczekiwany);
        // A storey without windows has its total with an empty Uw.
        p.SetPodpiwniczenie(true);
        QVERIFY(ZestawienieWgStronCsv(ZestawienieWgStron(p))
                    .contains("\r\npodpiwniczenie;razem;0;0,00;\r\n"));
        QLocale::setDefault(PolskiLocale());
    }
};

QTEST_GUILESS_MAIN(TestOrientacje)
#include "tst_orientacje.moc"
