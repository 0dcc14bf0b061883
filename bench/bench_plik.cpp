// Saving and loading a project of 10,000 windows with every level counted.

#include "model/pliki/plikprojektu.h"
#include "tools/generator.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_ZapiszProjekt(benchmark::State& stan) {
    QTemporaryDir katalog;
    TZestawienieStolarki p;
    GenerujProjekt(p, static_cast<int>(stan.range(0)));
    const QString s = katalog.filePath(QStringLiteral("p.tmv"));
    for (auto _ : stan)
        benchmark::DoNotOptimize(ZapiszProjekt(p, s));
}
BENCHMARK(BM_ZapiszProjekt)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WczytajProjekt(benchmark::State& stan) {
    QTemporaryDir katalog;
    const QString s = katalog.filePath(QStringLiteral("p.tmv"));
    {
        TZestawienieStolarki p;
        GenerujProjekt(p, static_cast<int>(stan.range(0)));
        ZapiszProjekt(p, s);
    }
    for (auto _ : stan) {
        TZestawienieStolarki p;
        benchmark::DoNotOptimize(WczytajProjekt(p, s));
    }
}
BENCHMARK(BM_WczytajProjekt)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
