// termivo-cli: the command-line companion, for batch use and scripting.

#include "eksport.h"
#include "eksportcli.h"
#include "importavk.h"
#include "importifccli.h"
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

#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const char* const POMOC_POCZATEK = "Usage: termivo-cli COMMAND [ARGUMENTS]\n"
                                   "       termivo-cli COMMAND --help\n"
                                   "\n"
                                   "Commands:\n";

const char* const POMOC_PODSUMOWANIA =
    "  summary FILE.tmv   Read a Termivo project and print it as one JSON object\n"
    "                     (UTF-8) on stdout: WersjaFormatu (the version of the\n"
    "                     object's layout), the project's header, levels and\n"
    "                     pricing options, its mean U (USrednie, null when no\n"
    "                     window has thermal data) with the windows it covers\n"
    "                     (USrednieOkien) and those without data (BezDanych),\n"
    "                     window area (PowierzchniaOkien) and price totals in\n"
    "                     zloty (SumaCenOkien, SumaCenOkienBrutto, SumaCenMontazu,\n"
    "                     SumaCenMontazuBrutto, CenaZaM2Netto, CenaZaM2Brutto),\n"
    "                     and every window with its fields, counts per level and\n"
    "                     direction, SumaOkien, its area (Pole, PoleRazem in m2),\n"
    "                     Uw (null without thermal data), its list price in euro\n"
    "                     (CenaZCennika), its net price in zloty (CenaNetto; both\n"
    "                     null when there is none), KomunikatWyceny, its kind\n"
    "                     (Rodzaj), Umax and WT2021 (the verdict of the technical\n"
    "                     conditions of 2021); the project's WT2021 says whether\n"
    "                     it complies and which windows fail or lack data. A\n"
    "                     project without a date has Data null. Numbers are read\n"
    "                     with the user's locale, as the program does, and\n"
    "                     written in the shortest form that reads back the same.\n"
    "                     Messages of the model go to stderr.\n";

const char* const POMOC_ORIENTACJI =
    "  orientations FILE.tmv [--csv]\n"
    "                     The windows by storey and compass direction: for every\n"
    "                     storey and direction N ... NW the pieces (Sztuk), area\n"
    "                     in m2 (Pole) and area-weighted mean Uw of the windows\n"
    "                     with thermal data (null without any), per storey, per\n"
    "                     direction and for the building, as one JSON object;\n"
    "                     with --csv as CSV for a Polish spreadsheet (UTF-8 with\n"
    "                     BOM, CR LF, \";\", decimal comma).\n";

const char* const POMOC_IMPORTU =
    "  import-avk IN.avk OUT.tmv\n"
    "                     Import an Arvo-K project (walls, windows and doors) as a\n"
    "                     new Termivo project with a ground floor, and save it.\n"
    "                     On failure nothing is written and the reason is said.\n";

const char* const POMOC_KONIEC =
    "  --help             Show this text (with a command: that command's).\n"
    "  --version          Show the program's version.\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or written or a\n"
    "printer cannot be used (the reason on stderr), 2 for wrong usage (what was\n"
    "wrong on stderr, in one line), 3 when the page of report or print cannot\n"
    "hold a window block (\"Strona jest za mała by wydrukować zestawienie\n"
    "stolarki!\"; nothing is written or printed) or, for check, when a window\n"
    "fails WT 2021 or lacks thermal data, 4 when the project was read from a\n"
    "file cut short or with window sections left out (the output is still\n"
    "written, the warning is on stderr; 4 is given instead of 0 or 3).\n";

// Every command with its help.
struct TPolecenieCli {
    const char* nazwa;
    const char* const* pomoc;
};
const TPolecenieCli POLECENIA[] = {
    {"summary", &POMOC_PODSUMOWANIA}, {"orientations", &POMOC_ORIENTACJI},
    {"import-avk", &POMOC_IMPORTU},   {"import-ifc", &POMOC_IMPORTU_IFC},
    {"check", &POMOC_SPRAWDZENIA},    {"export", &POMOC_EKSPORTU},
    {"report", &POMOC_RAPORTU},       {"print", &POMOC_RAPORTU},
};

const TPolecenieCli* Polecenie(const QString& nazwa) {
    for (const TPolecenieCli& p : POLECENIA)
        if (nazwa == QLatin1String(p.nazwa))
            return &p;
    return nullptr;
}

void Wypisz(FILE* strumien, const QByteArray& tekst) {
    std::fwrite(tekst.constData(), 1, static_cast<std::size_t>(tekst.size()), strumien);
}

void Pomoc(FILE* strumien) {
    std::fputs(POMOC_POCZATEK, strumien);
    for (const char* const* p :
         {&POMOC_PODSUMOWANIA, &POMOC_ORIENTACJI, &POMOC_IMPORTU, &POMOC_IMPORTU_IFC,
          &POMOC_SPRAWDZENIA, &POMOC_EKSPORTU, &POMOC_RAPORTU})
        std::fputs(*p, strumien);
    std::fputs(POMOC_KONIEC, strumien);
}

