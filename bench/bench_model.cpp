// Totals of a large project: the mean U and the window area are recomputed
// every time the project panel is shown, so they must stay fast.

#include "generator.h"

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
        benchmark::DoNotOptimize(p->USrednie());
        benchmark::DoNotOptimize(p->PowierzchniaOkien());
    }
}
BENCHMARK(BM_USrednieIPowierzchnia)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
