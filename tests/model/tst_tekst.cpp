#include "model/powiadomienia.h"
#include "model/tekst.h"

#include <QtTest>

class TestTekst : public QObject {
    Q_OBJECT

private slots:
    void bezWielkosciLiter_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("rowne");
        QTest::newRow("ASCII") << "O1"
                               << "o1" << true;
        QTest::newRow("Ł") << "ŁAZIENKA"
                           << "łazienka" << true;
        QTest::newRow("Ó Ś") << "ÓŚ"
                             << "óś" << true;
        QTest::newRow("Ą Ć Ę Ń Ź Ż") << "ĄĆĘŃŹŻ"
                                     << "ąćęńźż" << true;
        QTest::newRow("litera bez ogonka") << "Ł1"
                                           << "L1" << false;
        QTest::newRow("spacja na końcu") << "O1 "
                                         << "O1" << false;
    }
    void bezWielkosciLiter() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, rowne);
        QCOMPARE(RowneBezWielkosci(a, b), rowne);
        QCOMPARE(KluczBezWielkosci(a) == KluczBezWielkosci(b), rowne);
    }

    void zlacz_data() {
        QTest::addColumn<QStringList>("wiersze");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("brak wierszy") << QStringList() << "";
        QTest::newRow("jeden pusty") << QStringList{""} << "\"\"";
        QTest::newRow("proste") << QStringList{"a", "b"} << "a,b";
        QTest::newRow("spacja") << QStringList{"ala ma kota", "x,y"} << "\"ala ma kota\",\"x,y\"";
        QTest::newRow("cudzysłów") << QStringList{"rama \"DV\""} << "\"rama \"\"DV\"\"\"";
        QTest::newRow("pusty w środku") << QStringList{"a", "", "b"} << "a,,b";
        QTest::newRow("pusty na końcu") << QStringList{"a", ""} << "a,";
        QTest::newRow("tabulator") << QStringList{"a\tb"} << "\"a\tb\"";
        QTest::newRow("polskie litery") << QStringList{"żółć"} << "żółć";
    }
    void zlacz() {
        QFETCH(QStringList, wiersze);
        QFETCH(QString, tekst);
        QCOMPARE(ZlaczWiersze(wiersze), tekst);
        QCOMPARE(RozdzielWiersze(tekst), wiersze);
    }

    void rozdziel_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QStringList>("wiersze");
        QTest::newRow("spacja kończy element") << "ala ma" << QStringList{"ala", "ma"};
        QTest::newRow("odstępy między elementami") << "  a ,  b" << QStringList{"a", "b"};
        QTest::newRow("przecinek na końcu") << "a,b," << QStringList{"a", "b", ""};
        QTest::newRow("sam przecinek") << "," << QStringList{"", ""};
        QTest::newRow("niezamknięty cudzysłów") << "\"abc" << QStringList{"abc"};
        QTest::newRow("tekst za cudzysłowem") << "\"ab\"c" << QStringList{"ab", "c"};
        QTest::newRow("tylko odstępy") << "   " << QStringList();
    }
    void rozdziel() {
        QFETCH(QString, tekst);
        QFETCH(QStringList, wiersze);
        QCOMPARE(RozdzielWiersze(tekst), wiersze);
    }
    // One step's messages as one: "B"/"O"/"I" error, warning, information,
    // each "kind:title:text".
    void zgrupuj_data() {
        QTest::addColumn<QStringList>("komunikaty");
        QTest::addColumn<QString>("wynik");
        QTest::newRow("nic") << QStringList{} << "B::";
        QTest::newRow("jeden") << QStringList{"I:Informacja:a"} << "I:Informacja:a";
        QTest::newRow("błąd po ostrzeżeniu")
            << QStringList{"O:Informacja:a", "B:Błąd:b", "B:Inny:c"} << "B:Błąd:a\n\nb\n\nc";
        QTest::newRow("ten sam tekst raz")
            << QStringList{"O:Uwaga:a", "I:Informacja:a", "O:Uwaga:b"} << "O:Uwaga:a\n\nb";
    }
    void zgrupuj() {
        QFETCH(QStringList, komunikaty);
        QFETCH(QString, wynik);
        const QString rodzaje = QStringLiteral("BOI");
        QList<TKomunikat> k;
        for (const QString& t : komunikaty)
            k.append(
                {static_cast<TRodzajKomunikatu>(rodzaje.indexOf(t.section(QLatin1Char(':'), 0, 0))),
                 t.section(QLatin1Char(':'), 1, 1), t.section(QLatin1Char(':'), 2)});
        const TKomunikat z = Zgrupuj(k);
        QCOMPARE(rodzaje[static_cast<int>(z.rodzaj)] + QLatin1Char(':') + z.tytul +
                     QLatin1Char(':') + z.tresc,
                 wynik);
    }
};

QTEST_GUILESS_MAIN(TestTekst)
#include "tst_tekst.moc"
