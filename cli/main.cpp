// termivo-cli: the command-line companion, for batch use and scripting.

#include "eksportcli.h"
#include "importavk.h"
#include "orientacjejson.h"
#include "plikprojektu.h"
#include "podsumowanie.h"
#include "projektotwarty.h"
#include "raport.h"
#include "raportcli.h"
#include "sprawdzenie.h"
#include "wersja.h"
#include "wspolne.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <QStringList>
#include <memory>

#include <cstdio>
#include <string>

namespace {

const char* const pomoc =
    "Usage: termivo-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  summary FILE.tmv   Read a Termivo project and print it as one JSON object\n"
    "                     (UTF-8) on stdout: the project's header, levels and\n"
    "                     pricing options, its mean U (USrednie), window area\n"
    "                     (PowierzchniaOkien) and price totals in zloty\n"
    "                     (SumaCenOkien, SumaCenOkienBrutto, SumaCenMontazu,\n"
    "                     SumaCenMontazuBrutto, CenaZaM2Netto, CenaZaM2Brutto),\n"
    "                     and every window with its fields, counts per level and\n"
    "                     direction, SumaOkien, Uw, its list price in euro\n"
    "                     (CenaZCennika), its net price in zloty (CenaNetto; both\n"
    "                     null when there is none), KomunikatWyceny, its kind\n"
    "                     (Rodzaj), Umax and WT2021 (the verdict of the technical\n"
    "                     conditions of 2021); the project's WT2021 says whether\n"
    "                     it complies and which windows fail or lack data.\n"
    "                     Numbers are read with the user's locale, as the program\n"
    "                     does. Messages of the model go to stderr.\n"
    "  orientations FILE.tmv [--csv]\n"
    "                     The windows by storey and compass direction: for every\n"
    "                     storey and direction N ... NW the pieces (Sztuk), area\n"
    "                     in m2 (Pole) and area-weighted mean Uw (null without\n"
    "                     area), per storey, per direction and for the building,\n"
    "                     as one JSON object; with --csv as CSV for a Polish\n"
    "                     spreadsheet (UTF-8 with BOM, CR LF, \";\", decimal comma).\n"
    "  import-avk IN.avk OUT.tmv\n"
    "                     Import an Arvo-K project (walls, windows and doors) as a\n"
    "                     new Termivo project with a ground floor, and save it.\n"
    "                     On failure nothing is written.\n"
    "%s%s%s"
    "  --help             Show this text.\n"
    "  --version          Show the program's version.\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or written or a\n"
    "printer cannot be used (the reason on stderr), 2 for wrong usage, 3 when\n"
    "the page of report or print cannot hold a window block (\"Strona jest za\n"
    "mała by wydrukować zestawienie stolarki!\"; nothing is written or printed)\n"
    "or, for check, when a window fails WT 2021 or lacks thermal data, 4 when\n"
    "the project was read from a file cut short or with window sections left\n"
    "out (the output is still written, the warning is on stderr; 4 is given\n"
    "instead of 0 or 3).\n";

void Wypisz(FILE* strumien, const QByteArray& tekst) {
    std::fwrite(tekst.constData(), 1, static_cast<std::size_t>(tekst.size()), strumien);
}

void Pomoc(FILE* strumien) {
    std::fprintf(strumien, pomoc, POMOC_SPRAWDZENIA, POMOC_EKSPORTU, POMOC_RAPORTU);
}

int ZleUzycie() {
    Pomoc(stderr);
    return KOD_ZLE_UZYCIE;
}

int Podsumowanie(const QString& sciezka) {
    TProjektOtwarty projekt;
    if (!OtworzLubZglos(projekt, sciezka))
        return KOD_BLAD;
    PodsumowanieJson(*projekt.Projekt(), [](QByteArrayView kawalek) {
        std::fwrite(kawalek.data(), 1, static_cast<std::size_t>(kawalek.size()), stdout);
    });
    return KodPoOdczycie(projekt, std::fflush(stdout) == 0 ? KOD_OK : KOD_BLAD);
}

int Orientacje(const QString& sciezka, bool csv) {
    TProjektOtwarty projekt;
    if (!OtworzLubZglos(projekt, sciezka))
        return KOD_BLAD;
    const TZestawienieStron z = ZestawienieWgStron(*projekt.Projekt());
    Wypisz(stdout, csv ? ZestawienieWgStronCsv(z) : OrientacjeJson(z));
    return KodPoOdczycie(projekt, std::fflush(stdout) == 0 ? KOD_OK : KOD_BLAD);
}

int ImportAvk(const QString& wejscie, const QString& wyjscie) {
    TProjektOtwarty projekt;
    if (!projekt.Importuj(wejscie).Ok()) {
        Blad(KOMUNIKAT_IMPORT_NIEUDANY);
        return KOD_BLAD;
    }
    const TWynikPliku w = projekt.ZapiszJako(wyjscie);
    if (!w.Ok()) {
        Blad(w.powod.isEmpty() ? KOMUNIKAT_BLAD_ZAPISU
                               : KOMUNIKAT_BLAD_ZAPISU + QStringLiteral(" ") + w.powod);
        return KOD_BLAD;
    }
    return KOD_OK;
}

// Qt's own notices (no XDG_RUNTIME_DIR, fonts, printers) are not ours to
// show: stderr carries only the program's messages.
void BezKomunikatowQt(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(BezKomunikatowQt);
    // Drawing the report needs fonts, not a display: a script on a server
    // has none, so the report is drawn off screen.
    const std::string polecenie = argc > 1 ? argv[1] : "";
    const bool strony = polecenie == "report" || polecenie == "print";
    if (strony && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (strony) {
        app = std::make_unique<QGuiApplication>(argc, argv);
        ZarejestrujTahome();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const QStringList argumenty = QCoreApplication::arguments().mid(1);
    if (argumenty.size() == 1 &&
        (argumenty[0] == QStringLiteral("--help") || argumenty[0] == QStringLiteral("-h"))) {
        Pomoc(stdout);
        return KOD_OK;
    }
    if (argumenty.size() == 1 && argumenty[0] == QStringLiteral("--version")) {
        std::printf("termivo-cli %s\n", WersjaProgramu().toUtf8().constData());
        return KOD_OK;
    }
    if (strony) {
        const int kod =
            polecenie == "report" ? RaportPdf(argumenty.mid(1)) : DrukujCli(argumenty.mid(1));
        return kod == KOD_ZLE_UZYCIE ? ZleUzycie() : kod;
    }
    if (argumenty.size() == 2 && argumenty[0] == QStringLiteral("summary"))
        return Podsumowanie(argumenty[1]);
    if (argumenty.value(0) == QStringLiteral("orientations") &&
        (argumenty.size() == 2 ||
         (argumenty.size() == 3 && argumenty[2] == QStringLiteral("--csv"))))
        return Orientacje(argumenty[1], argumenty.size() == 3);
    if (argumenty.value(0) == QStringLiteral("export")) {
        const int kod = EksportCli(argumenty.mid(1));
        return kod == KOD_ZLE_UZYCIE ? ZleUzycie() : kod;
    }
    if (argumenty.value(0) == QStringLiteral("check")) {
        const int kod = Sprawdz(argumenty.mid(1));
        return kod == KOD_ZLE_UZYCIE ? ZleUzycie() : kod;
    }
    if (argumenty.size() == 3 && argumenty[0] == QStringLiteral("import-avk"))
        return ImportAvk(argumenty[1], argumenty[2]);
    return ZleUzycie();
}
