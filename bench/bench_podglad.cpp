// The print preview with a report of 1,000 windows (251 pages of about 40
// texts, 10 lines and 4 window drawings each): recording, memory, paging,
// thumbnails and the whole preview window's build.

#include "app/czcionki.h"
#include "bench/pamiec.h"
#include "report/podglad/pageview.h"
#include "report/podglad/papersheet.h"
#include "report/podglad/thumbnailstrip.h"
#include "report/prvform/dokumentpodgladu.h"
#include "report/prvform/prnprvform.h"
#include "report/raport/czcionki.h"
#include "report/raport/raport.h"
#include "report/raport/wydruk.h"
#include "tools/generator.h"
#include "ui/main/przegladokien.h"
#include "uslugi/dialogi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

constexpr int OKIEN = 1000;

TZestawienieStolarki& Projekt() {
    static std::unique_ptr<TZestawienieStolarki> p = [] {
        auto q = std::make_unique<TZestawienieStolarki>();
        GenerujProjekt(*q, OKIEN);
        return q;
    }();
    return *p;
}

void Buduj(TPageView& widok) {
    TDokumentPodgladu dokument(widok);
    TRaport raport(Projekt(), dokument);
    raport.UstawMarginesy(QMarginsF(20, 20, 20, 20));
    raport.GenerujRaport();
}

void BM_NagranieStron(benchmark::State& stan) {
    Projekt();
    const double przed = PamiecMB();
    TPageView widok;
    widok.SetUnits(mmPixel);
    widok.SetUseTempFile(stan.range(0) != 0);
    double przyrost = -1;
    for (auto _ : stan) {
        Buduj(widok);
        // What the pages hold in memory: measured once, the first time.
        if (przyrost < 0)
            przyrost = PamiecMB() - przed;
    }
    stan.counters["strony"] = widok.PageCount();
    stan.counters["strumien_MB"] = static_cast<double>(widok.Store().StreamSize()) / 1e6;
    stan.counters["przyrost_pamieci_MB"] = przyrost;
}
BENCHMARK(BM_NagranieStron)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// Another page shown at 100 %: fetched from the stream and painted.
void BM_InnaStrona(benchmark::State& stan) {
    TPageView widok;
    widok.SetUnits(mmPixel);
    widok.resize(1000, 800);
    Buduj(widok);
    widok.SetZoom(100);
    widok.show();
    int n = 1;
    for (auto _ : stan) {
        n = n % widok.PageCount() + 7;
        widok.SetCurrentPage(n);
        benchmark::DoNotOptimize(widok.Sheet()->grab());
    }
}
BENCHMARK(BM_InnaStrona)->Unit(benchmark::kMillisecond);

void BM_PasekMiniatur(benchmark::State& stan) {
    TPageView widok;
    widok.SetUnits(mmPixel);
    Buduj(widok);
    for (auto _ : stan) {
        TThumbnailStrip pasek;
        pasek.resize(150, 800);
        pasek.SetPageView(&widok);
        pasek.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(pasek.Count());
    }
}
BENCHMARK(BM_PasekMiniatur)->Unit(benchmark::kMillisecond)->Iterations(3);

