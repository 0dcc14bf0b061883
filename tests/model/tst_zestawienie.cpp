#include "model/kolejnosc.h"
#include "model/zestawienie.h"

#include <QtTest>

namespace {
const QString parter = QStringLiteral("parter");
const QString poddasze = QStringLiteral("poddasze");
const QString piwnica = QStringLiteral("podpiwniczenie");
} // namespace

class TestZestawienie : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void domyslne() {
        TZestawienieStolarki p;
        QCOMPARE(p.DVPromocjaKlima, 30.0);
        QCOMPARE(p.DVPromocjaKobaltowe, 30.0);
        QCOMPARE(p.DVPromocjaDVline, 33.0);
        QCOMPARE(p.DVPromocjaForma, 50.0);
        QVERIFY(p.Data.isValid());
        QCOMPARE(p.AddOkno(QStringLiteral("O1")), 0);
        const TOkno& o = *p.GetOkno(QStringLiteral("O1"));
        QCOMPARE(o.TypOkna, 1001);
        QCOMPARE(o.MaterialRamyNazwa(), QStringLiteral("PCV"));
        QCOMPARE(o.LiczbaOkien.Wiersze(), 3);
        QCOMPARE(o.SumaOkien(), 0);
        QVERIFY(!o.JestDV());
    }

    void dodajIZmienNazwe_data() {
        QTest::addColumn<QString>("operacja");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("wynik");
        QTest::addColumn<QStringList>("symbole");
        // The project holds O1 and Ł2 before each row.
        QTest::newRow("dodaj o1") << "dodaj"
                                  << "o1"
                                  << "" << -2 << QStringList{"O1", "Ł2"};
        QTest::newRow("dodaj ł2") << "dodaj"
                                  << "ł2"
                                  << "" << -2 << QStringList{"O1", "Ł2"};
        QTest::newRow("dodaj O3") << "dodaj"
                                  << "O3"
                                  << "" << 0 << QStringList{"O1", "Ł2", "O3"};
        QTest::newRow("O1 na o1") << "zmień"
                                  << "O1"
                                  << "o1" << 0 << QStringList{"O1", "Ł2"};
        QTest::newRow("O1 na ł2") << "zmień"
                                  << "O1"
                                  << "ł2" << -2 << QStringList{"O1", "Ł2"};
        QTest::newRow("o1 na X") << "zmień"
                                 << "o1"
                                 << "X" << 0 << QStringList{"X", "Ł2"};
        QTest::newRow("brak okna") << "zmień"
                                   << "Q"
                                   << "X" << 0 << QStringList{"O1", "Ł2"};
    }
    void dodajIZmienNazwe() {
        QFETCH(QString, operacja);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, wynik);
        QFETCH(QStringList, symbole);
        TZestawienieStolarki p;
        p.AddOkno(QStringLiteral("O1"));
        p.AddOkno(QStringLiteral("Ł2"));
        const int w = operacja == QStringLiteral("dodaj") ? p.AddOkno(a) : p.RenameOkno(a, b);
        QCOMPARE(w, wynik);
        QStringList jest;
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
            jest << p.Okno(i)->Symbol();
        QCOMPARE(jest, symbole);
        for (const QString& s : symbole) {
            QCOMPARE(p.CountSymbol(s.toLower()), 1);
            QCOMPARE(p.GetOkno(s.toLower())->Symbol(), s);
        }
        if (operacja == QStringLiteral("zmień") && wynik == 0 && symbole.first() == b)
            QCOMPARE(p.CountSymbol(a), 0);
    }

    // Found by symbol (letter case aside) and by identity; a window deleted
    // and put back keeps its identity and its place.
    void znajdzIUsun() {
        TZestawienieStolarki p;
        p.AddOkno(QStringLiteral("A"));
        p.AddOkno(QStringLiteral("B"));
        p.AddOkno(QStringLiteral("C"));
        const TOkno* b = p.GetOkno(QStringLiteral("b"));
        QVERIFY(b && b->Id() != 0 && b->Id() != p.Okno(0)->Id());
        QCOMPARE(p.OknoId(b->Id()), b);
        QCOMPARE(p.IndeksOknaId(b->Id()), 1);
        const TOkno kopia = *b;
        QCOMPARE(p.DelOkno(QStringLiteral("b")), 0);
        QCOMPARE(p.OknoId(kopia.Id()), nullptr);
        QCOMPARE(p.CountSymbol(QStringLiteral("B")), 0);
        QCOMPARE(p.DelOkno(QStringLiteral("B")), -1);
        QCOMPARE(p.WstawOkno(1, kopia), 0);
        QCOMPARE(p.IndeksOknaId(kopia.Id()), 1);
        QCOMPARE(p.Okno(1)->Symbol(), QStringLiteral("B"));
        QCOMPARE(p.WstawOkno(0, kopia), WYNIK_DUPLIKAT);
        QCOMPARE(p.ZmienSymbolId(kopia.Id(), QStringLiteral("c")), WYNIK_DUPLIKAT);
        QCOMPARE(p.ZmienSymbolId(kopia.Id(), QStringLiteral("b")), WYNIK_OK);
        QCOMPARE(p.GetOkno(QStringLiteral("B"))->Symbol(), QStringLiteral("b"));
    }

    // A window with an empty symbol ends every walk.
    // Blanks and control characters at the ends of a symbol do not survive a
    // file, so the project never keeps them; a symbol of nothing else is none.
    void symbolePrzyciete() {
        TZestawienieStolarki p;
        QCOMPARE(p.AddOkno(QStringLiteral(" O1\t")), WYNIK_OK);
        QCOMPARE(p.Okno(0)->Symbol(), QStringLiteral("O1"));
        QCOMPARE(p.AddOkno(QStringLiteral("O1 ")), WYNIK_DUPLIKAT);
        QCOMPARE(p.AddOkno(QStringLiteral(" \r\n")), WYNIK_BLAD);
        QCOMPARE(p.AddOkno(QString()), WYNIK_BLAD);
        QCOMPARE(p.AddOkno(QStringLiteral("O2")), WYNIK_OK);
        QCOMPARE(p.RenameOkno(QStringLiteral("O2"), QStringLiteral("O1\n")), WYNIK_DUPLIKAT);
        QCOMPARE(p.RenameOkno(QStringLiteral("O2"), QStringLiteral("  ")), WYNIK_BLAD);
        QCOMPARE(p.RenameOkno(QStringLiteral("O2"), QStringLiteral(" O3 ")), WYNIK_OK);
        QCOMPARE(p.Okno(1)->Symbol(), QStringLiteral("O3"));
        QCOMPARE(p.LiczbaOkienWLiscie(), 2);
        QVERIFY(p.GetOkno(QStringLiteral("o3")));
    }

    void poziomy_data() {
        QTest::addColumn<QString>("poziom");
        QTest::addColumn<int>("wiersz");
        QTest::newRow("piwnica") << "PODPIWNICZENIE" << 0;
        QTest::newRow("parter") << "Parter" << 1;
        QTest::newRow("poddasze") << "poddasze" << 2;
        QTest::newRow("piętro 1") << "1" << 3;
        QTest::newRow("piętro 12") << "12" << 14;
        QTest::newRow("zero") << "0" << -1;
        QTest::newRow("ujemne") << "-1" << -1;
        QTest::newRow("tekst") << "x" << -1;
        QTest::newRow("puste") << "" << -1;
    }
    void poziomy() {
        QFETCH(QString, poziom);
        QFETCH(int, wiersz);
        QCOMPARE(LevelIndex(poziom), wiersz);
    }

    void liczbyNaPoziomach() {
        TZestawienieStolarki p;
        p.SetLiczbaPieter(1);
        p.AddOkno(QStringLiteral("O1"));
        TOkno& o = *p.GetOkno(QStringLiteral("O1"));
        o.SetLiczba(QStringLiteral("1"), 4, 6);
        o.SetLiczba(QStringLiteral("2"), 4, 6);
        o.SetLiczba(QStringLiteral("x"), 4, 6);
        o.SetLiczba(parter, 8, 6);
        o.SetLiczba(parter, -1, 6);
        o.SetLiczba(parter, 0, 2);
        o.SetLiczba(parter, 0, -1);
        QCOMPARE(o.GetLiczba(QStringLiteral("1"), 4), 6);
        QCOMPARE(o.GetLiczba(QStringLiteral("2"), 4), 0);
        QCOMPARE(o.GetLiczba(parter, 0), 2);
        QCOMPARE(o.GetLiczba(parter, 8), 0);
        QCOMPARE(o.SumaOkien(), 8);
    }

    void przelacznikiPoziomowZeruja() {
        TZestawienieStolarki p;
        p.AddOkno(QStringLiteral("O1"));
        TOkno& o = *p.GetOkno(QStringLiteral("O1"));
        p.SetPoddasze(true);
        o.SetLiczba(poddasze, 3, 4);
        o.SetLiczba(piwnica, 3, 4);
        p.SetPoddasze(false);
        QCOMPARE(o.GetLiczba(poddasze, 3), 0);
        o.SetLiczba(poddasze, 3, 4);
        p.SetPoddasze(true);
        QCOMPARE(o.GetLiczba(poddasze, 3), 0);
        p.SetPodpiwniczenie(false); // no change: counts stay
        QCOMPARE(o.GetLiczba(piwnica, 3), 4);
        QCOMPARE(p.Poziomy(), QStringList{poddasze});
    }

    void zmianaLiczbyPieter() {
        TZestawienieStolarki p;
        p.SetParter(true);
        p.SetLiczbaPieter(3);
        p.AddOkno(QStringLiteral("O1"));
        TOkno& o = *p.GetOkno(QStringLiteral("O1"));
        QCOMPARE(o.LiczbaOkien.Wiersze(), 6);
        for (int k = 1; k <= 3; ++k)
            o.SetLiczba(QString::number(k), 0, k);
        o.SetLiczba(parter, 1, 9);
        p.SetLiczbaPieter(1);
        QCOMPARE(o.LiczbaOkien.Wiersze(), 4);
        QCOMPARE(o.GetLiczba(QStringLiteral("1"), 0), 1);
        p.SetLiczbaPieter(3);
        QCOMPARE(o.GetLiczba(QStringLiteral("2"), 0), 0);
        QCOMPARE(o.GetLiczba(QStringLiteral("3"), 0), 0);
        QCOMPARE(o.GetLiczba(parter, 1), 9);
        QCOMPARE(p.Poziomy(), (QStringList{parter, "1", "2", "3"}));
        p.SetLiczbaPieter(2000000000);
        QCOMPARE(p.LiczbaPieter(), MAX_LICZBA_PIETER);
        QCOMPARE(o.LiczbaOkien.Wiersze(), MAX_LICZBA_PIETER + 3);
        p.SetLiczbaPieter(-5);
        QCOMPARE(p.LiczbaPieter(), 0);
    }

    void doWszystkich() {
        TZestawienieStolarki p;
        p.AddOkno(QStringLiteral("A"));
        p.AddOkno(QStringLiteral("B"));
        p.SetAllDRamy(70);
        p.SetAllZrodloUg(QStringLiteral("dv"));
        p.SetAllZrodloUf(QStringLiteral("nic"));
        p.SetAllTypOkna(QStringLiteral("2 skrzydłowe (pionowe)"));
        p.SetAllMaterialRamy(QStringLiteral("drewno"));
        p.SetAllRamaKodID(QStringLiteral("24"));
        p.SetAllSzkloKodID(QStringLiteral("abc"));
        p.SetAllPsi_g(0.04);
        p.SetAllDR(0.1);
        std::array<QString, MAX_SKRZYDEL> rodzaje;
        rodzaje.fill(QStringLiteral("uchylne"));
        rodzaje[1] = QStringLiteral("nieznany");
        p.SetAllRodzajSkrzydla(rodzaje);
        for (int i = 0; i < 2; ++i) {
            const TOkno& o = *p.Okno(i);
            QCOMPARE(o.dRamy, 70.0);
            QCOMPARE(o.Lg, -1.0);
            QCOMPARE(o.ZrodloUg, uint8_t(2));
            QCOMPARE(o.ZrodloUf, uint8_t(0));
            QCOMPARE(o.TypOkna, 2002);
            QCOMPARE(o.MaterialRamy, 1);
            QCOMPARE(o.RamaKodID, 24);
            QCOMPARE(o.SzkloKodID, 0);
            QCOMPARE(o.Psi_g, 0.04);
            QCOMPARE(o.dR, 0.1);
            QCOMPARE(o.RodzajSkrzydla[0], 4);
            QCOMPARE(o.RodzajSkrzydla[1], 0);
            QCOMPARE(o.RodzajSkrzydla[7], 4);
        }
    }

    void sortowanieBajtowe() {
        TZestawienieStolarki p;
        for (const QString& s : {QStringLiteral("a1"), QStringLiteral("O2"), QStringLiteral("Z1"),
                                 QStringLiteral("O10"), QStringLiteral("Ł1"), QStringLiteral("L1")})
            p.AddOkno(s);
        QStringList jest;
        for (const TOkno* o : KolejnoscRaportu(p))
            jest << o->Symbol();
        // Ł is 0xA3 in the file's code page: after every ASCII letter.
        QCOMPARE(jest, (QStringList{"L1", "O10", "O2", "Z1", "a1", "Ł1"}));
        // A view only: the list keeps its order.
        QCOMPARE(p.Okno(0)->Symbol(), QStringLiteral("a1"));
    }

    void kopiowanieParametrow() {
        TZestawienieStolarki p;
        p.SetLiczbaPieter(1);
        p.AddOkno(QStringLiteral("A"));
        p.AddOkno(QStringLiteral("B"));
        TOkno& a = *p.GetOkno(QStringLiteral("A"));
        a.Szerokosc = 900;
        a.TypOkna = 3003;
        a.RodzajSkrzydla[5] = 9;
        a.Uwagi = QStringLiteral("x,y");
        a.CenaOkna = -1;
        a.SetLiczba(QStringLiteral("1"), 7, 3);
        TOkno& b = *p.GetOkno(QStringLiteral("B"));
        p.CopyOknoParams(QStringLiteral("a"), QStringLiteral("b"));
        QCOMPARE(b.Symbol(), QStringLiteral("B"));
        QCOMPARE(b.Szerokosc, 900.0);
        QCOMPARE(b.TypOkna, 3003);
        QCOMPARE(b.RodzajSkrzydla[5], 9);
        QCOMPARE(b.Uwagi, QStringLiteral("x,y"));
        QCOMPARE(b.CenaOkna, -1.0);
        QCOMPARE(b.GetLiczba(QStringLiteral("1"), 7), 3);
        QCOMPARE(p.GetOkno(QStringLiteral("B")), &b);
        QVERIFY(b.Id() != a.Id());
        QCOMPARE(p.OknoId(b.Id()), &b);
        p.CopyOknoParams(QStringLiteral("a"), QStringLiteral("nie ma"));
    }
};

QTEST_GUILESS_MAIN(TestZestawienie)
#include "tst_zestawienie.moc"
