#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/okno.h"
#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"
#include "tests/common/zbieracz.h"

#include <QtTest>

namespace {

int Oslona(const char* nazwa) {
    bool ok = false;
    const int32_t kod = KodOslony(QString::fromUtf8(nazwa), &ok);
    return ok ? kod : -1;
}

} // namespace

class TestWT2021Lato : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // One window on the ground floor: its kind, size, the directions of its
    // pieces, g, the device and a typed fC; the verdict and its line.
    void ocena_data() {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<int>("szerokosc");
        QTest::addColumn<int>("wysokosc");
        QTest::addColumn<QList<int>>("kierunki"); // 0 N … 7 NW
        QTest::addColumn<double>("g");
        QTest::addColumn<QString>("oslona");
        QTest::addColumn<double>("fc");
        QTest::addColumn<QString>("tekst");
        const QString brak = QStringLiteral("brak osłony");
        const QString zaluzje = QStringLiteral("zewnętrzne białe żaluzje, przepuszczalność 0,1");
        const QString zaslony = QStringLiteral("wewnętrzne białe zasłony, przepuszczalność 0,5");
        const QString nie = QStringLiteral("WT 2021 lato: g·fC = 0,50 > 0,35 – nie spełnia");
        const QString zwolnione = QStringLiteral("WT 2021 lato: nie dotyczy");
        // Every direction: the north's three exempt, the rest judged.
        const char* const nazwy[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
        for (int k = 0; k < 8; ++k)
            QTest::newRow(nazwy[k]) << "okno" << 1200 << 1500 << QList<int>{k} << 0.5 << brak
                                    << -1.0 << (k == 0 || k == 1 || k == 7 ? zwolnione : nie);
        QTest::newRow("N i S: S przesądza")
            << "okno" << 1200 << 1500 << QList<int>{0, 4} << 0.5 << brak << -1.0 << nie;
        QTest::newRow("NE i NW") << "okno" << 1200 << 1500 << QList<int>{1, 7} << 0.5 << brak
                                 << -1.0 << zwolnione;
        QTest::newRow("bez sztuk: oceniane")
            << "okno" << 1200 << 1500 << QList<int>{} << 0.5 << brak << -1.0 << nie;
        QTest::newRow("dachowe na N")
            << "okno dachowe" << 780 << 1180 << QList<int>{0} << 0.5 << brak << -1.0 << nie;
        QTest::newRow("balkonowe na W")
            << "drzwi balkonowe" << 900 << 2200 << QList<int>{6} << 0.5 << brak << -1.0 << nie;
        QTest::newRow("w ścianie wewnętrznej") << "okno w ścianie wewnętrznej" << 1200 << 1500
                                               << QList<int>{4} << 0.5 << brak << -1.0 << zwolnione;
        QTest::newRow("drzwi zewnętrzne") << "drzwi zewnętrzne" << 1000 << 2100 << QList<int>{4}
                                          << 0.5 << brak << -1.0 << zwolnione;
        // The area: 0,5 m² is judged, a square millimetre less is not.
        QTest::newRow("0,5 m²") << "okno" << 500 << 1000 << QList<int>{4} << 0.5 << brak << -1.0
                                << nie;
        QTest::newRow("pod 0,5 m²")
            << "okno" << 499 << 1000 << QList<int>{4} << 0.5 << brak << -1.0 << zwolnione;
        // The product as shown, to hundredths, against 0,35.
        QTest::newRow("0,35 dokładnie") << "okno" << 1200 << 1500 << QList<int>{4} << 0.5 << brak
                                        << 0.7 << "WT 2021 lato: g·fC = 0,35 ≤ 0,35 – spełnia";
        QTest::newRow("0,354 widać 0,35") << "okno" << 1200 << 1500 << QList<int>{4} << 0.59 << brak
                                          << 0.6 << "WT 2021 lato: g·fC = 0,35 ≤ 0,35 – spełnia";
        QTest::newRow("0,356 widać 0,36")
            << "okno" << 1200 << 1500 << QList<int>{4} << 0.89 << brak << 0.4
            << "WT 2021 lato: g·fC = 0,36 > 0,35 – nie spełnia";
        // The decimal product: 0,71 · 0,5 = 0,355 shows 0,36 and fails (a
        // double holds it a hair below the half); 0,345 and 0,355 typed.
        QTest::newRow("0,71 · 0,5") << "okno" << 1200 << 1500 << QList<int>{4} << 0.71 << brak
                                    << 0.5 << "WT 2021 lato: g·fC = 0,36 > 0,35 – nie spełnia";
        QTest::newRow("g 0,355") << "okno" << 1200 << 1500 << QList<int>{4} << 0.355 << brak << 1.0
                                 << "WT 2021 lato: g·fC = 0,36 > 0,35 – nie spełnia";
        QTest::newRow("g 0,345") << "okno" << 1200 << 1500 << QList<int>{4} << 0.345 << brak << 1.0
                                 << "WT 2021 lato: g·fC = 0,35 ≤ 0,35 – spełnia";
        QTest::newRow("g 0,3549999") << "okno" << 1200 << 1500 << QList<int>{4} << 0.3549999 << brak
                                     << 1.0 << "WT 2021 lato: g·fC = 0,35 ≤ 0,35 – spełnia";
        // g or fC no window has: named, no verdict.
        QTest::newRow("g 1,5") << "okno" << 1200 << 1500 << QList<int>{4} << 1.5 << brak << -1.0
                               << "WT 2021 lato: brak danych (g = 1,5 (dopuszczalne od 0 do 1))";
        QTest::newRow("fC -0,2")
            << "okno" << 1200 << 1500 << QList<int>{4} << 0.5 << brak << -0.2
            << "WT 2021 lato: brak danych (fC = -0,2 (dopuszczalne od 0 do 1))";
        // The device's fC from the table, a typed one above it.
        QTest::newRow("żaluzje zewnętrzne")
            << "okno" << 1200 << 1500 << QList<int>{4} << 0.6 << zaluzje << -1.0
            << "WT 2021 lato: g·fC = 0,09 ≤ 0,35 – spełnia";
        QTest::newRow("zasłony wewnętrzne")
            << "okno" << 1200 << 1500 << QList<int>{4} << 0.5 << zaslony << -1.0
            << "WT 2021 lato: g·fC = 0,33 ≤ 0,35 – spełnia";
        QTest::newRow("fC wpisane ponad osłonę")
            << "okno" << 1200 << 1500 << QList<int>{4} << 0.5 << zaluzje << 1.0 << nie;
        // Without g: no verdict where the rule applies, none needed where not.
        QTest::newRow("bez g") << "okno" << 1200 << 1500 << QList<int>{4} << -1.0 << brak << -1.0
                               << "WT 2021 lato: brak danych (g)";
        QTest::newRow("bez wymiarów") << "okno" << 0 << 1500 << QList<int>{4} << 0.2 << brak << -1.0
                                      << "WT 2021 lato: brak danych (wymiary)";
        QTest::newRow("bez g na N")
            << "okno" << 1200 << 1500 << QList<int>{0} << -1.0 << brak << -1.0 << zwolnione;
    }
    void ocena() {
        QFETCH(QString, rodzaj);
        QFETCH(int, szerokosc);
        QFETCH(int, wysokosc);
        QFETCH(QList<int>, kierunki);
        QFETCH(double, g);
        QFETCH(QString, oslona);
        QFETCH(double, fc);
        QFETCH(QString, tekst);
        TZestawienieStolarki p;
        p.SetParter(true);
        p.AddOkno(QStringLiteral("O1"));
        TOkno& o = *p.GetOkno(QStringLiteral("O1"));
        bool ok = false;
        o.Rodzaj = KodRodzaju(rodzaj, &ok);
        QVERIFY(ok);
        o.Szerokosc = szerokosc;
        o.Wysokosc = wysokosc;
        for (int k : kierunki)
            o.SetLiczba(p.Poziomy().first(), k, 2);
        o.g = g;
        o.Oslona = KodOslony(oslona, &ok);
        QVERIFY(ok);
        o.fC = fc;
        QCOMPARE(TekstOcenyLato(OcenLato2021(o, p)), tekst);
    }

    // The table's devices by name, ignoring case; an unknown name is none.
    void oslony() {
        QCOMPARE(LiczbaOslon(), 21);
        QCOMPARE(FcOslony(0), 1.0);
        QCOMPARE(FcOslony(Oslona("WEWNĘTRZNE białe żaluzje, przepuszczalność 0,05")), 0.25);
        QCOMPARE(FcOslony(Oslona("zewnętrzne tkaniny pokryte aluminium, przepuszczalność 0,05")),
                 0.08);
        QCOMPARE(Oslona("markiza"), -1);
        QCOMPARE(FcOslony(-3), 1.0);
        QCOMPARE(FcOslony(LiczbaOslon()), 1.0);
    }

    // The project's line: failures named, windows without g counted, nothing
    // judged never called compliance.
    void projekt_data() {
        QTest::addColumn<QList<double>>("gi"); // one window each, facing S
        QTest::addColumn<QString>("tekst");
        QTest::newRow("brak okien") << QList<double>{} << "WT 2021 latem: brak okien";
        QTest::newRow("wszystkie bez g")
            << QList<double>{-1, -1} << "WT 2021 latem (g·fC ≤ 0,35): bez danych: 2 z 2";
        QTest::newRow("część bez g")
            << QList<double>{0.3, -1, 0.35}
            << "WT 2021 latem (g·fC ≤ 0,35): bez danych: 1 z 3, pozostałe spełniają";
        QTest::newRow("spełniają")
            << QList<double>{0.3, 0.2} << "WT 2021 latem (g·fC ≤ 0,35): spełniają";
        QTest::newRow("nie spełnia i bez g")
            << QList<double>{0.6, -1, 0.3, 0.5}
            << "WT 2021 latem (g·fC ≤ 0,35): nie spełnia 2 z 4 (O1, O4); bez danych: 1 z 4";
    }
    void projekt() {
        QFETCH(QList<double>, gi);
        QFETCH(QString, tekst);
        TZestawienieStolarki p;
        p.SetParter(true);
        for (int i = 0; i < gi.size(); ++i) {
            const QString s = QStringLiteral("O%1").arg(i + 1);
            p.AddOkno(s);
            TOkno& o = *p.GetOkno(s);
            o.Szerokosc = 1200;
            o.Wysokosc = 1500;
            o.g = gi[i];
            o.SetLiczba(p.Poziomy().first(), 4, 1);
        }
        QCOMPARE(TekstZgodnosciLato(ZgodnoscLato2021(p)), tekst);
    }

    // The three keys written and read back; a file without them (every file
    // before them) reads as unknown g and no device; an unknown device's
    // name reads as none.
    void klucze() {
        TZestawienieStolarki a;
        a.AddOkno(QStringLiteral("O1"));
        TOkno& o = *a.GetOkno(QStringLiteral("O1"));
        o.g = 0.53;
        o.Oslona = Oslona("zewnętrzne białe żaluzje, przepuszczalność 0,1");
        o.fC = 0.12;
        const QByteArray bajty = ZapiszProjektDoBajtow(a).value_or(QByteArray());
        QVERIFY(bajty.contains("g=0,53\r\n"));
        QVERIFY(bajty.contains("Oslona=zewn\xEAtrzne bia\xB3\x65 \xBF\x61luzje, "
                               "przepuszczalno\x9C\xE6 0,1\r\n")); // Windows-1250
        QVERIFY(bajty.contains("fC=0,12\r\n"));
        TZestawienieStolarki b;
        QCOMPARE(WczytajProjektZBajtow(b, bajty), 0);
        const TOkno& ob = *b.GetOkno(QStringLiteral("O1"));
        QCOMPARE(ob.g, 0.53);
        QCOMPARE(ob.Oslona, o.Oslona);
        QCOMPARE(ob.fC, 0.12);

        QByteArray stary = bajty;
        for (const char* klucz : {"g=0,53\r\n", "fC=0,12\r\n"})
            stary.replace(klucz, "");
        stary.replace("Oslona=zewn", "Oslona=markiza zewn");
        TZestawienieStolarki c;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajProjektZBajtow(c, stary), 0);
        QCOMPARE(zbieracz.ile(), 1);
        QVERIFY2(zbieracz.ostatni().contains(QStringLiteral("okno O1 – osłona „markiza")),
                 qPrintable(zbieracz.ostatni()));
        const TOkno& oc = *c.GetOkno(QStringLiteral("O1"));
        QCOMPARE(oc.g, -1.0);
        QCOMPARE(oc.Oslona, 0);
        QCOMPARE(oc.fC, -1.0);
        QCOMPARE(TekstWynikuLato(OcenLato2021(oc, c).wynik), QStringLiteral("brak danych"));
    }
};

QTEST_GUILESS_MAIN(TestWT2021Lato)
#include "tst_wt2021lato.moc"
