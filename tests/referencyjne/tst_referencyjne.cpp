// The reference projects through every output. Each project (*.tmv, written
// by hand) has its values worked out by hand beside it (*.oczekiwane, the
// arithmetic in its comments); every output is read as a user or a script
// reads it and compared with that table: the calculations, termivo-cli's
// summary, check and orientations (validated against their schemas), the
// exported CSV and workbook, the report's PDF, and the editor and project
// panel as they show the project.

#include "model/liczby.h"
#include "model/obliczenia/orientacje.h"
#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"
#include "tests/common/dialogiskrypt.h"
#include "tests/common/polaedytora.h"
#include "tests/common/polapanelu.h"
#include "tests/common/slowapdf.h"
#include "tests/common/xlsx.h"
#include "tests/common/zbieracz.h"
#include "ui/main/drzewoprojektu.h"
#include "ui/main/edytorokna.h"
#include "ui/main/etykieta.h"
#include "ui/main/glowna.h"
#include "ui/main/panelprojektu.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

const QString BRAK = QStringLiteral("-");

// A table worked by hand: "okno SYMBOL KLUCZ WARTOŚĆ", "projekt KLUCZ
// WARTOŚĆ", "strona KONDYGNACJA KIERUNEK SZTUK POLE UW"; "#" comments.
struct TOczekiwane {
    QStringList symbole; // in the table's order
    QHash<QString, QHash<QString, QString>> okna;
    QHash<QString, QString> projekt;
    QList<QStringList> strony;

    QString Okno(const QString& s, const char* klucz) const {
        return okna.value(s).value(QLatin1String(klucz));
    }
    bool Ma(const QString& s, const char* klucz) const {
        return okna.value(s).contains(QLatin1String(klucz));
    }
};

TOczekiwane Wczytaj(const QString& sciezka) {
    TOczekiwane o;
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly))
        return o;
    for (const QString& wiersz : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (wiersz.isEmpty() || wiersz.startsWith(QLatin1Char('#')))
            continue;
        const QStringList s = wiersz.split(QLatin1Char(' '));
        if (s[0] == QLatin1String("okno")) {
            if (!o.symbole.contains(s[1]))
                o.symbole << s[1];
            o.okna[s[1]][s[2]] = s.mid(3).join(QLatin1Char(' '));
        } else if (s[0] == QLatin1String("projekt")) {
            o.projekt[s[1]] = s.mid(2).join(QLatin1Char(' '));
        } else if (s[0] == QLatin1String("strona")) {
            o.strony << s.mid(1);
        }
    }
    return o;
}

QString Dane(const QString& nazwa) {
    return qEnvironmentVariable("TERMIVO_TEST_DATA") + QStringLiteral("/referencyjne/") + nazwa;
}

// A number of the table ("0,94" or "0.939350") as a double.
double Liczba(const QString& t) {
    return QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

// What termivo-cli writes, run as a Polish user runs it.
QByteArray Cli(const QStringList& argumenty, int* kod = nullptr) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("pl_PL.UTF-8"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TERMIVO_CLI), argumenty);
    if (!p.waitForFinished(120000))
        return QByteArray();
    if (kod)
        *kod = p.exitCode();
    return p.readAllStandardOutput();
}

// A JSON number or null as the table writes it: two decimals with a comma,
// or "-".
QString Setne(const QJsonValue& v) {
    return v.isNull() ? BRAK : TekstSetnych(v.toDouble(), QLocale(QLocale::Polish));
}

// The rows of a CSV (";", quotes doubled inside quotes) by their first cell,
// each a map heading → text.
QHash<QString, QHash<QString, QString>> WierszeCsv(const QByteArray& bajty) {
    QList<QStringList> wiersze{{QString()}};
    const QString t = QString::fromUtf8(bajty.mid(3));
    bool cytat = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (cytat && c == QLatin1Char('"') && i + 1 < t.size() && t[i + 1] == QLatin1Char('"'))
            wiersze.last().last() += t[++i];
        else if (c == QLatin1Char('"'))
            cytat = !cytat;
        else if (!cytat && c == QLatin1Char(';'))
            wiersze.last() << QString();
        else if (!cytat && c == QLatin1Char('\r'))
            continue;
        else if (!cytat && c == QLatin1Char('\n'))
            wiersze << QStringList{QString()};
        else
            wiersze.last().last() += c;
    }
    QHash<QString, QHash<QString, QString>> mapa;
    for (const QStringList& w : wiersze.mid(1))
        for (int i = 0; i < w.size() && i < wiersze[0].size(); ++i)
            mapa[w[0]][wiersze[0][i]] = w[i];
    return mapa;
}