// Wrong usage in one line: what was wrong, and where the help is.
int Uzycie(const QString& polecenie, int kod) {
    if (kod != KOD_ZLE_UZYCIE)
        return kod;
    QString powod = PowodZlegoUzycia();
    if (powod.isEmpty())
        powod = polecenie.isEmpty()    ? QStringLiteral("brak polecenia")
                : Polecenie(polecenie) ? QStringLiteral("błędne argumenty")
                                       : QStringLiteral("nieznane polecenie „%1”").arg(polecenie);
    const QString gdzie = Polecenie(polecenie) ? polecenie + QLatin1Char(' ') : QString();
    Blad(QStringLiteral("termivo-cli: %1. Pomoc: termivo-cli %2--help").arg(powod, gdzie));
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
    const TWynikPliku import = projekt.Importuj(wejscie);
    if (!import.Ok()) {
        Blad(import.powod.isEmpty() ? KOMUNIKAT_IMPORT_NIEUDANY
                                    : KOMUNIKAT_IMPORT_NIEUDANY +
                                          QStringLiteral(" %1: %2").arg(wejscie, import.powod));
        return KOD_BLAD;
    }
    const TWynikPliku w = projekt.ZapiszJako(wyjscie);
    if (!w.Ok()) {
        Blad(w.powod.isEmpty()
                 ? KOMUNIKAT_BLAD_ZAPISU
                 : KOMUNIKAT_BLAD_ZAPISU + QStringLiteral(" %1: %2").arg(wyjscie, w.powod));
        return KOD_BLAD;
    }
    return KOD_OK;
}

// Qt's own notices (no XDG_RUNTIME_DIR, fonts, printers) are not ours to
// show: stderr carries only the program's messages.
void BezKomunikatowQt(QtMsgType, const QMessageLogContext&, const QString&) {}

// Ended by a signal, the program leaves no half-written file of an export.
void PrzySygnale(int sygnal) {
    UsunTymczasowyEksportu();
    _exit(128 + sygnal);
}

void PilnujSygnalow() {
    struct sigaction akcja {};
    akcja.sa_handler = PrzySygnale;
    sigemptyset(&akcja.sa_mask);
    for (const int s : {SIGTERM, SIGINT, SIGHUP})
        sigaction(s, &akcja, nullptr);
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(BezKomunikatowQt);
    PilnujSygnalow();
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
    const QString nazwa = argumenty.value(0);
    if (argumenty.size() == 1 &&
        (nazwa == QStringLiteral("--help") || nazwa == QStringLiteral("-h"))) {
        Pomoc(stdout);
        return KOD_OK;
    }
    if (argumenty.size() == 1 && nazwa == QStringLiteral("--version")) {
        std::printf("termivo-cli %s\n", WersjaProgramu().toUtf8().constData());
        return KOD_OK;
    }
    // A command's own help.
    if (const TPolecenieCli* p = Polecenie(nazwa);
        p && (argumenty.contains(QStringLiteral("--help")) ||
              argumenty.contains(QStringLiteral("-h")))) {
        std::fputs(POMOC_POCZATEK, stdout);
        std::fputs(*p->pomoc, stdout);
        return KOD_OK;
    }
    const QStringList reszta = argumenty.mid(1);
    if (strony)
        return Uzycie(nazwa,
                      nazwa == QStringLiteral("report") ? RaportPdf(reszta) : DrukujCli(reszta));
    if (nazwa == QStringLiteral("summary"))
        return Uzycie(nazwa, reszta.size() == 1
                                 ? Podsumowanie(reszta[0])
                                 : ZleUzycie(QStringLiteral("podaj jeden plik projektu")));
    if (nazwa == QStringLiteral("orientations")) {
        if (reszta.size() == 1 || (reszta.size() == 2 && reszta[1] == QStringLiteral("--csv")))
            return Orientacje(reszta[0], reszta.size() == 2);
        return Uzycie(nazwa, ZleUzycie(QStringLiteral("podaj plik projektu i najwyżej --csv")));
    }
    if (nazwa == QStringLiteral("export"))
        return Uzycie(nazwa, EksportCli(reszta));
    if (nazwa == QStringLiteral("check"))
        return Uzycie(nazwa, Sprawdz(reszta));
    if (nazwa == QStringLiteral("import-avk"))
        return Uzycie(nazwa, reszta.size() == 2
                                 ? ImportAvk(reszta[0], reszta[1])
                                 : ZleUzycie(QStringLiteral("podaj plik .avk i plik .tmv")));
    if (nazwa == QStringLiteral("import-ifc"))
        return Uzycie(nazwa, ImportIfcCli(reszta));
    return Uzycie(nazwa, KOD_ZLE_UZYCIE);
}
