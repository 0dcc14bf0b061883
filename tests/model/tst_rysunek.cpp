#include "model/rysunek.h"
#include "model/zestawienie.h"
#include "tests/common/zbieracz.h"

#include <QtTest>

#include <cmath>

namespace {

// Records every call as text: "R l,t,r,b", "F …", "M x,y", "L x,y", "T x,y,text", "B r,g,b".
class TKanwaZapisu : public TKanwa {
public:
    QStringList zapis;
    void UstawPedzel(int r, int g, int b) override { Dodaj('B', {r, g, b}); }
    void WypelnijProstokat(int l, int t, int r, int b) override { Dodaj('F', {l, t, r, b}); }
    void Prostokat(int l, int t, int r, int b) override { Dodaj('R', {l, t, r, b}); }
    void PrzesunDo(int x, int y) override { Dodaj('M', {x, y}); }
    void LiniaDo(int x, int y) override { Dodaj('L', {x, y}); }
    void Tekst(int x, int y, const QString& t) override {
        zapis << QStringLiteral("T %1,%2,%3").arg(x).arg(y).arg(t);
    }
    QStringList Prostokaty() const { return zapis.filter(QRegularExpression("^R ")); }
    // Pairs of "M" and "L" as "x,y-x,y", for strokes of two points.
    QStringList Kreski() const {
        QStringList k;
        for (int i = 0; i + 1 < zapis.size(); ++i)
            if (zapis[i].startsWith('M') && zapis[i + 1].startsWith('L'))
                k << zapis[i].mid(2) + "-" + zapis[i + 1].mid(2);
        return k;
    }

private:
    void Dodaj(char c, std::initializer_list<int> liczby) {
        QStringList l;
        for (int n : liczby)
            l << QString::number(n);
        zapis << QString(QLatin1Char(c)) + " " + l.join(',');
    }
};

TOkno Okno(int typ, double w, double h, int nawiewniki = 0, int szerNawiewnika = 0) {
    TOkno o("O1");
    o.TypOkna = typ;
    o.Szerokosc = w;
    o.Wysokosc = h;
    o.LiczbaNawiewnikow = nawiewniki;
    o.SzerokoscNawiewnika = szerNawiewnika;
    return o;
}

} // namespace

