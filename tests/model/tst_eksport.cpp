#include "model/eksport/arkusze.h"
#include "model/eksport/eksport.h"
#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"
#include "tests/common/xlsx.h"
#include "tests/common/zbieracz.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <sys/stat.h>

namespace {

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

// The column of each heading of the first row.
} // namespace

class TestEksport : public QObject {
    Q_OBJECT

    QTemporaryDir katalog;

private slots:
    void initTestCase() { QVERIFY(katalog.isValid()); }
    void init() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // The sheet "Okna" as a spreadsheet reads it, checked against the
    // project's own values: numbers as numbers with a point whatever the
    // process's locale (the tests run under the Polish one), texts as texts,
    // the storeys headed as text, prices net and gross or why there is
    // none, and totals whose values are what their formulas compute.
    void xlsx() {
        TZestawienieStolarki p;
        Projekt(p);
        p.StawkaVat = 23;
        const QString plik = katalog.filePath(QStringLiteral("z.xlsx"));
        QString blad;
        QVERIFY2(EksportujZestawienie(p, plik, TFormatEksportu::Xlsx, &blad), qPrintable(blad));
        QCOMPARE(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        // The mode of any new file of the user's, not a temporary file's 0600.
        const mode_t maska = umask(0022);
        QVERIFY(EksportujZestawienie(p, plik, TFormatEksportu::Xlsx, &blad));
        umask(maska);
        struct stat st {};
        QCOMPARE(stat(QFile::encodeName(plik).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, static_cast<mode_t>(0644));
        const QByteArray skoroszyt = Rozpakuj(plik, QStringLiteral("xl/workbook.xml"));
        for (const char* arkusz : {"Okna", "Strony świata", "Projekt", "Kondygnacje i strony"})
            QVERIFY(skoroszyt.contains(QByteArray(arkusz)));
        // Printed across the page, as wide as one page, the header repeated.
        QVERIFY(skoroszyt.contains("_xlnm.Print_Titles"));
        const QByteArray xml = Rozpakuj(plik, QStringLiteral("xl/worksheets/sheet1.xml"));
        QVERIFY(xml.contains("orientation=\"landscape\""));
        QVERIFY(xml.contains("fitToPage=\"1\""));
        QVERIFY(!xml.contains(",5</v>") && !xml.contains("INF") && !xml.contains("NAN"));
        QVERIFY(Rozpakuj(plik, QStringLiteral("docProps/core.xml"))
                    .contains("<dc:title>Dom „Pod Lipami”</dc:title>"));
        const QHash<QString, TKomorkaXlsx> c = Komorki(xml);
        const QHash<QString, QString> naglowki = Naglowki(c);
        auto komorka = [&](const char* naglowek, int wiersz) {
            return c.value(naglowki.value(QString::fromUtf8(naglowek)) + QString::number(wiersz));
        };
        auto liczba = [&](const char* naglowek, int wiersz) {
            const TKomorkaXlsx k = komorka(naglowek, wiersz);
            return k.typ == QLatin1String("s") ? qQNaN() : k.wartosc.toDouble();
        };
        // Row 2 is O1 (by symbol), row 3 O2, row 4 the totals.
        QCOMPARE(komorka("Symbol", 2).wartosc, QStringLiteral("O1"));
        QCOMPARE(komorka("Symbol", 3).wartosc, QStringLiteral("O2"));
        QCOMPARE(liczba("Szerokość [mm]", 2), 1200.0);
        QCOMPARE(liczba("Pole 1 szt. [m²]", 2), 1.8);
        QCOMPARE(liczba("parter", 2), 2.0);
        QCOMPARE(liczba("piętro 1", 2), 3.0);
        QCOMPARE(liczba("Sztuk razem", 2), 5.0);
        QCOMPARE(liczba("Pole razem [m²]", 2), 9.0);
        QCOMPARE(liczba("Cena netto 1 szt. [zł]", 2), 1234.5);
        QCOMPARE(liczba("Wartość netto [zł]", 2), 6172.5);
        // Gross by the VAT act: 1234,50 · 1,23 = 1518,435 → 1518,44;
        // 6172,50 · 1,23 = 7592,175 → 7592,18.
        QCOMPARE(liczba("Cena brutto 1 szt. [zł]", 2), 1518.44);
        QCOMPARE(liczba("Wartość brutto [zł]", 2), 7592.18);
        QCOMPARE(komorka("Sposoby otwierania", 2).wartosc, QStringLiteral("1: stałe w ramie"));
        QCOMPARE(komorka("Uwagi", 2).wartosc,
                 QStringLiteral("szyba; bezpieczna\ndrugi \"wiersz\""));
        // O2 has no price (and says so) and no thermal data (no Uw).
        QVERIFY(!c.contains(naglowki.value(QStringLiteral("Cena netto 1 szt. [zł]")) + "3"));
        QCOMPARE(komorka("Brak ceny – powód", 3).wartosc, QStringLiteral("cena nie podana"));
        QVERIFY(!c.contains(naglowki.value(QStringLiteral("Uw [W/m²K]")) + "3"));
        QCOMPARE(komorka("Wynik WT 2021", 3).wartosc, QStringLiteral("brak danych"));
        // The totals: formulas, each with the value it computes.
        QCOMPARE(komorka("Symbol", 4).wartosc, QStringLiteral("Razem"));
        const TKomorkaXlsx pole = komorka("Pole razem [m²]", 4);
        QCOMPARE(pole.typ, QStringLiteral("f"));
        QCOMPARE(pole.wartosc.toDouble(), 9.0 + 0.54);
        QCOMPARE(liczba("Sztuk razem", 4), 6.0);
        QCOMPARE(liczba("Wartość netto [zł]", 4), 6172.5);
        // The gross of the total net, as a spreadsheet computes it exactly.
        const TKomorkaXlsx brutto = komorka("Wartość brutto [zł]", 4);
        QCOMPARE(brutto.typ, QStringLiteral("f"));
        QCOMPARE(brutto.wartosc.toDouble(), 7592.18);
        QVERIFY(xml.contains("ROUND(ROUND(SUM("));
        // Only O1 has data: the mean is its Uw.
        QCOMPARE(liczba("Uw [W/m²K]", 4), liczba("Uw [W/m²K]", 2));
        QVERIFY(xml.contains("SUMIF("));
    }

    // The totals' formulas can be computed on any project: none over an empty
    // list (no circular reference), no mean where no window has an area or
    // data (no division by zero); a value that is no number stays out.
    void xlsxBezDanych_data() {
        QTest::addColumn<int>("okien");
        QTest::addColumn<bool>("sztuki");
        QTest::newRow("pusty projekt") << 0 << false;
        QTest::newRow("okna bez sztuk") << 2 << false;
        QTest::newRow("nieskończone pole") << 1 << true;
    }
    void xlsxBezDanych() {
        QFETCH(int, okien);
        QFETCH(bool, sztuki);
        TZestawienieStolarki p;
        p.SetParter(true);
        for (int i = 0; i < okien; ++i) {
            p.AddOkno(QStringLiteral("O%1").arg(i));
            TOkno& o = *p.Okno(i);
            o.Szerokosc = sztuki ? 1e300 : 1000;
            o.Wysokosc = sztuki ? 1e300 : 1000;
            o.Ug = o.Uf = 1;
            if (sztuki)
                o.SetLiczba(POZIOM_PARTER, 0, 1);
        }
        TZbieraczKomunikatow zbieracz;
        const QString plik = katalog.filePath(QStringLiteral("b.xlsx"));
        QVERIFY(EksportujZestawienie(p, plik, TFormatEksportu::Xlsx));
        const QByteArray xml = Rozpakuj(plik, QStringLiteral("xl/worksheets/sheet1.xml"));
        const QHash<QString, TKomorkaXlsx> c = Komorki(xml);
        const QString uw = Naglowki(c).value(QStringLiteral("Uw [W/m²K]"));
        QVERIFY(!xml.contains("INF") && !xml.contains("NAN"));
        QCOMPARE(c.value(QStringLiteral("A%1").arg(okien + 2)).wartosc, QStringLiteral("Razem"));
        if (okien == 0)
            QVERIFY(!xml.contains("<f>"));
        if (!sztuki)
            QVERIFY(!c.contains(uw + QString::number(okien + 2)));
        if (sztuki) {
            QCOMPARE(zbieracz.ile(), 1);
            QVERIFY(zbieracz.ostatni().contains(QStringLiteral("okno O0 (Pole razem [m²])")));
        }
    }

    // Where LibreOffice is installed, it recalculates every workbook and
    // finds no error cell.
    void libreOffice() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice is not installed");
        // Empty, without pieces, and as it is.
        for (int okien : {0, 1, 3}) {
            TZestawienieStolarki p;
            Projekt(p);
            if (okien == 0)
                while (p.LiczbaOkienWLiscie() > 0)
                    p.DelOkno(p.Okno(0)->Symbol());
            if (okien == 1)
                for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
                    p.Okno(i)->LiczbaOkien = TLiczbaOkien(p.Okno(i)->LiczbaOkien.Wiersze());
            const QString plik = katalog.filePath(QStringLiteral("lo%1.xlsx").arg(okien));
            QVERIFY(EksportujZestawienie(p, plik, TFormatEksportu::Xlsx));
            QProcess lo;
            lo.setWorkingDirectory(katalog.path());
            lo.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                               QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76,1,,0,false,"
                                              "true,false,false,false,-1"),
                               QStringLiteral("-env:UserInstallation=file://") + katalog.path() +
                                   QStringLiteral("/lo"),
                               plik});
            QVERIFY(lo.waitForFinished(120000));
            // Every sheet as a CSV of the values LibreOffice computed.
            const QStringList arkusze =
                QDir(katalog.path()).entryList({QStringLiteral("lo%1*.csv").arg(okien)});
            QCOMPARE(arkusze.size(), 4);
            for (const QString& csv : arkusze) {
                QFile f(katalog.filePath(csv));
                QVERIFY(f.open(QIODevice::ReadOnly));
                const QByteArray b = f.readAll();
                QVERIFY2(!b.contains("Err:") && !b.contains("#DIV") && !b.contains("#VALUE") &&
                             !b.contains("#NAME"),
                         b.constData());
            }
        }
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
        QVERIFY(wiersze[0].endsWith(
            ";Uwagi;Uw bez rolety – ocena WT 2021 [W/m²K];Brak Uw – powód;Ag [m²];Af [m²];Ap "
            "[m²];lg [m];lp [m];Słupki i ślemiona [mm];Up [W/m²K];Psi_p [W/mK];Budowa szyby (PN-EN "
            "673)\r"));
        QVERIFY(wiersze[1].startsWith("O1;1 skrzyd"));
        QVERIFY(b.contains(";1200;1500;1,80;0,6;Inny;1,1;"));
        QVERIFY(b.contains(";1234,50;6172,50;"));
        QVERIFY(b.contains("\"szyba; bezpieczna\r\ndrugi \"\"wiersz\"\"\"") ||
                b.contains("\"szyba; bezpieczna\ndrugi \"\"wiersz\"\"\""));
        QVERIFY(b.contains("\r\nRazem;"));
    }

    // A CSV text a spreadsheet would run as a formula is marked as text.
    void csvFormuly() {
        TZestawienieStolarki p;
        for (const char* s : {"=1+1", "+A1", "-O1", "@SUM(A1)", "O2"})
            p.AddOkno(QString::fromLatin1(s));
        const QString plik = katalog.filePath(QStringLiteral("f.csv"));
        QVERIFY(EksportujZestawienie(p, plik, TFormatEksportu::Csv));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        for (const char* s : {"\n'=1+1;", "\n'+A1;", "\n'-O1;", "\n'@SUM(A1);", "\nO2;"})
            QVERIFY2(b.contains(s), s);
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
