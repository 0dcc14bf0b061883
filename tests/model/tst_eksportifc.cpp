// The computed values written back into the building model: read back by
// our reader and, where it is installed, by web-ifc; everything else of the
// model as it was.

#include "model/ifc/eksportifc.h"
#include "model/ifc/importifc.h"
#include "model/ifc/modelifc.h"
#include "model/ifc/scalanieifc.h"
#include "model/zestawienie.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// Three windows 1200 × 1500: two sharing a common set (a reference and a
// thermal transmittance of 1,4), one without; a wall.
const QByteArray MODEL =
    "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION(('x'),'2;1');\n"
    "FILE_NAME('m.ifc','2026-01-01T00:00:00',('a'),('b'),'Pre','Prog','');\n"
    "FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n"
    "#1=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);\n"
    "#2=IFCUNITASSIGNMENT((#1));\n"
    "#3=IFCPROJECT('p',$,'P',$,$,$,$,$,#2);\n"
    "#4=IFCBUILDINGSTOREY('k',$,'Parter',$,$,$,$,$,.ELEMENT.,0.);\n"
    "#10=IFCWINDOW('w1',$,'A',$,$,$,$,$,1500.,1200.,.WINDOW.,.SINGLE_PANEL.,$);\n"
    "#11=IFCWINDOW('w2',$,'A',$,$,$,$,$,1500.,1200.,.WINDOW.,.SINGLE_PANEL.,$);\n"
    "#12=IFCWINDOW('w3',$,'B',$,$,$,$,$,1500.,1200.,.WINDOW.,.SINGLE_PANEL.,$);\n"
    "#13=IFCWALL('s',$,'Sciana',$,$,$,$,$,$);\n"
    "#20=IFCPROPERTYSINGLEVALUE('Reference',$,IFCIDENTIFIER('OK-1'),$);\n"
    "#21=IFCPROPERTYSINGLEVALUE('ThermalTransmittance',$,"
    "IFCTHERMALTRANSMITTANCEMEASURE(1.4),$);\n"
    "#22=IFCPROPERTYSET('ps',$,'Pset_WindowCommon',$,(#20,#21));\n"
    "#23=IFCRELDEFINESBYPROPERTIES('r',$,$,$,(#10,#11,#13),#22);\n"
    "#30=IFCRELCONTAINEDINSPATIALSTRUCTURE('c',$,$,$,(#10,#11,#12,#13),#4);\n"
    "ENDSEC;\nEND-ISO-10303-21;\n";

} // namespace

class TestEksportIfc : public QObject {
    Q_OBJECT