// The words of a PDF from `od` (a word, its page) down `mm` millimetres,
// joined with spaces in the order they were drawn.
// The words of a window's block column by column (the block's columns
// start 48, 83 and 118 mm right of its symbol), each line by line: what a
// reader reads down a column, whatever the lines of its neighbours.
QString SlowaPonizej(const QList<TSlowoPdf>& slowa, const TSlowoPdf& od, double mm) {
    auto kolumna = [&](const TSlowoPdf& s) {
        const double x = s.mm.left() - od.mm.left();
        return x < 47 ? 0 : x < 82 ? 1 : x < 117 ? 2 : 3;
    };
    QList<const TSlowoPdf*> w;
    for (const TSlowoPdf& s : slowa)
        if (s.strona == od.strona && s.mm.top() >= od.mm.top() - 0.5 &&
            s.mm.top() < od.mm.top() + mm)
            w << &s;
    std::stable_sort(w.begin(), w.end(), [&](const TSlowoPdf* a, const TSlowoPdf* b) {
        const auto klucz = [&](const TSlowoPdf* s) {
            return std::tuple(kolumna(*s), std::lround(s->mm.top() * 2), s->mm.left());
        };
        return klucz(a) < klucz(b);
    });
    QStringList t;
    for (const TSlowoPdf* s : w)
        t << s->tekst;
    return t.join(QLatin1Char(' '));
}

} // namespace

class TestReferencyjne : public QObject {
    Q_OBJECT

