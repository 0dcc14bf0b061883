// Exact decimals and the program's roundings, against values worked by hand.

#include "model/liczby.h"
#include "model/obliczenia/dziesietne.h"
#include "model/obliczenia/zaokraglenia.h"

#include <QtTest>

#include <cmath>

class TestDziesietne : public QObject {
    Q_OBJECT

private slots:
    // What a double stands for, and products of such values exactly.
    void iloczyny_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<QString>("iloczyn");
        QTest::newRow("VAT") << 3.5 << 1.23 << "4.305";
        QTest::newRow("g·fC") << 0.71 << 0.5 << "0.355";
        QTest::newRow("milimetry") << 1230.5 << 1480.0 << "1821140";
        QTest::newRow("ujemna") << -0.1 << 0.3 << "-0.03";
        QTest::newRow("zero") << 0.0 << 123.456 << "0";
        QTest::newRow("15 cyfr") << 0.123456789012345 << 1000.0 << "123.456789012345";
    }
    void iloczyny() {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(QString, iloczyn);
        const auto wynik = TDziesietna::Z(a)->Razy(*TDziesietna::Z(b));
        QVERIFY(wynik);
        QCOMPARE(QString::fromStdString(wynik->Tekst()), iloczyn);
    }

    void bezDziesietnej() {
        QVERIFY(!TDziesietna::Z(qInf()));
        QVERIFY(!TDziesietna::Z(qQNaN()));
        QVERIFY(!TDziesietna::Z(1e30));
        QVERIFY(TDziesietna::Z(9.99e29));
        // Products too long for 36 digits lose their last decimals, never the value.
        const auto a = TDziesietna::Z(0.123456789012345);
        std::optional<TDziesietna> x = a;
        for (int i = 0; i < 5; ++i)
            x = x->Razy(*a);
        QVERIFY(x);
        QVERIFY(std::abs(x->Double() - std::pow(0.123456789012345, 6)) < 1e-20);
        QVERIFY(!TDziesietna::Z(9e29)->Razy(*TDziesietna::Z(9e29)));
    }

    // A thermal value shown and judged: a half up, whatever binary noise
    // lies around it (0,905 is stored a little above, 0,71 · 0,5 a little
    // below 0,355); a value a unit of the 15th digit away is not a half.
    void zaokraglij_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("wynik");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("0,905") << 0.905 << 0.91 << "0,91";
        QTest::newRow("0,905 − 1 ulp") << std::nextafter(0.905, 0.0) << 0.91 << "0,91";
        QTest::newRow("0,905 + 1 ulp") << std::nextafter(0.905, 1.0) << 0.91 << "0,91";
        QTest::newRow("0,904999999999999") << 0.904999999999999 << 0.9 << "0,90";
        QTest::newRow("0,905000000000001") << 0.905000000000001 << 0.91 << "0,91";
        QTest::newRow("0,895") << 0.895 << 0.9 << "0,90";
        QTest::newRow("0,71 · 0,5") << 0.71 * 0.5 << 0.36 << "0,36";
        QTest::newRow("0,345") << 0.345 << 0.35 << "0,35";
        QTest::newRow("ujemna połowa") << -2.345 << -2.35 << "-2,35";
        QTest::newRow("zero ujemne") << -0.001 << 0.0 << "0,00";
    }
    void zaokraglij() {
        QFETCH(double, x);
        QFETCH(double, wynik);
        QFETCH(QString, tekst);
        QCOMPARE(Zaokraglij(x, 2), wynik);
        QCOMPARE(TekstStaly(x, 4, 2, QLocale(QLocale::Polish)), tekst);
    }

    // Areas and money: a half to the even hundredth.
    void setne_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("wynik");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("w dół") << 1.234 << 1.23 << "1,23";
        QTest::newRow("w górę") << 1.236 << 1.24 << "1,24";
        QTest::newRow("połowa do parzystej w dół") << 0.125 << 0.12 << "0,12";
        QTest::newRow("połowa do parzystej w górę") << 0.375 << 0.38 << "0,38";
        QTest::newRow("1,265 zapisane poniżej") << 1.265 << 1.26 << "1,26";
        QTest::newRow("ponad połowę") << 0.125000000001 << 0.13 << "0,13";
        QTest::newRow("ujemna") << -2.345 << -2.34 << "-2,34";
        QTest::newRow("całkowita") << 7.0 << 7.0 << "7,00";
        QTest::newRow("grosze przy miliardach")
            << 275872837995.72 << 275872837995.72 << "275872837995,72";
    }
    void setne() {
        QFETCH(double, x);
        QFETCH(double, wynik);
        QFETCH(QString, tekst);
        QCOMPARE(ZaokraglijDoSetnych(x), wynik);
        QCOMPARE(TekstSetnych(x, QLocale(QLocale::Polish)), tekst);
    }
};

QTEST_GUILESS_MAIN(TestDziesietne)
#include "tst_dziesietne.moc"
