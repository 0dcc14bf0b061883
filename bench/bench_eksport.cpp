// The schedule of 10,000 windows as an XLSX workbook: time and memory.

#include "model/eksport/eksport.h"
#include "tools/generator.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

// The process's peak resident memory in MB.
double SzczytPamieciMB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0;
}

void BM_EksportXlsx(benchmark::State& stan) {
    TZestawienieStolarki p;
    GenerujProjekt(p, static_cast<int>(stan.range(0)));
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("z.xlsx"));
    const double przed = SzczytPamieciMB();
    for (auto _ : stan)
        benchmark::DoNotOptimize(EksportujZestawienie(p, plik, TFormatEksportu::Xlsx));
    stan.counters["plik_MB"] = static_cast<double>(QFile(plik).size()) / 1e6;
    stan.counters["szczyt_pamieci_MB"] = SzczytPamieciMB();
    stan.counters["przyrost_szczytu_MB"] = SzczytPamieciMB() - przed;
}
BENCHMARK(BM_EksportXlsx)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
