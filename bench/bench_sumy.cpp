// Reading and summing a project of 10,000 windows beside a plain scan of the
// same file (iconv | awk), side by side in one run: each iteration times
// both, by the CPU each takes, and the counter "stosunek" is the ratio of
// their sums (the target: at most 2).

#include "model/obliczenia/orientacje.h"
#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/pliki/plikprojektu.h"
#include "tools/generator.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace {

double CzasProcesu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The CPU the finished children took so far.
double CzasDzieci() {
    rusage r{};
    getrusage(RUSAGE_CHILDREN, &r);
    auto s = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return s(r.ru_utime) + s(r.ru_stime);
}

// Everything the project panel and the summary total: the mean U, the area,
// the prices, both verdicts of WT 2021 and the table by storey and direction.
void Sumy(const TZestawienieStolarki& p) {
    benchmark::DoNotOptimize(USrednie(p));
    benchmark::DoNotOptimize(PowierzchniaOkien(p));
    benchmark::DoNotOptimize(SumyCen(p));
    benchmark::DoNotOptimize(ZgodnoscWT2021(p));
    benchmark::DoNotOptimize(ZgodnoscLato2021(p));
    benchmark::DoNotOptimize(ZestawienieWgStron(p));
}

void BM_CzytanieISumy(benchmark::State& stan) {
    QTemporaryDir katalog;
    const QString s = katalog.filePath(QStringLiteral("p.tmv"));
    {
        TZestawienieStolarki p;
        GenerujProjekt(p, static_cast<int>(stan.range(0)));
        ZapiszProjekt(p, s);
    }
    const std::string skan =
        "iconv -f cp1250 -t utf-8 '" + s.toStdString() + "' | awk -F= '{n++}' > /dev/null";
    double nasz = 0, awk = 0;
    for (auto _ : stan) {
        const double t0 = CzasProcesu();
        {
            TZestawienieStolarki p;
            benchmark::DoNotOptimize(WczytajProjekt(p, s));
            Sumy(p);
        }
        nasz += CzasProcesu() - t0;
        const double d0 = CzasDzieci();
        if (std::system(skan.c_str()) != 0)
            stan.SkipWithError("iconv | awk failed");
        awk += CzasDzieci() - d0;
    }
    stan.counters["nasz_ms"] = 1000 * nasz / static_cast<double>(stan.iterations());
    stan.counters["awk_ms"] = 1000 * awk / static_cast<double>(stan.iterations());
    stan.counters["stosunek"] = awk > 0 ? nasz / awk : 0;
}
BENCHMARK(BM_CzytanieISumy)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(11);

} // namespace
