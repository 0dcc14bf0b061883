// Project files that are damaged, cut, hostile, or written by other programs or by hand: read or
// refused with a clear message, nothing lost.
#include "tests/model/plikprojektu_wspolne.h"

class TestPlikUszkodzony : public TTestPlikuProjektu {
    Q_OBJECT

private slots:
    void initTestCase() { initTestCaseWspolne(); }
    void init() { initWspolne(); }

    void wartosciNiepoprawne() {
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajTekst(p, "[Projekt]\nDVPromocjaForma=abc\nKursEuro=1.000,5\n"
                                 "StawkaVat=nan\nRabatDodatkowy=inf\nData=jutro\n"
                                 "[Okna]\nLiczba=1\n[Okno0]\nSymbol=A\nTypOkna=10 skrzydłowe\n"
                                 "MaterialRamy=stal\nZrodloUg=producent\nSzkloKodID=x\n"
                                 "LiczbaNawiewnikow=1,5\n"),
                 0);
        QCOMPARE(p.DVPromocjaForma, 50.0);
        QCOMPARE(p.KursEuro, 0.0);
        QCOMPARE(p.StawkaVat, 0.0);
        QCOMPARE(p.RabatDodatkowy, 0.0);
        QVERIFY(qAbs(p.Data.secsTo(QDateTime::currentDateTime())) < 60);
        const TOkno& o = *p.Okno(0);
        QCOMPARE(o.TypOkna, 1001);
        QCOMPARE(o.MaterialRamyNazwa(), QStringLiteral("PCV"));
        QCOMPARE(o.ZrodloUg, uint8_t(0));
        QCOMPARE(o.SzkloKodID, 0);
        QCOMPARE(o.LiczbaNawiewnikow, 0);
        // The names it does not know are said; numbers that are none are not.
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(zbieracz.ostatni(),
                 QStringLiteral("Plik zawiera nazwy, których program nie zna; przyjęto wartości "
                                "domyślne: okno A – typ okna „10 skrzydłowe”, okno A – materiał "
                                "ramy „stal”."));
    }

    void sekcjeOkien() {
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajTekst(p, "[Okna]\nLiczba=3\n[Okno2]\nSymbol=C\n[Okno0]\nSymbol=A\n"
                                 "[Okno3]\nSymbol=D\n[Okno01]\nSymbol=E\n"),
                 0);
        QCOMPARE(p.LiczbaOkienWLiscie(), 2);
        QCOMPARE(p.Okno(0)->Symbol(), QStringLiteral("A"));
        QCOMPARE(p.Okno(1)->Symbol(), QStringLiteral("C"));
        QCOMPARE(zbieracz.ile(), 2);
        QCOMPARE(zbieracz.komunikaty[0].tresc, KOMUNIKAT_NIEKOMPLETNY.arg(2).arg(3));
        QCOMPARE(zbieracz.ostatni(), KOMUNIKAT_POMINIETE.arg(QStringLiteral(
                                         "Okno3 (poza liczbą okien podaną w sekcji [Okna])")));
    }

    void powtorzonySymbol() {
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajTekst(p, "[Okna]\nLiczba=2\n[Okno0]\nSymbol=O1\nUg=1\n"
                                 "[Okno1]\nSymbol=o1\nUg=2\n"),
                 0);
        QCOMPARE(p.LiczbaOkienWLiscie(), 1);
        QCOMPARE(p.Okno(0)->Ug, 1.0);
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(zbieracz.ostatni(),
                 KOMUNIKAT_POMINIETE.arg(QStringLiteral("Okno1 (symbol „o1” powtarza się)")));
    }

    void innyProgram_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("wynik");
        QTest::newRow("Arvo-K") << "Arvo-K" << -1;
        QTest::newRow("małe litery") << "termivo" << 0;
        QTest::newRow("pusty") << "" << 0;
    }
    void innyProgram() {
        QFETCH(QString, program);
        QFETCH(int, wynik);
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Info]\nProgram=" + program +
                                     "\n[Okna]\nLiczba=1\n"
                                     "[Okno0]\nSymbol=A\nUwagi=\n"),
                 wynik);
        QCOMPARE(zbieracz.ile(), wynik ? 1 : 0);
        if (wynik) {
            QCOMPARE(zbieracz.komunikaty[0].tytul, QStringLiteral("Błąd"));
            QCOMPARE(zbieracz.ostatni(), QStringLiteral("Plik nie jest formatu Termivo!"));
            QCOMPARE(p.LiczbaOkienWLiscie(), 0);
        }
    }

    void plikNieczytelny() {
        TZestawienieStolarki p;
        QCOMPARE(WczytajProjekt(p, Sciezka("nie_ma.tmv")), -1);
        QCOMPARE(WczytajProjekt(p, katalog.path()), -1);
    }

    void plikZbytDuzy() {
        const QString s = Sciezka("duzy.tmv");
        {
            QFile f(s);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(TPlikProfilu::MAX_ROZMIAR + 1));
        }
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QCOMPARE(WczytajProjekt(p, s), -1);
        QCOMPARE(zbieracz.ostatni(),
                 QStringLiteral("Plik jest zbyt duży, by mógł być projektem Termivo!"));
        QFile::remove(s);
    }

    // A file that is no project is refused, whatever it holds.
    void nieProjekt_data() {
        QTest::addColumn<QByteArray>("bajty");
        QByteArray docx("PK\x03\x04\x14\x00\x06\x00", 8);
        docx += "[Content_Types].xml";
        QTest::newRow("binarny z sekcją") << docx + "\n[Okna]\nLiczba=1\n";
        QTest::newRow("tekst bez sekcji") << QByteArray("Szanowni Państwo,\r\noferta=okna\r\n");
        QTest::newRow("pusty") << QByteArray();
        QTest::newRow("obce sekcje") << QByteArray("[General]\r\nJezyk=pl\r\n");
    }
    void nieProjekt() {
        QFETCH(QByteArray, bajty);
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QCOMPARE(WczytajProjektZBajtow(p, bajty), -1);
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(zbieracz.komunikaty[0].tytul, QStringLiteral("Błąd"));
        QCOMPARE(zbieracz.ostatni(), KOMUNIKAT_NIE_PROJEKT);
        QCOMPARE(p.LiczbaOkienWLiscie(), 0);
    }

    // A project cut short keeps the windows that survived and says so.
    void niekompletny_data() {
        QTest::addColumn<QByteArray>("koniec"); // where the file is cut
        QTest::addColumn<int>("wczytane");
        QTest::newRow("w środku okna") << QByteArray("Ug=") << 2;
        QTest::newRow("przed uwagami ostatniego") << QByteArray("Uwagi=") << 3;
        QTest::newRow("brak sekcji") << QByteArray("[Okno2]") << 2;
        QTest::newRow("w środku linii") << QByteArray("LiczbaNaParter") << 3;
        QTest::newRow("w sekcji Projekt") << QByteArray("Obiekt=") << 0;
        QTest::newRow("przed sekcją Okna") << QByteArray("[Okna]") << 0;
        QTest::newRow("przed liczbą okien") << QByteArray("Liczba=") << 0;
    }
    void niekompletny() {
        QFETCH(QByteArray, koniec);
        QFETCH(int, wczytane);
        TZestawienieStolarki a;
        a.SetParter(true);
        for (const char* s : {"O1", "O2", "O3"})
            a.AddOkno(QString::fromLatin1(s));
        const std::optional<QByteArray> calosc = ZapiszProjektDoBajtow(a);
        QVERIFY(calosc);
        const qsizetype okno1 = calosc->indexOf("[Okno1]");
        const qsizetype ciecie = koniec == "Uwagi=" || koniec == "LiczbaNaParter"
                                     ? calosc->lastIndexOf(koniec) + (koniec == "Uwagi=" ? 0 : 8)
                                 : koniec == "Ug=" ? calosc->indexOf(koniec, okno1)
                                                   : calosc->indexOf(koniec);
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        TOdczytProjektu odczyt;
        QCOMPARE(WczytajProjektZBajtow(p, calosc->left(ciecie), QLocale(), &odczyt), 0);
        QVERIFY(odczyt.niekompletny);
        QVERIFY(odczyt.Ostrzezenie());
        QCOMPARE(p.LiczbaOkienWLiscie(), wczytane);
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(zbieracz.komunikaty[0].tytul, QStringLiteral("Informacja"));
        QCOMPARE(zbieracz.ostatni(), wczytane == 0 ? KOMUNIKAT_NIEKOMPLETNY_BEZ_OKIEN
                                                   : KOMUNIKAT_NIEKOMPLETNY.arg(wczytane).arg(3));
        // The whole file is no such case.
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjektZBajtow(q, *calosc, QLocale(), &odczyt), 0);
        QVERIFY(!odczyt.Ostrzezenie());
        QCOMPARE(zbieracz.ile(), 1);
    }

    // The committed file cut at every line end and at many bytes: each part
    // either reads as the whole project or is reported as damaged.
    void cieciaPrawdziwegoPliku() {
        const QByteArray calosc = Czytaj(Dane("wzorcowy.tmv"));
        QVERIFY(calosc.size() > 1000);
        TZestawienieStolarki wzor;
        QCOMPARE(WczytajProjektZBajtow(wzor, calosc), 0);
        const QByteArray wzorBajty = ZapiszProjektDoBajtow(wzor).value_or(QByteArray());
        QList<qsizetype> ciecia;
        for (qsizetype i = calosc.indexOf('\n'); i >= 0; i = calosc.indexOf('\n', i + 1))
            ciecia << i + 1 << i; // after the line end, and between CR and LF
        QRandomGenerator los(2026);
        for (int i = 0; i < 400; ++i)
            ciecia << los.bounded(calosc.size());
        TZbieraczKomunikatow zbieracz;
        for (const qsizetype c : ciecia) {
            TZestawienieStolarki p;
            TOdczytProjektu odczyt;
            const int32_t wynik = WczytajProjektZBajtow(p, calosc.left(c), QLocale(), &odczyt);
            const bool calyProjekt =
                wynik == 0 && ZapiszProjektDoBajtow(p).value_or(QByteArray()) == wzorBajty;
            QVERIFY2(wynik != 0 || calyProjekt || odczyt.Ostrzezenie(),
                     qPrintable(QStringLiteral("cięcie po %1 bajtach nie zgłoszone").arg(c)));
        }
        TZestawienieStolarki p;
        TOdczytProjektu odczyt;
        QCOMPARE(WczytajProjektZBajtow(p, calosc, QLocale(), &odczyt), 0);
        QVERIFY(!odczyt.Ostrzezenie());
    }

    // Files of other programs and of hand: keys left out (the same in every
    // window, or in one window that is not the last) and keys in another
    // order read whole, without a word; a last window lacking what all the
    // others have is reported.
    void plikiInnychProgramow_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("uszkodzony");
        const QString naglowek = QStringLiteral("[Projekt]\nParter=1\n[Okna]\nLiczba=3\n");
        QTest::newRow("bez uwag nigdzie")
            << naglowek + "[Okno0]\nSymbol=A\nUg=1\n[Okno1]\nSymbol=B\nUg=1\n"
                          "[Okno2]\nSymbol=C\nUg=1\n"
            << false;
        QTest::newRow("inna kolejność")
            << naglowek + "[Okno2]\nUwagi=x\nSymbol=C\n[Okno0]\nUg=1\nSymbol=A\nUwagi=\n"
                          "[Okno1]\nSzerokosc=1\nUwagi=\nSymbol=B\n"
            << false;
        QTest::newRow("brak klucza w środku")
            << naglowek + "[Okno0]\nSymbol=A\nUg=1\nUwagi=\n[Okno1]\nSymbol=B\nUwagi=\n"
                          "[Okno2]\nSymbol=C\nUg=1\nUwagi=\n"
            << false;
        QTest::newRow("ostatnie rzadsze")
            << naglowek + "[Okno0]\nSymbol=A\nUg=1\nCenaOkna=5\nLiczbaNaParterNaStrone0=1\n"
                          "[Okno1]\nSymbol=B\nUg=1\nCenaOkna=5\nLiczbaNaParterNaStrone0=1\n"
                          "[Okno2]\nSymbol=C\nLiczbaNaParterNaStrone1=2\n"
            << false;
        QTest::newRow("ostatnie bez uwag")
            << naglowek + "[Okno0]\nSymbol=A\nUwagi=\n[Okno1]\nSymbol=B\nUwagi=\n"
                          "[Okno2]\nSymbol=C\n"
            << true;
        QTest::newRow("bez końca linii")
            << naglowek + "[Okno0]\nSymbol=A\n[Okno1]\nSymbol=B\n[Okno2]\nSymbol=C" << true;
    }
    void plikiInnychProgramow() {
        QFETCH(QString, tekst);
        QFETCH(bool, uszkodzony);
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        TOdczytProjektu odczyt;
        QByteArray bajty = DoCp1250(tekst);
        bajty.replace("\n", "\r\n");
        QCOMPARE(WczytajProjektZBajtow(p, bajty, QLocale(), &odczyt), 0);
        QCOMPARE(p.LiczbaOkienWLiscie(), 3);
        QCOMPARE(odczyt.niekompletny, uszkodzony);
        QCOMPARE(zbieracz.ile(), uszkodzony ? 1 : 0);
    }

    // A whole file of another program with one window and no remarks line
    // is whole: only positive evidence calls a file cut.
    void jednoOknoBezUwag() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        TOdczytProjektu odczyt;
        QCOMPARE(WczytajProjektZBajtow(p,
                                       "[Info]\r\nVersion=2.0\r\n[Projekt]\r\nParter=1\r\n"
                                       "[Okna]\r\nLiczba=1\r\n[Okno0]\r\nSymbol=O1\r\nUg=1\r\n",
                                       QLocale(), &odczyt),
                 0);
        QVERIFY(!odczyt.niekompletny);
        QCOMPARE(zbieracz.ile(), 0);
    }

    // Values no window has are kept as the file holds them, named once
    // (the first ten, and how many more), and give no Uw.
    void wartosciSpozaZakresu() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QString tekst = QStringLiteral("[Projekt]\nParter=1\nMetodaUw=7\nStawkaVat=230\n[Okna]\n"
                                       "Liczba=12\n[Okno0]\nSymbol=O1\nSzerokosc=1000\n"
                                       "Wysokosc=1000\nUg=1\nUf=1\ndR=-0,5\nPsi_g=1E300\n"
                                       "g=1,5\nUwagi=\n");
        for (int i = 1; i < 12; ++i)
            tekst += QStringLiteral("[Okno%1]\nSymbol=P%1\nCenaOkna=-5\nUwagi=\n").arg(i);
        QCOMPARE(WczytajTekst(p, tekst), 0);
        const TOkno& o = *p.GetOkno(QStringLiteral("O1"));
        QCOMPARE(o.dR, -0.5);
        QCOMPARE(o.Psi_g, 1e300);
        QCOMPARE(o.g, 1.5);
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(
            zbieracz.ostatni(),
            QStringLiteral("Plik zawiera wartości spoza dopuszczalnych zakresów. Zachowano je, "
                           "ale okna z nimi nie mają Uw ani oceny WT 2021 (brak danych), "
                           "dopóki ich nie poprawisz: projekt – nieznana metoda obliczania Uw "
                           "7 (przyjęto: szacunkowa (z pola okna)), projekt – Stawka VAT = "
                           "230 (dopuszczalne od 0 do 100 %), okno O1 – Psi_g = 1E300 "
                           "(dopuszczalne od 0 do 1 W/mK), okno O1 – dR = -0,5 (dopuszczalne "
                           "od 0 do 1 m²K/W), okno O1 – g = 1,5 (dopuszczalne od 0 do 1), "
                           "okno P1 – cena = -5 (dopuszczalne od 0 do 1000000000 zł), okno "
                           "P2 – cena = -5 (dopuszczalne od 0 do 1000000000 zł), okno P3 – "
                           "cena = -5 (dopuszczalne od 0 do 1000000000 zł), okno P4 – cena = "
                           "-5 (dopuszczalne od 0 do 1000000000 zł), okno P5 – cena = -5 "
                           "(dopuszczalne od 0 do 1000000000 zł) i 6 innych."));
        QVERIFY(!ObliczUw(o, p).uw);
    }

    // Numbers written by hand with their thousands apart, as Polish writes
    // them (a space, or the code page's no-break space), read whole.
    void grupyCyfr() {
        QByteArray bajty = DoCp1250(QStringLiteral(
            "[Projekt]\nParter=1\nKursEuro=4 321,5\n[Okna]\nLiczba=1\n[Okno0]\nSymbol=A\n"
            "Szerokosc=1 200\nWysokosc=2\u00a0400\nLiczbaNaParterNaStrone0=1 200\n"
            "Lg=12 00\n"));
        bajty.replace("\n", "\r\n");
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajProjektZBajtow(p, bajty), 0);
        const TOkno& o = *p.GetOkno(QStringLiteral("A"));
        QCOMPARE(p.KursEuro, 4321.5);
        // Read whole, then kept and named as beyond the rate's range.
        QCOMPARE(zbieracz.ile(), 1);
        QVERIFY(zbieracz.ostatni().contains(QStringLiteral("Kurs EURO = 4321,5")));
        QCOMPARE(o.Szerokosc, 1200.0);
        QCOMPARE(o.Wysokosc, 2400.0);
        QCOMPARE(o.GetLiczba(QStringLiteral("parter"), 0), 1200);
        QCOMPARE(o.Lg, 0.0); // no group of three: no number, the default
    }

    // Windows that cannot be read are named with their sections, and the
    // project is damaged: saving it over its file would lose them.
    void pominieteOkna() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Okna]\nLiczba=3\n[Okno0]\nSymbol=O1\nUwagi=\n"
                                 "[Okno1]\nSymbol=\nUwagi=\n[Okno2]\nSymbol=o1 \nUwagi=\n"
                                 "[Okno3]\nSymbol=O4\nUwagi=\n"),
                 0);
        QCOMPARE(p.LiczbaOkienWLiscie(), 1);
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(zbieracz.ostatni(), KOMUNIKAT_POMINIETE.arg(QStringLiteral(
                                         "Okno1 (brak symbolu), Okno2 (symbol „o1” powtarza się), "
                                         "Okno3 (poza liczbą okien podaną w sekcji [Okna])")));
        TOdczytProjektu odczyt;
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjektZBajtow(q, "[Okna]\r\nLiczba=1\r\n[Okno0]\r\nSymbol=\r\n", QLocale(),
                                       &odczyt),
                 0);
        QVERIFY(!odczyt.niekompletny);
        QCOMPARE(odczyt.pominietych, 1);
        QVERIFY(odczyt.Ostrzezenie());
    }

    // A name the catalogue does not know is told, with its window; the
    // value stays the default.
    void nieznaneNazwy() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Okna]\nLiczba=1\n[Okno0]\nSymbol=O3\nTypOkna=9 skrzydłowe\n"
                                 "MaterialRamy=PCV\nUwagi=\n"),
                 0);
        QCOMPARE(p.GetOkno(QStringLiteral("O3"))->TypOkna, 1001);
        QCOMPARE(zbieracz.ile(), 1);
        QVERIFY2(zbieracz.ostatni().contains(QStringLiteral("okno O3 – typ okna „9 skrzydłowe”")),
                 qPrintable(zbieracz.ostatni()));
    }

    // Numbers that a damaged file may hold cost neither time nor memory.
    void plikWrogi() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        // Its time: bench/bench_wrogie.cpp.
        QCOMPARE(WczytajTekst(p, "[Projekt]\nLiczbaPieter=2000000000\n"
                                 "[Okna]\nLiczba=2147483647\n[Okno0]\nSymbol=A\n"
                                 "[Okno2147483646]\nSymbol=B\n[Okno99999999999]\nSymbol=C\n"),
                 0);
        QCOMPARE(p.LiczbaPieter(), MAX_LICZBA_PIETER);
        QCOMPARE(zbieracz.ile(), 2); // the floors cut down, the windows missing
        QVERIFY(zbieracz.komunikaty[0].tresc.contains("2000000000"));
        QCOMPARE(p.LiczbaOkienWLiscie(), 2);
        TZestawienieStolarki q;
        QCOMPARE(WczytajTekst(q, "[Projekt]\nLiczbaPieter=-4\n[Okna]\nLiczba=-1\n"
                                 "[Okno0]\nSymbol=A\n"),
                 0);
        QCOMPARE(q.LiczbaPieter(), 0);
        QCOMPARE(q.LiczbaOkienWLiscie(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPlikUszkodzony)
#include "tst_plikuszkodzony.moc"