    QTemporaryDir katalog;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void wartosciWModelu() {
        TModelIfc m;
        QString powod;
        QVERIFY2(CzytajModelIfc(MODEL, &m, &powod), qPrintable(powod));
        TZestawienieStolarki p;
        TOpcjeImportuIfc opcje;
        opcje.ug = 0.6;
        opcje.uf = 1.1;
        opcje.psi = 0.04;
        opcje.d = 80;
        UtworzProjektZIfc(m, opcje, p);
        // The model's Uw of two tells them from the third.
        QCOMPARE(p.LiczbaOkienWLiscie(), 2);
        for (int i = 0; i < 2; ++i)
            p.Okno(i)->g = 0.5;
        p.AddOkno(QStringLiteral("BRAK"));
        p.GetOkno(QStringLiteral("BRAK"))->GlobalIdIfc = QStringLiteral("nie-ma-go");
        TWynikEksportuIfc wynik;
        const std::optional<QByteArray> nowy = EksportujDoIfc(p, MODEL, &wynik);
        QVERIFY2(nowy, qPrintable(wynik.blad));
        QCOMPARE(wynik.okien, 3);
        QCOMPARE(wynik.nieZnalezione, QStringList{QStringLiteral("BRAK")});
        // 1040 × 1340 of glass between d 80: Ag 1,3936, Af 0,4064, lg 4,76;
        // Uw = (0,83616 + 0,44704 + 0,1904) / 1,8 = 0,818667.
        TModelIfc z;
        QVERIFY2(CzytajModelIfc(*nowy, &z, &powod), qPrintable(powod));
        QCOMPARE(z.okna.size(), 3);
        for (const TOknoIfc& o : z.okna) {
            QVERIFY(o.uwModelu);
            QVERIFY(std::abs(*o.uwModelu - 1.4736 / 1.8) < 1e-12);
        }
        // The windows' other common properties stay with them.
        QCOMPARE(z.okna[0].symbol, QStringLiteral("OK-1"));
        QCOMPARE(z.okna[2].symbol, QStringLiteral("B"));
        // Every instance but the relation of the replaced set as it was; the
        // wall keeps its set, the new instances come after the model's.
        for (const QByteArray& linia : MODEL.split('\n'))
            if (linia.startsWith('#') && !linia.startsWith("#23="))
                QVERIFY2(nowy->contains(linia + '\n'), linia.constData());
        QVERIFY(nowy->contains("#23=IFCRELDEFINESBYPROPERTIES('r',$,$,$,(#13),#22);\n"));
        QVERIFY(nowy->contains("'Termivo_WT2021'"));
        QVERIFY(nowy->contains("'WT2021',$,IFCLABEL('spe\\X2\\0142\\X0\\nia')")); // 0,82 ≤ 0,90
        QVERIFY(nowy->contains("'SolarHeatGainTransmittance',$,IFCNORMALISEDRATIOMEASURE(0.5)"));
        QVERIFY(nowy->contains("#31="));
        QVERIFY(nowy->contains("FILE_NAME('m.ifc','2026-01-01T00:00:00',('a'),('b'),'Termivo "));
        QVERIFY(nowy->endsWith("ENDSEC;\nEND-ISO-10303-21;\n"));

        // A new version of the model merged into the project: w1 wider, w3
        // gone, w4 new. The designer's values stay with the windows the
        // model keeps; w2, no more like w1, becomes an entry made like it.
        TZestawienieStolarki projekt;
        UtworzProjektZIfc(m, opcje, projekt);
        TOkno& ok1 = *projekt.GetOkno(QStringLiteral("OK-1"));
        ok1.Ug = 0.7;
        ok1.CenaOkna = 500;
        ok1.Uwagi = QStringLiteral("uwaga projektanta");
        QByteArray v2 = MODEL;
        v2.replace("#10=IFCWINDOW('w1',$,'A',$,$,$,$,$,1500.,1200.",
                   "#10=IFCWINDOW('w1',$,'A',$,$,$,$,$,1500.,1250.");
        v2.replace("#12=IFCWINDOW('w3'", "#12=IFCWINDOW('w4'");
        TModelIfc m2;
        QVERIFY2(CzytajModelIfc(v2, &m2, &powod), qPrintable(powod));
        for (const bool usun : {false, true}) {
            TZestawienieStolarki scalony;
            const TZmianyImportuIfc zm = ScalZIfc(projekt, m2, opcje, usun, scalony);
            QCOMPARE(zm.zmienione,
                     QStringList{QStringLiteral("OK-1: 1200 × 1500 → 1250 × 1500, sztuk 2 → 1")});
            // The model's new window is named as the model names it, apart
            // from the kept window of that name.
            const QString nowe = usun ? QStringLiteral("B") : QStringLiteral("B-2");
            QCOMPARE(zm.dodane, (QStringList{QStringLiteral("OK-1-2"), nowe}));
            QCOMPARE(zm.usuniete, QStringList{QStringLiteral("B")});
            QCOMPARE(scalony.LiczbaOkienWLiscie(), usun ? 3 : 4);
            for (const char* s : {"OK-1", "OK-1-2"}) {
                const TOkno& w = *scalony.GetOkno(QString::fromLatin1(s));
                QCOMPARE(w.Ug, 0.7);
                QCOMPARE(w.CenaOkna, 500.0);
                QCOMPARE(w.Uwagi, QStringLiteral("uwaga projektanta"));
                QCOMPARE(w.SumaOkien(), 1);
            }
            QCOMPARE(scalony.GetOkno(QStringLiteral("OK-1"))->Szerokosc, 1250.0);
            QCOMPARE(scalony.GetOkno(QStringLiteral("OK-1"))->GlobalIdIfc, QStringLiteral("w1"));
            QCOMPARE(scalony.GetOkno(QStringLiteral("OK-1"))->Id(),
                     projekt.GetOkno(QStringLiteral("OK-1"))->Id());
            // The new window with the import's values.
            QCOMPARE(scalony.GetOkno(nowe)->Ug, 0.6);
            QCOMPARE(scalony.GetOkno(nowe)->GlobalIdIfc, QStringLiteral("w4"));
            QVERIFY(TekstZmianIfc(zm).endsWith(usun ? QStringLiteral("(B; usunięto)")
                                                    : QStringLiteral("(B; pozostawiono)")));
        }
        TZestawienieStolarki tenSam;
        QVERIFY(ScalZIfc(projekt, m, opcje, false, tenSam).Puste());

        // A real IFC client reads each window's Uw too.
        const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
        const QString klient = QStringLiteral(TERMIVO_KLIENT_IFC);
        if (node.isEmpty() || !QFile::exists(klient + QStringLiteral("/node_modules/web-ifc")))
            QSKIP("web-ifc is not installed (scripts/setup installs it with Debian's nodejs)");
        const QString plik = katalog.filePath(QStringLiteral("z.ifc"));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(*nowy);
        f.close();
        QProcess pr;
        pr.start(node, {klient + QStringLiteral("/uw_okien.mjs"), plik});
        QVERIFY(pr.waitForFinished(120000));
        QVERIFY2(pr.exitCode() == 0, pr.readAllStandardError().constData());
        const QStringList linie = QString::fromUtf8(pr.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(linie.size(), 3);
        for (const QString& l : linie)
            QVERIFY2(std::abs(l.section(QLatin1Char(' '), 1).toDouble() - 1.4736 / 1.8) < 1e-12,
                     qPrintable(l));
    }
};

QTEST_GUILESS_MAIN(TestEksportIfc)
#include "tst_eksportifc.moc"
