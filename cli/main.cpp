// termivo-cli: the command-line companion, for batch use and scripting.

#include "app/czcionki.h"
#include "cli/eksportcli.h"
#include "cli/eksportifccli.h"
#include "cli/importifccli.h"
#include "cli/orientacjejson.h"
#include "cli/podsumowanie.h"
#include "cli/raportcli.h"
#include "cli/sprawdzenie.h"
#include "cli/ugcli.h"
#include "cli/wspolne.h"
#include "model/eksport/arkusze.h"
#include "model/eksport/eksport.h"
#include "model/pliki/importavk.h"
#include "model/pliki/plikprojektu.h"
#include "model/projekt/projektotwarty.h"
#include "model/wersja.h"
#include "report/raport/raport.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <QStringList>
#include <memory>

#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const char* const POMOC_POCZATEK = "Składnia: termivo-cli POLECENIE [ARGUMENTY]\n"
                                   "          termivo-cli POLECENIE --help\n"
                                   "\n"
                                   "Polecenia:\n";

const char* const POMOC_PODSUMOWANIA =
    "  summary PLIK.tmv   Wczytuje projekt Termivo i wypisuje go na standardowe\n"
    "                     wyjście jako jeden obiekt JSON (UTF-8): WersjaFormatu\n"
    "                     (wersja układu obiektu), dane projektu, kondygnacje i\n"
    "                     opcje wyceny, średni współczynnik U (USrednie; null, gdy\n"
    "                     żadne okno nie ma danych cieplnych) z oknami, które\n"
    "                     obejmuje (USrednieOkien), i oknami bez danych\n"
    "                     (BezDanych), metodę Uw (MetodaUw), pole okien\n"
    "                     (PowierzchniaOkien) i sumy cen w złotych (SumaCenOkien,\n"
    "                     SumaCenOkienBrutto, SumaCenMontazu, SumaCenMontazuBrutto,\n"
    "                     CenaZaM2Netto, CenaZaM2Brutto) oraz każde okno z jego\n"
    "                     polami, sztukami na kondygnacjach i stronach świata,\n"
    "                     SumaOkien, polem (Pole, PoleRazem w m²), Uw z roletą\n"
    "                     (Uw, UwPokazane) i bez niej (UwBezRolety, UwOceniane:\n"
    "                     to ocenia WT 2021; null bez danych, BrakUw mówi\n"
    "                     dlaczego), ceną z cennika w euro (CenaZCennika), ceną\n"
    "                     netto i brutto w złotych (CenaNetto, CenaBrutto) i\n"
    "                     wartością wszystkich sztuk (WartoscNetto,\n"
    "                     WartoscBrutto; null, gdy ceny nie ma),\n"
    "                     KomunikatWyceny, rodzajem (Rodzaj), Umax i\n"
    "                     ocenami WT 2021 zimą (WT2021) i latem (WT2021Lato);\n"
    "                     WT2021 i WT2021Lato projektu mówią, czy projekt spełnia\n"
    "                     wymagania i które okna ich nie spełniają lub nie mają\n"
    "                     danych. Projekt bez daty ma Data null. Liczby są\n"
    "                     czytane tak jak w programie (przecinek lub kropka) i\n"
    "                     wypisywane w najkrótszej postaci, która wczytuje się\n"
    "                     tak samo. Komunikaty trafiają na standardowe wyjście\n"
    "                     błędów.\n";

const char* const POMOC_ORIENTACJI =
    "  orientations PLIK.tmv [--json | --csv]\n"
    "                     Okna wg kondygnacji i stron świata: dla każdej\n"
    "                     kondygnacji i strony N ... NW liczba sztuk (Sztuk), pole\n"
    "                     w m² (Pole) i średnie ważone polem Uw okien z danymi\n"
    "                     cieplnymi (null bez takich okien), dla kondygnacji, dla\n"
    "                     strony i dla budynku, jako jeden obiekt JSON z\n"
    "                     WersjaFormatu (także z --json); z --csv\n"
    "                     jako CSV dla polskiego arkusza (UTF-8 z BOM, CR LF,\n"
    "                     \";\", przecinek dziesiętny).\n";

const char* const POMOC_IMPORTU =
    "  import-avk WEJŚCIE.avk WYJŚCIE.tmv\n"
    "                     Importuje projekt Arvo-K (ściany, okna i drzwi) jako\n"
    "                     nowy projekt Termivo z parterem i zapisuje go. Gdy się\n"
    "                     nie uda, nic nie jest zapisywane, a przyczyna jest\n"
    "                     podawana.\n";

const char* const POMOC_KONIEC =
    "\n"
    "Opcje:\n"
    "  -h, --help    ten tekst; po nazwie polecenia: pomoc tego polecenia\n"
    "  --version     wersja programu\n"
    "\n"
    "Kod wyjścia: 0 – sukces, 1 – błąd pliku lub drukarki, 2 – błędne wywołanie,\n"
    "3 – strona za mała lub (check) okno nie spełnia WT 2021, 4 – plik uszkodzony.\n"
    "Szczegóły: termivo-cli POLECENIE --help oraz man termivo-cli.\n";

