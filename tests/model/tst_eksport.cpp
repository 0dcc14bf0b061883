#include "arkusze.h"
#include "eksport.h"
#include "plikprojektu.h"
#include "zestawienie.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// A cell of a sheet as the workbook holds it: its type ("n" a number, "s"
// a text, "f" a formula) and its value or cached value.
struct TKomorkaXlsx {
    QString typ;
    QString wartosc;
};

QByteArray Rozpakuj(const QString& xlsx, const QString& plik) {
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, plik});
    return p.waitForFinished(60000) ? p.readAllStandardOutput() : QByteArray();
}

QHash<QString, TKomorkaXlsx> Komorki(const QByteArray& xml) {
    QHash<QString, TKomorkaXlsx> komorki;
    QXmlStreamReader r(xml);
    QString adres, typ, wartosc;
    bool formula = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("c")) {
            adres = r.attributes().value(QStringLiteral("r")).toString();
            typ = r.attributes().value(QStringLiteral("t")).toString();
            wartosc.clear();
            formula = false;
        } else if (r.isStartElement() && r.name() == QLatin1String("f")) {
            formula = true;
            r.readElementText();
        } else if (r.isStartElement() &&
                   (r.name() == QLatin1String("v") || r.name() == QLatin1String("t"))) {
            wartosc += r.readElementText();
        } else if (r.isEndElement() && r.name() == QLatin1String("c")) {
            komorki.insert(adres, {formula ? QStringLiteral("f")
                                   : typ == QLatin1String("inlineStr") ||
                                           typ == QLatin1String("s") || typ == QLatin1String("str")
                                       ? QStringLiteral("s")
                                       : QStringLiteral("n"),
                                   wartosc});
        }
    }
    return komorki;
}

// A small project: two windows, one of them priced, a remark that a CSV
// must quote.
void Projekt(TZestawienieStolarki& p) {
    p.TytulProjektu = QStringLiteral("Dom „Pod Lipami”");
    p.SetParter(true);
    p.SetLiczbaPieter(1);
    p.AddOkno("O2");
    p.AddOkno("O1");
    TOkno& a = *p.GetOkno("O1");
    a.Szerokosc = 1200;
    a.Wysokosc = 1500;
    a.Ug = 0.6;
    a.Uf = 1.1;
    a.Psi_g = 0.04;
    a.Lg = 4800;
    a.CenaOkna = 1234.5;
    a.SetLiczba(POZIOM_PARTER, 0, 2);
    a.SetLiczba(QStringLiteral("1"), 4, 3);
    a.Uwagi = QStringLiteral("\"szyba; bezpieczna\",\"drugi \"\"wiersz\"\"\"");
    TOkno& b = *p.GetOkno("O2");
    b.Szerokosc = 900;
    b.Wysokosc = 600;
    b.CenaOkna = -1;
    b.SetLiczba(POZIOM_PARTER, 2, 1);
}

} // namespace

class TestEksport : public QObject {
    Q_OBJECT

