#include "cli/json.h"
#include "model/pliki/plikprofilu.h"
#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

struct Wynik {
    int kod = -1;
    QByteArray wyjscie;
    QString bledy;
};

Wynik Uruchom(const QStringList& argumenty, const QString& jezyk = QStringLiteral("pl_PL.UTF-8")) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // As in a script on a server: no display, no platform chosen.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("LC_ALL"), jezyk);
    env.insert(QStringLiteral("LANG"), jezyk);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TERMIVO_CLI), argumenty);
    Wynik w;
    if (!p.waitForFinished(60000))
        return w;
    w.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    w.wyjscie = p.readAllStandardOutput();
    w.bledy = QString::fromUtf8(p.readAllStandardError());
    return w;
}

// What a poppler tool says of a PDF file.
QString Poppler(const QString& narzedzie, const QStringList& argumenty) {
    QProcess p;
    p.start(narzedzie, argumenty);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

QString Wzorcowy() {
    return qEnvironmentVariable("TERMIVO_TEST_DATA") + QStringLiteral("/model/dane/wzorcowy.tmv");
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir katalog;

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
        // A file that cannot be read is named, with the system's reason.
        QTest::newRow("plik nie istnieje")
            << QStringList{"summary", "/nie/ma/takiego.tmv"} << 1
            << "Wystąpił błąd podczas odczytu projektu z pliku! /nie/ma/takiego.tmv: No such "
               "file or directory\n";
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
        // The help of one command is that command's only.
        if (argumenty.size() == 2 && argumenty[1] == QLatin1String("--help"))
            QVERIFY(!w.wyjscie.contains("orientations"));
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

    // The table of storeys and directions adds up to the project's totals.
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
