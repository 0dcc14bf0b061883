// Round windows: the circle or ellipse inscribed in W × H, its terms and Uw
// worked by hand (arithmetic in the comments), and the file key.

#include "model/katalog.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/uw.h"
#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"

#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

constexpr double BRAK = -1;
constexpr double PI = std::numbers::pi;

} // namespace

class TestOkragle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void uw_data() {
        QTest::addColumn<int>("metoda");
        QTest::addColumn<int>("typ");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("d");
        QTest::addColumn<bool>("plycina");
        // Expected: Aw, Ag, Af (m²), lg (m), Uw; BRAK with why.
        QTest::addColumn<double>("aw");
        QTest::addColumn<double>("ag");
        QTest::addColumn<double>("af");
        QTest::addColumn<double>("lg");
        QTest::addColumn<double>("uw");
        QTest::addColumn<QString>("brak");
        const int S = 0, G = 1;
        // Ug 0,6, Uf 1,3, Psi_g 0,04 (Up 1,0 for the panel) throughout.
        // A circle of 900, d 100: Aw = π·0,45² = 0,2025π, the glass π·0,35²
        // = 0,1225π, the frame 0,08π, lg = π·0,7; Uw = (0,1225·0,6 +
        // 0,08·1,3 + 0,7·0,04)/0,2025 = 0,2055/0,2025 (π cancels).
        QTest::newRow("koło 900") << G << 1001 << 900.0 << 900.0 << 100.0 << false << 0.2025 * PI
                                  << 0.1225 * PI << 0.08 * PI << 0.7 * PI << 0.2055 / 0.2025
                                  << QString();
        // A fraction of a millimetre: 900,5 → Aw 0,45025²π = 0,2027250625π,
        // glass 0,35025²π = 0,1226750625π, frame 0,08005π, lg 0,7005π;
        // Uw = (0,0736050375 + 0,104065 + 0,02802)/0,2027250625.
        QTest::newRow("koło 900,5") << G << 1001 << 900.5 << 900.5 << 100.0 << false
                                    << 0.2027250625 * PI << 0.1226750625 * PI << 0.08005 * PI
                                    << 0.7005 * PI << 0.2056900375 / 0.2027250625 << QString();
        // An ellipse 1200 × 600, d 100: Aw = π·0,6·0,3 = 0,18π, glass
        // π·0,5·0,2 = 0,1π, frame 0,08π; lg the perimeter of semi-axes 500 and
        // 200 mm, 2301,31126 mm (the elliptic integral 4a·E(0,84) summed in
        // 200 000 steps); Uw = (0,06 + 0,104)/0,18 + 0,0920524504/0,18π =
        // 0,9111111 + 0,1627844 = 1,0738956.
        QTest::newRow("elipsa 1200 × 600")
            << G << 1001 << 1200.0 << 600.0 << 100.0 << false << 0.18 * PI << 0.1 * PI << 0.08 * PI
            << 2.30131126 << 1.0738956 << QString();
        // The circle of 900 as a panel: Ap takes the glass's place, no lg.
        // Uw = (0,1225·1,0 + 0,08·1,3 + 0,7·0,04·0)/0,2025: Psi_p 0.
        QTest::newRow("płycina") << G << 1001 << 900.0 << 900.0 << 100.0 << true << 0.2025 * PI
                                 << 0.0 << 0.08 * PI << 0.0 << 0.2265 / 0.2025 << QString();
        // The estimate: f = 0,5755 · (0,2025π)^0,3892 = 0,4826104; the glass
        // edge the circle's, 0,7π; Uw = 0,4826104·0,6 + 0,5173896·1,3 +
        // 0,0879646/0,6361725 = 0,2895662 + 0,6726065 + 0,1382716.
        QTest::newRow("szacunek") << S << 1001 << 900.0 << 900.0 << 100.0 << false << 0.2025 * PI
                                  << 0.4826104 * 0.2025 * PI << 0.5173896 * 0.2025 * PI << 0.7 * PI
                                  << 1.1004443 << QString();
        // d 200 leaves a circle of 400 no glass (and 199 a ring of 2 mm).
        QTest::newRow("bez szyby") << G << 1001 << 400.0 << 400.0 << 200.0 << false << 0.0 << 0.0
                                   << 0.0 << 0.0 << BRAK << "nie zostawia szyby";
        QTest::newRow("bez szyby, szacunek") << S << 1001 << 400.0 << 400.0 << 200.0 << false << 0.0
                                             << 0.0 << 0.0 << 0.0 << BRAK << "nie zostawia szyby";
        QTest::newRow("dwa skrzydła")
            << G << 2001 << 1200.0 << 1200.0 << 80.0 << false << 0.0 << 0.0 << 0.0 << 0.0 << BRAK
            << "okno okrągłe: Uw tylko dla okna jednoskrzydłowego";
    }
    void uw() {
        QFETCH(int, metoda);
        QFETCH(int, typ);
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(double, d);
        QFETCH(bool, plycina);
        QFETCH(double, uw);
        QFETCH(QString, brak);
        TZestawienieStolarki p;
        p.MetodaUw = metoda;
        p.AddOkno(QStringLiteral("O1"));
        TOkno& o = *p.GetOkno(QStringLiteral("O1"));
        o.Ksztalt = KSZTALT_OKRAGLY;
        o.TypOkna = typ;
        o.Szerokosc = w;
        o.Wysokosc = h;
        o.dRamy = d;
        if (plycina)
            o.RodzajSkrzydla[0] = RODZAJ_PLYCINA;
        o.Ug = 0.6;
        o.Uf = 1.3;
        o.Up = 1.0;
        o.Psi_g = 0.04;
        o.Lg = -1; // the geometry's
        const TUw wynik = ObliczUw(o, p);
        if (uw == BRAK) {
            QVERIFY(!wynik.uw);
            QVERIFY2(wynik.brak.contains(brak), qPrintable(wynik.brak));
            return;
        }
        QVERIFY2(wynik.uw, qPrintable(wynik.brak));
        QVERIFY2(std::abs(*wynik.uw - uw) < 1e-7, qPrintable(QString::number(*wynik.uw, 'g', 17)));
        QFETCH(double, aw);
        QFETCH(double, ag);
        QFETCH(double, af);
        QFETCH(double, lg);
        const TSkladnikiUw& s = wynik.skladniki;
        QVERIFY(std::abs(PoleOkna(o) - aw) < 1e-12);
        for (const auto& [jest, ma] : {std::pair{s.aw, aw}, {s.ag, ag}, {s.af, af}, {s.lg, lg}})
            QVERIFY2(std::abs(jest - ma) < 1e-7, qPrintable(QString::number(jest, 'g', 17)));
    }

    // Areas summed with a round window among them: two circles of 900 and
    // a square metre, 2·0,2025π + 1 = 2,2723450 m² (no exact decimal sum).
    void suma() {
        TOkno k(QStringLiteral("K")), p(QStringLiteral("P"));
        k.Ksztalt = KSZTALT_OKRAGLY;
        k.Szerokosc = k.Wysokosc = 900;
        p.Szerokosc = p.Wysokosc = 1000;
        TSumaOkien s;
        s.Dodaj(2, k, std::nullopt);
        s.Dodaj(1, p, std::nullopt);
        QVERIFY2(std::abs(s.Pole() - 2.2723450247) < 1e-9, qPrintable(QString::number(s.Pole())));
    }

    // The shape is kept by the project file, its key written only for a
    // round window.
    void plik() {
        TZestawienieStolarki p;
        p.AddOkno(QStringLiteral("O1"));
        p.AddOkno(QStringLiteral("O2"));
        p.GetOkno(QStringLiteral("O1"))->Ksztalt = KSZTALT_OKRAGLY;
        QTemporaryDir k;
        const QString plik = k.filePath(QStringLiteral("p.tmv"));
        QCOMPARE(ZapiszProjekt(p, plik), WYNIK_OK);
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().count("Ksztalt="), 1);
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjekt(q, plik), WYNIK_OK);
        QVERIFY(q.GetOkno(QStringLiteral("O1"))->Okragle());
        QVERIFY(!q.GetOkno(QStringLiteral("O2"))->Okragle());
    }
};

QTEST_GUILESS_MAIN(TestOkragle)
#include "tst_okragle.moc"
