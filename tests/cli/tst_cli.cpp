#include "tests/cli/cli_wspolne.h"

class TestCli : public TTestCli {
    Q_OBJECT

private slots:

    void json() {
        TJson j;
        j.PoczatekObiektu();
        j.Pole(QLatin1String("b"), QStringLiteral("\"\\\n\x01ż"));
        j.Pole(QLatin1String("a"), 0.1);
        j.Klucz(QStringLiteral("t"));
        j.PoczatekTablicy();
        j.Liczba(qInf());
        j.Logiczna(true);
        j.Calkowita(-3);
        j.KoniecTablicy();
        j.KoniecObiektu();
        QCOMPARE(j.Wynik(), QByteArray("{\"b\":\"\\\"\\\\\\n\\u0001\xC5\xBC\",\"a\":0.1,"
                                       "\"t\":[null,true,-3]}"));
    }

    // The committed project read under either kind of locale gives the same summary.
    void podsumowanie_data() {
        QTest::addColumn<QString>("jezyk");
        QTest::newRow("polski") << "pl_PL.UTF-8";
        QTest::newRow("C") << "C.UTF-8";
    }
    void podsumowanie() {
        QFETCH(QString, jezyk);
        const Wynik w = Uruchom({QStringLiteral("summary"), Wzorcowy()}, jezyk);
        QCOMPARE(w.kod, 0);
        QJsonParseError blad{};
        const QJsonObject o = QJsonDocument::fromJson(w.wyjscie, &blad).object();
        QCOMPARE(blad.error, QJsonParseError::NoError);
        QCOMPARE(o.value("Firma").toString(), QStringLiteral("Pracownia „Łęg” Sp. z o.o."));
        QCOMPARE(o.value("Data").toString(), QStringLiteral("2026-12-08"));
        QCOMPARE(o.value("LiczbaPieter").toInt(), 2);
        QCOMPARE(o.value("Poddasze").toBool(), true);
        QCOMPARE(o.value("KursEuro").toDouble(), 4.2512);
        QCOMPARE(o.value("DVPromocjaForma").toDouble(), 99.9999999999999);
        const QJsonArray okna = o.value("Okna").toArray();
        QCOMPARE(okna.size(), 2);
        const QJsonObject o1 = okna[0].toObject();
        QCOMPARE(o1.value("Symbol").toString(), QStringLiteral("O1"));
        QCOMPARE(o1.value("TypOkna").toInt(), 5037);
        QCOMPARE(o1.value("TypOknaNazwa").toString(), QStringLiteral("5 skrzydłowe (typ 037)"));
        QCOMPARE(o1.value("MaterialRamy").toString(), QStringLiteral("drewno"));
        QCOMPARE(o1.value("Szerokosc").toDouble(), 1200.5);
        QCOMPARE(o1.value("RodzajSkrzydla").toArray().size(), 8);
        QCOMPARE(o1.value("ZrodloUg").toString(), QStringLiteral("DV"));
        QCOMPARE(o1.value("Uwagi").toArray(), (QJsonArray{"ala ma kota", "x,y"}));
        const QJsonObject liczby = o1.value("LiczbaOkien").toObject();
        QCOMPARE(liczby.keys().size(), 5);
        QCOMPARE(liczby.value("2").toArray().at(7).toInt(), 32);
        QCOMPARE(o1.value("SumaOkien").toInt(), 40 * 41 / 2);
        // 5037, 1200,5 × 1500: Aw 1,80075, f = 0,379 · 1,80075^0,3024 = 0,452781;
        // Lg = 10 · 1200,5 / 3 + 6 · 1500 − 88 · 70,5 / 3 = 10 933,667 mm;
        // Uw = 0,452781 · 0,6 + 0,547219 · 1,21 + 10,933667 · 0,04 / 1,80075 =
        // 1,176673, with dR 0,15: 1,176673 / 1,176501 = 1,000146 (O1 only: Uśr).
        QVERIFY(std::abs(o1.value("UwBezRolety").toDouble() - 1.176673) < 5e-7);
        QVERIFY(std::abs(o1.value("Uw").toDouble() - 1.000146) < 5e-7);
        QVERIFY(std::abs(o.value("USrednie").toDouble() - 1.000146) < 5e-7);
        QCOMPARE(okna[1].toObject().value("Symbol").toString(), QStringLiteral("Ł2"));
    }

