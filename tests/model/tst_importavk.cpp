#include "model/pliki/importavk.h"
#include "model/pliki/kodowanie.h"

#include <QtTest>

namespace {

struct Otwor {
    QString symbol, wysokosc, szerokosc, sztuk, drzwi;
};
struct Sciana {
    QString orientacja;
    QList<Otwor> otwory;
};

// An Arvo-K file of the given walls, CR LF, in the Central European code page.
QByteArray Plik(const QList<Sciana>& sciany, const QString& liczbaScian = QString()) {
    QStringList l{"ARVO-K", liczbaScian.isEmpty() ? QString::number(sciany.size()) : liczbaScian,
                  "--"};
    for (const Sciana& s : sciany) {
        l << "sciana"
          << "1"
          << "2"
          << "3" << s.orientacja << QString::number(s.otwory.size()) << "--";
        for (const Otwor& o : s.otwory)
            l << "otwor" << o.symbol << o.wysokosc << o.szerokosc << o.sztuk << o.drzwi << "a"
              << "b"
              << "c";
        l << "koniec"
          << "sciany";
    }
    l << "koniec";
    return DoCp1250(l.join("\r\n") + "\r\n");
}

Otwor Okno(const QString& s, const QString& n = "2") {
    return {s, "1,5", "1,2", n, "FALSE"};
}

QStringList Symbole(const TZestawienieStolarki& p) {
    QStringList l;
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
        l << p.Okno(i)->Symbol();
    return l;
}

} // namespace

class TestImportAvk : public QObject {
    Q_OBJECT

    const QLocale pl{QLocale::Polish, QLocale::Poland};

private slots:
    void scianyIKierunki() {
        TZestawienieStolarki p;
        p.SetParter(true);
        QCOMPARE(ImportujArvoK(p, Plik({{"S", {Okno("O1")}}, {"W", {Okno("O1")}}}), pl), 0);
        QCOMPARE(Symbole(p), QStringList{"O1"});
        const TOkno& o = *p.GetOkno("O1");
        QCOMPARE(o.GetLiczba("parter", 4), 2);
        QCOMPARE(o.GetLiczba("parter", 6), 2);
        QCOMPARE(o.SumaOkien(), 4);
        QCOMPARE(o.Szerokosc, 1200.0);
        QCOMPARE(o.Wysokosc, 1500.0);
    }

    void symbole() {
        TZestawienieStolarki p;
        p.SetParter(true);
        Otwor drzwi = Okno("O1", "1");
        drzwi.drzwi = "true";
        QCOMPARE(ImportujArvoK(
                     p,
                     Plik({{"N", {Okno("O1"), drzwi, Okno("o1", "3"), Okno("O1 "), Okno("Ł2")}}}),
                     pl),
                 0);
        // "O1 " cannot survive a project file as a symbol of its own: it is O1.
        QCOMPARE(Symbole(p), (QStringList{"O1", "O1 (drzwi)", "Ł2"}));
        QCOMPARE(p.GetOkno("O1")->GetLiczba("parter", 0), 7);
        QCOMPARE(p.GetOkno("O1 (drzwi)")->GetLiczba("parter", 0), 1);
    }

    void orientacje_data() {
        QTest::addColumn<QString>("orientacja");
        QTest::addColumn<int>("kierunek");
        QTest::newRow("n-e") << "n-e" << 1;
        QTest::newRow("S-E") << "S-E" << 3;
        QTest::newRow("N-W") << "N-W" << 7;
        QTest::newRow("NNE") << "NNE" << 0;
        QTest::newRow("S ze spacją") << "S " << 0;
    }
    void orientacje() {
        QFETCH(QString, orientacja);
        QFETCH(int, kierunek);
        TZestawienieStolarki p;
        p.SetParter(true);
        QCOMPARE(ImportujArvoK(p, Plik({{orientacja, {Okno("O1", "1")}}}), pl), 0);
        QCOMPARE(p.GetOkno("O1")->GetLiczba("parter", kierunek), 1);
    }

    void wymiary() {
        TZestawienieStolarki p;
        p.SetParter(true);
        QCOMPARE(
            ImportujArvoK(
                p, Plik({{"N", {{"O1", "1,465", "0,9", "1", ""}, {"O2", "abc", "1.5", "1", ""}}}}),
                pl),
            0);
        QCOMPARE(p.GetOkno("O1")->Wysokosc, 1470.0);
        QCOMPARE(p.GetOkno("O1")->Szerokosc, 900.0);
        QCOMPARE(p.GetOkno("O2")->Wysokosc, 0.0);
    }

    void bledneIPuste() {
        TZestawienieStolarki p;
        QCOMPARE(ImportujArvoK(p, Plik({}, "dwa"), pl), -1);
        TZestawienieStolarki q;
        QCOMPARE(ImportujArvoK(q, Plik({{"N", {Okno("O1", "x")}}}), pl), -1);
        TZestawienieStolarki r;
        QCOMPARE(ImportujArvoK(r, Plik({}), pl), 0);
        QCOMPARE(r.LiczbaOkienWLiscie(), 0);
        // What ends before the count of walls is no Arvo-K project: empty,
        // one line of anything, blank lines.
        for (const QByteArray& tekst : {QByteArray(), QByteArray("hello world"),
                                        QByteArray("hello world\r\n"), QByteArray("x\n\n  \n")}) {
            TZestawienieStolarki s;
            QString powod;
            QCOMPARE(ImportujArvoK(s, tekst, pl, &powod), -1);
            QCOMPARE(powod, QStringLiteral("plik kończy się przed liczbą ścian (wiersz 2); to nie "
                                           "jest projekt Arvo-K"));
            QCOMPARE(s.LiczbaOkienWLiscie(), 0);
        }
        TZestawienieStolarki s;
        QCOMPARE(ImportujArvoKZPliku(s, "/nie/ma/pliku.avk", pl), -1);
    }

    // Counts far beyond the lines present end with the file, keeping what was read.
    void licznikiPozaPlikiem() {
        TZestawienieStolarki p;
        p.SetParter(true);
        const QByteArray obciety = DoCp1250("A\r\n2000000000\r\n--\r\ns\r\n1\r\n2\r\n3\r\nE\r\n"
                                            "2000000000\r\n--\r\notwor\r\nO1\r\n1\r\n1\r\n3\r\n");
        // Its time: bench/bench_wrogie.cpp.
        QCOMPARE(ImportujArvoK(p, obciety, pl), 0);
        QCOMPARE(p.GetOkno("O1")->GetLiczba("parter", 2), 3);
    }
};

QTEST_GUILESS_MAIN(TestImportAvk)
#include "tst_importavk.moc"
