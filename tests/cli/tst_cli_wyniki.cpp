// What the command line makes of a project: the check, the spreadsheet, the report, the table by
// storey and direction, the IFC import.
#include "tests/cli/cli_wspolne.h"

class TestCliWyniki : public TTestCli {
    Q_OBJECT

private slots:

    // The report as PDF: pages, real text in an embedded font, and nothing
    // left behind when it cannot be made.
    void raport_data() {
        QTest::addColumn<QStringList>("opcje");
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("strony");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("domyślnie") << QStringList() << 0 << 2 << "ZESTAWIENIE STOLARKI OKIENNEJ";
        QTest::newRow("ceny i papier")
            << QStringList{"--prices",    "--per-m2",  "--paper",    "A5",
                           "--landscape", "--margins", "10,10,10,10"}
            << 0 << 4 << "Szacunkowa cena"; // the summary goes on to page 2
        QTest::newRow("strona za mała") << QStringList{"--margins", "60"} << 3 << 0 << "";
        // 210 - 2 × 22.6 = 164.8 mm: a millimetre short of a block, not a pixel.
        QTest::newRow("ramka 164,8 mm")
            << QStringList{"--margins", "22.6,20,22.6,20"} << 3 << 0 << "";
        QTest::newRow("marginesy nie liczby")
            << QStringList{"--margins", "a,b,c,d"} << 2 << 0 << "";
        QTest::newRow("nieznana opcja") << QStringList{"--kolor"} << 2 << 0 << "";
        QTest::newRow("nieznany papier") << QStringList{"--paper", "B7"} << 2 << 0 << "";
    }
    void raport() {
        QFETCH(QStringList, opcje);
        QFETCH(int, kod);
        QFETCH(int, strony);
        QFETCH(QString, tekst);
        const QString pdf = katalog.filePath(QStringLiteral("raport.pdf"));
        QFile::remove(pdf);
        const Wynik w = Uruchom(QStringList{"report", Wzorcowy(), pdf} + opcje);
        QCOMPARE(w.kod, kod);
        QCOMPARE(QFile::exists(pdf), kod == 0);
        if (kod == 3)
            QCOMPARE(
                w.bledy,
                QStringLiteral("Błąd: Strona jest za mała by wydrukować zestawienie stolarki!\n"));
        if (kod != 0)
            return;
        QCOMPARE(w.bledy, QString()); // nothing but the program's own messages
        const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(strony))),
                 qPrintable(info));
        const QString tresc = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(tresc.contains(tekst), qPrintable(tresc));
        QVERIFY(tresc.contains(QStringLiteral("Pracownia „Łęg”")));
        const QString czcionki = Poppler(QStringLiteral("pdffonts"), {pdf});
        QVERIFY2(czcionki.contains(QRegularExpression(QStringLiteral("TrueType.*yes"))),
                 qPrintable(czcionki));
        // The report's own font, Debian's free Tahoma, where it is installed.
        if (QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
            QVERIFY2(czcionki.contains(QStringLiteral("Tahoma")), qPrintable(czcionki));
    }

    // import-ifc: the summary line on stderr, the values given to every
    // window, wrong usage in one line, a damaged model with its line and no
    // file written.
    void importIfc_data() {
        QTest::addColumn<QStringList>("opcje");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("bledy");
        QTest::newRow("zwykły")
            << QStringList{"--ug", "0,6", "--d", "78"} << 0
            << "zaimportowano 3 okna jako 2 pozycje; 3 bez układu skrzydeł; 1 drzwi pominięto";
        QTest::newRow("północ") << QStringList{"--polnoc", "90"} << 0 << "jako 2 pozycje";
        QTest::newRow("zła liczba") << QStringList{"--ug", "x"} << 2 << "--ug wymaga liczby";
        QTest::newRow("ujemna") << QStringList{"--d", "-5"} << 2
                                << "--d musi być w zakresie od 0 do 1000 mm";
        QTest::newRow("Psi_g 1E300")
            << QStringList{"--psi", "1E300"} << 2 << "--psi musi być w zakresie od 0 do 1 W/mK";
        QTest::newRow("nieznana") << QStringList{"--abc"} << 2 << "nieznana opcja --abc";
        QTest::newRow("ucięty") << QStringList{"ucięty"} << 1 << "wiersz 5: plik kończy się przed";
    }
    void importIfc() {
        QFETCH(QStringList, opcje);
        QFETCH(int, kod);
        QFETCH(QString, bledy);
        const QByteArray model =
            "ISO-10303-21;HEADER;FILE_SCHEMA(('IFC2X3'));ENDSEC;DATA;\n"
            "#1=IFCBUILDINGSTOREY('a',$,'Parter',$,$,$,$,$,.ELEMENT.,0.);\n"
            "#2=IFCWINDOW('e',$,'O1',$,$,$,$,'OK1',1.5,1.2);\n"
            "#3=IFCWINDOW('f',$,'O1',$,$,$,$,'OK1',1.5,1.2);\n"
            "#4=IFCWINDOW('g',$,'O2',$,$,$,$,'OK2',1.2,0.9);\n"
            "#5=IFCDOOR('h',$,'Drzwi',$,$,$,$,$,2.1,0.9);\n"
            "#6=IFCRELCONTAINEDINSPATIALSTRUCTURE('i',$,$,$,(#2,#3,#4,#5),#1);\n"
            "ENDSEC;END-ISO-10303-21;\n";
        const QString ifc = katalog.filePath(QStringLiteral("dom.ifc"));
        QFile f(ifc);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const bool uciety = opcje == QStringList{"ucięty"};
        f.write(uciety ? model.left(model.indexOf("#4=")) : model);
        f.close();
        const QString tmv = katalog.filePath(QStringLiteral("z_ifc.tmv"));
        QFile::remove(tmv);
        const Wynik w =
            Uruchom(QStringList{"import-ifc", ifc, tmv} + (uciety ? QStringList() : opcje));
        QCOMPARE(w.kod, kod);
        QVERIFY2(w.bledy.contains(bledy), qPrintable(w.bledy));
        QCOMPARE(w.bledy.count(QLatin1Char('\n')), 1);
        QCOMPARE(QFile::exists(tmv), kod == 0);
        if (kod != 0)
            return;
        const QJsonObject o =
            QJsonDocument::fromJson(Uruchom({QStringLiteral("summary"), tmv}).wyjscie).object();
        const QJsonArray okna = o.value("Okna").toArray();
        QCOMPARE(okna.size(), 2);
        const QJsonObject ok1 = okna.at(0).toObject();
        QCOMPARE(ok1.value("Symbol").toString(), QStringLiteral("OK1"));
        QCOMPARE(ok1.value("Szerokosc").toDouble(), 1200.0);
        QCOMPARE(ok1.value("SumaOkien").toInt(), 2);
        if (opcje.contains(QStringLiteral("--ug")))
            QCOMPARE(ok1.value("Ug").toDouble(), 0.6);
    }

    // import-avk says why it could not: the file's line that holds no number.
    void importZPowodem() {
        const QString avk = katalog.filePath(QStringLiteral("zly.avk"));
        QFile f(avk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ARVO\r\ndwa\r\n");
        f.close();
        const Wynik w = Uruchom({"import-avk", avk, katalog.filePath(QStringLiteral("z.tmv"))},
                                QStringLiteral("C.UTF-8"));
        QCOMPARE(w.kod, 1);
        QVERIFY2(w.bledy.contains(QStringLiteral("w wierszu 2 pliku powinna być liczba, a jest "
                                                 "„dwa”")),
                 qPrintable(w.bledy));
        QVERIFY(!QFile::exists(katalog.filePath(QStringLiteral("z.tmv"))));
    }

    // An export ended by SIGTERM leaves no hidden half-written file.
    void eksportPrzerwany() {
        const QString projekt = katalog.filePath(QStringLiteral("duzy.tmv"));
        {
            TZestawienieStolarki p;
            p.SetParter(true);
            for (int i = 0; i < 20000; ++i) {
                p.AddOkno(QStringLiteral("O%1").arg(i));
                p.Okno(i)->SetLiczba(POZIOM_PARTER, i % 8, 1);
            }
            QCOMPARE(ZapiszProjekt(p, projekt), WYNIK_OK);
        }
        QTemporaryDir cel;
        QProcess p;
        p.start(QStringLiteral(TERMIVO_CLI), {"export", projekt, cel.filePath("z.xlsx")});
        QVERIFY(p.waitForStarted());
        // Once the half-written file is there, the program is ended.
        QTRY_VERIFY_WITH_TIMEOUT(
            !QDir(cel.path()).entryList(QDir::Files | QDir::Hidden).isEmpty() ||
                p.state() == QProcess::NotRunning,
            30000);
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        QVERIFY(p.waitForFinished(30000));
        const QStringList zostalo = QDir(cel.path()).entryList(QDir::Files | QDir::Hidden);
        QVERIFY2(zostalo.isEmpty() || zostalo == QStringList{QStringLiteral("z.xlsx")},
                 qPrintable(zostalo.join(' ')));
    }

    // WT 2021 from the command line: every verdict, the project's, and the
    // exit status a script before a submission reads.
    void sprawdzenie_data() {
        QTest::addColumn<QString>("przypadek");
        QTest::addColumn<double>("g"); // O1's; no device, no pieces
        QTest::addColumn<QString>("lato");
        QTest::addColumn<int>("kod");
        QTest::newRow("spełnia") << "spelnia" << 0.35 << "spełnia" << 0;
        QTest::newRow("nie spełnia") << "nie" << 0.3 << "spełnia" << 3;
        QTest::newRow("bez danych") << "brak" << 0.3 << "spełnia" << 3;
        // Summer: a failure fails the check, a window without g does not.
        QTest::newRow("latem nie spełnia") << "spelnia" << 0.36 << "nie spełnia" << 3;
        QTest::newRow("latem bez g") << "spelnia" << -1.0 << "brak danych" << 0;
    }
    void sprawdzenie() {
        QFETCH(QString, przypadek);
        QFETCH(double, g);
        QFETCH(QString, lato);
        QFETCH(int, kod);
        TZestawienieStolarki p;
        p.AddOkno("O1");
        p.AddOkno("N1");
        TOkno& o = *p.GetOkno("O1");
        o.Szerokosc = 1200;
        o.Wysokosc = 1500;
        o.Ug = 0.5;
        o.Uf = przypadek == QLatin1String("nie") ? 2.5 : 0.9;
        o.Psi_g = 0.04;
        o.Lg = 5000;
        o.g = g;
        p.CopyOknoParams("O1", "N1"); // no requirement: an unheated room's window
        p.GetOkno("N1")->Rodzaj = 5;
        if (przypadek == QLatin1String("brak"))
            o.Ug = 0;
        const QString s = katalog.filePath(QStringLiteral("wt.tmv"));
        QCOMPARE(ZapiszProjekt(p, s), 0);
        const Wynik w = Uruchom({"check", s, "--json"});
        QCOMPARE(w.kod, kod);
        const QJsonObject j = QJsonDocument::fromJson(w.wyjscie).object();
        const QJsonObject zima = j.value("WT2021").toObject();
        QCOMPARE(zima.value("Spelnia").toBool(), przypadek == QLatin1String("spelnia"));
        const QJsonObject latem = j.value("WT2021Lato").toObject();
        QCOMPARE(latem.value("Spelnia").toBool(), lato == QStringLiteral("spełnia"));
        QCOMPARE(latem.value("NieSpelnia").toArray(), lato == QStringLiteral("nie spełnia")
                                                          ? QJsonArray{QStringLiteral("O1")}
                                                          : QJsonArray());
        QCOMPARE(latem.value("BezDanych").toArray(), lato == QStringLiteral("brak danych")
                                                         ? QJsonArray{QStringLiteral("O1")}
                                                         : QJsonArray());
        const QJsonArray okna = j.value("Okna").toArray();
        QCOMPARE(okna.size(), 2);
        const QJsonObject o1 = okna[0].toObject();
        QCOMPARE(o1.value("Symbol").toString(), QStringLiteral("O1"));
        QCOMPARE(o1.value("Rodzaj").toString(), QStringLiteral("okno"));
        QCOMPARE(o1.value("Umax").toDouble(), 0.9);
        QCOMPARE(o1.value("WT2021").toString(),
                 przypadek == QLatin1String("spelnia") ? QStringLiteral("spełnia")
                 : przypadek == QLatin1String("nie")   ? QStringLiteral("nie spełnia")
                                                       : QStringLiteral("brak danych"));
        const QJsonObject lato1 = o1.value("WT2021Lato").toObject();
        QCOMPARE(lato1.value("Wynik").toString(), lato);
        if (g < 0)
            QVERIFY(lato1.value("gfC").isNull());
        else
            QCOMPARE(lato1.value("gfC").toDouble(), g);
        QCOMPARE(okna[1].toObject().value("WT2021Lato").toObject().value("Wynik").toString(),
                 QStringLiteral("nie dotyczy"));
        QVERIFY(okna[1].toObject().value("Umax").isNull());
        QCOMPARE(okna[1].toObject().value("WT2021").toString(), QStringLiteral("brak wymagań"));
        // Lists of symbols, as the summary has them; their counts beside.
        QCOMPARE(zima.value("NieSpelnia").toArray(), przypadek == QLatin1String("nie")
                                                         ? QJsonArray{QStringLiteral("O1")}
                                                         : QJsonArray());
        QCOMPARE(zima.value("BezDanych").toArray(), przypadek == QLatin1String("brak")
                                                        ? QJsonArray{QStringLiteral("O1")}
                                                        : QJsonArray());
        QCOMPARE(zima.value("LiczbaNieSpelnia").toInt(), przypadek == QLatin1String("nie") ? 1 : 0);
        QCOMPARE(zima.value("LiczbaBezDanych").toInt(), przypadek == QLatin1String("brak") ? 1 : 0);
        if (przypadek == QLatin1String("brak"))
            QVERIFY(o1.value("Uw").isNull());
        // The lines for a person, and the same verdict in the summary.
        const Wynik tekst = Uruchom({"check", s});
        QCOMPARE(tekst.kod, kod);
        QVERIFY(tekst.wyjscie.startsWith("O1; okno; Uw = "));
        QVERIFY(tekst.wyjscie.contains("Zgodność z WT 2021: "));
        QVERIFY(tekst.wyjscie.contains(("; lato: " + lato + "\n").toUtf8()));
        const QJsonObject suma = QJsonDocument::fromJson(Uruchom({"summary", s}).wyjscie).object();
        QCOMPARE(suma.value("TemperaturaWewnetrzna").toDouble(), 20.0);
        QCOMPARE(suma.value("WT2021").toObject().value("Spelnia").toBool(),
                 przypadek == QLatin1String("spelnia"));
        QCOMPARE(suma.value("Okna").toArray()[1].toObject().value("Rodzaj").toString(),
                 QStringLiteral("pomieszczenie nieogrzewane"));
        // The same keys with the same values in both.
        for (const char* klucz : {"Uw", "UwPokazane", "UwBezRolety", "UwOceniane", "BrakUw", "Umax",
                                  "WT2021", "WT2021Lato"})
            QCOMPARE(suma.value("Okna").toArray()[0].toObject().value(QLatin1String(klucz)),
                     o1.value(QLatin1String(klucz)));
        QCOMPARE(suma.value("Okna")
                     .toArray()[0]
                     .toObject()
                     .value("WT2021Lato")
                     .toObject()
                     .value("Wynik")
                     .toString(),
                 lato);
        QCOMPARE(suma.value("WT2021Lato").toObject().value("Spelnia").toBool(),
                 latem.value("Spelnia").toBool());
        QCOMPARE(Uruchom({"check"}).kod, 2);
        QCOMPARE(Uruchom({"check", s, "--xml"}).kod, 2);
        QCOMPARE(Uruchom({"check", katalog.filePath(QStringLiteral("nie_ma.tmv"))}).kod, 1);
    }

    // Mullions and panels in the JSON and the CSV, against hand values: two
    // sashes 610 × 1340 between d 80 and a mullion of 120 (the manual's
    // example). P: the right one a panel, Uw 2,51782/2,25; D: both panels,
    // Uw 2,84104/2,25, an entrance door against 1,30.
    void slupkiIPlyciny() {
        TZestawienieStolarki p;
        p.MetodaUw = 1;
        for (const char* s : {"P", "D"}) {
            p.AddOkno(QString::fromLatin1(s));
            TOkno& o = *p.GetOkno(QString::fromLatin1(s));
            o.TypOkna = 2001;
            o.Szerokosc = o.Wysokosc = 1500;
            o.dRamy = 80;
            o.dSlupka = 120;
            o.Ug = 0.7;
            o.Uf = 1.2;
            o.Up = 1;
            o.Psi_g = 0.04;
            o.Psi_p = 0.06;
            o.Lg = -1;
            o.RodzajSkrzydla[1] = RODZAJ_PLYCINA;
        }
        p.GetOkno("D")->RodzajSkrzydla[0] = RODZAJ_PLYCINA;
        const QString s = katalog.filePath(QStringLiteral("plyciny.tmv"));
        QCOMPARE(ZapiszProjekt(p, s), 0);
        const QJsonArray okna = QJsonDocument::fromJson(Uruchom({"summary", s}).wyjscie)
                                    .object()
                                    .value("Okna")
                                    .toArray();
        QCOMPARE(okna.size(), 2);
        struct TOczekiwane {
            double ag, ap, lg, lp, uw;
            const char* rodzaj;
            const char* wt;
        };
        const TOczekiwane oczekiwane[] = {
            {0.8174, 0.8174, 3.9, 3.9, 2.51782 / 2.25, "okno", "nie spełnia"},
            {0, 1.6348, 0, 7.8, 2.84104 / 2.25, "drzwi zewnętrzne", "spełnia"}};
        for (int i = 0; i < 2; ++i) {
            const QJsonObject o = okna[i].toObject();
            const TOczekiwane& m = oczekiwane[i];
            for (const auto& [klucz, x] : {std::pair{"Ag", m.ag},
                                           {"Ap", m.ap},
                                           {"Af", 0.6152},
                                           {"lg", m.lg},
                                           {"lp", m.lp},
                                           {"Uw", m.uw},
                                           {"SzerokoscSlupka", 120.0},
                                           {"dSlupka", 120.0}})
                QVERIFY2(std::abs(o.value(QLatin1String(klucz)).toDouble(-1) - x) < 1e-9, klucz);
            QCOMPARE(o.value("RodzajOceniany").toString(), QString::fromUtf8(m.rodzaj));
            QCOMPARE(o.value("WT2021").toString(), QString::fromUtf8(m.wt));
            QCOMPARE(o.value("RodzajSkrzydla").toArray()[1].toString(), QStringLiteral("płycina"));
        }
        // The text check names the kind judged; the workbook has the terms.
        QVERIFY(Uruchom({"check", s}).wyjscie.contains("D; drzwi zewnętrzne; Uw = 1,26;"));
        const QString csv = katalog.filePath(QStringLiteral("plyciny.csv"));
        QCOMPARE(Uruchom({"export", s, csv}).kod, 0);
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QVERIFY2(b.contains(";0,8174;0,6152;0,8174;3,9;3,9;120;1;0,06;\r\n"), b.constData());
    }

    // The schedule as a spreadsheet from the command line.
    void eksport_data() {
        QTest::addColumn<QStringList>("argumenty"); // after the project
        QTest::addColumn<int>("kod");
        QTest::addColumn<QByteArray>("poczatek"); // of the file written
        QTest::newRow("xlsx") << QStringList{"z.xlsx"} << 0 << QByteArray("PK\x03\x04");
        QTest::newRow("csv") << QStringList{"z.csv"} << 0 << QByteArray("\xEF\xBB\xBFSymbol;");
        QTest::newRow("format dany")
            << QStringList{"z.txt", "--format", "csv"} << 0 << QByteArray("\xEF\xBB\xBFSymbol;");
        QTest::newRow("nieznane rozszerzenie") << QStringList{"z.ods"} << 2 << QByteArray();
        QTest::newRow("nieznany format")
            << QStringList{"z.xlsx", "--format", "ods"} << 2 << QByteArray();
        QTest::newRow("brak folderu") << QStringList{"nie/ma/z.xlsx"} << 1 << QByteArray();
    }
    void eksport() {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QByteArray, poczatek);
        const QString cel = katalog.filePath(argumenty[0]);
        QFile::remove(cel);
        argumenty[0] = cel;
        const Wynik w = Uruchom(QStringList{"export", Wzorcowy()} + argumenty);
        QCOMPARE(w.kod, kod);
        QFile f(cel);
        QCOMPARE(f.exists(), kod == 0);
        if (kod == 1)
            QVERIFY(w.bledy.contains(QStringLiteral("nie istnieje")));
        if (kod != 0)
            return;
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith(poczatek));
    }

    // Printing through the queue: a printer that is not there is said so,
    // and nothing else goes to stderr.
    void drukNieznanaDrukarka() {
        const Wynik w = Uruchom({"print", Wzorcowy(), "--printer", "NieMaTakiej", "--copies", "2"});
        QCOMPARE(w.kod, 1);
        QCOMPARE(w.bledy, QStringLiteral("Nie ma drukarki NieMaTakiej.\n"));
        QCOMPARE(Uruchom({"print", Wzorcowy(), "--margins", "60"}).kod, 3);
    }

    // The table of storeys and directions adds up to the project's totals.
    // Ug of a build-up: the worked case B of tests/model/obliczenia/tst_ug673
    // (4/16Ar/4, coating 3:0,03, 90 % argon: 1,102701314281 W/m²K).
    void ug() {
        Wynik w = Uruchom({QStringLiteral("ug"), QStringLiteral("4/16Ar/4"),
                           QStringLiteral("--powloka"), QStringLiteral("3:0,03")});
        QCOMPARE(w.kod, 0);
        const QJsonObject o = QJsonDocument::fromJson(w.wyjscie).object();
        QVERIFY(std::abs(o.value("Ug").toDouble() - 1.102701314281) < 1e-9);
        QCOMPARE(o.value("UgDeklarowane").toDouble(), 1.1);
        QCOMPARE(o.value("Budowa").toString(), QStringLiteral("4/16Ar/4"));
        QCOMPARE(o.value("Szczeliny").toArray().size(), 1);
        QVERIFY(std::abs(o.value("Szczeliny").toArray()[0].toObject().value("hs").toDouble() -
                         1.3717538598) < 1e-8);
        // 100 % argon (case H): 1,064450008240.
        w = Uruchom({QStringLiteral("ug"), QStringLiteral("4/16Ar/4"), QStringLiteral("--powloka"),
                     QStringLiteral("3:0,03"), QStringLiteral("--wypelnienie"),
                     QStringLiteral("100")});
        QVERIFY(std::abs(QJsonDocument::fromJson(w.wyjscie).object().value("Ug").toDouble() -
                         1.064450008240) < 1e-9);
        // What it cannot read: exit 2 and the reason in one line.
        w = Uruchom({QStringLiteral("ug"), QStringLiteral("4/16Xe/4")});
        QCOMPARE(w.kod, 2);
        QCOMPARE(w.bledy,
                 QStringLiteral("termivo-cli: nieznany gaz „Xe” (Ar – argon, Kr – krypton, "
                                "bez liter – powietrze). Pomoc: termivo-cli ug --help\n"));
        QVERIFY(w.wyjscie.isEmpty());
    }

    void orientacje() {
        const Wynik podsumowanie = Uruchom({"summary", Wzorcowy()});
        const QJsonObject projekt = QJsonDocument::fromJson(podsumowanie.wyjscie).object();
        const Wynik w = Uruchom({"orientations", Wzorcowy()});
        QCOMPARE(w.kod, 0);
        const QJsonObject o = QJsonDocument::fromJson(w.wyjscie).object();
        const QJsonArray kondygnacje = o.value("Kondygnacje").toArray();
        QCOMPARE(kondygnacje.size(), 5); // basement, ground floor, 2 floors, attic
        QCOMPARE(kondygnacje[2].toObject().value("Kondygnacja").toString(), QStringLiteral("1"));
        const QJsonObject razem = o.value("Razem").toObject();
        // The table's exact area, the project's rounded to hundredths.
        QVERIFY(qAbs(razem.value("Pole").toDouble() -
                     projekt.value("PowierzchniaOkien").toDouble()) < 0.0051);
        QCOMPARE(razem.value("Uw").toDouble(), projekt.value("USrednie").toDouble());
        QCOMPARE(razem.value("Strony").toObject().keys().size(), 8);
        int sztuk = 0;
        for (const QJsonValue k : kondygnacje)
            sztuk += k.toObject().value("Sztuk").toInt();
        QCOMPARE(razem.value("Sztuk").toInt(), sztuk);
        const Wynik csv = Uruchom({"orientations", Wzorcowy(), "--csv"}, QStringLiteral("C"));
        QCOMPARE(csv.kod, 0);
        QVERIFY(csv.wyjscie.startsWith(
            "\xEF\xBB\xBFKondygnacja;Strona;Sztuk;Pole [m2];Uw [W/m2K]\r\n"));
        QVERIFY(csv.wyjscie.contains("\r\nrazem;razem;"));
        QCOMPARE(Uruchom({"orientations", Wzorcowy(), "--json"}).wyjscie, w.wyjscie);
        QCOMPARE(o.value("WersjaFormatu").toInt(), 3);
        QCOMPARE(Uruchom({"orientations", Wzorcowy(), "--xml"}).kod, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliWyniki)
#include "tst_cli_wyniki.moc"
