#include "model/liczby.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

class TestLiczby : public QObject {
    Q_OBJECT

    const QLocale pl{QLocale::Polish, QLocale::Poland};
    const QLocale c{QLocale::C};

private slots:
    void ogolna_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("tekstPl");
        QTest::addColumn<QString>("tekstC");
        QTest::newRow("zero") << 0.0 << "0"
                              << "0";
        QTest::newRow("minus zero") << -0.0 << "0"
                                    << "0";
        QTest::newRow("całkowita") << 1200.0 << "1200"
                                   << "1200";
        QTest::newRow("ułamek") << 1.1 << "1,1"
                                << "1.1";
        QTest::newRow("ujemna") << -1.0 << "-1"
                                << "-1";
        QTest::newRow("0.1+0.2") << 0.1 + 0.2 << "0,3"
                                 << "0.3";
        QTest::newRow("1/3") << 1.0 / 3 << "0,333333333333333"
                             << "0.333333333333333";
        QTest::newRow("2/3") << 2.0 / 3 << "0,666666666666667"
                             << "0.666666666666667";
        QTest::newRow("0.0001") << 0.0001 << "0,0001"
                                << "0.0001";
        QTest::newRow("0.00012") << 0.00012 << "0,00012"
                                 << "0.00012";
        QTest::newRow("1E-5") << 0.00001 << "1E-5"
                              << "1E-5";
        QTest::newRow("-1.5E-7") << -1.5e-7 << "-1,5E-7"
                                 << "-1.5E-7";
        QTest::newRow("poniżej 1E15") << 999999999999999.0 << "999999999999999"
                                      << "999999999999999";
        QTest::newRow("1E15") << 1e15 << "1E15"
                              << "1E15";
        QTest::newRow("1,5E20") << 1.5e20 << "1,5E20"
                                << "1.5E20";
        QTest::newRow("zaokrąglenie do 1E15") << 999999999999999.9 << "1E15"
                                              << "1E15";
        QTest::newRow("15 cyfr") << 1.23456789012345678 << "1,23456789012346"
                                 << "1.23456789012346";
        QTest::newRow("duża z ułamkiem") << 12345.678 << "12345,678"
                                         << "12345.678";
        QTest::newRow("1E-300") << 1e-300 << "1E-300"
                                << "1E-300";
    }
    void ogolna() {
        QFETCH(double, x);
        QFETCH(QString, tekstPl);
        QFETCH(QString, tekstC);
        QCOMPARE(TekstOgolny(x, pl), tekstPl);
        QCOMPARE(TekstOgolny(x, c), tekstC);
    }

    void nieskonczonosci() {
        QCOMPARE(TekstOgolny(std::numeric_limits<double>::quiet_NaN(), pl), QStringLiteral("NAN"));
        QCOMPARE(TekstOgolny(std::numeric_limits<double>::infinity(), pl), QStringLiteral("INF"));
        QCOMPARE(TekstStaly(-std::numeric_limits<double>::infinity(), 4, 2, pl),
                 QStringLiteral("-INF"));
    }

    void staly_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("d");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("Uw") << 1.35620 << 4 << 2 << "1,36";
        QTest::newRow("zero") << 0.0 << 4 << 2 << "0,00";
        QTest::newRow("mała ujemna") << -0.001 << 4 << 2 << "0,00";
        QTest::newRow("dopełnienie zerami") << 2.5 << 12 << 2 << "2,50";
        QTest::newRow("kwota") << 517.44 << 12 << 2 << "517,44";
        QTest::newRow("4 cyfry całości") << 1234.567 << 4 << 2 << "1235,00";
        QTest::newRow("5 cyfr całości") << 12345.6 << 4 << 2 << "1,235E4";
        QTest::newRow("bez miejsc") << 2.6 << 4 << 0 << "3";
        QTest::newRow("duża liczba, połowa w górę") << 123456789.125 << 12 << 2 << "123456789,13";
    }
    void staly() {
        QFETCH(double, x);
        QFETCH(int, p);
        QFETCH(int, d);
        QFETCH(QString, tekst);
        QCOMPARE(TekstStaly(x, p, d, pl), tekst);
    }

    // Money and areas keep every digit: two decimals, correctly rounded, no
    // cap on significant digits, no exponent.
    void setnych_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("grosze przy milionach") << 1234567.89 << "1234567,89";
        QTest::newRow("suma raportu") << 275872837995.72 << "275872837995,72";
        QTest::newRow("1E20") << 1e20 << "100000000000000000000,00";
        QTest::newRow("minus zero") << -0.001 << "0,00";
        QTest::newRow("zero") << 0.0 << "0,00";
    }
    void setnych() {
        QFETCH(double, x);
        QFETCH(QString, tekst);
        QCOMPARE(TekstSetnych(x, pl), tekst);
        QCOMPARE(TekstSetnych(x, c), QString(tekst).replace(QLatin1Char(','), QLatin1Char('.')));
    }

    // The C library's locale changes nothing of what the program writes.
    void niezaleznieOdLocaleC() {
        const char* przed = std::setlocale(LC_NUMERIC, nullptr);
        const std::string zapamietane = przed ? przed : "C";
        if (!std::setlocale(LC_NUMERIC, "pl_PL.UTF-8"))
            QSKIP("pl_PL.UTF-8 is not generated on this system");
        const QString staly = TekstStaly(1.5, 4, 2, c);
        const QString setne = TekstSetnych(1.5, c);
        std::setlocale(LC_NUMERIC, zapamietane.c_str());
        QCOMPARE(staly, QStringLiteral("1.50"));
        QCOMPARE(setne, QStringLiteral("1.50"));
    }

    // One reading for fields, files and imports: a comma or a point on every
    // locale, blanks between digit groups, no other thousands separators.
    void czytanie_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("liczba");
        QTest::addColumn<double>("wartosc");
        QTest::newRow("przecinek") << "1,5" << true << 1.5;
        QTest::newRow("kropka") << "1.5" << true << 1.5;
        QTest::newRow("nie tysiące") << "1.500" << true << 1.5;
        QTest::newRow("kropka po polsku") << "1.1" << true << 1.1;
        QTest::newRow("minus, odstępy") << "  -2,25 " << true << -2.25;
        QTest::newRow("plus") << "+7" << true << 7.0;
        QTest::newRow("wykładnik") << "1,5E20" << true << 1.5e20;
        QTest::newRow("mały") << "1E-5" << true << 1e-5;
        // Digit groups as Polish writes them; other group marks are no number.
        QTest::newRow("grupy") << "1 500" << true << 1500.0;
        QTest::newRow("grupy, ułamek") << "-12 345 678,25" << true << -12345678.25;
        QTest::newRow("spacja twarda") << "1\u00A0200" << true << 1200.0;
        QTest::newRow("spacja wąska") << "1\u202F200" << true << 1200.0;
        QTest::newRow("grupa krótka") << "12 00" << false << 0.0;
        QTest::newRow("grupa długa") << "1 2000" << false << 0.0;
        QTest::newRow("pierwsza długa") << "1200 000" << false << 0.0;
        QTest::newRow("dwie spacje") << "1  200" << false << 0.0;
        QTest::newRow("w ułamku") << "1,200 5" << false << 0.0;
        QTest::newRow("przed znakiem") << "- 200" << false << 0.0;
        QTest::newRow("grupy i ułamek") << "1.500,25" << false << 0.0;
        QTest::newRow("tabulator") << "1\t500" << false << 0.0;
        QTest::newRow("dwa przecinki") << "12,5,3" << false << 0.0;
        QTest::newRow("tekst") << "abc" << false << 0.0;
        QTest::newRow("pusty") << "" << false << 0.0;
        QTest::newRow("nieskończoność") << "inf" << false << 0.0;
        QTest::newRow("poza zakresem") << "1E999" << false << 0.0;
        QTest::newRow("dwa znaki") << "+-1" << false << 0.0;
    }
    void czytanie() {
        QFETCH(QString, tekst);
        QFETCH(bool, liczba);
        QFETCH(double, wartosc);
        for (const QLocale& l : {pl, QLocale(QLocale::English, QLocale::UnitedStates),
                                 QLocale(QLocale::German, QLocale::Germany)}) {
            double x = -99;
            QCOMPARE(CzytajLiczbe(tekst, &x, l), liczba);
            QCOMPARE(LiczbaZTekstu(tekst, l), wartosc);
            if (liczba)
                QCOMPARE(x, wartosc);
        }
        // A file's bytes: ASCII only (its other blanks come decoded).
        const QByteArray ascii = tekst.toUtf8();
        double y = 0;
        const bool jestAscii = ascii.size() == tekst.size();
        QCOMPARE(CzytajLiczbe(QByteArrayView(ascii), &y), liczba && jestAscii);
        if (liczba && jestAscii)
            QCOMPARE(y, wartosc);
    }

    // Whole numbers for counts and codes, from fields and files alike.
    void calkowite_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("liczba");
        QTest::addColumn<qint64>("wartosc");
        QTest::newRow("zwykła") << "70" << true << qint64(70);
        QTest::newRow("grupy") << "1 200" << true << qint64(1200);
        QTest::newRow("ujemna") << "-3" << true << qint64(-3);
        QTest::newRow("ułamek") << "1,5" << false << qint64(0);
        QTest::newRow("tekst") << "abc" << false << qint64(0);
        QTest::newRow("poza int32") << "2147483648" << false << qint64(0);
        QTest::newRow("najmniejsza") << "-2147483648" << true << qint64(INT32_MIN);
    }
    void calkowite() {
        QFETCH(QString, tekst);
        QFETCH(bool, liczba);
        QFETCH(qint64, wartosc);
        int64_t n = -99;
        QCOMPARE(CzytajCalkowita(tekst, &n, INT32_MIN, INT32_MAX), liczba);
        if (liczba)
            QCOMPARE(n, wartosc);
        n = -99;
        const QByteArray bajty = tekst.toLatin1();
        QCOMPARE(CzytajCalkowita(QByteArrayView(bajty), &n, INT32_MIN, INT32_MAX), liczba);
        if (liczba)
            QCOMPARE(n, wartosc);
    }
};

QTEST_GUILESS_MAIN(TestLiczby)
#include "tst_liczby.moc"
