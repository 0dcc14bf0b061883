#include "model/ifc/importifc.h"
#include "model/ifc/kierunki.h"
#include "model/ifc/modelifc.h"
#include "model/ifc/scalanieifc.h"
#include "model/ifc/skrzydlaifc.h"
#include "model/ifc/step.h"
#include "model/katalog.h"
#include "model/obliczenia/wt2021.h"
#include "model/zestawienie.h"

#include <QFile>
#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

// One window of a hand-written model: the compass direction it faces (its
// azimuth, degrees clockwise from north), its storey, and whether its Y
// axis points in (as Bonsai writes it) rather than out (ArchiCAD, Revit).
struct TOknoWzoru {
    double azymut = 0;
    int kondygnacja = 1;
    bool osDoSrodka = false;
    bool tylkoPrzezSciane = false; // not contained: found through its opening and wall
    QString odniesienie;
};

struct TWzorModelu {
    QString schemat = QStringLiteral("IFC4");
    QString jednostka = QStringLiteral(".MILLI.,.METRE."); // or "$,.METRE.", or "FOOT"
    std::optional<double> polnoc;                          // TrueNorth, degrees ccw from +Y
    QList<TOknoWzoru> okna;
};

// A model as an exporter writes it: four storeys, a square building of
// 10 m with four walls, windows 1200 × 1500 mm on its faces.
QByteArray Model(const TWzorModelu& w) {
    const bool stopy = w.jednostka == QStringLiteral("FOOT");
    const double naMm = stopy                                               ? 304.8
                        : w.jednostka.startsWith(QStringLiteral(".MILLI.")) ? 1
                                                                            : 1000;
    auto dl = [&](double mm) {
        return QString::number(mm / naMm, 'g', 12) +
               (std::fmod(mm / naMm, 1) == 0 ? QStringLiteral(".") : QString());
    };
    QStringList l;
    int n = 100;
    auto dodaj = [&](const QString& s) {
        l << QStringLiteral("#%1=%2;").arg(++n).arg(s);
        return n;
    };
    const int jednostka =
        stopy ? [&] {
            const int si = dodaj(QStringLiteral("IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.)"));
            const int miara = dodaj(QStringLiteral("IFCMEASUREWITHUNIT(IFCLENGTHMEASURE(0.3048),#%1)").arg(si));
            const int wymiar = dodaj(QStringLiteral("IFCDIMENSIONALEXPONENTS(1,0,0,0,0,0,0)"));
            return dodaj(QStringLiteral("IFCCONVERSIONBASEDUNIT(#%1,.LENGTHUNIT.,'FOOT',#%2)").arg(wymiar).arg(miara));
        }()
              : dodaj(QStringLiteral("IFCSIUNIT(*,.LENGTHUNIT.,%1)").arg(w.jednostka));
    const int przydzial = dodaj(QStringLiteral("IFCUNITASSIGNMENT((#%1))").arg(jednostka));
    const int zero = dodaj(QStringLiteral("IFCCARTESIANPOINT((0.,0.,0.))"));
    const int osZ = dodaj(QStringLiteral("IFCDIRECTION((0.,0.,1.))"));
    const int wcs = dodaj(QStringLiteral("IFCAXIS2PLACEMENT3D(#%1,$,$)").arg(zero));
    QString polnoc = QStringLiteral("$");
    if (w.polnoc) {
        const double a = *w.polnoc * std::numbers::pi / 180;
        polnoc = QStringLiteral("#%1").arg(dodaj(QStringLiteral("IFCDIRECTION((%1,%2))")
                                                     .arg(-std::sin(a), 0, 'g', 15)
                                                     .arg(std::cos(a), 0, 'g', 15)));
    }
    const int kontekst =
        dodaj(QStringLiteral("IFCGEOMETRICREPRESENTATIONCONTEXT($,'Model',3,1.E-05,#%1,%2)")
                  .arg(wcs)
                  .arg(polnoc));
    dodaj(QStringLiteral("IFCPROJECT('p',$,'Dom',$,$,$,$,(#%1),#%2)").arg(kontekst).arg(przydzial));
    const int budynek = dodaj(QStringLiteral("IFCLOCALPLACEMENT($,#%1)").arg(wcs));
    // Storeys, one named with \X2\ and one with \S\ of ISO 8859-2.
    const std::pair<const char*, double> kondygnacje[] = {{"Piwnica", -2800},
                                                          {"Parter", 0},
                                                          {"Pi\\X2\\0119\\X0\\tro", 3000},
                                                          {"\\PB\\Poddasze \\S\\3", 6000}};
    int numeryKondygnacji[4];
    for (int i = 0; i < 4; ++i) {
        const int p =
            dodaj(QStringLiteral("IFCCARTESIANPOINT((0.,0.,%1))").arg(dl(kondygnacje[i].second)));
        const int a = dodaj(QStringLiteral("IFCAXIS2PLACEMENT3D(#%1,#%2,$)").arg(p).arg(osZ));
        const int u = dodaj(QStringLiteral("IFCLOCALPLACEMENT(#%1,#%2)").arg(budynek).arg(a));
        numeryKondygnacji[i] =
            dodaj(QStringLiteral("IFCBUILDINGSTOREY('k%1',$,'%2',$,$,#%3,$,$,.ELEMENT.,%4)")
                      .arg(i)
                      .arg(QString::fromLatin1(kondygnacje[i].first))
                      .arg(u)
                      .arg(dl(kondygnacje[i].second)));
    }
    // The walls, placed at the building's corners.
    QStringList sciany;
    const std::pair<double, double> rogi[] = {
        {-5000, -5000}, {5000, -5000}, {5000, 5000}, {-5000, 5000}};
    for (const auto& [x, y] : rogi) {
        const int p = dodaj(QStringLiteral("IFCCARTESIANPOINT((%1,%2,0.))").arg(dl(x), dl(y)));
        const int a = dodaj(QStringLiteral("IFCAXIS2PLACEMENT3D(#%1,$,$)").arg(p));
        const int u = dodaj(QStringLiteral("IFCLOCALPLACEMENT(#%1,#%2)").arg(budynek).arg(a));
        sciany << QStringLiteral("#%1").arg(
            dodaj(QStringLiteral("IFCWALL('s',$,$,$,$,#%1,$,$,$)").arg(u)));
    }
    // The walls stand on the ground floor; the other storeys hold only
    // windows, and take the building's middle.
    QMap<int, QStringList> zawarte;
    zawarte[1] = sciany;
    const double polnocRad = w.polnoc.value_or(0) * std::numbers::pi / 180;
    int i = 0;
    for (const TOknoWzoru& o : w.okna) {
        // The outward normal: north turned clockwise by the azimuth.
        const double kat = std::numbers::pi / 2 + polnocRad - o.azymut * std::numbers::pi / 180;
        const double nx = std::cos(kat), ny = std::sin(kat);
        const double x = 5000 * nx, y = 5000 * ny;
        const double s = o.osDoSrodka ? -1 : 1;
        const int p = dodaj(QStringLiteral("IFCCARTESIANPOINT((%1,%2,900.))").arg(dl(x), dl(y)));
        const int kx = dodaj(QStringLiteral("IFCDIRECTION((%1,%2,0.))")
                                 .arg(s * ny, 0, 'g', 15)
                                 .arg(-s * nx, 0, 'g', 15));
        const int a =
            dodaj(QStringLiteral("IFCAXIS2PLACEMENT3D(#%1,#%2,#%3)").arg(p).arg(osZ).arg(kx));
        const int u = dodaj(QStringLiteral("IFCLOCALPLACEMENT(#%1,#%2)").arg(budynek).arg(a));
        const QString rozmiar = QStringLiteral("%1,%2").arg(dl(1500), dl(1200));
        const int okno =
            w.schemat == QStringLiteral("IFC2X3")
                ? dodaj(QStringLiteral("IFCWINDOW('o%1',$,'Okno %1',$,$,#%2,$,'%3',%4)")
                            .arg(i)
                            .arg(u)
                            .arg(o.odniesienie)
                            .arg(rozmiar))
                : dodaj(QStringLiteral("IFCWINDOW('o%1',$,'Okno "
                                       "%1',$,$,#%2,$,'%3',%4,.WINDOW.,.SINGLE_PANEL.,$)")
                            .arg(i)
                            .arg(u)
                            .arg(o.odniesienie)
                            .arg(rozmiar));
        if (o.tylkoPrzezSciane) {
            const int otwor = dodaj(QStringLiteral("IFCOPENINGELEMENT('x',$,$,$,$,$,$,$,$)"));
            const int sciana = dodaj(QStringLiteral("IFCWALL('w',$,$,$,$,$,$,$,$)"));
            dodaj(QStringLiteral("IFCRELVOIDSELEMENT('v',$,$,$,#%1,#%2)").arg(sciana).arg(otwor));
            dodaj(QStringLiteral("IFCRELFILLSELEMENT('f',$,$,$,#%1,#%2)").arg(otwor).arg(okno));
            zawarte[o.kondygnacja] << QStringLiteral("#%1").arg(sciana);
        } else {
            zawarte[o.kondygnacja] << QStringLiteral("#%1").arg(okno);
        }
        ++i;
    }
    for (auto it = zawarte.begin(); it != zawarte.end(); ++it)
        dodaj(QStringLiteral("IFCRELCONTAINEDINSPATIALSTRUCTURE('r',$,$,$,(%1),#%2)")
                  .arg(it->join(QLatin1Char(',')))
                  .arg(numeryKondygnacji[it.key()]));
    return (QStringLiteral("ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n"
                           "FILE_NAME('t.ifc','2026-12-09',(''),(''),'','','');\n"
                           "FILE_SCHEMA(('%1'));\nENDSEC;\nDATA;\n")
                .arg(w.schemat) +
            l.join(QLatin1Char('\n')) + QStringLiteral("\nENDSEC;\nEND-ISO-10303-21;\n"))
        .toLatin1();
}

