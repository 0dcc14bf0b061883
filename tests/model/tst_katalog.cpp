#include "model/katalog.h"
#include "model/okno.h"

#include <QtTest>

class TestKatalog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void typy_kodyIKolejnosc() {
        const auto& typy = TypyOkien();
        QCOMPARE(typy.size(), LICZBA_TYPOW_OKIEN);
        for (int i = 1; i < typy.size(); ++i)
            QVERIFY(typy[i - 1].Kod < typy[i].Kod);
        QCOMPARE(typy.first().Kod, 1001);
        QCOMPARE(typy.last().Kod, 8002);
        QCOMPARE(RodzajeSkrzydel().size(), LICZBA_RODZAJOW_SKRZYDEL);
        QCOMPARE(RodzajeSkrzydel().first().Nazwa, QStringLiteral("stałe w ramie"));
        QCOMPARE(RodzajeSkrzydel().last().Nazwa, QStringLiteral("płycina"));
        QCOMPARE(RodzajeSkrzydel()[RODZAJ_PLYCINA].Nazwa, QStringLiteral("płycina"));
        QCOMPARE(MaterialyRamy().size(), LICZBA_MATERIALOW_RAMY);
        QCOMPARE(ZrodlaNazwy(), QStringList({"Inny", "PolskaNorma", "DV"}));
    }

    void nazwaTypu_data() {
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("1001") << 1001 << "1 skrzydłowe";
        QTest::newRow("2002") << 2002 << "2 skrzydłowe (pionowe)";
        QTest::newRow("3003") << 3003 << "3 skrzydłowe (typ E)";
        QTest::newRow("3006") << 3006 << "3 skrzydłowe (typ W)";
        QTest::newRow("4001") << 4001 << "4 skrzydłowe (typ 001)";
        QTest::newRow("4013") << 4013 << "4 skrzydłowe (typ 013)";
        QTest::newRow("5054") << 5054 << "5 skrzydłowe (typ 054)";
        QTest::newRow("8002") << 8002 << "8 skrzydłowe (typ 002)";
        QTest::newRow("4014 poza tabelą") << 4014 << "";
        QTest::newRow("5055 poza tabelą") << 5055 << "";
        QTest::newRow("9001 poza tabelą") << 9001 << "";
    }
    void nazwaTypu() {
        QFETCH(int, kod);
        QFETCH(QString, nazwa);
        TOkno o(QStringLiteral("O1"));
        o.TypOkna = kod;
        QCOMPARE(o.TypOknaNazwa(), nazwa);
    }

    void kazdyKodTamIZPowrotem() {
        for (const TTypOknaRec& t : TypyOkien()) {
            TOkno o(QStringLiteral("O1"));
            o.SetTypOknaNazwa(t.Nazwa);
            QCOMPARE(o.TypOkna, t.Kod);
            QCOMPARE(o.TypOknaNazwa(), t.Nazwa);
        }
        for (const TRodzajSkrzydlaRec& r : RodzajeSkrzydel()) {
            TOkno o(QStringLiteral("O1"));
            o.SetRodzajSkrzydlaNazwa(7, r.Nazwa.toUpper());
            QCOMPARE(o.RodzajSkrzydla[7], r.Kod);
        }
    }

    void ustawTypPoNazwie_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<int>("oczekiwany");
        QTest::newRow("wielkie litery") << "3 SKRZYDŁOWE (TYP E)" << 3003;
        QTest::newRow("małe e") << "3 skrzydłowe (typ e)" << 3003;
        QTest::newRow("spacja na końcu") << "3 skrzydłowe (typ E) " << 2001;
        QTest::newRow("pusta") << "" << 2001;
        QTest::newRow("bez polskiej litery") << "3 skrzydlowe (typ E)" << 2001;
    }
    void ustawTypPoNazwie() {
        QFETCH(QString, nazwa);
        QFETCH(int, oczekiwany);
        TOkno o(QStringLiteral("O1"));
        o.TypOkna = 2001;
        o.SetTypOknaNazwa(nazwa);
        QCOMPARE(o.TypOkna, oczekiwany);
    }

    void materialIZrodlo() {
        TOkno o(QStringLiteral("O1"));
        QCOMPARE(o.MaterialRamyNazwa(), QStringLiteral("PCV"));
        o.SetMaterialRamyNazwa(QStringLiteral("DREWNO"));
        QCOMPARE(o.MaterialRamy, 1);
        o.SetMaterialRamyNazwa(QStringLiteral("stal"));
        QCOMPARE(o.MaterialRamy, 1);
        QCOMPARE(IndeksZrodla(QStringLiteral("polskanorma")), 1);
        QCOMPARE(IndeksZrodla(QStringLiteral("dv")), 2);
        QCOMPARE(IndeksZrodla(QStringLiteral("producent")), 0);
        o.RodzajSkrzydla[0] = LICZBA_RODZAJOW_SKRZYDEL;
        QCOMPARE(o.RodzajSkrzydlaNazwa(0), QString());
    }

    // Every type has code div 1000 cells, and they tile the opening exactly.
    void komorkiPokrywajaOtwor() {
        for (const TTypOknaRec& t : TypyOkien()) {
            const QVector<TKomorka> k = KomorkiSkrzydel(t.Kod);
            QCOMPARE(k.size(), t.Kod / 1000);
            QCOMPARE(LiczbaSkrzydel(t.Kod), k.size());
            // 60 is a multiple of every number of divisions used (1 to 5).
            const int siatka = 60;
            QVector<int> pokrycie(siatka * siatka, 0);
            for (const TKomorka& c : k) {
                QVERIFY(siatka % c.kolumny.n == 0 && siatka % c.wiersze.n == 0);
                const int kx = siatka / c.kolumny.n, ky = siatka / c.wiersze.n;
                for (int x = (c.kolumny.od - 1) * kx; x < c.kolumny.do_ * kx; ++x)
                    for (int y = (c.wiersze.od - 1) * ky; y < c.wiersze.do_ * ky; ++y)
                        ++pokrycie[y * siatka + x];
            }
            for (int v : pokrycie)
                QVERIFY2(v == 1, qPrintable(QString::number(t.Kod)));
        }
        QVERIFY(KomorkiSkrzydel(9001).isEmpty());
        QVERIFY(KomorkiSkrzydel(4014).isEmpty());
    }

    void komorkiPrzyklady() {
        const QVector<TKomorka> e = KomorkiSkrzydel(3003);
        QCOMPARE(e[0].kolumny, (TPrzedzial{1, 1, 2}));
        QCOMPARE(e[0].wiersze, (TPrzedzial{1, 1, 1}));
        QCOMPARE(e[2].kolumny, (TPrzedzial{2, 2, 2}));
        QCOMPARE(e[2].wiersze, (TPrzedzial{2, 2, 2}));
        const QVector<TKomorka> f = KomorkiSkrzydel(5025);
        QCOMPARE(f[1].kolumny, (TPrzedzial{2, 3, 4}));
        QCOMPARE(f[1].kolumny.ulamek(), 0.5);
    }
};

QTEST_GUILESS_MAIN(TestKatalog)
#include "tst_katalog.moc"
