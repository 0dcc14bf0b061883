// Totals of a large project: the mean U and the window area are recomputed
// every time the project panel is shown, so they must stay fast.

#include "zestawienie.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<TZestawienieStolarki> DuzyProjekt(int okien) {
    auto p = std::make_unique<TZestawienieStolarki>();
    p->SetPodpiwniczenie(true);
    p->SetParter(true);
    p->SetLiczbaPieter(3);
    p->SetPoddasze(true); // six levels
    const QStringList poziomy = p->Poziomy();
    const auto& typy = TypyOkien();
    for (int i = 0; i < okien; ++i) {
        const QString s = QStringLiteral("O%1").arg(i);
        p->AddOkno(s);
        TOkno& o = *p->GetOkno(s);
        o.TypOkna = typy[i % typy.size()].Kod;
        o.Szerokosc = 600 + i % 1500;
        o.Wysokosc = 900 + i % 1200;
        o.Ug = 0.6 + (i % 5) * 0.1;
        o.Uf = 1.2 + (i % 7) * 0.1;
        o.Psi_g = 0.04;
        o.Lg = 4000;
        o.dR = (i % 3) * 0.05;
        for (int k = 0; k < poziomy.size(); ++k)
            o.SetLiczba(poziomy[k], (i + k) % 8, 1 + (i + k) % 4);
    }
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
