// Reading a building model of about 100 MB (20,000 windows among the
// geometry a real model mostly is): time, and memory beyond the file.

#include "bench/pamiec.h"
#include "model/ifc/importifc.h"
#include "model/zestawienie.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A model's start: its unit, project, and one storey placed at #6.
const char* const NAGLOWEK =
    "ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n"
    "#1=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);\n#2=IFCUNITASSIGNMENT((#1));\n"
    "#3=IFCPROJECT('p',$,'Dom',$,$,$,$,$,#2);\n#4=IFCCARTESIANPOINT((0.,0.,0.));\n"
    "#5=IFCAXIS2PLACEMENT3D(#4,$,$);\n#6=IFCLOCALPLACEMENT($,#5);\n"
    "#7=IFCBUILDINGSTOREY('s',$,'Parter',$,$,#6,$,$,.ELEMENT.,0.);\n";

// A window's place: a point, its axes and a placement in the storey's.
QByteArray Umieszczenie(int64_t p, int64_t a, int64_t u, int okno) {
    return "#" + QByteArray::number(p) + "=IFCCARTESIANPOINT((" +
           QByteArray::number(okno % 100 * 1000) + ".,-5000.,900.));\n#" + QByteArray::number(a) +
           "=IFCAXIS2PLACEMENT3D(#" + QByteArray::number(p) + ",$,$);\n#" + QByteArray::number(u) +
           "=IFCLOCALPLACEMENT(#6,#" + QByteArray::number(a) + ");\n";
}

QString Model(const QTemporaryDir& katalog) {
    const QString sciezka = katalog.filePath(QStringLiteral("duzy.ifc"));
    QFile f(sciezka);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(NAGLOWEK);
    int64_t n = 10;
    QByteArray blok;
    for (int okno = 0; okno < 20000; ++okno) {
        blok.clear();
        const int64_t p = n++, a = n++, u = n++, w = n++, r = n++;
        blok += Umieszczenie(p, a, u, okno);
        blok += "#" + QByteArray::number(w) + "=IFCWINDOW('w',$,'Okno',$,$,#" +
                QByteArray::number(u) + ",$,'O" + QByteArray::number(okno % 50) +
                "',1500.,1200.,.WINDOW.,.SINGLE_PANEL.,$);\n";
        blok += "#" + QByteArray::number(r) + "=IFCRELCONTAINEDINSPATIALSTRUCTURE('r',$,$,$,(#" +
                QByteArray::number(w) + "),#7);\n";
        // The geometry around it, which the import passes over.
        for (int i = 0; i < 75; ++i)
            blok += "#" + QByteArray::number(n++) +
                    "=IFCCARTESIANPOINT((1234.5678,2345.6789,3456.789));\n";
        f.write(blok);
    }
    f.write("ENDSEC;\nEND-ISO-10303-21;\n");
    return sciezka;
}

void BM_ImportIfc100MB(benchmark::State& stan) {
    const QTemporaryDir katalog;
    const QString plik = Model(katalog);
    const double przed = PamiecMB();
    double przyrost = 0;
    for (auto _ : stan) {
        TModelIfc model;
        QString powod;
        if (!CzytajModelIfcZPliku(plik, &model, &powod)) {
            stan.SkipWithError(qPrintable(powod));
            return;
        }
        przyrost = std::max(przyrost, PamiecMB() - przed);
        TZestawienieStolarki projekt;
        benchmark::DoNotOptimize(UtworzProjektZIfc(model, TOpcjeImportuIfc(), projekt).pozycji);
    }
    stan.counters["MB"] = static_cast<double>(QFile(plik).size()) / 1e6;
    stan.counters["przyrost_pamieci_MB"] = przyrost;
}
BENCHMARK(BM_ImportIfc100MB)->Unit(benchmark::kMillisecond)->Iterations(2);

// A model of windows only, 480,000 of them in about 60 MB: the peak of
// memory while it is read and made a schedule, against the file's size.
QString ModelOkien(const QTemporaryDir& katalog, int okien) {
    const QString sciezka = katalog.filePath(QStringLiteral("okna.ifc"));
    QFile f(sciezka);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(NAGLOWEK);
    int64_t n = 10;
    QByteArray blok;
    for (int okno = 0; okno < okien; ++okno) {
        blok.clear();
        const int64_t p = n++, a = n++, u = n++, w = n++;
        blok += Umieszczenie(p, a, u, okno);
        blok += "#" + QByteArray::number(w) + "=IFCWINDOW('" + QByteArray::number(w) +
                "',$,'Okno',$,$,#" + QByteArray::number(u) + ",$,'O" +
                QByteArray::number(okno % 50) + "',1500.,1200.,.WINDOW.,.SINGLE_PANEL.,$);\n";
        f.write(blok);
    }
    f.write("#9=IFCRELCONTAINEDINSPATIALSTRUCTURE('r',$,$,$,(");
    for (int okno = 0; okno < okien; ++okno)
        f.write((okno ? ",#" : "#") + QByteArray::number(10 + okno * 4 + 3));
    f.write("),#7);\nENDSEC;\nEND-ISO-10303-21;\n");
    return sciezka;
}

void BM_ImportIfc480000Okien(benchmark::State& stan) {
    const QTemporaryDir katalog;
    const QString plik = ModelOkien(katalog, 480000);
    double szczyt = 0;
    for (auto _ : stan) {
        ZerujSzczyt();
        const double przed = PamiecMB();
        TModelIfc model;
        QString powod;
        if (!CzytajModelIfcZPliku(plik, &model, &powod)) {
            stan.SkipWithError(qPrintable(powod));
            return;
        }
        TZestawienieStolarki projekt;
        benchmark::DoNotOptimize(UtworzProjektZIfc(model, TOpcjeImportuIfc(), projekt).pozycji);
        szczyt = std::max(szczyt, SzczytMB() - przed);
    }
    const double mb = static_cast<double>(QFile(plik).size()) / 1e6;
    stan.counters["MB"] = mb;
    stan.counters["szczyt_pamieci_MB"] = szczyt;
    stan.counters["szczyt_do_pliku"] = szczyt / mb;
}
BENCHMARK(BM_ImportIfc480000Okien)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