const char* const POMOC_KODOW =
    "\n"
    "Kod wyjścia: 0 – sukces, 1 – błąd pliku lub drukarki, 2 – błędne wywołanie,\n"
    "3 – strona za mała lub (check) okno nie spełnia WT 2021, 4 – plik uszkodzony.\n"
    "Więcej: man termivo-cli.\n";

// Every command with its help.
struct TPolecenieCli {
    const char* nazwa;
    const char* const* pomoc;
    const char* krotko; // its line in the general help
};

// The first argument that looks like an option ("--bogus", "-x") and that
// the commands reading their own options do not take; empty for none. The
// commands with options of their own (check, export, report, print,
// import-ifc) name an unknown one themselves.
QString NieznanaOpcja(const QString& polecenie, const QStringList& argumenty) {
    QStringList znane;
    if (polecenie == QStringLiteral("orientations"))
        znane = {QStringLiteral("--json"), QStringLiteral("--csv")};
    else if (polecenie != QStringLiteral("summary") && polecenie != QStringLiteral("import-avk"))
        return QString();
    for (const QString& a : argumenty)
        if (a.size() > 1 && a.startsWith(QLatin1Char('-')) && !znane.contains(a))
            return a;
    return QString();
}
const TPolecenieCli POLECENIA[] = {
    {"summary", &POMOC_PODSUMOWANIA, "PLIK.tmv                projekt z wynikami jako JSON"},
    {"check", &POMOC_SPRAWDZENIA, "PLIK.tmv [--json]       ocena okien według WT 2021"},
    {"orientations", &POMOC_ORIENTACJI, "PLIK.tmv [--json|--csv] okna wg kondygnacji i stron"},
    {"export", &POMOC_EKSPORTU, "PLIK.tmv WYJŚCIE.xlsx|.csv  zestawienie w arkuszu"},
    {"report", &POMOC_RAPORTU, "PLIK.tmv WYJŚCIE.pdf [opcje]  zestawienie w PDF"},
    {"print", &POMOC_RAPORTU, "PLIK.tmv [opcje]        zestawienie na drukarkę"},
    {"import-avk", &POMOC_IMPORTU, "WEJŚCIE.avk WYJŚCIE.tmv import projektu Arvo-K"},
    {"import-ifc", &POMOC_IMPORTU_IFC, "WEJŚCIE.ifc WYJŚCIE.tmv [opcje]  import okien z IFC"},
    {"export-ifc", &POMOC_EKSPORTU_IFC, "PLIK.tmv MODEL.ifc WYJŚCIE.ifc  wartości okien w modelu"},
    {"ug", &POMOC_UG, "BUDOWA [opcje]          Ug szyby z jej budowy (PN-EN 673)"},
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

// The general help: one line a command (it fits a screen); each command's
// own with COMMAND --help, everything in the manual page.
void Pomoc(FILE* strumien) {
    std::fputs(POMOC_POCZATEK, strumien);
    for (const TPolecenieCli& p : POLECENIA)
        std::fprintf(strumien, "  %-13s %s\n", p.nazwa, p.krotko);
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
    // A command's own help: its syntax and what it does, nothing else.
    if (const TPolecenieCli* p = Polecenie(nazwa);
        p && (argumenty.contains(QStringLiteral("--help")) ||
              argumenty.contains(QStringLiteral("-h")))) {
        std::printf("Składnia: termivo-cli %s\n\n", p->nazwa);
        std::fputs(*p->pomoc, stdout);
        std::fputs(POMOC_KODOW, stdout);
        return KOD_OK;
    }
    const QStringList reszta = argumenty.mid(1);
    // An option the command does not know is named as such.
    if (const QString nieznana = NieznanaOpcja(nazwa, reszta); !nieznana.isEmpty())
        return Uzycie(nazwa, ZleUzycie(QStringLiteral("nieznana opcja „%1”").arg(nieznana)));
    if (strony)
        return Uzycie(nazwa,
                      nazwa == QStringLiteral("report") ? RaportPdf(reszta) : DrukujCli(reszta));
    if (nazwa == QStringLiteral("summary"))
        return Uzycie(nazwa, reszta.size() == 1
                                 ? Podsumowanie(reszta[0])
                                 : ZleUzycie(QStringLiteral("podaj jeden plik projektu")));
    if (nazwa == QStringLiteral("orientations")) {
        const QString opcja = reszta.value(1);
        if (reszta.size() == 1 || (reszta.size() == 2 && (opcja == QStringLiteral("--csv") ||
                                                          opcja == QStringLiteral("--json"))))
            return Orientacje(reszta[0], opcja == QStringLiteral("--csv"));
        return Uzycie(nazwa,
                      ZleUzycie(QStringLiteral("podaj plik projektu i najwyżej --json lub --csv")));
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
    if (nazwa == QStringLiteral("ug"))
        return Uzycie(nazwa, UgCli(reszta));
    if (nazwa == QStringLiteral("export-ifc"))
        return Uzycie(nazwa, EksportIfcCli(reszta));
    return Uzycie(nazwa, KOD_ZLE_UZYCIE);
}