class TestRysunek : public QObject {
    Q_OBJECT

private slots:
    void okno_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<int>("nawiewniki");
        QTest::addColumn<int>("szerNawiewnika");
        QTest::addColumn<QStringList>("prostokaty");
        QTest::addColumn<QStringList>("kreski"); // vents first, then the sash symbols
        QTest::newRow("3003") << 3003 << 1500.0 << 1000.0 << 0 << 0
                              << QStringList{"R 30,20,270,180", "R 43,33,144,167",
                                             "R 156,33,257,94", "R 156,106,257,167"}
                              << QStringList{};
        QTest::newRow("2001 z trzema nawiewnikami")
            << 2001 << 1500.0 << 1000.0 << 3 << 400
            << QStringList{"R 30,20,270,180", "R 43,33,144,167", "R 156,33,257,167"}
            << QStringList{"38,26-102,26", "118,26-182,26", "198,26-262,26"};
        QTest::newRow("ograniczone wysokością")
            << 2001 << 1000.0 << 2000.0 << 1 << 300
            << QStringList{"R 110,20,190,180", "R 116,26,147,174", "R 153,26,184,174"}
            << QStringList{"138,23-162,23"};
        QTest::newRow("nawiewnik szerszy od okna")
            << 2001 << 1500.0 << 1000.0 << 1 << 2000
            << QStringList{"R 30,20,270,180", "R 43,33,144,167", "R 156,33,257,167"}
            << QStringList{"-10,26-310,26"};
    }
    void okno() {
        QFETCH(int, typ);
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(int, nawiewniki);
        QFETCH(int, szerNawiewnika);
        QFETCH(QStringList, prostokaty);
        QFETCH(QStringList, kreski);
        TZbieraczKomunikatow zbieracz;
        TKanwaZapisu k;
        TOkno o = Okno(typ, w, h, nawiewniki, szerNawiewnika);
        o.RodzajSkrzydla.fill(LICZBA_RODZAJOW_SKRZYDEL); // outlines only, so every stroke is a vent
        RysujOkno(o, k, 300, 200);
        QCOMPARE(k.zapis.mid(0, 2), (QStringList{"B 255,255,255", "F 0,0,300,200"}));
        QCOMPARE(k.Prostokaty(), prostokaty);
        QCOMPARE(k.Kreski(), kreski);
        QCOMPARE(zbieracz.ile(), 0);
        QVERIFY(k.zapis.filter(QRegularExpression("^T ")).isEmpty());
    }

    void pusteIBledne() {
        TZbieraczKomunikatow zbieracz;
        TKanwaZapisu k;
        RysujOkno(Okno(1001, 0, 1000), k, 300, 200);
        QCOMPARE(k.zapis, (QStringList{"B 255,255,255", "F 0,0,300,200"}));
        QCOMPARE(zbieracz.ile(), 0);

        TKanwaZapisu k2;
        TOkno o = Okno(9999, 1500, 1000, 1, 300);
        o.ZrodloUg = o.ZrodloUf = ZrodloDV;
        QVERIFY(!RysujOkno(o, k2, 300, 200));
        QCOMPARE(k2.Prostokaty(), QStringList{"R 30,20,270,180"});
        QCOMPARE(k2.Kreski().size(), 1);
        // Said inside the frame (30 + 13 + 2, 20 + 13 + 2), never as a message.
        QCOMPARE(zbieracz.ile(), 0);
        QCOMPARE(k2.zapis.filter(QRegularExpression("^T ")),
                 (QStringList{"T 45,35,Brak zdefiniowanego algorytmu rysowania!", "T 5,5,D&V"}));
    }

    // A damaged file may hold any vent count: the drawing stays bounded.
    void ogromnaLiczbaNawiewnikow() {
        TKanwaZapisu k;
        RysujOkno(Okno(1001, 1500, 1000, 2000000000, 100), k, 300, 200);
        QVERIFY(k.zapis.size() < 2000);
    }

    // A round window of 1000 on 300 × 200: the circle of 160 at (150, 100),
    // its glass 13 px in, the sash the square inscribed in the glass: side
    // 134/√2 = 94,75 from 102,62 to 197,38 each way; no vents on the curve.
    void okragle() {
        TKanwaZapisu k;
        TOkno o = Okno(1001, 1000, 1000, 2, 300);
        o.Ksztalt = KSZTALT_OKRAGLY;
        o.RodzajSkrzydla.fill(LICZBA_RODZAJOW_SKRZYDEL);
        QVERIFY(RysujOkno(o, k, 300, 200));
        QCOMPARE(k.Prostokaty(), QStringList{"R 103,53,197,147"});
        QCOMPARE(k.zapis.filter(QRegularExpression("^M ")),
                 (QStringList{"M 230,100", "M 217,100"}));
        const QStringList linie = k.zapis.filter(QRegularExpression("^L "));
        QCOMPARE(linie.size(), 192);
        for (int i = 0; i < linie.size(); ++i) {
            const QStringList xy = linie[i].mid(2).split(',');
            const double r = std::hypot(xy[0].toInt() - 150, xy[1].toInt() - 100);
            QVERIFY2(std::abs(r - (i < 96 ? 80 : 67)) <= 1, qPrintable(linie[i]));
        }
    }

    void tylkoSkrzydlaTypu() {
        TKanwaZapisu k;
        TOkno o = Okno(2001, 1500, 1000);
        o.RodzajSkrzydla.fill(4);
        o.RodzajSkrzydla[0] = o.RodzajSkrzydla[1] = LICZBA_RODZAJOW_SKRZYDEL;
        RysujOkno(o, k, 300, 200);
        QCOMPARE(k.Prostokaty().size(), 3);
        QVERIFY(k.Kreski().isEmpty());
    }

    void skrzydlo_data() {
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<QStringList>("kreski");
        QTest::newRow("0") << 0 << QStringList{"M 180,300", "L 220,300", "M 200,280", "L 200,320"};
        QTest::newRow("1") << 1 << QStringList{"M 180,300", "L 220,300", "M 200,280", "L 200,320"};
        QTest::newRow("2") << 2 << QStringList{"M 100,200", "L 300,300", "L 100,400"};
        QTest::newRow("3") << 3 << QStringList{"M 300,200", "L 100,300", "L 300,400"};
        QTest::newRow("4") << 4 << QStringList{"M 100,400", "L 200,200", "L 300,400"};
        QTest::newRow("5") << 5
                           << QStringList{"M 100,200", "L 300,300", "L 100,400", "L 200,200",
                                          "L 300,400"};
        QTest::newRow("6") << 6
                           << QStringList{"M 300,200", "L 100,300", "L 300,400", "L 200,200",
                                          "L 100,400"};
        QTest::newRow("7") << 7 << QStringList{"M 200,200", "L 300,300", "L 200,400",
                                               "L 100,300", "L 200,200", "L 200,400"};
        QTest::newRow("8") << 8 << QStringList{"M 100,300", "L 200,200", "L 300,300",
                                               "L 200,400", "L 100,300", "L 300,300"};
        QTest::newRow("9") << 9 << QStringList{"M 100,200", "L 200,400", "L 300,200"};
        QTest::newRow("10") << 10
                            << QStringList{"M 300,200", "L 200,400", "L 100,200", "L 300,300",
                                           "L 100,400"};
        QTest::newRow("11") << 11
                            << QStringList{"M 100,200", "L 200,400", "L 300,200", "L 100,300",
                                           "L 300,400"};
        QTest::newRow("płycina") << 12
                                 << QStringList{"B 200,200,200", "F 101,201,299,399",
                                                "R 124,224,276,376", "B 255,255,255"};
        QTest::newRow("13") << 13 << QStringList{};
        QTest::newRow("-1") << -1 << QStringList{};
    }
    void skrzydlo() {
        QFETCH(int, rodzaj);
        QFETCH(QStringList, kreski);
        TKanwaZapisu k;
        RysujSkrzydlo(k, 100, 200, 300, 400, rodzaj);
        QCOMPARE(k.zapis.first(), QStringLiteral("R 100,200,300,400"));
        QCOMPARE(k.zapis.mid(1), kreski);
    }

    void najblizsza() {
        QCOMPARE(Najblizsza(2.5), 2);
        QCOMPARE(Najblizsza(3.5), 4);
        QCOMPARE(Najblizsza(-2.5), -2);
        QCOMPARE(Najblizsza(2.4999), 2);
    }
};

QTEST_GUILESS_MAIN(TestRysunek)
#include "tst_rysunek.moc"