class TDialogiBezOdpowiedzi : public TDialogi {
public:
    void Komunikat(QWidget*, TRodzajKomunikatu, const QString&, const QString&) override {}
    Odpowiedz Pytanie(QWidget*, const QString&, const QString&) override { return Odpowiedz::Nie; }
    Odpowiedz Potwierdzenie(QWidget*, const QString&, const QString&) override {
        return Odpowiedz::Anuluj;
    }
    std::optional<QString> Tekst(QWidget*, const QString&, const QString&, const QString&,
                                 int) override {
        return std::nullopt;
    }
    QString PlikDoOtwarcia(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString PlikDoZapisu(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    bool UstawieniaStrony(QWidget*, QPageLayout&) override { return false; }
    // The print dialog, when asked: the printer becomes a PDF file.
    QString pdf;
    bool Drukuj(QWidget*, QPrinter& drukarka) override {
        if (pdf.isEmpty())
            return false;
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(pdf);
        return true;
    }
    bool JestDrukarka() override { return !pdf.isEmpty(); }
    bool Pokaz(QDialog&) override { return false; }
    void Zakoncz() override {}
};

// The whole preview window: pages, thumbnails and tabs, with events
// processed after every page.
void BM_OknoPodgladu(benchmark::State& stan) {
    TDialogiBezOdpowiedzi dialogi;
    TPrnPrvForm okno(dialogi);
    okno.setWindowState(Qt::WindowNoState);
    okno.resize(1280, 1000);
    okno.UstawProjekt(&Projekt());
    okno.show();
    QCoreApplication::processEvents();
    for (auto _ : stan)
        okno.GenerujRaport();
    stan.counters["strony"] = okno.PageView->PageCount();
}
BENCHMARK(BM_OknoPodgladu)->Unit(benchmark::kMillisecond)->Iterations(3);

TZestawienieStolarki& ProjektOkien(int okien) {
    static std::map<int, std::unique_ptr<TZestawienieStolarki>> projekty;
    auto& p = projekty[okien];
    if (!p) {
        p = std::make_unique<TZestawienieStolarki>();
        GenerujProjekt(*p, okien);
    }
    return *p;
}

// The preview window of 1,000 and 5,000 windows built to its last page.
void BM_PodgladDoKonca(benchmark::State& stan) {
    TDialogiBezOdpowiedzi dialogi;
    TPrnPrvForm okno(dialogi);
    okno.setWindowState(Qt::WindowNoState);
    okno.resize(1280, 1000);
    okno.UstawProjekt(&ProjektOkien(static_cast<int>(stan.range(0))));
    okno.show();
    QCoreApplication::processEvents();
    for (auto _ : stan)
        okno.GenerujRaport();
    stan.counters["strony"] = okno.PageView->PageCount();
}
BENCHMARK(BM_PodgladDoKonca)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(2);

// Printing the same pages, side by side: from the shown preview window
// ("Drukuj..." with its progress) and straight, as termivo-cli print does.
// Both print onto a printer in PDF mode; the ratio is the first's time over
// the second's.
void BM_DrukZPodgladu(benchmark::State& stan) {
    TDialogiBezOdpowiedzi dialogi;
    QTemporaryDir katalog;
    dialogi.pdf = katalog.filePath(QStringLiteral("podglad.pdf"));
    TPrnPrvForm okno(dialogi);
    okno.setWindowState(Qt::WindowNoState);
    okno.resize(1280, 1000);
    TZestawienieStolarki& p = ProjektOkien(static_cast<int>(stan.range(0)));
    okno.UstawProjekt(&p);
    okno.show();
    QCoreApplication::processEvents();
    okno.GenerujRaport();
    TOpcjeRaportu opcje;
    opcje.Czcionka = DomyslnaCzcionkaRaportu();
    double wPodgladzie = 0, wprost = 0;
    for (auto _ : stan) {
        QElapsedTimer zegar;
        zegar.start();
        okno.Drukuj();
        wPodgladzie += static_cast<double>(zegar.nsecsElapsed());
        stan.PauseTiming();
        zegar.restart();
        QPrinter drukarka(QPrinter::HighResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(katalog.filePath(QStringLiteral("wprost.pdf")));
        drukarka.setFullPage(true);
        DrukujRaport(p, opcje, QMarginsF(20, 20, 20, 20), drukarka);
        wprost += static_cast<double>(zegar.nsecsElapsed());
        stan.ResumeTiming();
    }
    stan.counters["strony"] = okno.PageView->PageCount();
    stan.counters["wprost_ms"] = wprost / 1e6 / static_cast<double>(stan.iterations());
    stan.counters["stosunek"] = wPodgladzie / wprost;
}
BENCHMARK(BM_DrukZPodgladu)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(2);

// The overview of 10,000 windows opened: every verdict, price and area worked
// out, the table laid out and shown.
void BM_PrzegladOkien(benchmark::State& stan) {
    static std::unique_ptr<TZestawienieStolarki> p = [] {
        auto q = std::make_unique<TZestawienieStolarki>();
        GenerujProjekt(*q, 10000);
        return q;
    }();
    for (auto _ : stan) {
        TPrzegladOkienForm okno(*p);
        okno.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(okno.OknaTV->model()->rowCount());
    }
}
BENCHMARK(BM_PrzegladOkien)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same report printed, straight onto a printer in PDF mode at 1200 dpi.
void BM_DrukDoPdf(benchmark::State& stan) {
    Projekt();
    QTemporaryDir katalog;
    for (auto _ : stan) {
        QPrinter drukarka(QPrinter::HighResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(katalog.filePath(QStringLiteral("druk.pdf")));
        drukarka.setFullPage(true);
        TOpcjeRaportu opcje;
        opcje.Czcionka = DomyslnaCzcionkaRaportu();
        benchmark::DoNotOptimize(
            DrukujRaport(Projekt(), opcje, QMarginsF(20, 20, 20, 20), drukarka));
    }
    stan.counters["MB"] =
        static_cast<double>(QFile(katalog.filePath(QStringLiteral("druk.pdf"))).size()) / 1e6;
}
BENCHMARK(BM_DrukDoPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ZarejestrujTahome();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
