#include "model/obliczenia/ug673.h"

#include <QtTest>

// Ug by PN-EN 673 against values worked by hand from the standard's
// formulas (he 25, hi 7,7, glass λ 1, Tm 283 K, ΔT 15 K shared among the
// gaps by their resistances, gases at 10 °C, a fill by volume with air):
//
//   case  hr [W/m²K]    Gr            Pr            Nu            hg            hs            1/Ug
//   [m²K/W]    Ug A     3.6995431750  10424.049922
//   0.7111730769  1.0343619219  1.6136045982  5.3131477731  0.366082474548  2.731624892003 B
//   0.1533182023  12892.147050  0.6832365908  1.1044057624  1.2184356574  1.3717538598
//   0.906863886937  1.102701314281 C     0.2545446792  43202.485664
//   0.7083700736  1.7728020351  1.1740381477  1.4285828269  0.877864544726  1.139127905334 D
//   0.1533182023   2719.437268  0.6832365908  1 (below
//   1)   1.4710000000  1.6243182023  1.413155968512  0.707635973864
//         (both gaps; ΔT 7,5 K each)
//   E     single glazing: 1/25 + 0,004 + 1/7,7 = 0.173870129870  5.751419181356 F     0.5042269674
//   10424.049922  0.7111730769  1.0343619219  1.6136045982  2.1178315655
//   0.652051211824  1.533621871821 H     0.1533182023  13128.225375
//   0.6669334917  1.1018886095  1.1597377615  1.3130559639  0.939452292037  1.064450008240 I
//   0.1533182023  10424.049922  0.7111730769  1.0343619219  1.6136045982  1.7669228005
//   0.743825812663  1.344400776332 J1    0.1533182023  12747.663451  0.6832365908  1.0996859913
//   0.9705828559  1.1239010583  (ΔT 7,5939294615 K) J2    0.2545446792  21330.710418
//   0.7083700736  1.3557791286  0.8978647279  1.1524094071  (ΔT 7,4060705385 K) J     1/25 + 1/7,7
//   + 1/1,1239010583 + 1/1,1524094071 + 0,012 =                       1.939375335930 0.515629946134
//
// hr = 4σ/(1/ε1 + 1/ε2 − 1)·Tm³; Gr = g s³ ΔT ρ²/(Tm μ²); Pr = μ c/λ;
// Nu = max(1; 0,035 (Gr·Pr)^0,38); hg = Nu λ/s. The declared value is Ug
// to 0,1 W/m²K.
class TestUg673 : public QObject {
    Q_OBJECT

private slots:
    void ug_data() {
        QTest::addColumn<QString>("budowa");
        QTest::addColumn<QString>("powloki");
        QTest::addColumn<double>("wypelnienie");
        QTest::addColumn<double>("ug");
        QTest::addColumn<double>("deklarowane");
        QTest::addColumn<double>("hs1");
        QTest::newRow("A powietrze, bez powłok")
            << "4/16/4"
            << "" << 90.0 << 2.731624892003 << 2.7 << 5.3131477731;
        QTest::newRow("B argon, powłoka 3")
            << "4/16Ar/4"
            << "3:0,03" << 90.0 << 1.102701314281 << 1.1 << 1.3717538598;
        QTest::newRow("C krypton, powłoka 3")
            << "4/16Kr/4"
            << "3:0.05" << 90.0 << 1.139127905334 << 1.1 << 1.4285828269;
        QTest::newRow("D potrójna symetryczna")
            << "4/12Ar/4/12Ar/4"
            << "2:0,03;5:0,03" << 90.0 << 0.707635973864 << 0.7 << 1.6243182023;
        QTest::newRow("E jedna szyba") << "4"
                                       << "" << 90.0 << 5.751419181356 << 5.8 << -1.0;
        QTest::newRow("F grubsza szyba, powłoka 2")
            << "6/16/4"
            << "2:0,1" << 90.0 << 1.533621871821 << 1.5 << 2.1178315655;
        QTest::newRow("H argon 100%") << "4/16Ar/4"
                                      << "3:0,03" << 100.0 << 1.064450008240 << 1.1 << 1.3130559639;
        QTest::newRow("I argon 0%") << "4/16ar/4"
                                    << "3:0,03" << 0.0 << 1.344400776332 << 1.3 << 1.7669228005;
        QTest::newRow("J potrójna, ΔT dzielone")
            << "4/20Ar/4/16Kr/4"
            << "2:0,03;5:0,05" << 90.0 << 0.515629946134 << 0.5 << 1.1239010583;
    }
    void ug() {
        QFETCH(QString, budowa);
        QFETCH(QString, powloki);
        QFETCH(double, wypelnienie);
        QFETCH(double, ug);
        QFETCH(double, deklarowane);
        QFETCH(double, hs1);
        QString blad;
        std::optional<TBudowaSzyby> b = CzytajBudoweSzyby(budowa, &blad);
        QVERIFY2(b, qPrintable(blad));
        for (const QString& p : powloki.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            QVERIFY2(DodajPowloke(*b, p, &blad), qPrintable(blad));
        b->wypelnienie = wypelnienie;
        const std::optional<TUg673> w = ObliczUg673(*b, &blad);
        QVERIFY2(w, qPrintable(blad));
        QVERIFY2(std::abs(w->ug - ug) < 1e-9, qPrintable(QString::number(w->ug, 'g', 15)));
        QCOMPARE(w->deklarowane, deklarowane);
        if (hs1 > 0)
            QVERIFY2(std::abs(w->hs[0] - hs1) < 1e-8,
                     qPrintable(QString::number(w->hs[0], 'g', 12)));
    }

    // The shared temperature difference of J, worked until it settles.
    void roznicaTemperatur() {
        std::optional<TBudowaSzyby> b = CzytajBudoweSzyby(QStringLiteral("4/20Ar/4/16Kr/4"));
        QVERIFY(b && DodajPowloke(*b, QStringLiteral("2:0,03")) &&
                DodajPowloke(*b, QStringLiteral("5:0,05")));
        const std::optional<TUg673> w = ObliczUg673(*b);
        QVERIFY(w);
        QVERIFY(std::abs(w->dT[0] - 7.5939294615) < 1e-8);
        QVERIFY(std::abs(w->dT[1] - 7.4060705385) < 1e-8);
    }

    // What cannot be read is refused with its reason.
    void bledneBudowy_data() {
        QTest::addColumn<QString>("budowa");
        QTest::addColumn<QString>("powod");
        QTest::newRow("pusta") << ""
                               << "nie podano budowy szyby (np. 4/16Ar/4)";
        QTest::newRow("zerowa szczelina")
            << "4/0/4"
            << "szczelina „0” nie jest dodatnią liczbą milimetrów z gazem";
        QTest::newRow("nieznany gaz")
            << "4/16Xe/4"
            << "nieznany gaz „Xe” (Ar – argon, Kr – krypton, bez liter – powietrze)";
        QTest::newRow("kończy się szczeliną")
            << "4/16Ar"
            << "budowa „4/16Ar” kończy się szczeliną: po każdej szczelinie potrzebna "
               "jest szyba";
        QTest::newRow("szyba nie liczbą")
            << "4/16/x"
            << "grubość szyby „x” nie jest dodatnią liczbą milimetrów";
        QString sto = QStringLiteral("4");
        for (int i = 1; i < 100; ++i)
            sto += QStringLiteral("/16/4");
        QTest::newRow("100 szyb") << sto
                                  << QStringLiteral("budowa „%1” ma więcej niż 10 szyb").arg(sto);
    }
    void bledneBudowy() {
        QFETCH(QString, budowa);
        QFETCH(QString, powod);
        QString blad;
        QVERIFY(!CzytajBudoweSzyby(budowa, &blad));
        QCOMPARE(blad, powod);
    }

    void blednePowloki_data() {
        QTest::addColumn<QString>("powloka");
        QTest::addColumn<QString>("powod");
        QTest::newRow("powierzchnia 5 przy 2 szybach")
            << "5:0,03"
            << "powierzchnia 5: ta budowa ma powierzchnie od 1 do 4";
        QTest::newRow("emisyjność 0") << "3:0"
                                      << "emisyjność powłoki „3:0” powinna być liczbą od 0 do 1";
        QTest::newRow("bez dwukropka") << "3"
                                       << "powłoka „3” nie ma postaci POWIERZCHNIA:EMISYJNOŚĆ";
    }
    void blednePowloki() {
        QFETCH(QString, powloka);
        QFETCH(QString, powod);
        std::optional<TBudowaSzyby> b = CzytajBudoweSzyby(QStringLiteral("4/16Ar/4"));
        QString blad;
        QVERIFY(!DodajPowloke(*b, powloka, &blad));
        QCOMPARE(blad, powod);
    }

    // Written back as read.
    void zapis() {
        std::optional<TBudowaSzyby> b = CzytajBudoweSzyby(QStringLiteral("4/12,5kr/4,4/12Ar/4"));
        QVERIFY(b && DodajPowloke(*b, QStringLiteral("5:0.05")) &&
                DodajPowloke(*b, QStringLiteral("2:0,03")));
        QCOMPARE(TekstBudowySzyby(*b), QStringLiteral("4/12,5Kr/4,4/12Ar/4"));
        QCOMPARE(TekstPowlok(*b), QStringLiteral("2:0,03;5:0,05"));
    }
};

QTEST_GUILESS_MAIN(TestUg673)
#include "tst_ug673.moc"