    void kodyWyjscia_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("naStderr");
        // Wrong usage says what was wrong in one line and where the help is.
        QTest::newRow("pomoc") << QStringList{"--help"} << 0 << "";
        QTest::newRow("pomoc polecenia") << QStringList{"summary", "--help"} << 0 << "";
        QTest::newRow("bez argumentów")
            << QStringList{} << 2 << "termivo-cli: brak polecenia. Pomoc: termivo-cli --help\n";
        QTest::newRow("nieznane polecenie")
            << QStringList{"drukuj", "a.tmv"} << 2
            << "termivo-cli: nieznane polecenie „drukuj”. Pomoc: termivo-cli --help\n";
        QTest::newRow("print: liczba kopii")
            << QStringList{"print", Wzorcowy(), "--copies", "zero"} << 2
            << "termivo-cli: liczba kopii od 1 do 999. Pomoc: termivo-cli print --help\n";
        QTest::newRow("report: czcionka")
            << QStringList{"report", Wzorcowy(), "x.pdf", "--font", "Brak Takiej"} << 2
            << "termivo-cli: czcionka „Brak Takiej” nie jest zainstalowana. Pomoc: "
               "termivo-cli report --help\n";
        QTest::newRow("brak pliku")
            << QStringList{"summary"} << 2
            << "termivo-cli: podaj jeden plik projektu. Pomoc: termivo-cli summary --help\n";
        QTest::newRow("nieznana opcja")
            << QStringList{"summary", "--bogus", "a.tmv"} << 2
            << "termivo-cli: nieznana opcja „--bogus”. Pomoc: termivo-cli summary --help\n";
        QTest::newRow("nieznana opcja orientations")
            << QStringList{"orientations", "a.tmv", "--xml"} << 2
            << "termivo-cli: nieznana opcja „--xml”. Pomoc: termivo-cli orientations --help\n";
        // A file that cannot be read is named, with the reason in Polish.
        QTest::newRow("plik nie istnieje")
            << QStringList{"summary", "/nie/ma/takiego.tmv"} << 1
            << "Wystąpił błąd podczas odczytu projektu z pliku! /nie/ma/takiego.tmv: plik nie "
               "istnieje\n";
        QTest::newRow("folder") << QStringList{"summary", "/tmp"} << 1
                                << "Wystąpił błąd podczas odczytu projektu z pliku! /tmp: to jest "
                                   "folder, nie plik\n";
    }
    void kodyWyjscia() {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, naStderr);
        const Wynik w = Uruchom(argumenty, QStringLiteral("C.UTF-8"));
        QCOMPARE(w.kod, kod);
        QCOMPARE(w.bledy, naStderr);
        if (kod != 0)
            QVERIFY(w.wyjscie.isEmpty());
        else
            QVERIFY(w.wyjscie.contains("summary"));
        // The help of one command is that command's only, from its syntax.
        if (argumenty.size() == 2 && argumenty[1] == QLatin1String("--help")) {
            QVERIFY(w.wyjscie.startsWith("Składnia: termivo-cli summary\n"));
            QVERIFY(!w.wyjscie.contains("orientations"));
        }
        // The general one fits a screen of 80 × 24.
        if (argumenty == QStringList{"--help"}) {
            const QList<QByteArray> wiersze = w.wyjscie.trimmed().split('\n');
            QVERIFY2(wiersze.size() <= 24, w.wyjscie.constData());
            for (const QByteArray& l : wiersze)
                QVERIFY2(QString::fromUtf8(l).size() <= 80, l.constData());
        }
    }

    // The worked example of the price list, next to a window out of the list.
    void ceny() {
        QVERIFY(katalog.isValid());
        const QString s = katalog.filePath(QStringLiteral("ceny.tmv"));
        QFile f(s);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Projekt]\r\nParter=1\r\nKursEuro=4\r\nStawkaVat=23\r\n"
                "[Okna]\r\nLiczba=2\r\n"
                "[Okno0]\r\nSymbol=DV\r\nSzerokosc=1000\r\nWysokosc=1400\r\n"
                "RodzajSkrzydlaNr1=rozwierne (lewe) uchylne\r\nZrodloUg=DV\r\nZrodloUf=DV\r\n"
                "SzkloKodID=21\r\nRamaKodID=20\r\nMaterialRamy=PCV\r\nCenaOkna=-1\r\n"
                "LiczbaNaParterNaStrone0=2\r\n"
                "[Okno1]\r\nSymbol=Male\r\nSzerokosc=200\r\nWysokosc=1400\r\n"
                "ZrodloUg=DV\r\nZrodloUf=DV\r\nLiczbaNaParterNaStrone1=1\r\n");
        f.close();
        const Wynik w = Uruchom({QStringLiteral("summary"), s});
        QCOMPARE(w.kod, 0);
        const QJsonObject o = QJsonDocument::fromJson(w.wyjscie).object();
        const QJsonArray okna = o.value("Okna").toArray();
        const QJsonObject dv = okna[0].toObject();
        QCOMPARE(dv.value("CenaZCennika").toDouble(), 168.0);
        QCOMPARE(dv.value("CenaNetto").toDouble(), 517.44);
        QCOMPARE(dv.value("KomunikatWyceny").toString(), QString());
        const QJsonObject male = okna[1].toObject();
        QVERIFY(male.value("CenaZCennika").isNull());
        QVERIFY(male.value("CenaNetto").isNull());
        QCOMPARE(male.value("KomunikatWyceny").toString(),
                 QStringLiteral("Wymiary skrzydła I-go poza cennikiem!"));
        QCOMPARE(o.value("SumaCenOkien").toDouble(), 1034.88);
        QCOMPARE(o.value("SumaCenOkienBrutto").toDouble(), 1272.9);
        QCOMPARE(o.value("SumaCenMontazu").toDouble(), 0.0);
        QCOMPARE(o.value("SumaCenMontazuBrutto").toDouble(), 0.0);
        // 1034,88 / 3,08 = 336,00; 1272,90 / 3,08 = 413,279… → 413,28.
        QCOMPARE(o.value("CenaZaM2Netto").toDouble(), 336.0);
        QCOMPARE(o.value("CenaZaM2Brutto").toDouble(), 413.28);
    }

    void importAvk() {
        QVERIFY(katalog.isValid());
        const QString avk = katalog.filePath(QStringLiteral("dom.avk"));
        const QString tmv = katalog.filePath(QStringLiteral("dom.tmv"));
        QFile f(avk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ARVO\r\n1\r\n-\r\na\r\nb\r\nc\r\nd\r\nS\r\n1\r\n-\r\n"
                "o\r\nO1\r\n1,5\r\n1,2\r\n2\r\nFALSE\r\na\r\nb\r\nc\r\nx\r\ny\r\nz\r\n");
        f.close();
        Wynik w = Uruchom({QStringLiteral("import-avk"), avk, tmv});
        QCOMPARE(w.kod, 0);
        w = Uruchom({QStringLiteral("summary"), tmv});
        const QJsonObject o = QJsonDocument::fromJson(w.wyjscie).object();
        QVERIFY(o.value("Parter").toBool());
        const QJsonObject o1 = o.value("Okna").toArray().at(0).toObject();
        QCOMPARE(o1.value("Symbol").toString(), QStringLiteral("O1"));
        QCOMPARE(o1.value("Szerokosc").toDouble(), 1200.0);
        QCOMPARE(o1.value("LiczbaOkien").toObject().value("parter").toArray().at(4).toInt(), 2);

        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ARVO\r\ndwa\r\n");
        f.close();
        const QString zly = katalog.filePath(QStringLiteral("zly.tmv"));
        w = Uruchom({QStringLiteral("import-avk"), avk, zly});
        QCOMPARE(w.kod, 1);
        QVERIFY(w.bledy.contains(
            QStringLiteral("Próba importu projektu z pliku zakończyła się niepowodzeniem.")));
        QVERIFY(!QFile::exists(zly));
        // Any text, or nothing, is refused with its reason; nothing written.
        for (const QByteArray& tekst : {QByteArray("hello world\n"), QByteArray()}) {
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(tekst);
            f.close();
            w = Uruchom({QStringLiteral("import-avk"), avk, zly});
            QCOMPARE(w.kod, 1);
            QVERIFY2(w.bledy.contains(QStringLiteral("to nie jest projekt Arvo-K")),
                     qPrintable(w.bledy));
            QVERIFY(!QFile::exists(zly));
        }
    }

    void innyProgram() {
        QVERIFY(katalog.isValid());
        const QString s = katalog.filePath(QStringLiteral("obcy.tmv"));
        QFile f(s);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Info]\r\nProgram=Arvo-K\r\n");
        f.close();
        const Wynik w = Uruchom({QStringLiteral("summary"), s});
        QCOMPARE(w.kod, 1);
        QVERIFY(w.bledy.contains(QStringLiteral("Plik nie jest formatu Termivo!")));
        QVERIFY(w.wyjscie.isEmpty());
    }

    // A file that is no project is refused; one cut short is read as far as
    // it goes, with a word on stderr.
    void obceIUciete() {
        const QString obcy = katalog.filePath(QStringLiteral("oferta.docx"));
        QFile f(obcy);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("PK\x03\x04\x00\x00", 6) + "[Okna]\nLiczba=1\n");
        f.close();
        Wynik w = Uruchom({"summary", obcy});
        QCOMPARE(w.kod, 1);
        QVERIFY(
            w.bledy.contains(QStringLiteral("Wybrany plik nie jest plikiem projektu Termivo!")));
        QFile wzor(Wzorcowy());
        QVERIFY(wzor.open(QIODevice::ReadOnly));
        const QByteArray bajty = wzor.readAll();
        const QString uciety = katalog.filePath(QStringLiteral("uciety.tmv"));
        QFile u(uciety);
        QVERIFY(u.open(QIODevice::WriteOnly));
        u.write(bajty.left(bajty.indexOf("Ug=", bajty.indexOf("[Okno1]"))));
        u.close();
        // Every command that reads it writes its output, warns and exits 4.
        for (const QStringList& polecenie :
             {QStringList{"summary", uciety}, QStringList{"check", uciety},
              QStringList{"orientations", uciety},
              QStringList{"report", uciety, katalog.filePath("u.pdf")},
              QStringList{"export", uciety, katalog.filePath("u.csv")}}) {
            w = Uruchom(polecenie);
            QCOMPARE(w.kod, 4);
            QCOMPARE(w.bledy, QStringLiteral("Informacja: ") +
                                  KOMUNIKAT_NIEKOMPLETNY.arg(2).arg(2) + QLatin1Char('\n'));
        }
        QVERIFY(QFileInfo(katalog.filePath("u.pdf")).size() > 1000);
        QVERIFY(QFileInfo(katalog.filePath("u.csv")).size() > 100);
        // Cut before its windows, it still says so: no verdict of "complies".
        u.open(QIODevice::WriteOnly | QIODevice::Truncate);
        u.write(bajty.left(bajty.indexOf("[Okna]")));
        u.close();
        w = Uruchom({"check", uciety});
        QCOMPARE(w.kod, 4);
        QVERIFY(w.bledy.contains(KOMUNIKAT_NIEKOMPLETNY_BEZ_OKIEN));
    }

    // JSON a script can rely on: the format's version, every window's area,
    // numbers in the shortest form that reads back (1.13, never
    // 1.1300000000000001), null for no date and for a Uw that is no
    // physical value (a negative dR), which is never judged.
    void jsonDlaSkryptow() {
        const QString s = katalog.filePath(QStringLiteral("skrypt.tmv"));
        QFile f(s);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Projekt]\r\nParter=1\r\n[Okna]\r\nLiczba=2\r\n"
                "[Okno0]\r\nSymbol=O1\r\nSzerokosc=1000\r\nWysokosc=1000\r\nUg=1,13\r\n"
                "Uf=1,13\r\nLiczbaNaParterNaStrone0=1\r\nUwagi=\r\n"
                "[Okno1]\r\nSymbol=O2\r\nSzerokosc=1200\r\nWysokosc=1500\r\nUg=1\r\n"
                "Uf=1\r\ndR=-1\r\nUwagi=\r\n");
        f.close();
        const Wynik w = Uruchom({"summary", s});
        QCOMPARE(w.kod, 0);
        const QJsonObject o = QJsonDocument::fromJson(w.wyjscie).object();
        QCOMPARE(o.value("WersjaFormatu").toInt(), 3);
        QVERIFY(o.value("Data").isNull());
        QCOMPARE(o.value("USrednieOkien").toInt(), 1);
        QCOMPARE(o.value("BezDanych").toArray(), QJsonArray{QStringLiteral("O2")});
        const QJsonArray okna = o.value("Okna").toArray();
        QCOMPARE(okna[0].toObject().value("Pole").toDouble(), 1.0);
        QCOMPARE(okna[1].toObject().value("Pole").toDouble(), 1.8);
        QVERIFY(okna[1].toObject().value("Uw").isNull());
        QCOMPARE(okna[1].toObject().value("BrakUw").toString(),
                 QStringLiteral("dR = -1 (dopuszczalne od 0 do 1 m²K/W)"));
        const Wynik c = Uruchom({"check", s, "--json"});
        QCOMPARE(c.kod, 3); // O2 lacks data, O1 fails
        QVERIFY2(c.wyjscie.contains("\"UwPokazane\":1.13,"), c.wyjscie.constData());
        const QJsonObject j = QJsonDocument::fromJson(c.wyjscie).object();
        QCOMPARE(j.value("Okna").toArray()[1].toObject().value("WT2021").toString(),
                 QStringLiteral("brak danych"));
    }

    // Whatever a file within the size limit holds, reading it takes at most
    // 300 MB: many windows with many floors, millions of lines, sections or
    // windows. Each is read (and said to be damaged where it is).
    void pamiecOgraniczona_data() {
        QTest::addColumn<QByteArray>("poczatek");
        QTest::addColumn<QByteArray>("powtarzane"); // %1: a running number
        QTest::addColumn<qint64>("rozmiar");
        QTest::addColumn<int>("kod");
        QTest::newRow("100 000 okien, 200 pięter")
            << QByteArray("[Projekt]\r\nParter=1\r\nLiczbaPieter=200\r\n[Okna]\r\n"
                          "Liczba=100000\r\n")
            << QByteArray("[Okno%1]\r\nSymbol=O%1\r\nLiczbaNaPietro200NaStrone0=1\r\n")
            << qint64(100000) << 3;
        QTest::newRow("miliony linii") << QByteArray("[Okna]\nLiczba=1\n[Okno0]\nSymbol=A\n")
                                       << QByteArray("a=1\n") << qint64(-1) << 4;
        QTest::newRow("miliony sekcji")
            << QByteArray("[Okna]\nLiczba=1\n") << QByteArray("[x]\n") << qint64(-1) << 4;
        QTest::newRow("miliony okien") << QByteArray("[Okna]\nLiczba=9000000\n")
                                       << QByteArray("[Okno%1]\nSymbol=%1\n") << qint64(-1) << 4;
    }
    void pamiecOgraniczona() {
#ifdef TERMIVO_SANITIZE
        QSKIP("the sanitizers' own memory is no measure of the program's");
#endif
        QFETCH(QByteArray, poczatek);
        QFETCH(QByteArray, powtarzane);
        QFETCH(qint64, rozmiar); // how many repeats; -1: up to the size limit
        QFETCH(int, kod);
        const QString plik = katalog.filePath(QStringLiteral("wrogi.tmv"));
        {
            QFile f(plik);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray bajty = poczatek;
            const qint64 limit = TPlikProfilu::MAX_ROZMIAR - 64;
            bajty.reserve(limit);
            const bool numer = powtarzane.contains("%1");
            for (qint64 i = 0;
                 rozmiar < 0 ? bajty.size() + powtarzane.size() + 16 < limit : i < rozmiar; ++i)
                bajty += numer ? QByteArray(powtarzane).replace("%1", QByteArray::number(i))
                               : powtarzane;
            QVERIFY(f.write(bajty) == bajty.size());
        }
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {"--pamiec", "check", plik});
        QVERIFY(p.waitForFinished(300000));
        const QList<QByteArray> wynik = p.readAllStandardOutput().trimmed().split(' ');
        QCOMPARE(wynik.size(), 2);
        QCOMPARE(wynik[0].toInt(), kod);
        QVERIFY2(wynik[1].toLong() < 300 * 1024, wynik[1].constData());
        QFile::remove(plik);
    }
};

// The child of the memory test: runs termivo-cli on the arguments and
// prints its exit status and the peak of its resident memory in KiB, which
// only a parent of that one child can tell.
int Pamiec(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral(TERMIVO_CLI), QCoreApplication::arguments().mid(2));
    if (!p.waitForFinished(300000))
        return 1;
    rusage r{};
    getrusage(RUSAGE_CHILDREN, &r);
    std::printf("%d %ld\n", p.exitCode(), r.ru_maxrss);
    return 0;
}

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--pamiec") == 0)
        return Pamiec(argc, argv);
    QCoreApplication app(argc, argv);
    TestCli t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_cli.moc"
