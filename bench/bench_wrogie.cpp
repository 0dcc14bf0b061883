// What a damaged or hostile file may ask for, and one step over a large
// project: each costs about what the bytes it reads do, not what its numbers
// say (two billion windows or storeys), and never grows with them.

#include "model/pliki/importavk.h"
#include "model/pliki/kodowanie.h"
#include "model/pliki/plikprojektu.h"
#include "model/powiadomienia.h"
#include "model/projekt/polecenia/ustawwszystkim.h"
#include "model/projekt/projektotwarty.h"
#include "model/zestawienie.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

const TOdbiorcaPowiadomien cisza([](const TKomunikat&) {});

void BM_WrogiProjekt(benchmark::State& stan) {
    const QByteArray bajty = "[Projekt]\r\nLiczbaPieter=2000000000\r\n"
                             "[Okna]\r\nLiczba=2147483647\r\n[Okno0]\r\nSymbol=A\r\n"
                             "[Okno2147483646]\r\nSymbol=B\r\n[Okno99999999999]\r\nSymbol=C\r\n";
    for (auto _ : stan) {
        TZestawienieStolarki p;
        benchmark::DoNotOptimize(WczytajProjektZBajtow(p, bajty));
    }
}
BENCHMARK(BM_WrogiProjekt)->Unit(benchmark::kMicrosecond);

void BM_WrogiArvoK(benchmark::State& stan) {
    const QByteArray bajty =
        DoCp1250(QStringLiteral("A\r\n2000000000\r\n--\r\ns\r\n1\r\n2\r\n3\r\nE\r\n"
                                "2000000000\r\n--\r\notwor\r\nO1\r\n1\r\n1\r\n3\r\n"));
    const QLocale pl(QLocale::Polish, QLocale::Poland);
    for (auto _ : stan) {
        TZestawienieStolarki p;
        p.SetParter(true);
        benchmark::DoNotOptimize(ImportujArvoK(p, bajty, pl));
    }
}
BENCHMARK(BM_WrogiArvoK)->Unit(benchmark::kMicrosecond);

// "Przypisz wszystkim" over 10,000 windows, and taken back.
void BM_PrzypiszWszystkim(benchmark::State& stan) {
    auto p = std::make_unique<TZestawienieStolarki>();
    for (int i = 0; i < stan.range(0); ++i)
        p->AddOkno(QStringLiteral("O%1").arg(i));
    p->Okno(0)->Ug = 1.1;
    const TIdOkna wzor = p->Okno(0)->Id();
    TProjektOtwarty otwarty;
    otwarty.Przyjmij(std::move(p));
    for (auto _ : stan) {
        otwarty.Wykonaj(std::make_unique<TPrzypiszWszystkim>(TCoWszystkim::Ug, wzor));
        otwarty.Cofnij();
    }
}
BENCHMARK(BM_PrzypiszWszystkim)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