QString PlikWspolny(const char* nazwa) {
    return qEnvironmentVariable("TERMIVO_TEST_DATA") + QStringLiteral("/../../shared/ifc/") +
           QLatin1String(nazwa);
}

} // namespace

class TestIfc : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // The syntax of a physical file, as exporters write it.
    void skladnia() {
        const QByteArray plik =
            "ISO-10303-21;\r\nHEADER;FILE_SCHEMA (( 'IFC2X3' ));ENDSEC;\n"
            "DATA;\n"
            "#1 = IFCX($,*,.T.,.ELEMENT.,#2,(1,(2.5,-0.)),IFCLENGTHMEASURE(1.E-009),'a''b\\\\c');\n"
            "#2=IFCY(\n  'x;y)(' ,\n  /* comment; ) */ 12 );\n"
            "#3=(IFCA(1)IFCB('two'));\n"
            "ENDSEC;END-ISO-10303-21;";
        TPlikStep p;
        QString powod;
        QVERIFY2(p.Czytaj(plik, &powod), qPrintable(powod));
        QCOMPARE(p.Schemat(), QStringLiteral("IFC2X3"));
        const auto a = p.Atrybuty(1);
        QVERIFY(a && a->size() == 8);
        using R = TWartoscStep::Rodzaj;
        QCOMPARE(a->at(0).rodzaj, R::Brak);
        QCOMPARE(a->at(1).rodzaj, R::Pochodna);
        QCOMPARE(a->at(2).Tekst(), QStringLiteral("T"));
        QCOMPARE(a->at(3).Tekst(), QStringLiteral("ELEMENT"));
        QCOMPARE(a->at(4).Odwolanie().value_or(0), 2);
        QCOMPARE(a->at(5).Elementy().at(1).Elementy().at(1).Liczba().value_or(1), 0.0);
        QCOMPARE(a->at(6).Liczba().value_or(0), 1e-9);
        QCOMPARE(a->at(7).Tekst(), QStringLiteral("a'b\\c"));
        QCOMPARE(p.Atrybut(2, 0).Tekst(), QStringLiteral("x;y)("));
        QCOMPARE(p.Atrybut(2, 1).Liczba().value_or(0), 12.0);
        QVERIFY(p.JestTypu(3, "IFCA") && p.JestTypu(3, "IFCB"));
        QCOMPARE(p.Atrybut(3, 0, "IFCB").Tekst(), QStringLiteral("two"));
        QCOMPARE(p.Instancje("IFCY"), QVector<int64_t>{2});
    }

    void teksty_data() {
        QTest::addColumn<QByteArray>("surowy");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("apostrof") << QByteArray("O''Neil") << QStringLiteral("O'Neil");
        QTest::newRow("X") << QByteArray("Caf\\X\\E9") << QStringLiteral("Café");
        QTest::newRow("X2") << QByteArray("\\X2\\015B\\X0\\ciana") << QStringLiteral("ściana");
        QTest::newRow("X4") << QByteArray("\\X4\\0001F600\\X0\\") << QStringLiteral("😀");
        QTest::newRow("S Latin-1") << QByteArray("\\S\\i") << QStringLiteral("é");
        QTest::newRow("PB S") << QByteArray("\\PB\\\\S\\1\\S\\3") << QStringLiteral("ął");
        QTest::newRow("UTF-8 wprost") << QByteArray("Okno ł") << QStringLiteral("Okno ł");
        QTest::newRow("ukośnik sam") << QByteArray("a\\b") << QStringLiteral("a\\b");
    }
    void teksty() {
        QFETCH(QByteArray, surowy);
        QFETCH(QString, tekst);
        QCOMPARE(DekodujTekstStep(surowy), tekst);
    }

    // Eight directions, the Y axis out and in, true north turned: each
    // window faces its own direction.
    void kierunki_data() {
        QTest::addColumn<QString>("schemat");
        QTest::addColumn<QString>("jednostka");
        QTest::addColumn<double>("polnoc");
        QTest::addColumn<bool>("doSrodka");
        QTest::newRow("IFC4 mm") << "IFC4"
                                 << ".MILLI.,.METRE." << 0.0 << false;
        QTest::newRow("IFC4 mm, oś do środka") << "IFC4"
                                               << ".MILLI.,.METRE." << 0.0 << true;
        QTest::newRow("IFC2X3 m, północ 30°") << "IFC2X3"
                                              << "$,.METRE." << 30.0 << false;
        QTest::newRow("IFC2X3 stopy, północ -100°") << "IFC2X3"
                                                    << "FOOT" << -100.0 << true;
    }
    void kierunki() {
        QFETCH(QString, schemat);
        QFETCH(QString, jednostka);
        QFETCH(double, polnoc);
        QFETCH(bool, doSrodka);
        TWzorModelu w{schemat, jednostka, polnoc, {}};
        for (int k = 0; k < 8; ++k)
            w.okna << TOknoWzoru{k * 45.0 + 10, 1, doSrodka, false, QStringLiteral("K%1").arg(k)};
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfc(Model(w), &m, &powod), qPrintable(powod));
        QCOMPARE(m.okna.size(), 8);
        QCOMPARE(m.polnocZModelu, true);
        for (int k = 0; k < 8; ++k) {
            const TOknoIfc& o = m.okna[k];
            QCOMPARE(KierunekNormalnej(o.normalna, m.polnoc), k);
            QVERIFY(std::abs(Azymut(o.normalna, m.polnoc) - (k * 45 + 10)) < 0.01);
            QCOMPARE(o.szerokosc.value_or(0), 1200);
            QCOMPARE(o.wysokosc.value_or(0), 1500);
            QCOMPARE(o.kondygnacja, 1);
        }
        // Storeys by elevation, names decoded, levels proposed.
        QCOMPARE(m.kondygnacje.size(), 4);
        QCOMPARE(m.kondygnacje[2].nazwa, QStringLiteral("Piętro"));
        QCOMPARE(m.kondygnacje[3].nazwa, QStringLiteral("Poddasze ł"));
        QCOMPARE(m.kondygnacje[0].rzedna, -2.8);
        QCOMPARE(ProponowanePoziomy(m.kondygnacje),
                 (QStringList{"podpiwniczenie", "parter", "1", "poddasze"}));
    }

    // Identical windows make one entry with their pieces per level and
    // direction, whatever their names (the first one's names it); a window
    // found only through its opening and wall keeps that wall's storey; the
    // summary line in correct Polish.
    void projekt() {
        TWzorModelu w;
        w.okna = {{180, 1, false, false, QStringLiteral("O-A")},
                  {180, 1, true, false, QStringLiteral("O-A")},
                  {90, 2, false, true, QStringLiteral("O-A")},
                  {0, 3, false, false, QString()},
                  {270, 0, false, false, QString()}};
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfc(Model(w), &m, &powod), qPrintable(powod));
        QCOMPARE(m.okna[2].kondygnacja, 2);
        TZestawienieStolarki p;
        TOpcjeImportuIfc opcje;
        opcje.ug = 0.6;
        opcje.uf = 1.1;
        opcje.psi = 0.04;
        opcje.d = 78;
        const TWynikImportuIfc wynik = UtworzProjektZIfc(m, opcje, p);
        QCOMPARE(wynik.okien, 5);
        QCOMPARE(wynik.pozycji, 1);
        QCOMPARE(wynik.bezUkladu, 5);
        QCOMPARE(TekstImportuIfc(wynik),
                 QStringLiteral("zaimportowano 5 okien jako 1 pozycję; 5 bez układu skrzydeł; "
                                "strona zewnętrzna 5 okien wg środka kondygnacji (bez pomieszczeń "
                                "i stropów w modelu – sprawdź strony świata)"));
        QVERIFY(p.Podpiwniczenie() && p.Parter() && p.Poddasze());
        QCOMPARE(p.LiczbaPieter(), 1);
        const TOkno* a = p.GetOkno(QStringLiteral("O-A"));
        QVERIFY(a);
        QCOMPARE(a->GetLiczba(QStringLiteral("parter"), 4), 2);
        QCOMPARE(a->GetLiczba(QStringLiteral("1"), 2), 1);
        QCOMPARE(a->SumaOkien(), 5);
        QCOMPARE(a->Ug, 0.6);
        QCOMPARE(a->dRamy, 78.0);
        QVERIFY(a->Lg < 0);
        QCOMPARE(a->GetLiczba(QStringLiteral("poddasze"), 0), 1);
        QCOMPARE(a->GetLiczba(QStringLiteral("podpiwniczenie"), 6), 1);
        // The model's windows it stands for, in the order met.
        QCOMPARE(a->GlobalIdIfc, QStringLiteral("o0,o1,o2,o3,o4"));
        // d left at 0: no frame, no Uw, and the summary says so.
        TZestawienieStolarki bezRamy;
        opcje.d = 0;
        const TWynikImportuIfc w0 = UtworzProjektZIfc(m, opcje, bezRamy);
        QCOMPARE(w0.bezUw, (QStringList{QStringLiteral("O-A")}));
        // An entry the user left out is not made, nor its pieces counted.
        TZestawienieStolarki bez;
        opcje.pominiete = {QStringLiteral("O-A")};
        const TWynikImportuIfc wp = UtworzProjektZIfc(m, opcje, bez);
        QCOMPARE(bez.LiczbaOkienWLiscie(), 0);
        QCOMPARE(wp.okien, 0);
        QCOMPARE(TekstImportuIfc(w0),
                 QStringLiteral("zaimportowano 5 okien jako 1 pozycję; 5 bez układu skrzydeł; "
                                "strona zewnętrzna 5 okien wg środka kondygnacji (bez pomieszczeń "
                                "i stropów w modelu – sprawdź strony świata); bez Uw (brak "
                                "danych): O-A – d = 0: brak ramy (metoda z geometrii okna)"));
    }

    // A window's symbol: its reference, Revit's type mark or mark, its tag,
    // its type's or its own name, never an identifier no person gave it.
    void symbole_data() {
        QTest::addColumn<QStringList>("nazwy"); // reference, type mark, mark, tag, type, name
        QTest::addColumn<QString>("symbol");
        QTest::newRow("odniesienie")
            << QStringList{"OK-1", "T1", "7", "P1", "Typ", "Okno"} << "OK-1";
        QTest::newRow("znak typu Revit") << QStringList{"", "W3", "12", "", "M_Fixed", ""} << "W3";
        QTest::newRow("znak Revit") << QStringList{"", "", "A7", "", "M_Fixed", ""} << "A7";
        QTest::newRow("GUID ArchiCAD w tagu")
            << QStringList{"", "", "", "2872C43C-81BB-45", "Okno 1-skrzydłowe", "Okno 21"}
            << "Okno 1-skrzydłow"; // cut to 16 characters
        QTest::newRow("numer Revit w tagu")
            << QStringList{"", "", "", "350211", "", "Okno"} << "Okno";
        QTest::newRow("GlobalId jako nazwa")
            << QStringList{"", "", "", "", "", "2O2Fr$t4X7Zf8NOew3FLOH"} << "O1";
        QTest::newRow("cały GUID")
            << QStringList{"", "", "", "", "", "{3F2504E0-4F89-11D3-9A0C-0305E82C3301}"} << "O1";
    }
    void symbole() {
        QFETCH(QStringList, nazwy);
        QFETCH(QString, symbol);
        const TNazwyIfc n{nazwy[0], nazwy[1], nazwy[2], nazwy[3], nazwy[4]};
        TModelIfc m;
        TOknoIfc o;
        o.nazwa = nazwy[5];
        o.symbol = NazwaOknaIfc(n, o.nazwa);
        o.szerokosc = 1200;
        o.wysokosc = 1500;
        m.okna = {o};
        // A second window alike but for its names is a piece of the same entry.
        o.symbol = QStringLiteral("inne");
        m.okna << o;
        TZestawienieStolarki p;
        UtworzProjektZIfc(m, TOpcjeImportuIfc(), p);
        QCOMPARE(p.LiczbaOkienWLiscie(), 1);
        QCOMPARE(p.Okno(0)->Symbol(), symbol);
        QCOMPARE(p.Okno(0)->SumaOkien(), 2);
    }

    // The levels proposed: storeys at one elevation are one level, the
    // storeys at the top named as an attic or roof are the attic.
    void poziomy_data() {
        QTest::addColumn<QStringList>("kondygnacje"); // "name@elevation"
        QTest::addColumn<QStringList>("poziomy");
        QTest::newRow("dach i Dachgeschoss")
            << QStringList{"EG@0", "OG@3", "Dachgeschoss@6", "Roof@8.5"}
            << QStringList{"parter", "1", "poddasze", "poddasze"};
        QTest::newRow("jedna rzędna")
            << QStringList{"Parter@0", "Parter (konstrukcja)@0.004", "Piętro@3"}
            << QStringList{"parter", "parter", "1"};
        QTest::newRow("dach niżej niż na górze")
            << QStringList{"Parter@0", "Dach garażu@2.5", "Piętro@3"}
            << QStringList{"parter", "1", "2"};
        QTest::newRow("sam dach") << QStringList{"Roof@0"} << QStringList{"parter"};
    }
    void poziomy() {
        QFETCH(QStringList, kondygnacje);
        QFETCH(QStringList, poziomy);
        QVector<TKondygnacjaIfc> k;
        for (const QString& s : kondygnacje)
            k.append({0, s.section(QLatin1Char('@'), 0, 0),
                      s.section(QLatin1Char('@'), 1).toDouble(), 0});
        QCOMPARE(ProponowanePoziomy(k), poziomy);
    }

    // Doors by the model's data: sliding, folding or named as terrace doors
    // are balcony doors, exterior ones entrance doors, the rest left out.
    void drzwi_data() {
        QTest::addColumn<QByteArray>("drzwi"); // the IFC4 door's attributes after its placement
        QTest::addColumn<QByteArray>("pset");  // IsExternal and ";GlazingAreaFraction", or nothing
        QTest::addColumn<QString>("rodzaj");   // "" when left out
        QTest::newRow("Terrassentuer")
            << QByteArray("'T1',2375.,2010.,.DOOR.,$,$") << QByteArray() << "drzwi balkonowe";
        QTest::newRow("przesuwne") << QByteArray("'D1',2375.,2010.,.DOOR.,.SLIDING_TO_LEFT.,$")
                                   << QByteArray() << "drzwi balkonowe";
        QTest::newRow("zewnętrzne") << QByteArray("'D2',2100.,1000.,.DOOR.,.SINGLE_SWING_LEFT.,$")
                                    << QByteArray(".T.") << "drzwi zewnętrzne";
        QTest::newRow("wewnętrzne") << QByteArray("'D3',2100.,900.,.DOOR.,.SINGLE_SWING_LEFT.,$")
                                    << QByteArray(".F.") << "";
        QTest::newRow("bez danych") << QByteArray("'D4',2100.,900.,$,$,$") << QByteArray() << "";
        // The model's word for an inner door holds whatever its operation.
        QTest::newRow("wewnętrzne przesuwne")
            << QByteArray("'D5',2100.,900.,.DOOR.,.SLIDING_TO_LEFT.,$") << QByteArray(".F.") << "";
        // Glazed share: at least half glass is a balcony door, if exterior.
        const QByteArray swing("'D6',2100.,1000.,.DOOR.,.SINGLE_SWING_LEFT.,$");
        QTest::newRow("szyby 0,5") << swing << QByteArray(".T.;0.5") << "drzwi balkonowe";
        QTest::newRow("szyby 0,49") << swing << QByteArray(".T.;0.49") << "drzwi zewnętrzne";
        QTest::newRow("szyby 0,8, bez IsExternal") << swing << QByteArray(";0.8") << "";
        QTest::newRow("szyby 0,9, wewnętrzne") << swing << QByteArray(".F.;0.9") << "";
        QTest::newRow("szyby 60 (%)") << swing << QByteArray(".T.;60.") << "drzwi zewnętrzne";
    }
    void drzwi() {
        QFETCH(QByteArray, drzwi);
        QFETCH(QByteArray, pset);
        QFETCH(QString, rodzaj);
        const QByteArray nazwa =
            QByteArray(QTest::currentDataTag()) == "Terrassentuer" ? "Terrassentuer" : "Drzwi";
        QByteArray plik = "ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n"
                          "#1=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);\n"
                          "#2=IFCUNITASSIGNMENT((#1));\n"
                          "#3=IFCDOOR('d',$,'" +
                          nazwa + "',$,$,$,$," + drzwi + ");\n";
        const QList<QByteArray> wl = pset.split(';');
        QByteArray zestaw;
        if (!wl[0].isEmpty()) {
            zestaw = "#4";
            plik += "#4=IFCPROPERTYSINGLEVALUE('IsExternal',$,IFCBOOLEAN(" + wl[0] + "),$);\n";
        }
        if (wl.size() > 1) {
            zestaw += zestaw.isEmpty() ? "#7" : ",#7";
            plik += "#7=IFCPROPERTYSINGLEVALUE('GlazingAreaFraction',$,"
                    "IFCPOSITIVERATIOMEASURE(" +
                    wl[1] + "),$);\n";
        }
        if (!zestaw.isEmpty())
            plik += "#5=IFCPROPERTYSET('s',$,'Pset_DoorCommon',$,(" + zestaw +
                    "));\n"
                    "#6=IFCRELDEFINESBYPROPERTIES('r',$,$,$,(#3),#5);\n";
        plik += "ENDSEC;END-ISO-10303-21;\n";
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfc(plik, &m, &powod), qPrintable(powod));
        QCOMPARE(m.okna.size(), rodzaj.isEmpty() ? 0 : 1);
        QCOMPARE(m.drzwiPominiete, rodzaj.isEmpty() ? 1 : 0);
        if (rodzaj.isEmpty())
            return;
        TZestawienieStolarki p;
        const TWynikImportuIfc w = UtworzProjektZIfc(m, TOpcjeImportuIfc(), p);
        QCOMPARE(NazwaRodzaju(p.Okno(0)->Rodzaj), rodzaj);
        QVERIFY(TekstImportuIfc(w).contains(rodzaj == QStringLiteral("drzwi zewnętrzne")
                                                ? QStringLiteral("w tym 1 drzwi zewnętrznych")
                                                : QStringLiteral("w tym 1 drzwi balkonowych")));
    }

    // A curtain wall's glazed panels are fixed glazing, their size from the
    // panel's shape (through a mapped item too) or quantities; an opaque
    // panel and a plate of no curtain wall are not.
    void fasada() {
        const QByteArray plik =
            "ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n"
            "#1=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);\n"
            "#2=IFCUNITASSIGNMENT((#1));\n"
            "#6=IFCPROJECT('pr',$,'P',$,$,$,$,$,#2);\n"
            "#3=IFCBUILDINGSTOREY('k',$,'Parter',$,$,$,$,$,.ELEMENT.,0.);\n"
            "#4=IFCCURTAINWALL('cw',$,'Fasada',$,$,$,$,$,$);\n"
            "#5=IFCRELCONTAINEDINSPATIALSTRUCTURE('c',$,$,$,(#4),#3);\n"
            "#10=IFCRECTANGLEPROFILEDEF(.AREA.,$,$,1500.,24.);\n"
            "#11=IFCEXTRUDEDAREASOLID(#10,$,$,3000.);\n"
            "#12=IFCSHAPEREPRESENTATION($,'Body','SweptSolid',(#11));\n"
            "#13=IFCPRODUCTDEFINITIONSHAPE($,$,(#12));\n"
            "#14=IFCREPRESENTATIONMAP($,#12);\n"
            "#15=IFCMAPPEDITEM(#14,$);\n"
            "#16=IFCSHAPEREPRESENTATION($,'Body','MappedRepresentation',(#15));\n"
            "#17=IFCPRODUCTDEFINITIONSHAPE($,$,(#16));\n"
            "#20=IFCPLATE('p1',$,'System Panel:Glazed',$,$,$,#13,$,.CURTAIN_PANEL.);\n"
            "#21=IFCPLATE('p2',$,'System Panel:Glazed',$,$,$,#17,$,.CURTAIN_PANEL.);\n"
            "#22=IFCPLATE('p3',$,'System Panel:Solid',$,$,$,#13,$,.CURTAIN_PANEL.);\n"
            "#23=IFCPLATE('p4',$,'Panel',$,$,$,$,$,.CURTAIN_PANEL.);\n"
            "#24=IFCELEMENTQUANTITY('q',$,'Qto_PlateBaseQuantities',$,$,(#25,#26));\n"
            "#25=IFCQUANTITYLENGTH('Width',$,$,1000.,$);\n"
            "#26=IFCQUANTITYLENGTH('Height',$,$,2400.,$);\n"
            "#27=IFCRELDEFINESBYPROPERTIES('d',$,$,$,(#23),#24);\n"
            "#28=IFCMATERIAL('Glass',$,$);\n"
            "#29=IFCRELASSOCIATESMATERIAL('m',$,$,$,(#23),#28);\n"
            "#30=IFCRELAGGREGATES('a',$,$,$,#4,(#20,#21,#22,#23));\n"
            "#31=IFCPLATE('s',$,'Glass fin',$,$,$,#13,$,$);\n"
            "ENDSEC;END-ISO-10303-21;\n";
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfc(plik, &m, &powod), qPrintable(powod));
        QCOMPARE(m.okna.size(), 3);
        for (const TOknoIfc& o : m.okna) {
            QVERIFY(o.fasada);
            QCOMPARE(o.kondygnacja, 0);
        }
        QCOMPARE(m.okna[0].szerokosc.value_or(0), 1500);
        QCOMPARE(m.okna[0].wysokosc.value_or(0), 3000);
        QCOMPARE(m.okna[1].szerokosc.value_or(0), 1500); // through the mapped item
        QCOMPARE(m.okna[2].szerokosc.value_or(0), 1000); // its quantities; glass by material
        QCOMPARE(m.okna[2].wysokosc.value_or(0), 2400);
        TZestawienieStolarki p;
        const TWynikImportuIfc w = UtworzProjektZIfc(m, TOpcjeImportuIfc(), p);
        QCOMPARE(w.pozycji, 2);
        QCOMPARE(w.bezUkladu, 0);
        QVERIFY(TekstImportuIfc(w).contains(
            QStringLiteral("w tym 3 przeszklonych paneli fasad (jako oszklenie stałe)")));
        QCOMPARE(p.Okno(0)->TypOkna, 1001);
        QCOMPARE(p.Okno(0)->RodzajSkrzydlaNazwa(0), QStringLiteral("stałe w ramie"));
        QCOMPARE(p.Okno(0)->SumaOkien(), 2);
    }

    // The outside of each window from the building's spaces (or its floor
    // slabs), on plans where the middle of the storey lies outside the
    // building or in its courtyard: every window faces the side with no
    // room, whichever way its exporter points its axis.
    void stronyPlanu_data() {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<bool>("stropy"); // floor slabs instead of spaces
        QTest::addColumn<bool>("pietro"); // the windows on a floor of no spaces above them
        // The spaces' shape: an extruded profile, a brep, or none but their
        // boundaries (a floor, and a ceiling over the whole site).
        QTest::addColumn<QString>("forma");
        const QString profil = QStringLiteral("profil");
        for (const char* plan : {"L", "U", "dziedziniec"}) {
            const QString p = QString::fromLatin1(plan);
            QTest::newRow(plan) << p << false << false << profil;
            QTest::newRow((plan + QByteArray(", stropy")).constData())
                << p << true << false << profil;
            QTest::newRow((plan + QByteArray(", bryły")).constData())
                << p << false << false << QStringLiteral("brep");
            QTest::newRow((plan + QByteArray(", granice")).constData())
                << p << false << false << QStringLiteral("granice");
        }
        QTest::newRow("L, stropy z brył") << "L" << true << false << QStringLiteral("brep");
        // The building's footprint (the ground floor's spaces) decides.
        QTest::newRow("dziedziniec, piętro bez pomieszczeń")
            << QStringLiteral("dziedziniec") << false << true << profil;
    }
    void stronyPlanu() {
        QFETCH(QString, plan);
        QFETCH(bool, stropy);
        QFETCH(bool, pietro);
        QFETCH(QString, forma);
        using P = std::array<double, 2>;
        // Outlines (mm), as polylines (L) or rectangles (the others: corner,
        // opposite corner); windows: a point on a wall, the direction its
        // outside faces (0 N, 2 E, 4 S, 6 W).
        QList<QList<P>> obrysy;
        QList<std::pair<P, int>> okna;
        if (plan == QStringLiteral("L")) {
            obrysy = {
                {P{0, 0}, P{20000, 0}, P{20000, 8000}, P{8000, 8000}, P{8000, 20000}, P{0, 20000}}};
            okna = {{P{10000, 0}, 4}, {P{14000, 8000}, 0}, {P{8000, 14000}, 2},
                    {P{0, 10000}, 6}, {P{20000, 4000}, 2}, {P{4000, 20000}, 0}};
        } else if (plan == QStringLiteral("U")) {
            obrysy = {{P{0, 0}, P{8000, 20000}},
                      {P{16000, 0}, P{24000, 20000}},
                      {P{8000, 0}, P{16000, 8000}}};
            okna = {{P{8000, 14000}, 2}, {P{16000, 14000}, 6}, {P{12000, 8000}, 0},
                    {P{12000, 0}, 4},    {P{0, 10000}, 6},     {P{24000, 10000}, 2}};
        } else {
            obrysy = {{P{0, 0}, P{30000, 10000}},
                      {P{0, 20000}, P{30000, 30000}},
                      {P{0, 10000}, P{10000, 20000}},
                      {P{20000, 10000}, P{30000, 20000}}};
            okna = {{P{15000, 10000}, 0}, {P{15000, 20000}, 4}, {P{10000, 15000}, 2},
                    {P{20000, 15000}, 6}, {P{15000, 0}, 4},     {P{15000, 30000}, 0}};
        }
        QStringList l{"#1=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.)",
                      "#2=IFCUNITASSIGNMENT((#1))",
                      "#3=IFCPROJECT('p',$,'P',$,$,$,$,$,#2)",
                      "#4=IFCBUILDINGSTOREY('k',$,'Parter',$,$,$,$,$,.ELEMENT.,0.)",
                      "#5=IFCDIRECTION((0.,0.,1.))",
                      "#6=IFCBUILDINGSTOREY('l',$,'Pietro',$,$,$,$,$,.ELEMENT.,3000.)"};
        int n = 100;
        auto dodaj = [&](const QString& s) {
            l << QStringLiteral("#%1=%2").arg(++n).arg(s);
            return QStringLiteral("#%1").arg(n);
        };
        auto punkt = [](double x, double y) {
            return QStringLiteral("IFCCARTESIANPOINT((%1,%2))").arg(x, 0, 'f', 1).arg(y, 0, 'f', 1);
        };
        QStringList czesci, zawarte, naPietrze;
        for (const QList<P>& o : obrysy) {
            QString profil;
            if (o.size() > 2) {
                QStringList pkt;
                for (const P& p : o)
                    pkt << dodaj(punkt(p[0], p[1]));
                pkt << pkt.first();
                profil = dodaj(
                    QStringLiteral("IFCARBITRARYCLOSEDPROFILEDEF(.AREA.,$,%1)")
                        .arg(dodaj(
                            QStringLiteral("IFCPOLYLINE((%1))").arg(pkt.join(QLatin1Char(','))))));
            } else {
                const QString srodek =
                    dodaj(punkt((o[0][0] + o[1][0]) / 2, (o[0][1] + o[1][1]) / 2));
                profil =
                    dodaj(QStringLiteral("IFCRECTANGLEPROFILEDEF(.AREA.,$,%1,%2,%3)")
                              .arg(dodaj(QStringLiteral("IFCAXIS2PLACEMENT2D(%1,$)").arg(srodek)))
                              .arg(o[1][0] - o[0][0], 0, 'f', 1)
                              .arg(o[1][1] - o[0][1], 0, 'f', 1));
            }
            QString bryla =
                dodaj(QStringLiteral("IFCEXTRUDEDAREASOLID(%1,$,#5,3000.)").arg(profil));
            const QList<P> wielokat =
                o.size() > 2 ? o : QList<P>{o[0], P{o[1][0], o[0][1]}, o[1], P{o[0][0], o[1][1]}};
            QStringList sciany;
            auto sciana = [&](const QStringList& pkt) {
                sciany << dodaj(
                    QStringLiteral("IFCFACE((%1))")
                        .arg(dodaj(QStringLiteral("IFCFACEOUTERBOUND(%1,.T.)")
                                       .arg(dodaj(QStringLiteral("IFCPOLYLOOP((%1))")
                                                      .arg(pkt.join(QLatin1Char(','))))))));
            };
            if (forma == QStringLiteral("brep")) {
                QStringList dol, gora;
                for (const P& p : wielokat) {
                    dol << dodaj(QStringLiteral("IFCCARTESIANPOINT((%1,%2,0.))")
                                     .arg(p[0], 0, 'f', 1)
                                     .arg(p[1], 0, 'f', 1));
                    gora << dodaj(QStringLiteral("IFCCARTESIANPOINT((%1,%2,3000.))")
                                      .arg(p[0], 0, 'f', 1)
                                      .arg(p[1], 0, 'f', 1));
                }
                sciana(dol);
                sciana(gora);
                for (qsizetype k = 0; k < dol.size(); ++k) {
                    const qsizetype j = (k + 1) % dol.size();
                    sciana({dol[k], dol[j], gora[j], gora[k]});
                }
                bryla = dodaj(QStringLiteral("IFCFACETEDBREP(%1)")
                                  .arg(dodaj(QStringLiteral("IFCCLOSEDSHELL((%1))")
                                                 .arg(sciany.join(QLatin1Char(','))))));
            }
            QString ksztalt = dodaj(
                QStringLiteral("IFCPRODUCTDEFINITIONSHAPE($,$,(%1))")
                    .arg(dodaj(QStringLiteral("IFCSHAPEREPRESENTATION($,'Body','SweptSolid',(%1))")
                                   .arg(bryla))));
            if (forma == QStringLiteral("granice"))
                ksztalt = QStringLiteral("$");
            if (stropy)
                zawarte << dodaj(
                    QStringLiteral("IFCSLAB('s',$,'Strop',$,$,$,%1,$,.FLOOR.)").arg(ksztalt));
            else
                czesci << dodaj(
                    QStringLiteral("IFCSPACE('r',$,'Pokój',$,$,$,%1,$,.ELEMENT.,.SPACE.,$)")
                        .arg(ksztalt));
            if (forma != QStringLiteral("granice"))
                continue;
            // Planes bounded at its floor and at its ceiling (over the whole
            // site: only the floor outlines it), in the space's axes.
            auto granica = [&](const QList<P>& pkt, double z) {
                QStringList p;
                for (const P& q : pkt)
                    p << dodaj(punkt(q[0], q[1]));
                p << p.first();
                const QString os = dodaj(
                    QStringLiteral("IFCAXIS2PLACEMENT3D(%1,$,$)")
                        .arg(dodaj(
                            QStringLiteral("IFCCARTESIANPOINT((0.,0.,%1))").arg(z, 0, 'f', 1))));
                const QString plat =
                    dodaj(QStringLiteral("IFCCURVEBOUNDEDPLANE(%1,%2,())")
                              .arg(dodaj(QStringLiteral("IFCPLANE(%1)").arg(os)))
                              .arg(dodaj(QStringLiteral("IFCPOLYLINE((%1))").arg(p.join(',')))));
                dodaj(QStringLiteral("IFCRELSPACEBOUNDARY('b',$,$,$,%1,$,%2,.PHYSICAL.,.INTERNAL.)")
                          .arg(czesci.last())
                          .arg(dodaj(
                              QStringLiteral("IFCCONNECTIONSURFACEGEOMETRY(%1,$)").arg(plat))));
            };
            granica(wielokat, 0);
            granica({P{-1e5, -1e5}, P{1e5, -1e5}, P{1e5, 1e5}, P{-1e5, 1e5}}, 3000);
        }
        int i = 0;
        for (const auto& [p, kierunek] : okna) {
            // Outwards as (nx, ny); every other exporter points its Y in.
            const double kat = kierunek * 45 * std::numbers::pi / 180;
            const double nx = std::sin(kat), ny = std::cos(kat);
            const double s = i % 2 ? -1 : 1;
            const QString os =
                dodaj(QStringLiteral("IFCDIRECTION((%1,%2,0.))").arg(s * ny).arg(-s * nx));
            const QString a = dodaj(QStringLiteral("IFCAXIS2PLACEMENT3D(%1,#5,%2)")
                                        .arg(dodaj(QStringLiteral("IFCCARTESIANPOINT((%1,%2,900.))")
                                                       .arg(p[0], 0, 'f', 1)
                                                       .arg(p[1], 0, 'f', 1)))
                                        .arg(os));
            (pietro ? naPietrze : zawarte)
                << dodaj(QStringLiteral("IFCWINDOW('o%1',$,'O%1',$,$,%2,$,$,1500.,1200.,"
                                        ".WINDOW.,.SINGLE_PANEL.,$)")
                             .arg(i++)
                             .arg(dodaj(QStringLiteral("IFCLOCALPLACEMENT($,%1)").arg(a))));
        }
        if (!czesci.isEmpty())
            dodaj(QStringLiteral("IFCRELAGGREGATES('a',$,$,$,#4,(%1))").arg(czesci.join(',')));
        if (!zawarte.isEmpty())
            dodaj(QStringLiteral("IFCRELCONTAINEDINSPATIALSTRUCTURE('c',$,$,$,(%1),#4)")
                      .arg(zawarte.join(',')));
        if (!naPietrze.isEmpty())
            dodaj(QStringLiteral("IFCRELCONTAINEDINSPATIALSTRUCTURE('d',$,$,$,(%1),#6)")
                      .arg(naPietrze.join(',')));
        const QByteArray plik = ("ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n" +
                                 l.join(";\n") + ";\nENDSEC;END-ISO-10303-21;\n")
                                    .toUtf8();
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfc(plik, &m, &powod), qPrintable(powod));
        QCOMPARE(m.okna.size(), okna.size());
        for (qsizetype k = 0; k < okna.size(); ++k) {
            QVERIFY2(KierunekNormalnej(m.okna[k].normalna, 0) == okna[k].second,
                     qPrintable(QStringLiteral("okno %1: %2")
                                    .arg(k)
                                    .arg(KierunekNormalnej(m.okna[k].normalna, 0))));
            QCOMPARE(m.okna[k].strona, stropy || pietro ? 2 : 1);
        }
        TZestawienieStolarki p;
        const QString t = TekstImportuIfc(UtworzProjektZIfc(m, TOpcjeImportuIfc(), p));
        QCOMPARE(t.contains(QStringLiteral("wg obrysu stropów lub budynku")), stropy || pietro);
        QVERIFY(!t.contains(QStringLiteral("wg środka")));
    }

    // A window with no size of its own takes its opening's: the extent
    // nearest the vertical is its height, whichever way the opening is
    // extruded (through the wall, or upwards as Revit writes it).
    void rozmiarZOtworu_data() {
        QTest::addColumn<QByteArray>("bryla");
        QTest::newRow("przez ścianę")
            << QByteArray("#21=IFCAXIS2PLACEMENT3D(#20,#22,#23);#22=IFCDIRECTION((0.,1.,0.));"
                          "#23=IFCDIRECTION((1.,0.,0.));#24=IFCRECTANGLEPROFILEDEF(.AREA.,$,$,"
                          "900.,1200.);#25=IFCEXTRUDEDAREASOLID(#24,#21,#26,300.);"
                          "#26=IFCDIRECTION((0.,0.,1.));");
        QTest::newRow("w górę") << QByteArray(
            "#21=IFCAXIS2PLACEMENT3D(#20,$,$);#24=IFCRECTANGLEPROFILEDEF(.AREA.,$,$,"
            "900.,300.);#25=IFCEXTRUDEDAREASOLID(#24,#21,#26,1200.);"
            "#26=IFCDIRECTION((0.,0.,1.));");
    }
    void rozmiarZOtworu() {
        QFETCH(QByteArray, bryla);
        const QByteArray plik =
            "ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n"
            "#1=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);#2=IFCUNITASSIGNMENT((#1));"
            "#3=IFCPROJECT('p',$,'P',$,$,$,$,$,#2);\n"
            "#10=IFCWINDOW('w',$,'O',$,$,$,$,$,$,$,.WINDOW.,.SINGLE_PANEL.,$);\n"
            "#11=IFCOPENINGELEMENT('o',$,$,$,$,$,#12,$,$);\n"
            "#12=IFCPRODUCTDEFINITIONSHAPE($,$,(#13));\n"
            "#13=IFCSHAPEREPRESENTATION($,'Body','SweptSolid',(#25));\n"
            "#14=IFCRELFILLSELEMENT('f',$,$,$,#11,#10);\n"
            "#20=IFCCARTESIANPOINT((0.,0.,0.));" +
            bryla + "\nENDSEC;END-ISO-10303-21;\n";
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfc(plik, &m, &powod), qPrintable(powod));
        QCOMPARE(m.okna.size(), 1);
        QCOMPARE(m.okna[0].szerokosc.value_or(0), 900);
        QCOMPARE(m.okna[0].wysokosc.value_or(0), 1200);
    }

    // A roof window 780 × 1180 mm in a roof of 35°: its height is measured
    // up the slope from its body (a brep, or an extrusion through a mapped
    // item), whatever its placement, when the model gives its vertical
    // extent (1180 · sin 35° = 677) or nothing; a true height is kept. With
    // no body, the opening cut plumb through the roof gives its profile.
    void oknoDachowe_data() {
        QTest::addColumn<QString>("wymiary"); // OverallHeight, OverallWidth
        // "brep", "trojkaty", "wyciagniecie" (mapped), "petla" (a map of
        // itself), "" (none)
        QTest::addColumn<QString>("bryla");
        QTest::addColumn<int>("szerokosc");
        QTest::addColumn<int>("wysokosc");
        QTest::addColumn<bool>("zBryly");
        QTest::newRow("rzut na pion") << "677.,780."
                                      << "brep" << 780 << 1180 << true;
        QTest::newRow("rzut, wyciągnięcie") << "677.,780."
                                            << "wyciagniecie" << 780 << 1180 << true;
        QTest::newRow("wysokość własna") << "1180.,780."
                                         << "brep" << 780 << 1180 << false;
        // Less than 0,9 of the body's: a vertical extent; more: its own.
        QTest::newRow("1061") << "1061.,780."
                              << "brep" << 780 << 1180 << true;
        QTest::newRow("1063") << "1063.,780."
                              << "brep" << 780 << 1063 << false;
        QTest::newRow("bez wymiarów") << "$,$"
                                      << "brep" << 780 << 1180 << false;
        QTest::newRow("tylko otwór") << "$,$"
                                     << "" << 800 << 1200 << false;
        QTest::newRow("trójkąty (IFC4)") << "677.,780."
                                         << "trojkaty" << 780 << 1180 << true;
        // A map drawing itself ten times at every level: no body, no hang.
        QTest::newRow("mapa w sobie") << "$,$"
                                      << "petla" << 800 << 1200 << false;
    }
    void oknoDachowe() {
        QFETCH(QString, wymiary);
        QFETCH(QString, bryla);
        QFETCH(int, szerokosc);
        QFETCH(int, wysokosc);
        QFETCH(bool, zBryly);
        QStringList l{
            "#1=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.)", "#2=IFCUNITASSIGNMENT((#1))",
            "#3=IFCPROJECT('p',$,'P',$,$,$,$,$,#2)", "#4=IFCSLAB('d',$,'Dach',$,$,$,$,$,.ROOF.)",
            "#5=IFCOPENINGELEMENT('x',$,$,$,$,$,#30,$,$)", "#6=IFCRELVOIDSELEMENT('v',$,$,$,#4,#5)",
            "#7=IFCRELFILLSELEMENT('f',$,$,$,#5,#10)",
            // The opening: 800 × 1200 cut plumb, 400 deep.
            "#30=IFCPRODUCTDEFINITIONSHAPE($,$,(#31))",
            "#31=IFCSHAPEREPRESENTATION($,'Body','SweptSolid',(#32))",
            "#32=IFCEXTRUDEDAREASOLID(#33,$,$,400.)",
            "#33=IFCRECTANGLEPROFILEDEF(.AREA.,$,$,800.,1200.)"};
        // Up the slope (0, cos 35°, sin 35°), out of the roof (0, −sin, cos).
        const double c = 0.819152044, s = 0.573576436;
        QString ksztalt = QStringLiteral("$");
        if (bryla == QStringLiteral("brep") || bryla == QStringLiteral("trojkaty")) {
            auto p = [&](int i, int j, int k) {
                return QStringLiteral("IFCCARTESIANPOINT((%1,%2,%3))")
                    .arg(i * 780.0, 0, 'f', 3)
                    .arg(j * 1180 * c - k * 100 * s, 0, 'f', 3)
                    .arg(j * 1180 * s + k * 100 * c, 0, 'f', 3);
            };
            const int sciany[6][4][3] = {{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}},
                                         {{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}},
                                         {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}},
                                         {{0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}},
                                         {{0, 0, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}},
                                         {{1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {1, 0, 1}}};
            int n = 50;
            auto dodaj = [&](const QString& t) {
                l << QStringLiteral("#%1=%2").arg(++n).arg(t);
                return QStringLiteral("#%1").arg(n);
            };
            QStringList numery, trojkaty, narozniki;
            for (int k = 0; k < 8; ++k)
                narozniki << p(k % 2, k / 2 % 2, k / 4).mid(18).chopped(1);
            for (const auto& sc : sciany) {
                auto indeks = [&](int w) {
                    return sc[w][0] + 2 * sc[w][1] + 4 * sc[w][2] + 1;
                };
                trojkaty
                    << QStringLiteral("(%1,%2,%3)").arg(indeks(0)).arg(indeks(1)).arg(indeks(2))
                    << QStringLiteral("(%1,%2,%3)").arg(indeks(0)).arg(indeks(2)).arg(indeks(3));
                QStringList pkt;
                for (const auto& w : sc)
                    pkt << dodaj(p(w[0], w[1], w[2]));
                const QString petla = dodaj(QStringLiteral("IFCPOLYLOOP((%1))").arg(pkt.join(',')));
                numery << dodaj(
                    QStringLiteral("IFCFACE((%1))")
                        .arg(dodaj(QStringLiteral("IFCFACEOUTERBOUND(%1,.T.)").arg(petla))));
            }
            if (bryla == QStringLiteral("trojkaty"))
                l << QStringLiteral("#27=IFCCARTESIANPOINTLIST3D((%1))").arg(narozniki.join(','))
                  << QStringLiteral("#28=IFCTRIANGULATEDFACESET(#27,$,.T.,(%1),$)")
                         .arg(trojkaty.join(','))
                  << "#22=IFCSHAPEREPRESENTATION($,'Body','Tessellation',(#28))";
            else
                l << QStringLiteral("#20=IFCCLOSEDSHELL((%1))").arg(numery.join(','))
                  << "#21=IFCFACETEDBREP(#20)"
                  << "#22=IFCSHAPEREPRESENTATION($,'Body','Brep',(#21))";
            ksztalt = QStringLiteral("#23");
            l << "#23=IFCPRODUCTDEFINITIONSHAPE($,$,(#24,#22))"
              << "#24=IFCSHAPEREPRESENTATION($,'Box','BoundingBox',(#25))"
              << "#25=IFCBOUNDINGBOX(#26,9000.,9000.,9000.)"
              << "#26=IFCCARTESIANPOINT((0.,0.,0.))";
        } else if (bryla == QStringLiteral("wyciagniecie")) {
            // The rectangle placed in the roof's plane, extruded out of it,
            // through a map shifted by a transformation of scale 2 (so
            // 390 × 590 × 50 drawn).
            l << "#20=IFCRECTANGLEPROFILEDEF(.AREA.,$,$,390.,590.)"
              << QStringLiteral("#21=IFCDIRECTION((0.,%1,%2))").arg(-s, 0, 'f', 9).arg(c, 0, 'f', 9)
              << "#22=IFCDIRECTION((1.,0.,0.))"
              << "#26=IFCCARTESIANPOINT((0.,0.,0.))"
              << "#27=IFCAXIS2PLACEMENT3D(#26,#21,#22)"
              << "#28=IFCEXTRUDEDAREASOLID(#20,#27,$,50.)"
              << "#29=IFCSHAPEREPRESENTATION($,'Body','SweptSolid',(#28))"
              << "#34=IFCREPRESENTATIONMAP(#35,#29)"
              << "#35=IFCAXIS2PLACEMENT3D(#26,$,$)"
              << "#36=IFCCARTESIANPOINT((100.,200.,300.))"
              << "#37=IFCCARTESIANTRANSFORMATIONOPERATOR3D($,$,#36,2.,$)"
              << "#38=IFCMAPPEDITEM(#34,#37)"
              << "#39=IFCSHAPEREPRESENTATION($,'Body','MappedRepresentation',(#38))"
              << "#23=IFCPRODUCTDEFINITIONSHAPE($,$,(#39))";
            ksztalt = QStringLiteral("#23");
        }
        if (bryla == QStringLiteral("petla")) {
            l << "#26=IFCCARTESIANPOINT((0.,0.,0.))"
              << "#35=IFCAXIS2PLACEMENT3D(#26,$,$)"
              << "#34=IFCREPRESENTATIONMAP(#35,#39)"
              << "#38=IFCMAPPEDITEM(#34,$)"
              << "#39=IFCSHAPEREPRESENTATION($,'Body','MappedRepresentation',(#38,#38,#38,#38,"
                 "#38,#38,#38,#38,#38,#38))"
              << "#23=IFCPRODUCTDEFINITIONSHAPE($,$,(#39))";
            ksztalt = QStringLiteral("#23");
        }
        l << QStringLiteral("#10=IFCWINDOW('w',$,'Okno dachowe',$,$,$,%1,$,%2,.SKYLIGHT.,"
                            ".SINGLE_PANEL.,$)")
                 .arg(ksztalt, wymiary);
        const QByteArray plik = ("ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n" +
                                 l.join(";\n") + ";\nENDSEC;END-ISO-10303-21;\n")
                                    .toUtf8();
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfc(plik, &m, &powod), qPrintable(powod));
        QCOMPARE(m.okna.size(), 1);
        QVERIFY(m.okna[0].dachowe);
        QCOMPARE(m.okna[0].szerokosc.value_or(0), szerokosc);
        QCOMPARE(m.okna[0].wysokosc.value_or(0), wysokosc);
        QCOMPARE(m.okna[0].wysokoscZBryly, zBryly);
        TZestawienieStolarki p;
        const QString t = TekstImportuIfc(UtworzProjektZIfc(m, TOpcjeImportuIfc(), p));
        QCOMPARE(t.contains(QStringLiteral("wysokość 1 okna w dachu przyjęto wg bryły")), zBryly);
    }

    // A round window by the circle (or ellipse) its opening is swept from,
    // or with no opening to read every solid of its body; its size the
    // model's, else the circle's.
    void okragle_data() {
        QTest::addColumn<QByteArray>("wymiary"); // OverallHeight, OverallWidth
        QTest::addColumn<QByteArray>("otwor");   // the opening's profile, or nothing
        QTest::addColumn<QByteArray>("bryly");   // the body's profiles
        QTest::addColumn<bool>("okragle");
        QTest::addColumn<int>("szerokosc");
        QTest::addColumn<int>("wysokosc");
        const QByteArray kolo450("IFCCIRCLEPROFILEDEF(.AREA.,$,$,450.)");
        const QByteArray prostokat("IFCRECTANGLEPROFILEDEF(.AREA.,$,$,900.,900.)");
        QTest::newRow("otwór koło")
            << QByteArray("900.,900.") << kolo450 << QByteArray() << true << 900 << 900;
        QTest::newRow("bryła elipsy, bez wymiarów")
            << QByteArray("$,$") << QByteArray()
            << QByteArray("IFCELLIPSEPROFILEDEF(.AREA.,$,$,600.,300.)") << true << 1200 << 600;
        QTest::newRow("rama i szyba") << QByteArray("$,$") << QByteArray()
                                      << QByteArray("IFCCIRCLEHOLLOWPROFILEDEF(.AREA.,$,$,450.,"
                                                    "100.);IFCCIRCLEPROFILEDEF(.AREA.,$,$,350.)")
                                      << true << 900 << 900;
        QTest::newRow("otwór prostokątny")
            << QByteArray("900.,900.") << prostokat << kolo450 << false << 900 << 900;
        QTest::newRow("koło i prostokąt") << QByteArray("900.,900.") << QByteArray()
                                          << kolo450 + ';' + prostokat << false << 900 << 900;
    }
    void okragle() {
        QFETCH(QByteArray, wymiary);
        QFETCH(QByteArray, otwor);
        QFETCH(QByteArray, bryly);
        QFETCH(bool, okragle);
        QFETCH(int, szerokosc);
        QFETCH(int, wysokosc);
        QByteArray plik = "ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n"
                          "#1=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);#2=IFCUNITASSIGNMENT((#1));"
                          "#3=IFCPROJECT('p',$,'P',$,$,$,$,$,#2);\n";
        int n = 100;
        // The shape of extruded solids, one for each profile.
        auto ksztalt = [&](const QByteArray& profile) {
            QByteArrayList elementy;
            for (const QByteArray& pr : profile.split(';')) {
                plik += '#' + QByteArray::number(++n) + '=' + pr + ";\n";
                plik += '#' + QByteArray::number(n + 1) + "=IFCEXTRUDEDAREASOLID(#" +
                        QByteArray::number(n) + ",$,$,80.);\n";
                elementy << '#' + QByteArray::number(++n);
            }
            plik += '#' + QByteArray::number(++n) +
                    "=IFCSHAPEREPRESENTATION($,'Body','SweptSolid',(" + elementy.join(',') +
                    "));\n";
            plik += '#' + QByteArray::number(n + 1) + "=IFCPRODUCTDEFINITIONSHAPE($,$,(#" +
                    QByteArray::number(n) + "));\n";
            return '#' + QByteArray::number(++n);
        };
        const QByteArray cialo = bryly.isEmpty() ? QByteArray("$") : ksztalt(bryly);
        plik += "#10=IFCWINDOW('w',$,'O',$,$,$," + cialo + ",$," + wymiary +
                ",.WINDOW.,.SINGLE_PANEL.,$);\n";
        if (!otwor.isEmpty())
            plik += "#11=IFCOPENINGELEMENT('o',$,$,$,$,$," + ksztalt(otwor) +
                    ",$,$);\n#14=IFCRELFILLSELEMENT('f',$,$,$,#11,#10);\n";
        plik += "ENDSEC;END-ISO-10303-21;\n";
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfc(plik, &m, &powod), qPrintable(powod));
        QCOMPARE(m.okna.size(), 1);
        QCOMPARE(m.okna[0].okragle, okragle);
        QCOMPARE(m.okna[0].szerokosc.value_or(0), szerokosc);
        QCOMPARE(m.okna[0].wysokosc.value_or(0), wysokosc);
        TZestawienieStolarki p;
        const QString t = TekstImportuIfc(UtworzProjektZIfc(m, TOpcjeImportuIfc(), p));
        QCOMPARE(p.Okno(0)->Okragle(), okragle);
        QCOMPARE(t.contains(QStringLiteral("w tym 1 okno okrągłe")), okragle);
    }

    // A re-import makes a window round where the model shows it so, and
    // never takes back the roundness the designer gave a window.
    void scalanieOkraglych() {
        auto model = [](const char* profil) {
            TModelIfc m;
            QString powod;
            const QByteArray plik =
                "ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n"
                "#1=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);#2=IFCUNITASSIGNMENT((#1));"
                "#3=IFCPROJECT('p',$,'P',$,$,$,$,$,#2);\n"
                "#10=IFCWINDOW('w',$,'O',$,$,$,$,'K1',900.,900.,.WINDOW.,.SINGLE_PANEL.,$);\n"
                "#11=IFCOPENINGELEMENT('o',$,$,$,$,$,#12,$,$);\n"
                "#12=IFCPRODUCTDEFINITIONSHAPE($,$,(#13));\n"
                "#13=IFCSHAPEREPRESENTATION($,'Body','SweptSolid',(#15));\n#14=" +
                QByteArray(profil) +
                ";\n#15=IFCEXTRUDEDAREASOLID(#14,$,$,300.);\n"
                "#16=IFCRELFILLSELEMENT('f',$,$,$,#11,#10);\nENDSEC;END-ISO-10303-21;\n";
            [&] {
                QVERIFY2(CzytajModelIfc(plik, &m, &powod), qPrintable(powod));
            }();
            return m;
        };
        const TModelIfc prostokatny = model("IFCRECTANGLEPROFILEDEF(.AREA.,$,$,900.,900.)");
        const TModelIfc okragly = model("IFCCIRCLEPROFILEDEF(.AREA.,$,$,450.)");
        TZestawienieStolarki projekt;
        UtworzProjektZIfc(prostokatny, TOpcjeImportuIfc(), projekt);
        QVERIFY(!projekt.Okno(0)->Okragle());
        TZestawienieStolarki scalony;
        const TZmianyImportuIfc z = ScalZIfc(projekt, okragly, TOpcjeImportuIfc(), false, scalony);
        QCOMPARE(z.zmienione, QStringList{QStringLiteral("K1: okrągłe")});
        QVERIFY(scalony.Okno(0)->Okragle());
        TZestawienieStolarki znowu;
        QVERIFY(ScalZIfc(scalony, prostokatny, TOpcjeImportuIfc(), false, znowu).Puste());
        QVERIFY(znowu.Okno(0)->Okragle());
    }

    void liczebniki_data() {
        QTest::addColumn<int>("okien");
        QTest::addColumn<int>("pozycji");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("1") << 1 << 1 << "zaimportowano 1 okno jako 1 pozycję";
        QTest::newRow("24") << 24 << 11 << "zaimportowano 24 okna jako 11 pozycji";
        QTest::newRow("22") << 22 << 22 << "zaimportowano 22 okna jako 22 pozycje";
        QTest::newRow("25") << 25 << 3 << "zaimportowano 25 okien jako 3 pozycje";
    }
    void liczebniki() {
        QFETCH(int, okien);
        QFETCH(int, pozycji);
        QFETCH(QString, tekst);
        TWynikImportuIfc w;
        w.okien = okien;
        w.pozycji = pozycji;
        QCOMPARE(TekstImportuIfc(w), tekst);
        // The windows with no size are named.
        w.bezWymiarow = 2;
        w.bezWymiarowSymbole = {QStringLiteral("O1"), QStringLiteral("O7")};
        QVERIFY(TekstImportuIfc(w).endsWith(QStringLiteral("; 2 bez wymiarów (O1, O7)")));
    }

    // Sash layouts: IFC4's partitioning on the type with its panels, and
    // IFC2x3's style; left and right of IFC are seen from outside.
    void skrzydla() {
        const QByteArray plik =
            "ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n"
            "#1=IFCWINDOW('a',$,'A',$,$,$,$,$,1500.,1200.,.WINDOW.,.NOTDEFINED.,$);\n"
            "#2=IFCWINDOWTYPE('t',$,'Typ "
            "2',$,$,(#3,#4,#14),$,$,$,.WINDOW.,.DOUBLE_PANEL_VERTICAL.,$,$);\n"
            "#3=IFCWINDOWPANELPROPERTIES('p',$,$,$,.TILTANDTURNLEFTHAND.,.LEFT.,$,$,$);\n"
            "#4=IFCWINDOWPANELPROPERTIES('q',$,$,$,.FIXEDCASEMENT.,.RIGHT.,$,$,$);\n"
            "#5=IFCRELDEFINESBYTYPE('r',$,$,$,(#1),#2);\n"
            "#6=IFCWINDOW('b',$,'B',$,$,$,$,$,1500.,1200.,.WINDOW.,.TRIPLE_PANEL_BOTTOM.,$);\n"
            "#7=IFCDOOR('d',$,'Drzwi wejściowe',$,$,$,$,$,2100.,900.,$,$,$);\n"
            "#8=IFCDOOR('e',$,'Drzwi balkonowe',$,$,$,$,$,2100.,900.,$,$,$);\n"
            "#9=IFCPROPERTYSET('s',$,'Pset_WindowCommon',$,(#10,#11,#12));\n"
            "#10=IFCPROPERTYSINGLEVALUE('Reference',$,IFCIDENTIFIER('OK-1'),$);\n"
            "#11=IFCPROPERTYSINGLEVALUE('ThermalTransmittance',$,"
            "IFCTHERMALTRANSMITTANCEMEASURE(1.4),$);\n"
            "#12=IFCPROPERTYSINGLEVALUE('IsExternal',$,IFCBOOLEAN(.F.),$);\n"
            "#13=IFCRELDEFINESBYPROPERTIES('x',$,$,$,(#6),#9);\n"
            // Transom 100 mm, mullion 120,5 (metres, the model's unit): one
            // width for both, the wider.
            "#14=IFCWINDOWLININGPROPERTIES('l',$,$,$,0.07,0.068,0.1,0.1205,$,$,$,$,$,$,$,$);\n"
            "ENDSEC;END-ISO-10303-21;\n";
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfc(plik, &m, &powod), qPrintable(powod));
        QCOMPARE(m.okna.size(), 3);
        QCOMPARE(m.drzwiPominiete, 1);
        const TOknoIfc& a = m.okna[0];
        QCOMPARE(a.typOkna, 2001);
        QCOMPARE(a.symbol, QStringLiteral("Typ 2")); // no reference, mark or tag: its type names it
        // The left panel seen from outside is the right sash inside, and
        // its left-hand tilt and turn is "rozwierne (prawe) uchylne".
        QCOMPARE(NazwaRodzajuSkrzydla(a.skrzydla[1]), QStringLiteral("rozwierne (prawe) uchylne"));
        QCOMPARE(NazwaRodzajuSkrzydla(a.skrzydla[0]), QStringLiteral("stałe w skrzydle"));
        QVERIFY(!a.bezUkladu);
        const TOknoIfc& b = m.okna[1];
        QCOMPARE(b.typOkna, 3006);
        QCOMPARE(b.symbol, QStringLiteral("OK-1"));
        QCOMPARE(b.uwModelu.value_or(0), 1.4);
        QVERIFY(b.wewnetrzne);
        QVERIFY(b.bezKondygnacji); // the model has no storeys
        QVERIFY(m.okna[2].drzwi);
        QCOMPARE(a.slupek.value_or(0), 120.5);
        QVERIFY(!b.slupek);
        TZestawienieStolarki p;
        TOpcjeImportuIfc opcje;
        opcje.slupek = 95; // where the model gives none
        const TWynikImportuIfc w = UtworzProjektZIfc(m, opcje, p);
        QCOMPARE(p.GetOkno(QStringLiteral("Typ 2"))->dSlupka, 120.5);
        // An inner window the summary warns of; windows on no storey named.
        QCOMPARE(w.wewnetrznych, 1);
        QVERIFY(TekstImportuIfc(w).contains(
            QStringLiteral("; 1 oznaczono w modelu jako wewnętrzne (IsExternal = fałsz)")));
        QVERIFY(TekstImportuIfc(w).contains(
            QStringLiteral("; 3 bez kondygnacji w modelu (przyjęto wg wysokości)")));
        const TOkno* ok1 = p.GetOkno(QStringLiteral("OK-1"));
        QVERIFY(ok1);
        QCOMPARE(NazwaRodzaju(ok1->Rodzaj), QStringLiteral("okno w ścianie wewnętrznej"));
        QVERIFY(ok1->Uwagi.contains(QStringLiteral("Uw wg modelu: 1,40")));
        QCOMPARE(ok1->dSlupka, 95.0);
    }

    // The partitioning and panels of a model against the catalogue's types
    // (their cells in the type table) and sash kinds: 1 fixed, 2/3 side
    // hung, 5/6 tilt and turn, 4 bottom hung, 9 top hung. Panels as
    // "operation@position"; sashes from the left seen from inside.
    void ukladSkrzydel_data() {
        QTest::addColumn<QString>("podzial");
        QTest::addColumn<QString>("panele");
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("skrzydla");
        QTest::addColumn<bool>("bezUkladu");
        QTest::newRow("jedno") << "SINGLE_PANEL"
                               << "TOPHUNG@" << 1001 << "9" << false;
        // Left seen from outside is right inside: the panel goes last.
        QTest::newRow("dwa pionowe")
            << "DOUBLE_PANEL_VERTICAL"
            << "SIDEHUNGLEFTHAND@LEFT;FIXEDCASEMENT@RIGHT" << 2001 << "1,3" << false;
        QTest::newRow("dwa poziome")
            << "double_panel_horizontal"
            << "BOTTOMHUNG@BOTTOM;FIXEDCASEMENT@TOP" << 2002 << "1,4" << false;
        QTest::newRow("trzy pionowe") << "TRIPLE_PANEL_VERTICAL"
                                      << "TILTANDTURNLEFTHAND@LEFT;FIXEDCASEMENT@MIDDLE;"
                                         "TILTANDTURNRIGHTHAND@RIGHT"
                                      << 3001 << "5,1,6" << false;
        QTest::newRow("trzy poziome") << "TRIPLE_PANEL_HORIZONTAL"
                                      << "FIXEDCASEMENT@BOTTOM;PIVOTHORIZONTAL@MIDDLE;TOPHUNG@TOP"
                                      << 3002 << "9,8,1" << false;
        QTest::newRow("trzy dolny") << "TRIPLE_PANEL_BOTTOM"
                                    << "" << 3006 << "0,0,0" << true;
        QTest::newRow("trzy górny") << "TRIPLE_PANEL_TOP"
                                    << "" << 3005 << "0,0,0" << true;
        QTest::newRow("trzy lewy z zewnątrz") << "TRIPLE_PANEL_LEFT"
                                              << "" << 3004 << "0,0,0" << true;
        QTest::newRow("trzy prawy z zewnątrz") << "TRIPLE_PANEL_RIGHT"
                                               << "" << 3003 << "0,0,0" << true;
        // No partitioning: as many sashes side by side as panels, in the
        // order written where the position says nothing.
        QTest::newRow("bez podziału, dwa")
            << "USERDEFINED"
            << "SIDEHUNGRIGHTHAND@;TOPHUNG@" << 2001 << "2,9" << false;
        QTest::newRow("bez podziału, trzy")
            << ""
            << "FIXEDCASEMENT@NOTDEFINED;BOTTOMHUNG@;FIXEDCASEMENT@" << 3001 << "1,4,1" << false;
        QTest::newRow("bez podziału, cztery")
            << ""
            << "TOPHUNG@;TOPHUNG@;TOPHUNG@;TOPHUNG@" << 1001 << "9" << false;
        // The positions place the panels of a guessed layout too: one
        // physical window, one layout, whatever order the model writes.
        QTest::newRow("bez podziału, lewy i prawy")
            << "NOTDEFINED"
            << "SIDEHUNGLEFTHAND@LEFT;FIXEDCASEMENT@RIGHT" << 2001 << "1,3" << false;
        QTest::newRow("bez podziału, góra i dół")
            << "NOTDEFINED"
            << "BOTTOMHUNG@BOTTOM;FIXEDCASEMENT@TOP" << 2002 << "1,4" << false;
        QTest::newRow("nic") << "NOTDEFINED"
                             << "" << 1001 << "0" << true;
        // Two panels on one place: the second takes the first free sash.
        QTest::newRow("jedno miejsce dwa razy")
            << "DOUBLE_PANEL_VERTICAL"
            << "TOPHUNG@LEFT;BOTTOMHUNG@LEFT" << 2001 << "4,9" << false;
        // More panels than sashes: the extra ones are left out.
        QTest::newRow("za dużo paneli") << "SINGLE_PANEL"
                                        << "TOPHUNG@;BOTTOMHUNG@" << 1001 << "9" << false;
        QTest::newRow("nieznany ruch") << "SINGLE_PANEL"
                                       << "SLIDINGHORIZONTAL@" << 1001 << "0" << false;
    }
    void ukladSkrzydel() {
        QFETCH(QString, podzial);
        QFETCH(QString, panele);
        QFETCH(int, typ);
        QFETCH(QString, skrzydla);
        QFETCH(bool, bezUkladu);
        QVector<TPanelIfc> p;
        for (const QString& panel : panele.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            p.append({panel.section(QLatin1Char('@'), 0, 0), panel.section(QLatin1Char('@'), 1)});
        const TUkladSkrzydelIfc u = UkladSkrzydelIfc(podzial, p);
        QCOMPARE(u.typOkna, typ);
        QStringList s;
        for (qsizetype i = 0; i < skrzydla.count(QLatin1Char(',')) + 1; ++i)
            s << QString::number(u.skrzydla[static_cast<std::size_t>(i)]);
        QCOMPARE(s.join(QLatin1Char(',')), skrzydla);
        QCOMPARE(u.bezUkladu, bezUkladu);
    }

    // Whatever is cut from a model is read or refused with its line; never
    // a crash, never a hang.
    void ciecia() {
        TWzorModelu w;
        w.okna = {{0, 1, false, false, QStringLiteral("A")}, {90, 1, false, true, QString()}};
        const QByteArray plik = Model(w);
        for (qsizetype c = 0; c < plik.size(); c += 7) {
            TModelIfc m;
            QString powod;
            if (!CzytajModelIfc(plik.left(c), &m, &powod))
                QVERIFY2(powod.startsWith(QStringLiteral("wiersz ")), qPrintable(powod));
        }
        TModelIfc m;
        QString powod;
        QVERIFY(!CzytajModelIfc(plik.left(plik.size() - 20), &m, &powod));
        QVERIFY2(powod.contains(QStringLiteral("ucięty")), qPrintable(powod));
        QVERIFY(!CzytajModelIfc(QByteArray("ISO-10303-21;HEADER;FILE_SCHEMA(('CIS2'));ENDSEC;"), &m,
                                &powod));
        QVERIFY(powod.contains(QStringLiteral("CIS2")));
    }

    // The two models exported by real programs: every window once, at its
    // size, on its storey.
    void prawdziweModele() {
        if (!QFile::exists(PlikWspolny("duplex.ifc")))
            QSKIP("the exported models are not beside the repository");
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfcZPliku(PlikWspolny("duplex.ifc"), &m, &powod), qPrintable(powod));
        QCOMPARE(m.schemat, QStringLiteral("IFC2X3"));
        // 24 windows; of the 14 doors the model calls 2 exterior (entrance
        // doors) and 2 glazed (balcony doors); 10 inner doors left out.
        QCOMPARE(m.okna.size(), 28);
        QCOMPARE(m.drzwiPominiete, 10);
        QCOMPARE(std::count_if(m.okna.begin(), m.okna.end(),
                               [](const TOknoIfc& o) { return o.drzwiZewnetrzne; }),
                 2);
        QCOMPARE(
            std::count_if(m.okna.begin(), m.okna.end(), [](const TOknoIfc& o) { return o.drzwi; }),
            2);
        QCOMPARE(m.kondygnacje.size(), 4);
        int dachowe = 0;
        for (const TOknoIfc& o : m.okna) {
            QVERIFY(o.szerokosc && o.wysokosc);
            QVERIFY(o.kondygnacja >= 0);
            dachowe += o.dachowe;
        }
        QCOMPARE(dachowe, 2);
        QCOMPARE(m.okna[0].szerokosc.value_or(0), 4835);
        QCOMPARE(m.okna[0].wysokosc.value_or(0), 2420);
        // The skylights on the flat roof: 0,6348 m high in the model, their
        // body 1172,5 × 1224,5 mm flat (its points: x −865,4 … 307,1,
        // y −801,8 … 422,8).
        for (const TOknoIfc& o : m.okna)
            if (o.dachowe) {
                QCOMPARE(o.szerokosc.value_or(0), 1173);
                QCOMPARE(o.wysokosc.value_or(0), 1225);
                QVERIFY(o.wysokoscZBryly);
            }
        QVERIFY2(CzytajModelIfcZPliku(PlikWspolny("IfcOpenHouse_IFC4.ifc"), &m, &powod),
                 qPrintable(powod));
        QCOMPARE(m.okna.size(), 5);
        for (const TOknoIfc& o : m.okna)
            QCOMPARE(o.kondygnacja, 0);
    }
};

QTEST_GUILESS_MAIN(TestIfc)
#include "tst_ifc.moc"
