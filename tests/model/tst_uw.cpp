#include "katalog.h"
#include "podpowiedzi.h"
#include "uwgeometria.h"
#include "zbieracz.h"
#include "zestawienie.h"

#include <QtTest>

#include <cmath>

namespace {

const QString bladUw = QStringLiteral("Błąd krytyczny! Brak zdefiniowanego algorytmu dla Uw!");

void Ustaw(TOkno& o, int typ, double w, double h, double ug, double uf, double psi, double lg,
           double dr) {
    o.TypOkna = typ;
    o.Szerokosc = w;
    o.Wysokosc = h;
    o.Ug = ug;
    o.Uf = uf;
    o.Psi_g = psi;
    o.Lg = lg;
    o.dR = dr;
}

} // namespace

class TestUw : public QObject {
    Q_OBJECT

private slots:
    void przyklady_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("lg");
        QTest::addColumn<double>("psi");
        QTest::addColumn<double>("dr");
        QTest::addColumn<double>("uw");
        QTest::addColumn<int>("komunikaty");
        // Ug = 1.1 and Uf = 1.3 in every row.
        QTest::newRow("przykład") << 1001 << 1200.0 << 1500.0 << 4520.0 << 0.08 << 0.0 << 1.35620
                                  << 0;
        QTest::newRow("z roletą") << 1001 << 1200.0 << 1500.0 << 4520.0 << 0.08 << 0.15 << 1.12695
                                  << 0;
        QTest::newRow("szerokość 0")
            << 1001 << 0.0 << 1500.0 << 4520.0 << 0.08 << 0.15 << 1.3 / (1.3 * 0.15 + 1) << 0;
        QTest::newRow("wysokość 0, typ spoza tabeli")
            << 9001 << 1200.0 << 0.0 << 4520.0 << 0.08 << 0.0 << 1.3 << 0;
        QTest::newRow("ujemny wymiar")
            << 1001 << -1200.0 << 1500.0 << 4520.0 << 0.08 << 0.0 << 1.3 << 0;
        QTest::newRow("typ spoza tabeli") << 9001 << 1000.0 << 1000.0 << 4000.0 << 0.05 << 0.1
                                          << (1.3 + 0.2) / ((1.3 + 0.2) * 0.1 + 1) << 1;
        QTest::newRow("Lg 0") << 1001 << 1200.0 << 1500.0 << 0.0 << 0.08 << 0.0 << 1.15531 << 0;
        QTest::newRow("Psi_g 0") << 1001 << 1200.0 << 1500.0 << 4520.0 << 0.0 << 0.0 << 1.15531
                                 << 0;
        // 5.76 m² of type 1001 would give f of about 1.14: the glazing is the whole window.
        QTest::newRow("udział oszklenia przycięty do 1")
            << 1001 << 2400.0 << 2400.0 << 0.0 << 0.0 << 0.0 << 1.1 << 0;
        QTest::newRow("rodzina 5")
            << 5037 << 2000.0 << 2000.0 << 0.0 << 0.0 << 0.0
            << 0.379 * std::pow(4.0, 0.3024) * 1.1 + (1 - 0.379 * std::pow(4.0, 0.3024)) * 1.3 << 0;
    }
    void przyklady() {
        QFETCH(int, typ);
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(double, lg);
        QFETCH(double, psi);
        QFETCH(double, dr);
        QFETCH(double, uw);
        QFETCH(int, komunikaty);
        TZbieraczKomunikatow zbieracz;
        TOkno o(QStringLiteral("O1"));
        Ustaw(o, typ, w, h, 1.1, 1.3, psi, lg, dr);
        const double wynik = o.Uw();
        QVERIFY2(std::abs(wynik - uw) < 5e-6, qPrintable(QString::number(wynik, 'g', 17)));
        QCOMPARE(zbieracz.ile(), komunikaty);
        if (komunikaty) {
            QCOMPARE(zbieracz.ostatni(), bladUw);
            QCOMPARE(zbieracz.komunikaty.last().tytul, QStringLiteral("Błąd"));
        }
    }

    // Only negative inputs can make U0·dR = −1; the result stays finite.
    void niemaNieskonczonosci() {
        TZbieraczKomunikatow zbieracz;
        TOkno o(QStringLiteral("O1"));
        Ustaw(o, 1001, 0, 0, 1, -2, 0, 0, 0.5);
        QVERIFY(std::isfinite(o.Uw()));
        QCOMPARE(o.Uw(), 0.0);
    }

    void srednia_data() {
        QTest::addColumn<int>("n1");
        QTest::addColumn<int>("n2");
        QTest::addColumn<double>("uSr");
        QTest::addColumn<double>("pole");
        // Window 1: 1 m² of Uw 1.0; window 2: 2 m² of Uw 2.0 (Ug = Uf, so the
        // glazed share does not matter). n1 and n2 are their pieces.
        QTest::newRow("brak sztuk") << 0 << 0 << 0.0 << 0.0;
        QTest::newRow("tylko pierwsze") << 2 << 0 << 1.0 << 2.0;
        QTest::newRow("po jednym") << 1 << 1 << (1.0 + 4.0) / 3.0 << 3.0;
        QTest::newRow("pierwsze trzy razy") << 3 << 1 << (3.0 + 4.0) / 5.0 << 5.0;
    }
    void srednia() {
        QFETCH(int, n1);
        QFETCH(int, n2);
        QFETCH(double, uSr);
        QFETCH(double, pole);
        TZestawienieStolarki p;
        QCOMPARE(p.AddOkno(QStringLiteral("O1")), 0);
        QCOMPARE(p.AddOkno(QStringLiteral("O2")), 0);
        TOkno* o1 = p.GetOkno(QStringLiteral("O1"));
        TOkno* o2 = p.GetOkno(QStringLiteral("O2"));
        Ustaw(*o1, 1001, 1000, 1000, 1.0, 1.0, 0, 0, 0);
        Ustaw(*o2, 2001, 1000, 2000, 2.0, 2.0, 0, 0, 0);
        o1->SetLiczba(QStringLiteral("parter"), 0, n1);
        o2->SetLiczba(QStringLiteral("poddasze"), 7, n2);
        QVERIFY(std::abs(p.USrednie() - uSr) < 1e-12);
        QCOMPARE(p.PowierzchniaOkien(), pole);
    }

    void sredniaRownychUwNiezaleznieOdSztuk() {
        TZestawienieStolarki p;
        p.AddOkno(QStringLiteral("A"));
        p.AddOkno(QStringLiteral("B"));
        Ustaw(*p.GetOkno(QStringLiteral("A")), 1001, 1000, 1000, 1.4, 1.4, 0, 0, 0);
        Ustaw(*p.GetOkno(QStringLiteral("B")), 1001, 2000, 1500, 1.4, 1.4, 0, 0, 0);
        p.GetOkno(QStringLiteral("A"))->SetLiczba(QStringLiteral("parter"), 2, 5);
        p.GetOkno(QStringLiteral("B"))->SetLiczba(QStringLiteral("parter"), 3, 1);
        QVERIFY(std::abs(p.USrednie() - 1.4) < 1e-12);
    }

    // A window without thermal data is left out of the mean, and the mean
    // says what it covers: 1.0 and a window without Ug make 1.00 (not 0.50).
    void sredniaBezOkienBezDanych() {
        TZestawienieStolarki p;
        p.SetParter(true);
        p.AddOkno(QStringLiteral("A"));
        p.AddOkno(QStringLiteral("B"));
        Ustaw(*p.GetOkno(QStringLiteral("A")), 1001, 1000, 1000, 1.0, 1.0, 0, 0, 0);
        Ustaw(*p.GetOkno(QStringLiteral("B")), 1001, 1000, 1000, 0, 1.0, 0, 0, 0);
        p.GetOkno(QStringLiteral("A"))->SetLiczba(POZIOM_PARTER, 0, 1);
        p.GetOkno(QStringLiteral("B"))->SetLiczba(POZIOM_PARTER, 0, 1);
        const TZestawienieStolarki::TUsrednie u = p.USrednieOkien();
        QVERIFY(u.u && std::abs(*u.u - 1.0) < 1e-12);
        QCOMPARE(u.okien, 1);
        QCOMPARE(u.bezDanych, 1);
        QCOMPARE(TZestawienieStolarki::TekstZakresuUsr(u),
                 QStringLiteral("(1 z 2 okien; 1 bez danych)"));
        QCOMPARE(p.PowierzchniaOkien(), 2.0); // its area counts still
    }

    void sredniaPustegoProjektu() {
        TZestawienieStolarki p;
        QCOMPARE(p.USrednie(), 0.0);
        QCOMPARE(p.PowierzchniaOkien(), 0.0);
    }

    // Windows without pieces still compute Uw, so a bad type still reports once
    // per window.
    void sredniaKomunikaty() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        p.AddOkno(QStringLiteral("A"));
        p.AddOkno(QStringLiteral("B"));
        p.AddOkno(QStringLiteral("C"));
        for (const char* s : {"A", "B"}) {
            TOkno* o = p.GetOkno(QString::fromLatin1(s));
            Ustaw(*o, 9001, 1000, 1000, 1, 1, 0, 0, 0);
        }
        p.USrednie();
        QCOMPARE(zbieracz.ile(), 2);
    }

    void poleZaokraglaneRazNaKoncu() {
        TZestawienieStolarki p;
        for (int i = 0; i < 3; ++i) {
            const QString s = QStringLiteral("O%1").arg(i);
            p.AddOkno(s);
            TOkno* o = p.GetOkno(s);
            o->Szerokosc = 1001; // 1.001 × 1.002 m² = 1.003002 m² each
            o->Wysokosc = 1002;
            o->SetLiczba(QStringLiteral("parter"), 0, 1);
        }
        QCOMPARE(p.PowierzchniaOkien(), 3.01);
    }

    // An undetermined Lg (as "apply d to all" leaves it) is calculated with
    // the suggested length, not with -1 mm.
    void lgNieustalone_data() {
        QTest::addColumn<double>("szerokosc");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("lg");
        QTest::newRow("sugestia") << 1200.0 << 70.0 << 4840.0;
        QTest::newRow("d nie całkowite") << 1200.0 << 70.5 << 0.0;
        QTest::newRow("W nie całkowite") << 1200.5 << 70.0 << 2440.0;
    }
    void lgNieustalone() {
        QFETCH(double, szerokosc);
        QFETCH(double, d);
        QFETCH(double, lg);
        TZestawienieStolarki p;
        p.SetParter(true);
        p.AddOkno("A");
        TOkno& a = *p.GetOkno("A");
        Ustaw(a, 1001, szerokosc, 1500, 1.1, 1.3, 0.08, 0, 0);
        a.SetLiczba("parter", 0, 2);
        p.SetAllDRamy(d);
        QCOMPARE(a.Lg, -1.0);
        QCOMPARE(a.LgObliczeniowe(), lg);
        TOkno b("B");
        Ustaw(b, 1001, szerokosc, 1500, 1.1, 1.3, 0.08, lg, 0);
        QCOMPARE(a.Uw(), b.Uw());
        QCOMPARE(p.USrednie(), b.Uw());
    }

    // Uw from the window's geometry: the acceptance values to 1e-4, the
    // worked example measured, a shutter, and d leaving a sash no glass.
    void geometria_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("ug");
        QTest::addColumn<double>("uf");
        QTest::addColumn<double>("psi");
        QTest::addColumn<double>("lg"); // < 0: from the geometry
        QTest::addColumn<double>("dr");
        QTest::addColumn<double>("ag");
        QTest::addColumn<double>("af");
        QTest::addColumn<double>("uw"); // < 0: none
        QTest::newRow("1230 × 1480, d 100") << 1001 << 1230.0 << 1480.0 << 100.0 << 0.7 << 1.2
                                            << 0.04 << -1.0 << 0.0 << 1.3184 << 0.5020 << 0.93940;
        QTest::newRow("przykład") << 1001 << 1200.0 << 1500.0 << 70.0 << 1.1 << 1.3 << 0.08
                                  << 4520.0 << 0.0 << 1.4416 << 0.3584 << 1.34071;
        QTest::newRow("z roletą") << 1001 << 1200.0 << 1500.0 << 70.0 << 1.1 << 1.3 << 0.08
                                  << 4520.0 << 0.15 << 1.4416 << 0.3584
                                  << 1.34071 / (1.34071 * 0.15 + 1);
        QTest::newRow("2001: dwie szyby (W − 3d)/2 × (H − 2d)")
            << 2001 << 1200.0 << 1500.0 << 70.0 << 1.1 << 1.3 << 0.08 << -1.0 << 0.0 << 1.3464
            << 0.4536 << -2.0;
        QTest::newRow("d bez szyby") << 3001 << 600.0 << 1500.0 << 160.0 << 1.1 << 1.3 << 0.08
                                     << 1000.0 << 0.0 << -1.0 << -1.0 << -1.0;
    }
    void geometria() {
        QFETCH(int, typ);
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(double, d);
        QFETCH(double, ug);
        QFETCH(double, uf);
        QFETCH(double, psi);
        QFETCH(double, lg);
        QFETCH(double, dr);
        QFETCH(double, ag);
        QFETCH(double, af);
        QFETCH(double, uw);
        TOkno o("O1");
        Ustaw(o, typ, w, h, ug, uf, psi, lg, dr);
        o.dRamy = d;
        const TGeometriaOkna g = GeometriaOkna(typ, w, h, d);
        if (ag < 0) {
            QVERIFY(!g.szyby);
            QVERIFY(!o.UwGeometryczny());
            QVERIFY(!o.UwZDanymi(TMetodaUw::Geometryczna));
            QVERIFY(o.UwZDanymi(TMetodaUw::Szacunkowa)); // the estimate has no glass to lose
            return;
        }
        QVERIFY(std::abs(g.ag - ag) < 1e-4);
        QVERIFY(std::abs(g.af - af) < 1e-4);
        const std::optional<double> u = o.UwZDanymi(TMetodaUw::Geometryczna);
        QVERIFY(u);
        if (uw > 0)
            QVERIFY2(std::abs(*u - uw) < 1e-4, qPrintable(QString::number(*u, 'g', 8)));
        // The project's method decides what its outputs take.
        TZestawienieStolarki p;
        p.AddOkno("O1");
        *p.GetOkno("O1") = o;
        QCOMPARE(p.UwOkna(*p.GetOkno("O1")), o.UwZDanymi(TMetodaUw::Szacunkowa));
        p.MetodaUw = 1;
        QCOMPARE(p.UwOkna(*p.GetOkno("O1")), u);
    }

    // Every type: glass and frame make the window, and the glass edge is
    // what the Lg suggestion gives for the same d.
    void geometriaKazdegoTypu() {
        for (const TTypOknaRec& t : TypyOkien()) {
            for (const auto& [w, h, d] : {std::tuple{2400, 1500, 70}, std::tuple{1001, 2002, 1}}) {
                const TGeometriaOkna g = GeometriaOkna(t.Kod, w, h, d);
                QVERIFY(g.znana && g.szyby);
                QVERIFY(std::abs(g.ag + g.af - g.aw) < 1e-12);
                int64_t lg = 0;
                QVERIFY(PodpowiedzLg(t.Kod, w, h, d, &lg));
                QVERIFY2(std::abs(g.obwod - static_cast<double>(lg)) <= 0.5,
                         qPrintable(QStringLiteral("%1: %2 / %3").arg(t.Kod).arg(g.obwod).arg(lg)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestUw)
#include "tst_uw.moc"
