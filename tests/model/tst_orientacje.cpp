#include "liczby.h"
#include "orientacje.h"
#include "zbieracz.h"

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
        const double aA = 1.8, aB = 0.54;
        const double uA = p.GetOkno("A")->Uw(), uB = p.GetOkno("B")->Uw();
        // Ground floor, north: 2 × A and 1 × B.
        const TKomorkaStron& pn = z.Kondygnacje[0].Strony[0];
        QCOMPARE(pn.Sztuk, 3);
        QCOMPARE(pn.Pole, 4.14);
        QVERIFY(qFuzzyCompare(*pn.Uw, (2 * aA * uA + aB * uB) / (2 * aA + aB)));
        QCOMPARE(z.Kondygnacje[0].Strony[4].Sztuk, 1);
        QVERIFY(!z.Kondygnacje[0].Strony[2].Uw); // east: no window, no mean
        QCOMPARE(z.Kondygnacje[0].Strony[2].Pole, 0.0);
        const TKomorkaStron& parter = z.Kondygnacje[0].Razem;
        QCOMPARE(parter.Sztuk, 4);
        QCOMPARE(parter.Pole, 5.94);
        QVERIFY(qFuzzyCompare(*parter.Uw, (3 * aA * uA + aB * uB) / (3 * aA + aB)));
        QCOMPARE(z.Kondygnacje[2].Strony[7].Sztuk, 2);
        QCOMPARE(*z.Kondygnacje[2].Strony[7].Uw, uB);
        // North over all storeys.
        QCOMPARE(z.Strony[0].Sztuk, 6);
        QCOMPARE(z.Strony[0].Pole, 9.54);
        QCOMPARE(z.Razem.Sztuk, 9);
        QVERIFY(qFuzzyCompare(z.Razem.Pole, p.PowierzchniaOkien()));
        QVERIFY(qFuzzyCompare(*z.Razem.Uw, p.USrednie()));
    }

    // A window without thermal data counts in pieces and area, not in the
    // means: a cell holding only such windows has none.
    void bezDanych() {
        TZestawienieStolarki p;
        Projekt(p);
        TOkno& b = *p.GetOkno("B");
        b.Ug = 0;
        const double uA = p.GetOkno("A")->Uw();
        const TZestawienieStron z = ZestawienieWgStron(p);
        const TKomorkaStron& pn = z.Kondygnacje[0].Strony[0];
        QCOMPARE(pn.Sztuk, 3);
        QCOMPARE(pn.Pole, 4.14);
        QVERIFY(qFuzzyCompare(*pn.Uw, uA));
        QVERIFY(!z.Kondygnacje[2].Strony[7].Uw); // the attic holds only B
        QVERIFY(qFuzzyCompare(*z.Razem.Uw, p.USrednie()));
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
        auto uw = [](double x) {
            return TekstStaly(x, 12, 2, PolskiLocale()).toUtf8();
        };
        const QByteArray oczekiwany =
            "\xEF\xBB\xBFKondygnacja;Strona;Sztuk;Pole [m2];Uw [W/m2K]\r\n"
            "parter;N;3;4,14;" +
            uw(*z.Kondygnacje[0].Strony[0].Uw) +
            "\r\n"
            "parter;S;1;1,80;" +
            uw(*z.Kondygnacje[0].Strony[4].Uw) +
            "\r\n"
            "parter;razem;4;5,94;" +
            uw(*z.Kondygnacje[0].Razem.Uw) +
            "\r\n"
            "1;N;3;5,40;" +
            uw(*z.Kondygnacje[1].Razem.Uw) +
            "\r\n"
            "1;razem;3;5,40;" +
            uw(*z.Kondygnacje[1].Razem.Uw) +
            "\r\n"
            "poddasze;NW;2;1,08;" +
            uw(*z.Kondygnacje[2].Razem.Uw) +
            "\r\n"
            "poddasze;razem;2;1,08;" +
            uw(*z.Kondygnacje[2].Razem.Uw) +
            "\r\n"
            "razem;N;6;9,54;" +
            uw(*z.Strony[0].Uw) +
            "\r\n"
            "razem;S;1;1,80;" +
            uw(*z.Strony[4].Uw) +
            "\r\n"
            "razem;NW;2;1,08;" +
            uw(*z.Strony[7].Uw) +
            "\r\n"
            "razem;razem;9;12,42;" +
            uw(p.USrednie()) + "\r\n";
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
