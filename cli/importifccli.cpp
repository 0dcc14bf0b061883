#include "cli/importifccli.h"

#include "cli/wspolne.h"
#include "model/ifc/importifc.h"
#include "model/ifc/scalanieifc.h"
#include "model/liczby.h"
#include "model/obliczenia/zakresy.h"
#include "model/pliki/plikprojektu.h"
#include "model/projekt/projektotwarty.h"
#include "model/zestawienie.h"

#include <memory>

const char* const POMOC_IMPORTU_IFC =
    "  import-ifc WEJŚCIE.ifc WYJŚCIE.tmv [--polnoc KĄT] [--ug U] [--uf U]\n"
    "             [--psi P] [--d MM] [--slupki MM] [--into PROJEKT.tmv\n"
    "             [--usun-brakujace]]\n"
    "                     Importuje okna modelu budynku (IFC2x3, IFC4, IFC4x3) jako\n"
    "                     nowy projekt Termivo i zapisuje go: wymiary,\n"
    "                     kondygnacje (wg proponowanych poziomów: poniżej -0,5 m\n"
    "                     piwnica, dalej parter, piętra, poddasze wg nazwy),\n"
    "                     strony świata wg północy modelu (albo --polnoc: kąt w\n"
    "                     stopniach przeciwnie do ruchu wskazówek zegara od osi +Y\n"
    "                     modelu) i układy skrzydeł; jednakowe okna tworzą jedną\n"
    "                     pozycję. --ug, --uf, --psi i --d nadają te wartości\n"
    "                     każdemu oknu; --slupki to szerokość słupków i ślemion\n"
    "                     okien, dla których model jej nie podaje (0: jak d). Jeden wiersz "
    "podsumowania trafia na\n"
    "                     standardowe wyjście błędów; gdy import się nie uda, nic\n"
    "                     nie jest zapisywane, a przyczyna jest podawana.\n"
    "                     --into scala model z projektem zrobionym z jego wcześniejszej\n"
    "                     wersji: okna rozpoznane po identyfikatorach modelu\n"
    "                     zachowują wartości wpisane przez projektanta, a wymiary,\n"
    "                     sztuki, kondygnacje i strony świata biorą z modelu; nowe\n"
    "                     okna dochodzą jak przy imporcie; okna, których nie ma już\n"
    "                     w modelu, są wymieniane i usuwane tylko z\n"
    "                     --usun-brakujace. Wynik trafia do WYJŚCIE.tmv.\n";

int ImportIfcCli(const QStringList& argumenty) {
    QStringList pliki;
    TOpcjeImportuIfc opcje;
    QString doProjektu;
    bool usunBrakujace = false;
    for (qsizetype i = 0; i < argumenty.size(); ++i) {
        const QString& a = argumenty[i];
        if (a == QStringLiteral("--into")) {
            if (i + 1 >= argumenty.size())
                return ZleUzycie(QStringLiteral("--into wymaga pliku projektu"));
            doProjektu = argumenty[++i];
            continue;
        }
        if (a == QStringLiteral("--usun-brakujace")) {
            usunBrakujace = true;
            continue;
        }
        // Each value by the range of the window's field it becomes.
        struct TWartosc {
            const char* opcja;
            const char* klucz;
            double* cel;
        };
        const TWartosc wartosci[] = {{"--ug", "Ug", &opcje.ug},
                                     {"--uf", "Uf", &opcje.uf},
                                     {"--psi", "Psi_g", &opcje.psi},
                                     {"--d", "dRamy", &opcje.d},
                                     {"--slupki", "dSlupka", &opcje.slupek}};
        double* cel = nullptr;
        const TZakresWartosci* zakres = nullptr;
        for (const TWartosc& w : wartosci)
            if (a == QLatin1String(w.opcja)) {
                cel = w.cel;
                zakres = ZakresWartosci(w.klucz);
            }
        if (cel || a == QStringLiteral("--polnoc")) {
            double x = 0;
            if (i + 1 >= argumenty.size() || !CzytajLiczbe(argumenty[i + 1], &x))
                return ZleUzycie(QStringLiteral("%1 wymaga liczby").arg(a));
            if (zakres && !WZakresie(*zakres, x))
                return ZleUzycie(
                    QStringLiteral("%1 musi być w zakresie %2").arg(a, OpisZakresu(*zakres)));
            if (cel)
                *cel = x;
            else
                opcje.polnoc = x;
            ++i;
        } else if (a.startsWith(QStringLiteral("--"))) {
            return ZleUzycie(QStringLiteral("nieznana opcja %1").arg(a));
        } else {
            pliki << a;
        }
    }
    if (pliki.size() != 2)
        return ZleUzycie(QStringLiteral("podaj plik .ifc i plik .tmv"));
    TModelIfc model;
    QString powod;
    if (!CzytajModelIfcZPliku(pliki[0], &model, &powod)) {
        Blad(QStringLiteral("Nie udało się odczytać modelu %1: %2").arg(pliki[0], powod));
        return KOD_BLAD;
    }
    if (usunBrakujace && doProjektu.isEmpty())
        return ZleUzycie(QStringLiteral("--usun-brakujace tylko z --into"));
    auto projekt = std::make_unique<TZestawienieStolarki>();
    TWynikImportuIfc wynik;
    QString zmiany;
    if (!doProjektu.isEmpty()) {
        TProjektOtwarty stary;
        if (!OtworzLubZglos(stary, doProjektu))
            return KOD_BLAD;
        const TZmianyImportuIfc z =
            ScalZIfc(*stary.Projekt(), model, opcje, usunBrakujace, *projekt);
        wynik = z.import;
        zmiany = QStringLiteral("scalono z %1: %2; ").arg(doProjektu, TekstZmianIfc(z));
    } else {
        wynik = UtworzProjektZIfc(model, opcje, *projekt);
    }
    TProjektOtwarty otwarty;
    otwarty.Przyjmij(std::move(projekt));
    const TWynikPliku w = otwarty.ZapiszJako(pliki[1]);
    if (!w.Ok()) {
        Blad(w.powod.isEmpty()
                 ? KOMUNIKAT_BLAD_ZAPISU
                 : KOMUNIKAT_BLAD_ZAPISU + QStringLiteral(" %1: %2").arg(pliki[1], w.powod));
        return KOD_BLAD;
    }
    Blad(zmiany + TekstImportuIfc(wynik));
    return KOD_OK;
}
