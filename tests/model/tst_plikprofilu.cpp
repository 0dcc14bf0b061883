#include "plikprofilu.h"

#include <QtTest>

class TestPlikProfilu : public QObject {
    Q_OBJECT

private slots:
    void czytanie() {
        const QByteArray bajty = "klucz=przed sekcja\r\n"
                                 "[Projekt]\r\n"
                                 "  Firma  =  Ala ma kota  \r\n"
                                 "Cytat=\"ala ma kota\",\"x,y\"\r\n"
                                 "bez znaku rownosci\r\n"
                                 "=bez klucza\r\n"
                                 "Firma=druga wartosc\n"
                                 "[projekt]\n"
                                 "Dopisany=1\n"
                                 "[Okna\n"
                                 "[ Inna ]\r\n"
                                 "Puste=\r\n";
        const TPlikProfilu p = TPlikProfilu::ZBajtow(bajty);
        QCOMPARE(p.Sekcje(), (QStringList{"Projekt", "Inna"}));
        QCOMPARE(p.CzytajTekst("PROJEKT", "firma"), QStringLiteral("Ala ma kota"));
        QCOMPARE(p.CzytajTekst("Projekt", "Cytat"), QStringLiteral("\"ala ma kota\",\"x,y\""));
        QCOMPARE(p.CzytajTekst("Projekt", "Dopisany"), QStringLiteral("1"));
        QCOMPARE(p.CzytajTekst("Projekt", "klucz", "brak"), QStringLiteral("brak"));
        QCOMPARE(p.CzytajTekst("inna", "Puste", "brak"), QString());
        QVERIFY(p.MaKlucz("inna", "puste"));
        QVERIFY(!p.MaKlucz("Okna", "Liczba"));
    }

    void liczby_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("wynik");
        QTest::newRow("dziesiętna") << "42" << 42;
        QTest::newRow("ujemna") << "-7" << -7;
        QTest::newRow("0x") << "0x1F" << 31;
        QTest::newRow("0X") << "0X1f" << 31;
        QTest::newRow("$") << "$ff" << 255;
        QTest::newRow("pełny wzór 32 bitów") << "0xFFFFFFFF" << -1;
        QTest::newRow("poza zakresem") << "99999999999" << 5;
        QTest::newRow("z literą") << "12a" << 5;
        QTest::newRow("ułamek") << "1,5" << 5;
        QTest::newRow("pusta") << "" << 5;
        QTest::newRow("sam prefiks") << "0x" << 5;
        QTest::newRow("cyfry spoza ASCII") << "١٢" << 5;
    }
    void liczby() {
        QFETCH(QString, tekst);
        QFETCH(int, wynik);
        TPlikProfilu p;
        p.Zapisz("S", "K", tekst);
        QCOMPARE(p.CzytajLiczbe("s", "k", 5), wynik);
    }

    void flagi() {
        TPlikProfilu p;
        p.Zapisz("S", "A", "2");
        p.Zapisz("S", "B", "0");
        p.Zapisz("S", "C", "tak");
        QVERIFY(p.CzytajFlage("S", "A", false));
        QVERIFY(!p.CzytajFlage("S", "B", true));
        QVERIFY(!p.CzytajFlage("S", "C", false));
        QVERIFY(p.CzytajFlage("S", "brak", true));
    }

    void zapis() {
        TPlikProfilu p;
        p.Zapisz("Info", "Program", "Termivo");
        p.Zapisz("Projekt", "Firma", "Łódź – Żółć");
        p.Zapisz("Projekt", "Obiekt", "linia 1\r\nKlucz=wstrzyknięty");
        p.ZapiszLiczbe("Projekt", "N", -3);
        p.Zapisz("info", "program", "Inny");
        const QByteArray b = p.DoBajtow();
        QCOMPARE(b, QByteArray("[Info]\r\nProgram=Inny\r\n[Projekt]\r\n"
                               "Firma=\xA3\xF3\x64\x9F \x96 \xAF\xF3\xB3\xE6\r\n"
                               "Obiekt=linia 1  Klucz=wstrzykni\xEAty\r\nN=-3\r\n"));
        const TPlikProfilu z = TPlikProfilu::ZBajtow(b);
        QCOMPARE(z.CzytajTekst("Projekt", "Firma"), QStringLiteral("Łódź – Żółć"));
        QVERIFY(!z.MaKlucz("Projekt", "Klucz"));
    }

    void dlugieIUszkodzone() {
        QByteArray b = "[S]\r\nDlugi=";
        b += QByteArray(1 << 20, 'x');
        b += "\r\nPo=1\r\n";
        QByteArray smieci(1 << 16, '\0');
        for (int i = 0; i < smieci.size(); ++i)
            smieci[i] = static_cast<char>((i * 7919) % 256);
        b += smieci;
        b += "\r\n[T]\r\nK=v\r\n";
        const TPlikProfilu p = TPlikProfilu::ZBajtow(b);
        QCOMPARE(p.CzytajTekst("S", "Dlugi").size(), TPlikProfilu::MAX_DLUGOSC_WARTOSCI);
        QCOMPARE(p.CzytajLiczbe("S", "Po", 0), 1);
        QCOMPARE(p.CzytajTekst("T", "K"), QStringLiteral("v"));
    }
};

QTEST_GUILESS_MAIN(TestPlikProfilu)
#include "tst_plikprofilu.moc"
