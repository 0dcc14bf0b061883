#include "model/katalog.h"
#include "model/obliczenia/podpowiedzi.h"

#include <QtTest>

class TestPodpowiedzi : public QObject {
    Q_OBJECT

private slots:
    void lg_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<qint64>("w");
        QTest::addColumn<qint64>("h");
        QTest::addColumn<qint64>("d");
        QTest::addColumn<qint64>("lg");
        QTest::newRow("1001") << 1001 << 1200LL << 1500LL << 70LL << 4840LL;
        QTest::newRow("4004 z zaokrągleniem") << 4004 << 1000LL << 1000LL << 70LL << 6940LL;
        QTest::newRow("5003 bez zaokrąglenia") << 5003 << 1001LL << 1000LL << 1LL << 10472LL;
        QTest::newRow("5003 połowa do parzystej") << 5003 << 1002LL << 1000LL << 1LL << 10474LL;
        QTest::newRow("7001") << 7001 << 900LL << 900LL << 3LL << 6LL * 900 + 4200 - 116;
        QTest::newRow("8002") << 8002 << 1000LL << 1000LL << 50LL << 12000LL - 2200;
        QTest::newRow("mniejsze od profili") << 1001 << 100LL << 100LL << 70LL << -160LL;
    }
    // Fractions of a millimetre count: 2 · 1230,5 + 2 · 1480 − 8 · 100 = 4621;
    // d 70,5: 2 · 1200 + 2 · 1500 − 564 = 4836; 5003, W 1001,5, d 1:
    // 2503,75 + 8000 − 30,5 = 10 473,25 → 10 473.
    void lgUlamki_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("d");
        QTest::addColumn<qint64>("lg");
        QTest::newRow("W 1230,5") << 1001 << 1230.5 << 1480.0 << 100.0 << 4621LL;
        QTest::newRow("d 70,5") << 1001 << 1200.0 << 1500.0 << 70.5 << 4836LL;
        QTest::newRow("5003 ćwierć") << 5003 << 1001.5 << 1000.0 << 1.0 << 10473LL;
    }
    void lgUlamki() {
        QFETCH(int, typ);
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(double, d);
        QFETCH(qint64, lg);
        int64_t wynik = 0;
        QVERIFY(PodpowiedzLg(typ, w, h, d, &wynik));
        QCOMPARE(wynik, lg);
    }
    void lg() {
        QFETCH(int, typ);
        QFETCH(qint64, w);
        QFETCH(qint64, h);
        QFETCH(qint64, d);
        QFETCH(qint64, lg);
        int64_t wynik = 0;
        QVERIFY(PodpowiedzLg(typ, double(w), double(h), double(d), &wynik));
        QCOMPARE(wynik, lg);
    }

    void kazdyTypMaRegule() {
        int64_t lg = 0;
        for (const TTypOknaRec& t : TypyOkien())
            QVERIFY2(PodpowiedzLg(t.Kod, 1000, 1000, 70, &lg), qPrintable(QString::number(t.Kod)));
        QVERIFY(!PodpowiedzLg(9001, 1000, 1000, 70, &lg));
        QVERIFY(PodpowiedzLg(1001, 1e300, 1e300, -1e300, &lg)); // bounded, no overflow
        QCOMPARE(lg, int64_t(1e15));
    }

    void nawiewniki_data() {
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("d");
        QTest::addColumn<int>("n");
        QTest::addColumn<qint64>("szerokosc");
        QTest::addColumn<qint64>("wynik");
        QTest::newRow("400 na 353") << 1200.0 << 70.0 << 3 << 400LL << 353LL;
        QTest::newRow("300 zostaje") << 1200.0 << 70.0 << 3 << 300LL << 300LL;
        QTest::newRow("0 na 353") << 1200.0 << 70.0 << 3 << 0LL << 353LL;
        QTest::newRow("bez nawiewników") << 1200.0 << 70.0 << 0 << 300LL << 0LL;
        QTest::newRow("ułamki obcięte") << 1200.9 << 70.2 << 2 << 0LL << 530LL;
        // Narrower than two profile widths: no vent fits, never a negative width.
        QTest::newRow("okno wąskie") << 100.0 << 70.0 << 1 << 0LL << 0LL;
        QTest::newRow("ujemna szerokość") << 1200.0 << 70.0 << 3 << -5LL << 353LL;
    }
    void nawiewniki() {
        QFETCH(double, w);
        QFETCH(double, d);
        QFETCH(int, n);
        QFETCH(qint64, szerokosc);
        QFETCH(qint64, wynik);
        QCOMPARE(RegulaNawiewnika(w, d, n, szerokosc), wynik);
    }
};

QTEST_GUILESS_MAIN(TestPodpowiedzi)
#include "tst_podpowiedzi.moc"
