#include "tests/model/plikprojektu_wspolne.h"

#include <QDir>

#include <sys/mount.h>

class TestPlikProjektu : public TTestPlikuProjektu {
    Q_OBJECT

private slots:
    void initTestCase() { initTestCaseWspolne(); }
    void init() { initWspolne(); }

    void zapisIOdczyt_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("przecinek") << QLocale(QLocale::Polish, QLocale::Poland);
        QTest::newRow("kropka") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void zapisIOdczyt() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki a;
        Wypelnij(a);
        const QString s = Sciezka("pelny.tmv");
        QCOMPARE(ZapiszProjekt(a, s), 0);
        TZestawienieStolarki b;
        QCOMPARE(WczytajProjekt(b, s), 0);
        PorownajProjekty(a, b);
        const QString s2 = Sciezka("pelny2.tmv");
        QCOMPARE(ZapiszProjekt(b, s2), 0);
        QCOMPARE(Czytaj(s2), Czytaj(s));
        QCOMPARE(zbieracz.ile(), 0);
    }

    // The committed file: Windows-1250, CR LF, written on a Polish locale.
    void plikWzorcowy() {
        const QByteArray wzor = Czytaj(Dane("wzorcowy.tmv"));
        QVERIFY(!wzor.isEmpty());
        QVERIFY(wzor.contains("Firma=Pracownia \x84\xA3\xEAg\x94 Sp. z o.o.\r\n"));
        QVERIFY(wzor.contains("Szerokosc=1200,5\r\n"));
        QVERIFY(!wzor.contains("\n[") || wzor.count("\r\n[") == wzor.count("\n["));
        TZestawienieStolarki a;
        Wypelnij(a);
        const QString s = Sciezka("wzorcowy.tmv");
        QCOMPARE(ZapiszProjekt(a, s), 0);
        QCOMPARE(BezWersji(Czytaj(s)), BezWersji(wzor));
        TZestawienieStolarki b;
        QCOMPARE(WczytajProjekt(b, Dane("wzorcowy.tmv")), 0);
        PorownajProjekty(a, b);
    }

    void wersjaWInfo() {
        TZestawienieStolarki a;
        const QString s = Sciezka("wersja.tmv");
        QCOMPARE(ZapiszProjekt(a, s), 0);
        QVERIFY(QString::fromLatin1(Czytaj(s)).contains(
            QRegularExpression(QStringLiteral("\\[Info\\]\r\nProgram=Termivo\r\n"
                                              "Version=\\d+\\.\\d+\\.\\d+\\.\\d+\r\n"))));
    }

    void separatorDziesietny_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("ug");
        QTest::newRow("kropka na polskim") << QLocale(QLocale::Polish, QLocale::Poland) << "1.1";
        QTest::newRow("przecinek na polskim") << QLocale(QLocale::Polish, QLocale::Poland) << "1,1";
        QTest::newRow("kropka na angielskim") << QLocale(QLocale::English) << "1.1";
        QTest::newRow("przecinek na angielskim") << QLocale(QLocale::English) << "1,1";
        QTest::newRow("wykładnik") << QLocale(QLocale::Polish, QLocale::Poland) << "11E-1";
    }
    void separatorDziesietny() {
        QFETCH(QLocale, locale);
        QFETCH(QString, ug);
        QLocale::setDefault(locale);
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Projekt]\nDVPromocjaKlima=" + ug +
                                     "\n[Okna]\nLiczba=1\n[Okno0]\nSymbol=A\nUg=" + ug + "\n"),
                 0);
        QCOMPARE(p.Okno(0)->Ug, 1.1);
        QCOMPARE(p.DVPromocjaKlima, 1.1);
    }

    void daty_data() {
        QTest::addColumn<QString>("tekst");
        QTest::newRow("ISO") << "2026-03-07";
        QTest::newRow("krótka polska") << QLocale(QLocale::Polish, QLocale::Poland)
                                              .toString(QDate(2026, 3, 7), QLocale::ShortFormat);
    }
    void daty() {
        QFETCH(QString, tekst);
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajTekst(p, "[Projekt]\nData=" + tekst + "\n"), 0);
        QCOMPARE(p.Data.date(), QDate(2026, 3, 7));
        QCOMPARE(zbieracz.ostatni(), KOMUNIKAT_NIEKOMPLETNY_BEZ_OKIEN); // no [Okna]
    }

    void poziomy() {
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Projekt]\nParter=0\nLiczbaPieter=2\nPoddasze=0\n"
                                 "[Okna]\nLiczba=1\n[Okno0]\nSymbol=A\n"
                                 "LiczbaNaParterNaStrone2=5\nLiczbaNaPietro2NaStrone7=3\n"
                                 "LiczbaNaPietro3NaStrone0=9\nLiczbaNaPoddaszeNaStrone1=4\n"
                                 "LiczbaNaPietro1NaStrone1=-1\nLiczbaNaPietro1NaStrone2=-2\n"),
                 0);
        QVERIFY(p.Parter());
        const TOkno& o = *p.Okno(0);
        QCOMPARE(o.GetLiczba("parter", 2), 5);
        QCOMPARE(o.GetLiczba("2", 7), 3);
        QCOMPARE(o.GetLiczba("poddasze", 1), 0);
        QCOMPARE(o.GetLiczba("1", 1), 0);
        QCOMPARE(o.GetLiczba("1", 2), -2);
        QCOMPARE(o.SumaOkien(), 6);
    }

    // The build-up, mullions and panels are written only by a window that
    // has them; a last window without them is no file cut short.
    void kluczeTylkoGdyUzyte() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki a;
        a.AddOkno("A");
        a.AddOkno("B");
        TOkno& o = *a.GetOkno("A");
        o.BudowaSzyby = QStringLiteral("4/16Ar/4");
        o.PowlokiSzyby = QStringLiteral("3:0,03");
        o.WypelnienieGazem = 85;
        o.dSlupka = 120.5;
        o.Up = 1.1;
        o.Psi_p = 0.05;
        o.RodzajSkrzydla[1] = RODZAJ_PLYCINA;
        const QString s = Sciezka("nowe_klucze.tmv");
        QCOMPARE(ZapiszProjekt(a, s), 0);
        const QByteArray b = Czytaj(s);
        const qsizetype okno1 = b.indexOf("[Okno1]");
        QVERIFY(okno1 > 0);
        for (const QByteArray& linia :
             {QByteArray("BudowaSzyby=4/16Ar/4\r\n"), QByteArray("PowlokiSzyby=3:0,03\r\n"),
              QByteArray("WypelnienieGazem=85\r\n"), QByteArray("dSlupka=120,5\r\n"),
              QByteArray("Up=1,1\r\n"), QByteArray("Psi_p=0,05\r\n"),
              QByteArray("RodzajSkrzydlaNr2=p\xb3ycina\r\n")}) {
            QCOMPARE(b.count(linia), 1);
            QVERIFY(b.indexOf(linia) < okno1);
        }
        for (const char* klucz :
             {"BudowaSzyby", "PowlokiSzyby", "Wypelnienie", "dSlupka", "Up=", "Psi_p"})
            QVERIFY2(!b.mid(okno1).contains(klucz), klucz);
        TZestawienieStolarki c;
        QCOMPARE(WczytajProjekt(c, s), 0);
        PorownajProjekty(a, c);
        QCOMPARE(zbieracz.ile(), 0);
    }

    void bezPoddaszaBezKluczy() {
        TZestawienieStolarki p;
        p.SetParter(true);
        p.AddOkno("A");
        const QString s = Sciezka("bez_poddasza.tmv");
        QCOMPARE(ZapiszProjekt(p, s), 0);
        const QByteArray b = Czytaj(s);
        QCOMPARE(b.count("LiczbaNaParterNaStrone"), 8);
        QVERIFY(!b.contains("Poddasze"
                            "NaStrone"));
        QVERIFY(!b.contains("Podpiwniczenie"
                            "NaStrone"));
        QVERIFY(!b.contains("LiczbaNaPietro"));
    }

    void zapisNadpisujeIZawodzi() {
        const QString s = Sciezka("stary.tmv");
        QVERIFY(Zapisz(s, "[Stara]\r\nKlucz=1\r\n[Okno7]\r\nSymbol=X\r\n"));
        TZestawienieStolarki p;
        QCOMPARE(ZapiszProjekt(p, s), 0);
        const QByteArray b = Czytaj(s);
        QVERIFY(!b.contains("Stara"));
        QVERIFY(!b.contains("Okno7"));
        QCOMPARE(ZapiszProjekt(p, Sciezka("brak/katalogu.tmv")), -1);
        QVERIFY(!QFile::exists(Sciezka("brak/katalogu.tmv")));
        QCOMPARE(ZapiszProjekt(p, katalog.path()), -1);
    }

    // Every Polish letter and "€" survive a file; a character the code page
    // lacks stops the save before anything is written, naming where it is.
    void znakiDoZapisu_data() {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("zapisane");
        QTest::addColumn<QString>("gdzie");
        const QString litery = QStringLiteral("aąbcćdeęfghijklłmnńoóprsśtuwyzźż "
                                              "AĄBCĆDEĘFGHIJKLŁMNŃOÓPRSŚTUWYZŹŻ €");
        QTest::newRow("litery w firmie") << "Firma" << litery << true << "";
        QTest::newRow("litery w uwagach") << "Uwagi" << litery << true << "";
        QTest::newRow("litery w symbolu") << "Symbol"
                                          << "Łąka-Źż€" << true << "";
        QTest::newRow("cyrylica w symbolu") << "Symbol"
                                            << "Ж1" << false << "symbol okna „Ж1”";
        QTest::newRow("emoji w uwagach") << "Uwagi"
                                         << "dom 🏠" << false << "pole „Uwagi” okna „O1”";
        QTest::newRow("cyrylica w firmie") << "Firma"
                                           << "Я" << false << "pole „Firma” projektu";
    }
    void znakiDoZapisu() {
        QFETCH(QString, pole);
        QFETCH(QString, tekst);
        QFETCH(bool, zapisane);
        QFETCH(QString, gdzie);
        const QString s = Sciezka("znaki.tmv");
        const QByteArray stary("[Info]\r\nProgram=Termivo\r\n[Okna]\r\nLiczba=0\r\n");
        QVERIFY(Zapisz(s, stary));
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        p.AddOkno(pole == "Symbol" ? tekst : QStringLiteral("O1"));
        p.AddOkno(QStringLiteral("Я1"));
        p.DelOkno(QStringLiteral("Я1")); // only what the project holds counts
        if (pole == "Firma")
            p.Firma = tekst;
        if (pole == "Uwagi")
            p.Okno(0)->Uwagi = tekst;
        if (!zapisane) {
            QCOMPARE(ZapiszProjekt(p, s), -1);
            QCOMPARE(Czytaj(s), stary);
            QCOMPARE(zbieracz.ile(), 1);
            QVERIFY2(zbieracz.ostatni().contains(gdzie), qPrintable(zbieracz.ostatni()));
            return;
        }
        QCOMPARE(ZapiszProjekt(p, s), 0);
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjekt(q, s), 0);
        PorownajProjekty(p, q);
        QCOMPARE(zbieracz.ile(), 0);
    }

    // The new content goes to a temporary file beside the old one; when that
    // cannot be made (here: its name would be too long) the old file stays.
    void nieudanyZapisZostawiaStaryPlik() {
        const QString s = Sciezka(QString(250, QLatin1Char('d')));
        const QByteArray stary("[Info]\r\nProgram=Termivo\r\n");
        QVERIFY(Zapisz(s, stary));
        TZestawienieStolarki p;
        p.AddOkno(QStringLiteral("O1"));
        QCOMPARE(ZapiszProjekt(p, s), -1);
        QCOMPARE(Czytaj(s), stary);
    }

    void uwagiZachowujaCudzyslowy() {
        TZestawienieStolarki p;
        p.AddOkno("A");
        p.Okno(0)->Uwagi = ZlaczWiersze({"pierwsza", "druga linia"});
        QCOMPARE(p.Okno(0)->Uwagi, QStringLiteral("pierwsza,\"druga linia\""));
        p.AddOkno("B");
        p.Okno(1)->Uwagi = "\"ala ma kota\",\"x,y\"";
        const QString s = Sciezka("uwagi.tmv");
        QCOMPARE(ZapiszProjekt(p, s), 0);
        QVERIFY(Czytaj(s).contains("Uwagi=pierwsza,\"druga linia\"\r\n"));
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjekt(q, s), 0);
        QCOMPARE(RozdzielWiersze(q.Okno(1)->Uwagi), (QStringList{"ala ma kota", "x,y"}));
        QCOMPARE(q.Okno(0)->Uwagi, p.Okno(0)->Uwagi);
    }

    // Texts of any length come back whole (a reader that kept 2047
    // characters would lose the rest at the next save).
    void dlugieTekstyWracajaCale() {
        TZestawienieStolarki p;
        QStringList wiersze;
        for (int i = 0; i < 700; ++i)
            wiersze << QStringLiteral("uwaga %1 żółć").arg(i, 5);
        p.AddOkno("A");
        p.Okno(0)->Uwagi = ZlaczWiersze(wiersze);
        QVERIFY(p.Okno(0)->Uwagi.size() > 10000);
        p.Firma = QString(10000, QLatin1Char('F'));
        p.ZakresCzynnosci = QStringLiteral("montaż ").repeated(2000).trimmed();
        const QString s = Sciezka("dlugie.tmv");
        QCOMPARE(ZapiszProjekt(p, s), 0);
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjekt(q, s), 0);
        QCOMPARE(q.Okno(0)->Uwagi, p.Okno(0)->Uwagi);
        QCOMPARE(q.Firma, p.Firma);
        QCOMPARE(q.ZakresCzynnosci, p.ZakresCzynnosci);
    }

    // The method of Uw: a file without it keeps the estimate its numbers
    // were made with; what is no method is the estimate too.
    void metodaUw_data() {
        QTest::addColumn<QByteArray>("wiersz");
        QTest::addColumn<int>("metoda");
        QTest::newRow("brak klucza") << QByteArray() << 0;
        QTest::newRow("geometria") << QByteArray("MetodaUw=1\r\n") << 1;
        QTest::newRow("szacunek") << QByteArray("MetodaUw=0\r\n") << 0;
        QTest::newRow("nieznana") << QByteArray("MetodaUw=7\r\n") << 0;
    }
    void metodaUw() {
        QFETCH(QByteArray, wiersz);
        QFETCH(int, metoda);
        TZestawienieStolarki p;
        p.MetodaUw = 1;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajProjektZBajtow(p, "[Projekt]\r\nParter=1\r\n" + wiersz +
                                              "[Okna]\r\nLiczba=0\r\n"),
                 0);
        QCOMPARE(p.MetodaUw, metoda);
        // An unknown method is named once, with the one taken instead.
        QCOMPARE(zbieracz.ile(), wiersz == "MetodaUw=7\r\n" ? 1 : 0);
        if (zbieracz.ile())
            QVERIFY(zbieracz.ostatni().endsWith(
                QStringLiteral("projekt – nieznana metoda obliczania Uw 7 (przyjęto: szacunkowa (z "
                               "pola okna)).")));
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjektZBajtow(q, ZapiszProjektDoBajtow(p).value_or(QByteArray())), 0);
        QCOMPARE(q.MetodaUw, metoda);
    }

    // A building stored with an attic but no ground floor reads with one,
    // as the project panel shows it.
    void poddaszeZParterem() {
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Projekt]\nParter=0\nPoddasze=1\n[Okna]\nLiczba=0\n"), 0);
        QVERIFY(p.Parter());
        QVERIFY(p.Poddasze());
    }

    // Decimals are written with a comma or a point only: a locale with
    // another separator writes a point, and the file reads back whole.
    void separatorInnegoLocale() {
        TZestawienieStolarki a;
        a.AddOkno(QStringLiteral("O1"));
        a.GetOkno(QStringLiteral("O1"))->Ug = 1.1;
        a.KursEuro = 4.25;
        const QLocale arabski(QLocale::Arabic, QLocale::Egypt);
        QVERIFY(arabski.decimalPoint() != QLatin1String(","));
        QVERIFY(arabski.decimalPoint() != QLatin1String("."));
        const QByteArray bajty = ZapiszProjektDoBajtow(a, arabski).value_or(QByteArray());
        QVERIFY(bajty.contains("Ug=1.1\r\n"));
        QVERIFY(bajty.contains("KursEuro=4.25\r\n"));
        TZestawienieStolarki b;
        QCOMPARE(WczytajProjektZBajtow(b, bajty, arabski), 0);
        QCOMPARE(b.GetOkno(QStringLiteral("O1"))->Ug, 1.1);
        QCOMPARE(b.KursEuro, 4.25);
    }

    // Why a save failed, in the user's words.
    void powodBleduZapisu() {
        TZestawienieStolarki p;
        QString powod;
        QCOMPARE(ZapiszProjekt(p, Sciezka("brak/katalogu.tmv"), QLocale(), &powod), -1);
        QVERIFY2(powod.startsWith(QStringLiteral("folder ")) && powod.contains("nie istnieje"),
                 qPrintable(powod));
        QCOMPARE(ZapiszProjekt(p, katalog.path(), QLocale(), &powod), -1);
        QVERIFY2(powod.startsWith(QStringLiteral("pod tą nazwą jest folder")), qPrintable(powod));
    }

    // A full disk is named as one, and the file saved before stays whole: a
    // disk of 64 KiB (tmpfs), a project of about 200 KiB.
    void pelnyDysk() {
        const QString folder = Sciezka("maly-dysk");
        QVERIFY(QDir().mkpath(folder));
        if (mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("a small disk cannot be mounted here (needs root)");
        const QString plik = folder + QStringLiteral("/dom.tmv");
        TZestawienieStolarki maly;
        maly.AddOkno(QStringLiteral("O1"));
        QCOMPARE(ZapiszProjekt(maly, plik), 0);
        const QByteArray przed = Czytaj(plik);
        TZestawienieStolarki duzy;
        for (int i = 0; i < 300; ++i) {
            duzy.AddOkno(QStringLiteral("O%1").arg(i));
            duzy.Okno(i)->Uwagi = QString(500, QLatin1Char('x'));
        }
        QString powod;
        const int32_t wynik = ZapiszProjekt(duzy, plik, QLocale(), &powod);
        const QByteArray po = Czytaj(plik);
        const QStringList zostalo = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        umount(QFile::encodeName(folder).constData());
        QCOMPARE(wynik, -1);
        QVERIFY2(powod.startsWith(QStringLiteral("na dysku ")) &&
                     powod.contains(QStringLiteral("nie ma wolnego miejsca")),
                 qPrintable(powod));
        QCOMPARE(po, przed);
        QCOMPARE(zostalo, QStringList{QStringLiteral("dom.tmv")}); // no temporary file left
    }
};

QTEST_GUILESS_MAIN(TestPlikProjektu)
#include "tst_plikprojektu.moc"