    QTemporaryDir katalog;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void projekty_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("geometria") << "geometria";
        QTest::newRow("szacunek") << "szacunek";
        QTest::newRow("brzegowe") << "brzegowe";
        QTest::newRow("plyciny") << "plyciny";
    }

    // The calculations themselves.
    void obliczenia_data() { projekty_data(); }
    void obliczenia() {
        QFETCH(QString, nazwa);
        const TOczekiwane o = Wczytaj(Dane(nazwa + QStringLiteral(".oczekiwane")));
        QVERIFY(!o.symbole.isEmpty());
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajProjekt(p, Dane(nazwa + QStringLiteral(".tmv"))), 0);
        // Values beyond their ranges are named once, on reading.
        QCOMPARE(zbieracz.ile(), nazwa == QStringLiteral("brzegowe") ? 1 : 0);
        for (const QString& s : o.symbole) {
            const TOkno& okno = *p.GetOkno(s);
            const TUw uw = ObliczUw(okno, p);
            auto blisko = [&](const char* klucz, std::optional<double> x) {
                if (!o.Ma(s, klucz))
                    return;
                const QString w = o.Okno(s, klucz);
                QVERIFY2(w == BRAK ? !x : x && std::abs(*x - Liczba(w)) < 5e-7,
                         qPrintable(s + QLatin1Char(' ') + QLatin1String(klucz) + QLatin1Char(' ') +
                                    (x ? QString::number(*x) : BRAK)));
            };
            blisko("Uw", uw.uw);
            blisko("UwBezRolety", uw.uwOkna);
            if (uw.uw) {
                blisko("Ag", uw.skladniki.ag);
                blisko("Ap", uw.skladniki.ap);
                blisko("Af", uw.skladniki.af);
                blisko("lg", uw.skladniki.lg);
                blisko("lp", uw.skladniki.lp);
            }
            if (o.Ma(s, "BrakUw"))
                QCOMPARE(uw.brak.isEmpty() ? BRAK : uw.brak, o.Okno(s, "BrakUw"));
            const TOcenaWT wt = OcenWT2021(okno, p);
            if (o.Ma(s, "WT"))
                QCOMPARE(TekstWynikuWT(wt.wynik), o.Okno(s, "WT"));
            if (o.Ma(s, "LiniaWT"))
                QCOMPARE(TekstOcenyWT(wt), o.Okno(s, "LiniaWT"));
            const TOcenaLato lato = OcenLato2021(okno, p);
            if (o.Ma(s, "Lato"))
                QCOMPARE(TekstWynikuLato(lato.wynik), o.Okno(s, "Lato"));
            if (o.Ma(s, "LiniaLato"))
                QCOMPARE(TekstOcenyLato(lato), o.Okno(s, "LiniaLato"));
            const TCenaOkna c = CenaOkna(p, okno);
            auto kwota = [&](const char* klucz, std::optional<double> x) {
                if (o.Ma(s, klucz))
                    QCOMPARE(x ? TekstSetnych(*x) : BRAK, o.Okno(s, klucz));
            };
            if (o.Ma(s, "CenaNetto"))
                QCOMPARE(c.Jest() ? TekstSetnych(c.netto.Cena) : QStringLiteral("brak"),
                         o.Okno(s, "CenaNetto"));
            kwota("CenaBrutto", c.brutto);
            kwota("WartoscNetto", c.wartoscNetto);
            kwota("WartoscBrutto", c.wartoscBrutto);
        }
        const TUsrednie u = USrednie(p);
        QVERIFY(std::abs(*u.u - Liczba(o.projekt[QStringLiteral("USrednie")])) < 5e-7);
        QCOMPARE(TekstStaly(*u.u, 4, 2), o.projekt[QStringLiteral("USredniePokazane")]);
        QCOMPARE(TekstSetnych(PowierzchniaOkien(p)), o.projekt[QStringLiteral("Pole")]);
        const TSumyCen sumy = SumyCen(p);
        QCOMPARE(TekstSetnych(sumy.SumaCenOkien), o.projekt[QStringLiteral("SumaCenOkien")]);
        QCOMPARE(TekstSetnych(sumy.SumaCenOkienBrutto),
                 o.projekt[QStringLiteral("SumaCenOkienBrutto")]);
        QCOMPARE(TekstSetnych(sumy.SumaCenMontazu), o.projekt[QStringLiteral("SumaCenMontazu")]);
        QCOMPARE(TekstSetnych(sumy.SumaCenMontazuBrutto),
                 o.projekt[QStringLiteral("SumaCenMontazuBrutto")]);
        QCOMPARE(TekstSetnych(sumy.CenaZaM2Netto), o.projekt[QStringLiteral("CenaZaM2Netto")]);
        QCOMPARE(TekstSetnych(sumy.CenaZaM2Brutto), o.projekt[QStringLiteral("CenaZaM2Brutto")]);
    }

    // summary and check, as a script reads them: the same values under the
    // same keys, the schema of each command.
    void json_data() { projekty_data(); }
    void json() {
        QFETCH(QString, nazwa);
        const TOczekiwane o = Wczytaj(Dane(nazwa + QStringLiteral(".oczekiwane")));
        const QString projekt = Dane(nazwa + QStringLiteral(".tmv"));
        const QByteArray summary = Cli({QStringLiteral("summary"), projekt});
        const QByteArray check = Cli({QStringLiteral("check"), projekt, QStringLiteral("--json")});
        for (const auto& [schemat, json] :
             {std::pair{"summary", summary}, std::pair{"check", check},
              std::pair{"orientations", Cli({QStringLiteral("orientations"), projekt})}}) {
            QProcess p;
            p.start(QStringLiteral(TERMIVO_SCHEMAT),
                    {qEnvironmentVariable("TERMIVO_TEST_DATA") +
                     QStringLiteral("/../docs/json/%1.schema.json").arg(QLatin1String(schemat))});
            p.write(json);
            p.closeWriteChannel();
            QVERIFY(p.waitForFinished(60000));
            if (p.exitCode() == 2)
                QSKIP("python3-jsonschema is not installed");
            QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        }
        const QJsonObject s = QJsonDocument::fromJson(summary).object();
        const QJsonObject c = QJsonDocument::fromJson(check).object();
        QHash<QString, QJsonObject> oknaS, oknaC;
        for (const QJsonValue v : s.value("Okna").toArray())
            oknaS.insert(v.toObject().value("Symbol").toString(), v.toObject());
        for (const QJsonValue v : c.value("Okna").toArray())
            oknaC.insert(v.toObject().value("Symbol").toString(), v.toObject());
        for (const QString& sym : o.symbole) {
            const QJsonObject w = oknaS.value(sym);
            // check says what summary says, key for key.
            for (auto it = oknaC[sym].constBegin(); it != oknaC[sym].constEnd(); ++it)
                QVERIFY2(w.value(it.key()) == it.value(),
                         qPrintable(sym + QLatin1Char(' ') + it.key()));
            auto liczba = [&](const char* klucz, const char* json) {
                if (!o.Ma(sym, klucz))
                    return;
                const QString t = o.Okno(sym, klucz);
                const QJsonValue v = w.value(QLatin1String(json));
                QVERIFY2(t == BRAK ? v.isNull() : std::abs(v.toDouble() - Liczba(t)) < 5e-7,
                         qPrintable(sym + QLatin1Char(' ') + QLatin1String(klucz)));
            };
            liczba("Uw", "Uw");
            liczba("UwBezRolety", "UwBezRolety");
            liczba("UwPokazane", "UwPokazane");
            liczba("UwOceniane", "UwOceniane");
            for (const char* k : {"Ag", "Ap", "Af", "lg", "lp"})
                liczba(k, k);
            if (o.Ma(sym, "WT"))
                QCOMPARE(w.value("WT2021").toString(), o.Okno(sym, "WT"));
            if (o.Ma(sym, "Lato"))
                QCOMPARE(w.value("WT2021Lato").toObject().value("Wynik").toString(),
                         o.Okno(sym, "Lato"));
            if (o.Ma(sym, "BrakUw"))
                QCOMPARE(w.value("BrakUw").isNull() ? BRAK : w.value("BrakUw").toString(),
                         o.Okno(sym, "BrakUw"));
            if (o.Ma(sym, "CenaNetto"))
                QCOMPARE(w.value("CenaNetto").isNull() ? QStringLiteral("brak")
                                                       : Setne(w.value("CenaNetto")),
                         o.Okno(sym, "CenaNetto"));
            for (const char* k : {"CenaBrutto", "WartoscNetto", "WartoscBrutto"})
                if (o.Ma(sym, k))
                    QCOMPARE(Setne(w.value(QLatin1String(k))), o.Okno(sym, k));
        }
        QVERIFY(std::abs(s.value("USrednie").toDouble() -
                         Liczba(o.projekt[QStringLiteral("USrednie")])) < 5e-7);
        QCOMPARE(Setne(s.value("USredniePokazane")), o.projekt[QStringLiteral("USredniePokazane")]);
        QCOMPARE(Setne(s.value("PowierzchniaOkien")), o.projekt[QStringLiteral("Pole")]);
        for (const char* k : {"SumaCenOkien", "SumaCenOkienBrutto", "SumaCenMontazu",
                              "SumaCenMontazuBrutto", "CenaZaM2Netto", "CenaZaM2Brutto"})
            QCOMPARE(Setne(s.value(QLatin1String(k))), o.projekt[QLatin1String(k)]);
        auto lista = [](const QJsonValue& v) {
            QStringList l;
            for (const QJsonValue x : v.toArray())
                l << x.toString();
            return l.isEmpty() ? BRAK : l.join(QStringLiteral(", "));
        };
        QCOMPARE(lista(s.value("WT2021").toObject().value("NieSpelnia")),
                 o.projekt[QStringLiteral("NieSpelnia")]);
        QCOMPARE(lista(s.value("WT2021").toObject().value("BezDanych")),
                 o.projekt[QStringLiteral("BezDanych")]);
        QCOMPARE(s.value("WT2021"), c.value("WT2021"));
        QCOMPARE(s.value("WT2021Lato"), c.value("WT2021Lato"));
        if (o.projekt.contains("LatoNieSpelnia"))
            QCOMPARE(lista(s.value("WT2021Lato").toObject().value("NieSpelnia")),
                     o.projekt[QStringLiteral("LatoNieSpelnia")]);
    }

    // check's lines for a person.
    void checkTekst_data() { projekty_data(); }
    void checkTekst() {
        QFETCH(QString, nazwa);
        const TOczekiwane o = Wczytaj(Dane(nazwa + QStringLiteral(".oczekiwane")));
        const QString tekst =
            QString::fromUtf8(Cli({QStringLiteral("check"), Dane(nazwa + QStringLiteral(".tmv"))}));
        for (const QString& s : o.symbole) {
            const QString linia =
                tekst.section(QLatin1Char('\n'), o.symbole.indexOf(s), o.symbole.indexOf(s));
            QVERIFY2(linia.startsWith(s + QStringLiteral("; ")), qPrintable(linia));
            if (o.Ma(s, "UwOceniane"))
                QVERIFY2(linia.contains(o.Okno(s, "UwOceniane") == BRAK
                                            ? QStringLiteral("Uw = –")
                                            : QStringLiteral("Uw = ") + o.Okno(s, "UwOceniane")),
                         qPrintable(linia));
            if (o.Ma(s, "WT"))
                QVERIFY2(linia.contains(QStringLiteral("; ") + o.Okno(s, "WT")), qPrintable(linia));
        }
    }

    // The spreadsheets: the CSV's texts and the workbook's numbers.
    void arkusze_data() { projekty_data(); }
    void arkusze() {
        QFETCH(QString, nazwa);
        const TOczekiwane o = Wczytaj(Dane(nazwa + QStringLiteral(".oczekiwane")));
        const QString csv = katalog.filePath(nazwa + QStringLiteral(".csv"));
        const QString xlsx = katalog.filePath(nazwa + QStringLiteral(".xlsx"));
        Cli({QStringLiteral("export"), Dane(nazwa + QStringLiteral(".tmv")), csv});
        Cli({QStringLiteral("export"), Dane(nazwa + QStringLiteral(".tmv")), xlsx});
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const auto wiersze = WierszeCsv(f.readAll());
        const QHash<QString, TKomorkaXlsx> komorki =
            Komorki(Rozpakuj(xlsx, QStringLiteral("xl/worksheets/sheet1.xml")));
        const QHash<QString, QString> kolumny = Naglowki(komorki);
        int wiersz = 2; // the report's order, by symbol, as the table's
        QStringList kolejno = o.symbole;
        kolejno.sort();
        const QList<std::pair<const char*, const char*>> kolumnyTabeli = {
            {"UwPokazane", "Uw [W/m²K]"},
            {"UwOceniane", "Uw bez rolety – ocena WT 2021 [W/m²K]"},
            {"CenaBrutto", "Cena brutto 1 szt. [zł]"},
            {"WartoscNetto", "Wartość netto [zł]"},
            {"WartoscBrutto", "Wartość brutto [zł]"},
            {"WT", "Wynik WT 2021"},
            {"Lato", "Wynik WT 2021 latem"},
            {"gfC", "g·fC"}};
        for (const QString& s : kolejno) {
            const QHash<QString, QString> w = wiersze.value(s);
            QCOMPARE(komorki.value(QStringLiteral("A%1").arg(wiersz)).wartosc, s);
            for (const auto& [klucz, naglowek] : kolumnyTabeli) {
                if (!o.Ma(s, klucz))
                    continue;
                const QString oczekiwany = o.Okno(s, klucz);
                const QString tekst = w.value(QString::fromUtf8(naglowek));
                QCOMPARE(tekst.isEmpty() ? BRAK : tekst, oczekiwany);
                const TKomorkaXlsx k = komorki.value(kolumny.value(QString::fromUtf8(naglowek)) +
                                                     QString::number(wiersz));
                if (oczekiwany == BRAK)
                    QVERIFY(k.wartosc.isEmpty());
                else if (k.typ == QLatin1String("n")) // money to the grosz, the rest as shown
                    QCOMPARE(QByteArrayView(klucz).startsWith("Uw") ||
                                     QByteArrayView(klucz) == "gfC"
                                 ? TekstStaly(k.wartosc.toDouble(), 4, 2)
                                 : TekstSetnych(k.wartosc.toDouble()),
                             oczekiwany);
                else
                    QCOMPARE(k.wartosc, oczekiwany);
            }
            ++wiersz;
        }
        // The totals row: the net of every line and its gross by the VAT act.
        const QHash<QString, QString> razem = wiersze.value(QStringLiteral("Razem"));
        QCOMPARE(razem.value(QStringLiteral("Wartość netto [zł]")),
                 o.projekt[QStringLiteral("SumaCenOkien")]);
        QCOMPARE(razem.value(QStringLiteral("Wartość brutto [zł]")),
                 o.projekt[QStringLiteral("SumaCenOkienBrutto")]);
        QCOMPARE(TekstSetnych(komorki
                                  .value(kolumny.value(QStringLiteral("Wartość brutto [zł]")) +
                                         QString::number(wiersz))
                                  .wartosc.toDouble()),
                 o.projekt[QStringLiteral("SumaCenOkienBrutto")]);
    }

    // The table by storey and direction, as its CSV has it.
    void orientacje_data() { projekty_data(); }
    void orientacje() {
        QFETCH(QString, nazwa);
        const TOczekiwane o = Wczytaj(Dane(nazwa + QStringLiteral(".oczekiwane")));
        const QString csv =
            QString::fromUtf8(Cli({QStringLiteral("orientations"),
                                   Dane(nazwa + QStringLiteral(".tmv")), QStringLiteral("--csv")}));
        for (const QStringList& s : o.strony) {
            const QString wiersz =
                QStringList{s[0], s[1], s[2], s[3], s[4] == BRAK ? QString() : s[4]}.join(
                    QLatin1Char(';'));
            QVERIFY2(csv.contains(QStringLiteral("\r\n") + wiersz + QStringLiteral("\r\n")),
                     qPrintable(wiersz));
        }
    }

    // The report, as its PDF reads: the summary's lines, and each window's
    // block with its Uw and verdict.
    void raport_data() { projekty_data(); }
    void raport() {
        QFETCH(QString, nazwa);
        const TOczekiwane o = Wczytaj(Dane(nazwa + QStringLiteral(".oczekiwane")));
        const QString pdf = katalog.filePath(nazwa + QStringLiteral(".pdf"));
        Cli(QStringList{QStringLiteral("report"), Dane(nazwa + QStringLiteral(".tmv")), pdf} +
            QStringLiteral("--prices --installation --per-m2 --wt2021 --font")
                .split(QLatin1Char(' ')) +
            QStringList{QStringLiteral("DejaVu Sans")});
        const QList<TSlowoPdf> slowa = SlowaPdf(pdf);
        QVERIFY(!slowa.isEmpty());
        QStringList strona1;
        for (const TSlowoPdf& s : slowa)
            if (s.strona == 1)
                strona1 << s.tekst;
        // Compared without blanks: a value's unit may wrap ("W/" "m2K").
        const QString podsumowanie = strona1.join(QString()).remove(QLatin1Char(' '));
        for (const QString& t :
             {QStringLiteral("projektu: %1 W/m2K")
                  .arg(o.projekt[QStringLiteral("USredniePokazane")]),
              QStringLiteral("projektu: %1 m2").arg(o.projekt[QStringLiteral("Pole")]),
              QStringLiteral("netto: %1 zł brutto: %2 zł")
                  .arg(o.projekt[QStringLiteral("SumaCenOkien")],
                       o.projekt[QStringLiteral("SumaCenOkienBrutto")]),
              QStringLiteral("netto: %1 zł brutto: %2 zł")
                  .arg(o.projekt[QStringLiteral("SumaCenMontazu")],
                       o.projekt[QStringLiteral("SumaCenMontazuBrutto")]),
              QStringLiteral("netto: %1 zł/m2 brutto: %2 zł/m2")
                  .arg(o.projekt[QStringLiteral("CenaZaM2Netto")],
                       o.projekt[QStringLiteral("CenaZaM2Brutto")])})
            QVERIFY2(podsumowanie.contains(QString(t).remove(QLatin1Char(' '))),
                     qPrintable(t + QStringLiteral(" | ") + podsumowanie));
        for (const QString& s : o.symbole) {
            const TSlowoPdf* symbol = nullptr;
            for (const TSlowoPdf& w : slowa)
                if (w.strona > 1 && w.tekst == s && !symbol)
                    symbol = &w;
            QVERIFY2(symbol, qPrintable(s));
            const QString blok = SlowaPonizej(slowa, *symbol, 59);
            if (o.Ma(s, "UwPokazane")) {
                const QString uw =
                    o.Okno(s, "UwPokazane") == BRAK
                        ? QStringLiteral("Uw okna: brak danych")
                        : QStringLiteral("Uw okna: %1 W/m2K").arg(o.Okno(s, "UwPokazane"));
                QVERIFY2(blok.contains(uw), qPrintable(uw + QStringLiteral(" | ") + blok));
            }
            if (o.Ma(s, "LiniaWT"))
                QVERIFY2(blok.contains(o.Okno(s, "LiniaWT")),
                         qPrintable(s + QStringLiteral(" | ") + blok));
            if (o.Ma(s, "CenaNetto"))
                QVERIFY2(blok.contains(o.Okno(s, "CenaNetto")),
                         qPrintable(s + QStringLiteral(" | ") + blok));
        }
    }

    // The editor and the project panel, as a user opens the project and
    // clicks its windows in the tree.
    void okno_data() { projekty_data(); }
    void okno() {
        QFETCH(QString, nazwa);
        const TOczekiwane o = Wczytaj(Dane(nazwa + QStringLiteral(".oczekiwane")));
        TDialogiSkrypt dialogi;
        TMainForm f(dialogi);
        QVERIFY(f.OtworzPlik(Dane(nazwa + QStringLiteral(".tmv"))));
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTreeWidget* drzewo = f.StolarkaTree;
        QTreeWidgetItem* korzen = drzewo->topLevelItem(0);
        auto klik = [drzewo](QTreeWidgetItem* w) {
            drzewo->scrollToItem(w);
            QTest::mouseClick(drzewo->viewport(), Qt::LeftButton, {},
                              drzewo->visualItemRect(w).center());
        };
        const TPolaEdytora e(f.ElementStolarkiPanel);
        for (int i = 0; i < korzen->childCount(); ++i) {
            const QString s = korzen->child(i)->text(0);
            klik(korzen->child(i));
            QCOMPARE(e.SymbolOknaEd->text(), s);
            if (o.Ma(s, "UwPokazane"))
                QCOMPARE(e.UwOknaEd->text(), o.Okno(s, "UwPokazane") == BRAK
                                                 ? QStringLiteral("brak danych")
                                                 : o.Okno(s, "UwPokazane"));
            // The line as it fits, the whole of it in its tooltip.
            if (o.Ma(s, "LiniaWT"))
                QCOMPARE(e.WT2021ST->toolTip(), o.Okno(s, "LiniaWT"));
            if (o.Ma(s, "UwOceniane") && o.Okno(s, "UwOceniane") != BRAK)
                QVERIFY2(e.WT2021ST->Tekst().contains(o.Okno(s, "UwOceniane")) ||
                             o.Okno(s, "WT") == QStringLiteral("spełnia"),
                         qPrintable(e.WT2021ST->Tekst()));
            if (o.Ma(s, "LiniaLato"))
                QCOMPARE(e.Lato2021ST->text(), o.Okno(s, "LiniaLato"));
            if (o.Ma(s, "CenaNetto"))
                QCOMPARE(e.CenaEd->text(), o.Okno(s, "CenaNetto"));
        }
        klik(korzen);
        const TPolaPanelu p(f.StolarkaPanel);
        QCOMPARE(p.SredniWazonyUEd->text(), o.projekt[QStringLiteral("USredniePokazane")]);
        QCOMPARE(p.LacznePolePowOkienEd->text(), o.projekt[QStringLiteral("Pole")]);
        QCOMPARE(p.SumaCenaOkienEd->text(), o.projekt[QStringLiteral("SumaCenOkien")]);
        QCOMPARE(p.SumaCenaMontazEd->text(), o.projekt[QStringLiteral("SumaCenMontazu")]);
        QCOMPARE(p.CenaZaMetrKwEd->text(), o.projekt[QStringLiteral("CenaZaM2Netto")]);
        // Looking changed nothing.
        QVERIFY(!f.Zmieniony());
    }
};

QTEST_MAIN(TestReferencyjne)
#include "tst_referencyjne.moc"