    QTemporaryDir katalog;

private slots:
    void initTestCase() { QVERIFY(katalog.isValid()); }
    void init() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // Every cell of the sheet "Okna" as the model has it: numbers as numbers,
    // texts as texts, the totals' formulas with the program's own values.
    void xlsx() {
        TZestawienieStolarki p;
        Projekt(p);
        const QString plik = katalog.filePath(QStringLiteral("z.xlsx"));
        QString blad;
        QVERIFY2(EksportujZestawienie(p, plik, TFormatEksportu::Xlsx, &blad), qPrintable(blad));
        QCOMPARE(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        const QByteArray skoroszyt = Rozpakuj(plik, QStringLiteral("xl/workbook.xml"));
        for (const char* arkusz : {"Okna", "Strony świata", "Projekt"})
            QVERIFY(skoroszyt.contains(QByteArray(arkusz)));
        QVERIFY(Rozpakuj(plik, QStringLiteral("docProps/core.xml"))
                    .contains("<dc:title>Dom „Pod Lipami”</dc:title>"));
        const QHash<QString, TKomorkaXlsx> c =
            Komorki(Rozpakuj(plik, QStringLiteral("xl/worksheets/sheet1.xml")));
        const TArkusz a = ArkuszOkien(p);
        QCOMPARE(a.wiersze.size(), 2);
        // Row 2 is O1 (by symbol), row 3 O2, row 4 the totals.
        for (int i = 0; i < a.wiersze.size(); ++i)
            for (int k = 0; k < a.naglowki.size(); ++k) {
                const TKomorkaArkusza& m = a.wiersze[i][k];
                const QString adres = KolumnaArkusza(k) + QString::number(i + 2);
                if (m.rodzaj == TKomorkaArkusza::Rodzaj::Pusta) {
                    QVERIFY2(!c.contains(adres), qPrintable(adres));
                    continue;
                }
                QVERIFY2(c.contains(adres), qPrintable(adres));
                if (m.rodzaj == TKomorkaArkusza::Rodzaj::Tekst) {
                    QCOMPARE(c[adres].typ, QStringLiteral("s"));
                    QCOMPARE(c[adres].wartosc, m.tekst);
                } else {
                    QCOMPARE(c[adres].typ, QStringLiteral("n"));
                    QCOMPARE(c[adres].wartosc.toDouble(), m.liczba);
                }
            }
        auto kolumna = [&](const QString& naglowek) {
            return KolumnaArkusza(static_cast<int>(a.naglowki.indexOf(naglowek)));
        };
        QCOMPARE(c[QStringLiteral("A2")].wartosc, QStringLiteral("O1"));
        QCOMPARE(c[kolumna(QStringLiteral("parter")) + QStringLiteral("2")].wartosc.toDouble(),
                 2.0);
        QCOMPARE(c[kolumna(QStringLiteral("1")) + QStringLiteral("2")].wartosc.toDouble(), 3.0);
        QCOMPARE(c[kolumna(QStringLiteral("Uwagi")) + QStringLiteral("2")].wartosc,
                 QStringLiteral("szyba; bezpieczna\ndrugi \"wiersz\""));
        QVERIFY(
            !c.contains(kolumna(QStringLiteral("Cena netto 1 szt. [zł]")) + QStringLiteral("3")));
        QCOMPARE(c[QStringLiteral("A4")].wartosc, QStringLiteral("Razem"));
        const TKomorkaXlsx pole =
            c[kolumna(QStringLiteral("Pole razem [m²]")) + QStringLiteral("4")];
        QCOMPARE(pole.typ, QStringLiteral("f"));
        QCOMPARE(pole.wartosc.toDouble(), p.PowierzchniaOkien());
        QCOMPARE(c[kolumna(QStringLiteral("Uw [W/m²K]")) + QStringLiteral("4")].wartosc.toDouble(),
                 p.USrednie());
        QCOMPARE(c[kolumna(QStringLiteral("Wartość netto [zł]")) + QStringLiteral("4")]
                     .wartosc.toDouble(),
                 p.SumyCen().SumaCenOkien);
        QCOMPARE(c[kolumna(QStringLiteral("Sztuk razem")) + QStringLiteral("4")].wartosc.toDouble(),
                 6.0);
        QVERIFY(
            Rozpakuj(plik, QStringLiteral("xl/worksheets/sheet1.xml"))
                .contains("<f>SUM(" + kolumna(QStringLiteral("Sztuk razem")).toLatin1() + "2:"));
    }

    // The CSV's bytes: the same whatever the locale.
    void csv_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("polski") << QLocale(QLocale::Polish, QLocale::Poland);
        QTest::newRow("angielski") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void csv() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        TZestawienieStolarki p;
        Projekt(p);
        const QString plik = katalog.filePath(QStringLiteral("z.csv"));
        QVERIFY(EksportujZestawienie(p, plik, TFormatEksportu::Csv));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QVERIFY(b.startsWith("\xEF\xBB\xBFSymbol;Typ okna;"));
        const QList<QByteArray> wiersze = b.mid(3).split('\n');
        QVERIFY(wiersze[0].endsWith(";Uwagi\r"));
        QVERIFY(wiersze[1].startsWith("O1;1 skrzyd"));
        QVERIFY(b.contains(";1200;1500;1,80;0,6;Inny;1,1;"));
        QVERIFY(b.contains(";1234,50;6172,50;"));
        QVERIFY(b.contains("\"szyba; bezpieczna\r\ndrugi \"\"wiersz\"\"\"") ||
                b.contains("\"szyba; bezpieczna\ndrugi \"\"wiersz\"\"\""));
        QVERIFY(b.contains("\r\nRazem;"));
    }

    // A file that cannot be written leaves nothing behind and says why.
    void nieudany() {
        TZestawienieStolarki p;
        Projekt(p);
        QString blad;
        const QString plik = katalog.filePath(QStringLiteral("brak/z.xlsx"));
        QVERIFY(!EksportujZestawienie(p, plik, TFormatEksportu::Xlsx, &blad));
        QVERIFY(blad.contains(QStringLiteral("nie istnieje")));
        QVERIFY(!QFile::exists(plik));
    }
};

QTEST_GUILESS_MAIN(TestEksport)
#include "tst_eksport.moc"
