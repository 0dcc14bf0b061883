#include "model/pliki/plikprofilu.h"

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
        const TPlikProfilu p(bajty);
        QCOMPARE(p.LiczbaSekcji(), 2);
        QCOMPARE(p.SekcjaNr(0).Nazwa(), QStringLiteral("Projekt"));
        QCOMPARE(p.SekcjaNr(1).Nazwa(), QStringLiteral("Inna"));
        QCOMPARE(p.CzytajTekst("PROJEKT", "firma"), QStringLiteral("Ala ma kota"));
        QCOMPARE(p.CzytajTekst("Projekt", "Cytat"), QStringLiteral("\"ala ma kota\",\"x,y\""));
        QCOMPARE(p.CzytajTekst("Projekt", "Dopisany"), QStringLiteral("1"));
        QCOMPARE(p.CzytajTekst("Projekt", "klucz", "brak"), QStringLiteral("brak"));
        QCOMPARE(p.CzytajTekst("inna", "Puste", "brak"), QString());
        QVERIFY(p.Sekcja("inna")->Surowa("puste"));
        QCOMPARE(p.Sekcja("Okna"), nullptr);
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
        TZapisProfilu z;
        z.Sekcja("S");
        z.Wartosc("K", tekst);
        const TPlikProfilu p(z.Bajty());
        QCOMPARE(p.CzytajLiczbe("s", "k", 5), wynik);
    }

    void flagi() {
        const TPlikProfilu p("[S]\nA=2\nB=0\nC=tak\nA=0\n");
        const TSekcjaProfilu& s = *p.Sekcja("s");
        QVERIFY(s.Flaga("A", false));
        QVERIFY(!s.Flaga("B", true));
        QVERIFY(!s.Flaga("C", false));
        QVERIFY(s.Flaga("brak", true));
    }

    void zapis() {
        TZapisProfilu p;
        p.Sekcja("Info");
        p.Wartosc("Program", "Termivo");
        p.Sekcja("Projekt");
        p.Wartosc("Firma", "Łódź – Żółć");
        p.Wartosc("Obiekt", "linia 1\r\nKlucz=wstrzyknięty");
        p.Liczba("N", -3);
        const QByteArray b = p.Bajty();
        QCOMPARE(b, QByteArray("[Info]\r\nProgram=Termivo\r\n[Projekt]\r\n"
                               "Firma=\xA3\xF3\x64\x9F \x96 \xAF\xF3\xB3\xE6\r\n"
                               "Obiekt=linia 1  Klucz=wstrzykni\xEAty\r\nN=-3\r\n"));
        const TPlikProfilu z(b);
        QCOMPARE(z.CzytajTekst("Projekt", "Firma"), QStringLiteral("Łódź – Żółć"));
        QVERIFY(!z.Sekcja("Projekt")->Surowa("Klucz"));
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
        const TPlikProfilu p(b);
        QCOMPARE(p.CzytajTekst("S", "Dlugi").size(), 1 << 20); // read whole
        QCOMPARE(p.CzytajLiczbe("S", "Po", 0), 1);
        QCOMPARE(p.CzytajTekst("T", "K"), QStringLiteral("v"));
    }
};

QTEST_GUILESS_MAIN(TestPlikProfilu)
#include "tst_plikprofilu.moc"
