#include "model/dane/cennikidv.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

namespace {

using T = TCennikiDV;

struct Zakres {
    T::Tabela tabela;
    std::vector<int> rodzaje;
    int h0, h1, w0, w1, pmin, pmax;
    bool wewnatrz;
};

// What the manufacturer's list states about every table.
const std::vector<Zakres> zakresy = {
    {T::PCV, {0}, 4, 23, 4, 30, 32, 274, false},
    {T::PCV, {1}, 4, 23, 4, 30, 43, 364, false},
    {T::PCV, {2, 3}, 5, 25, 4, 16, 64, 249, true},
    {T::PCV, {4}, 4, 12, 5, 20, 65, 247, true},
    {T::PCV, {5, 6}, 5, 25, 5, 16, 75, 256, true},
    {T::Drewno, {0}, 4, 23, 4, 23, 54, 283, false},
    {T::Drewno, {1}, 4, 23, 4, 23, 98, 407, false},
    {T::Drewno, {2, 3}, 5, 23, 4, 13, 119, 298, true},
    {T::Drewno, {4}, 4, 9, 4, 23, 109, 279, true},
    {T::Drewno, {5, 6}, 5, 22, 5, 13, 128, 296, true},
    {T::Aluminium28, {0}, 5, 25, 5, 25, 43, 295, false},
    {T::Aluminium28, {5, 6}, 6, 22, 5, 12, 81, 268, true},
    {T::Aluminium27, {0}, 5, 25, 5, 25, 59, 380, false},
    {T::Aluminium27, {5, 6}, 6, 22, 5, 14, 114, 428, true},
    {T::Aluminium26, {0}, 5, 25, 5, 25, 68, 409, false},
    {T::Aluminium26, {5, 6}, 6, 22, 5, 14, 170, 456, true},
};

QByteArray Zasob() {
    QFile f(QStringLiteral(":/cenniki/cenniki_dv.bin"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestCenniki : public QObject {
    Q_OBJECT

    const T& c = T::Wbudowane();

private slots:
    void wczytane() {
        QVERIFY2(c.Gotowe(), qPrintable(c.Blad()));
        QCOMPARE(Zasob().size(), T::ROZMIAR_BAJTOW);
    }

    void uszkodzone_data() {
        QTest::addColumn<QByteArray>("dane");
        QTest::addColumn<QString>("poczatek");
        QByteArray zero = Zasob();
        zero[4 * 100] = 0;
        zero[4 * 100 + 1] = zero[4 * 100 + 2] = zero[4 * 100 + 3] = 0;
        QByteArray ujemna = Zasob();
        ujemna[4 * 7128 + 3] = char(0xF0);
        QTest::newRow("pusty") << QByteArray() << "Cennik D&V ma niewłaściwy rozmiar";
        QTest::newRow("ucięty") << Zasob().chopped(4) << "Cennik D&V ma niewłaściwy rozmiar";
        QTest::newRow("zero") << zero << "Cennik D&V jest uszkodzony (tabela 1, pozycja 100)";
        QTest::newRow("ujemna") << ujemna << "Cennik D&V jest uszkodzony (tabela 2, pozycja 0)";
    }
    void uszkodzone() {
        QFETCH(QByteArray, dane);
        QFETCH(QString, poczatek);
        TCennikiDV zly;
        QString blad;
        QVERIFY(!zly.Wczytaj(dane, &blad));
        QVERIFY2(blad.startsWith(poczatek), qPrintable(blad));
        QVERIFY(!zly.Gotowe());
        QCOMPARE(zly.Cena(T::PCV, 0, 4, 4), -1);
    }

    void wierszeCennika() {
        const std::vector<int> pcv0h4 = {32, 35, 38,  42,  45,  48,  52,  55,  58,
                                         62, 65, 68,  72,  75,  79,  82,  85,  89,
                                         92, 96, 101, 106, 111, 116, 121, 126, 131};
        for (int w = 4; w <= 30; ++w) {
            QCOMPARE(c.Cena(T::PCV, 0, 4, w), pcv0h4[std::size_t(w - 4)]);
            QCOMPARE(c.Cena(T::PCV, 0, 24, w), -1);
            QCOMPARE(c.Cena(T::PCV, 0, 25, w), -1);
        }
        QCOMPARE(c.Cena(T::PCV, 0, 23, 4), 96);
        QCOMPARE(c.Cena(T::PCV, 0, 23, 30), 274);
        const std::vector<int> pcv5h12 = {116, 126, 132, 140, 147, 155,
                                          162, 169, 176, 185, 192, 200};
        QCOMPARE(c.Cena(T::PCV, 5, 12, 4), -1);
        for (int w = 5; w <= 16; ++w)
            QCOMPARE(c.Cena(T::PCV, 5, 12, w), pcv5h12[std::size_t(w - 5)]);
        for (int w = 17; w <= 30; ++w)
            QCOMPARE(c.Cena(T::PCV, 5, 12, w), -1);
        QCOMPARE(c.Cena(T::Drewno, 0, 4, 4), 54);
        QCOMPARE(c.Cena(T::Drewno, 0, 4, 23), 111);
        for (int w = 24; w <= 30; ++w)
            QCOMPARE(c.Cena(T::Drewno, 0, 4, w), -1);
        const std::vector<int> alu27 = {114, 123, 128, 137, 145, 154, 162, 170, 179, 214};
        for (int w = 5; w <= 14; ++w)
            QCOMPARE(c.Cena(T::Aluminium27, 5, 6, w), alu27[std::size_t(w - 5)]);
        // The worked examples.
        QCOMPARE(c.Cena(T::PCV, 5, 14, 10), 168);
        QCOMPARE(c.Cena(T::PCV, 0, 14, 5), 70);
        QCOMPARE(c.Cena(T::PCV, 5, 14, 5), 128);
    }

    void zakresyTabel() {
        for (const Zakres& z : zakresy) {
            const QString opis =
                QStringLiteral("tabela %1 rodzaj %2").arg(z.tabela).arg(z.rodzaje[0]);
            int min = INT_MAX, max = 0, braki = 0;
            for (int h = T::MIN_KLASA_WYS; h <= T::MAX_KLASA_WYS; ++h) {
                for (int w = T::MIN_KLASA_SZER; w <= T::MAX_KLASA_SZER; ++w) {
                    const int p = c.Cena(z.tabela, z.rodzaje[0], h, w);
                    for (int k : z.rodzaje)
                        QCOMPARE(c.Cena(z.tabela, k, h, w), p);
                    const bool wZakresie = h >= z.h0 && h <= z.h1 && w >= z.w0 && w <= z.w1;
                    if (!wZakresie) {
                        QVERIFY2(p == -1, qPrintable(opis));
                        continue;
                    }
                    if (p == -1) {
                        ++braki;
                        continue;
                    }
                    min = std::min(min, p);
                    max = std::max(max, p);
                    // Prices grow with width and with height.
                    const int lewa = c.Cena(z.tabela, z.rodzaje[0], h, w - 1);
                    const int nizej = c.Cena(z.tabela, z.rodzaje[0], h - 1, w);
                    QVERIFY2(lewa == -1 || lewa <= p, qPrintable(opis));
                    QVERIFY2(nizej == -1 || nizej <= p, qPrintable(opis));
                }
            }
            QCOMPARE(min, z.pmin);
            QCOMPARE(max, z.pmax);
            QVERIFY2(z.wewnatrz ? braki > 0 : braki == 0, qPrintable(opis));
        }
    }

    void rodzajeBezCen() {
        for (int t = 0; t < T::LICZBA_TABEL; ++t) {
            for (int k = 0; k < T::RODZAJE; ++k) {
                bool nazwany = false;
                for (const Zakres& z : zakresy)
                    nazwany |= z.tabela == t && std::count(z.rodzaje.begin(), z.rodzaje.end(), k);
                if (nazwany)
                    continue;
                for (int h = T::MIN_KLASA_WYS; h <= T::MAX_KLASA_WYS; ++h)
                    for (int w = T::MIN_KLASA_SZER; w <= T::MAX_KLASA_SZER; ++w)
                        QCOMPARE(c.Cena(T::Tabela(t), k, h, w), -1);
            }
        }
        QCOMPARE(c.Cena(T::PCV, 12, 10, 10), -1);
        QCOMPARE(c.Cena(T::PCV, -1, 10, 10), -1);
        QCOMPARE(c.Cena(T::PCV, 0, 3, 10), -1);
        QCOMPARE(c.Cena(T::PCV, 0, 10, 31), -1);
    }

    // The committed tables are exactly what the generator makes.
    void generatorOdtwarzaDane() {
        QTemporaryDir katalog;
        const QString wyjscie = katalog.filePath(QStringLiteral("c.bin"));
        QCOMPARE(QProcess::execute(QStringLiteral(TERMIVO_GENERATOR_CENNIKOW), {wyjscie}), 0);
        QFile f(wyjscie);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == Zasob());
    }
};

QTEST_GUILESS_MAIN(TestCenniki)
#include "tst_cenniki.moc"
