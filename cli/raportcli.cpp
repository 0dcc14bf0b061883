#include "cli/raportcli.h"

#include "cli/wspolne.h"
#include "model/liczby.h"
#include "model/pliki/plikprojektu.h"
#include "model/powiadomienia.h"
#include "model/projekt/projektotwarty.h"
#include "model/zestawienie.h"
#include "report/raport/czcionki.h"
#include "report/raport/raport.h"
#include "report/raport/wydruk.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>

const char* const POMOC_RAPORTU =
    "  report PLIK.tmv WYJŚCIE.pdf [--prices] [--installation] [--per-m2]\n"
    "         [--font RODZINA] [--paper A4|A3|A5|Letter|Legal] [--landscape]\n"
    "         [--margins MM | --margins LEWY,GÓRNY,PRAWY,DOLNY] [--orientations]\n"
    "         [--wt2021]\n"
    "                     Zapisuje zestawienie projektu jako plik PDF: te same\n"
    "                     strony, które pokazuje podgląd wydruku. --prices,\n"
    "                     --installation i --per-m2 dodają cenę każdego okna i\n"
    "                     projektu, sumy montażu i cenę za metr kwadratowy;\n"
    "                     --orientations tabele okien wg kondygnacji i stron\n"
    "                     świata, --wt2021 ocenę WT 2021 każdego okna i projektu.\n"
    "                     Domyślnie: Tahoma (lub czcionka domyślna), A4 pionowo,\n"
    "                     marginesy 20 mm. Ekran nie jest potrzebny.\n"
    "  print PLIK.tmv [--printer NAZWA] [--copies N] [opcje polecenia report]\n"
    "                     Drukuje te same strony przez kolejkę wydruku systemu na\n"
    "                     drukarce NAZWA lub domyślnej, N kopii (domyślnie 1).\n"
    "                     Papier jest ten, o który poproszono (A4, chyba że\n"
    "                     --paper mówi inaczej), niezależnie od ustawień kolejki.\n";

namespace {

std::optional<QPageSize> Papier(const QString& nazwa) {
    const std::pair<const char*, QPageSize::PageSizeId> papiery[] = {{"A4", QPageSize::A4},
                                                                     {"A3", QPageSize::A3},
                                                                     {"A5", QPageSize::A5},
                                                                     {"Letter", QPageSize::Letter},
                                                                     {"Legal", QPageSize::Legal}};
    for (const auto& [n, id] : papiery)
        if (nazwa.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return QPageSize(id);
    return std::nullopt;
}

// "MM" for all four sides, or "LEFT,TOP,RIGHT,BOTTOM"; none below 0.
std::optional<QMarginsF> Marginesy(const QString& tekst) {
    const QStringList czesci = tekst.split(QLatin1Char(','));
    QList<double> m;
    if (czesci.size() == 4) {
        for (const QString& c : czesci) {
            double x = 0;
            if (!CzytajLiczbe(c, &x) || x < 0)
                return std::nullopt;
            m << x;
        }
        return QMarginsF(m[0], m[1], m[2], m[3]);
    }
    double x = 0;
    if (!CzytajLiczbe(tekst, &x) || x < 0)
        return std::nullopt;
    return QMarginsF(x, x, x, x);
}

// What report and print share: the project, the report's options and its page.
struct TZlecenie {
    QString projekt;
    QStringList pozostale; // the command's own arguments
    TOpcjeRaportu opcje;
    QPageSize papier{QPageSize::A4};
    bool poziomo = false;
    QMarginsF marginesy{20, 20, 20, 20};
    // The `pozostale` given one value each, by name.
    QStringList zWartoscia;

    QPageLayout Uklad() const {
        return QPageLayout(papier, poziomo ? QPageLayout::Landscape : QPageLayout::Portrait,
                           marginesy, QPageLayout::Millimeter);
    }
};

// The arguments after the command; nothing when they are wrong (and what
// was wrong said through ZleUzycie).
std::optional<TZlecenie> Czytaj(const QStringList& argumenty, const QStringList& wlasne) {
    auto zle = [](const QString& powod) {
        ZleUzycie(powod);
        return std::nullopt;
    };
    if (argumenty.isEmpty())
        return zle(QStringLiteral("brak pliku projektu"));
    TZlecenie z;
    z.projekt = argumenty[0];
    z.opcje.Czcionka = DomyslnaCzcionkaRaportu();
    for (int i = 1; i < argumenty.size(); ++i) {
        const QString& a = argumenty[i];
        const bool jestWartosc = i + 1 < argumenty.size();
        if (a == QLatin1String("--prices")) {
            z.opcje.DodajWycene = true;
        } else if (a == QLatin1String("--installation")) {
            z.opcje.DodajCeneMontazu = true;
        } else if (a == QLatin1String("--per-m2")) {
            z.opcje.DodajCeneM2 = true;
        } else if (a == QLatin1String("--orientations")) {
            z.opcje.DodajOrientacje = true;
        } else if (a == QLatin1String("--wt2021")) {
            z.opcje.DodajWT2021 = true;
        } else if (a == QLatin1String("--landscape")) {
            z.poziomo = true;
        } else if (a == QLatin1String("--font") && jestWartosc) {
            // A family that is not installed would be silently replaced.
            const QString rodzina = argumenty[++i];
            const QStringList rodziny = RodzinyCzcionek();
            const auto it = std::find_if(rodziny.begin(), rodziny.end(), [&](const QString& r) {
                return r.compare(rodzina, Qt::CaseInsensitive) == 0;
            });
            if (it == rodziny.end())
                return zle(QStringLiteral("czcionka „%1” nie jest zainstalowana").arg(rodzina));
            z.opcje.Czcionka = *it;
        } else if (a == QLatin1String("--paper") && jestWartosc) {
            const auto p = Papier(argumenty[++i]);
            if (!p)
                return zle(QStringLiteral("nieznany papier „%1” (A4, A3, A5, Letter, Legal)")
                               .arg(argumenty[i]));
            z.papier = *p;
        } else if (a == QLatin1String("--margins") && jestWartosc) {
            const auto m = Marginesy(argumenty[++i]);
            if (!m)
                return zle(QStringLiteral("błędne marginesy „%1”").arg(argumenty[i]));
            z.marginesy = *m;
        } else if (wlasne.contains(a) && jestWartosc) {
            z.zWartoscia << a << argumenty[++i];
        } else if (!a.startsWith(QLatin1String("--"))) {
            z.pozostale << a;
        } else {
            return zle(jestWartosc ||
                               !(a == QLatin1String("--font") || a == QLatin1String("--paper") ||
                                 a == QLatin1String("--margins") || wlasne.contains(a))
                           ? QStringLiteral("nieznana opcja %1").arg(a)
                           : QStringLiteral("opcja %1 bez wartości").arg(a));
        }
    }
    return z;
}

// The project read; 0 when it can be printed on that page, else the exit
// status (the reason said).
int Przygotuj(const TZlecenie& z, TProjektOtwarty& projekt) {
    if (!OtworzLubZglos(projekt, z.projekt))
        return KOD_BLAD;
    if (!StronaMiesciBlok(z.Uklad().fullRect(QPageLayout::Millimeter).size(), z.marginesy)) {
        Powiadom(
            {TRodzajKomunikatu::Blad, QStringLiteral("Błąd"), TRaport::KOMUNIKAT_ZA_MALA_STRONA});
        return KOD_ZA_MALA_STRONA;
    }
    return KOD_OK;
}

} // namespace

int RaportPdf(const QStringList& argumenty) {
    const auto z = Czytaj(argumenty, {});
    if (!z)
        return KOD_ZLE_UZYCIE;
    if (z->pozostale.size() != 1)
        return ZleUzycie(z->pozostale.isEmpty() ? QStringLiteral("brak pliku PDF")
                                                : QStringLiteral("za dużo plików"));
    const QString pdfPlik = z->pozostale[0];
    TProjektOtwarty projekt;
    if (const int kod = Przygotuj(*z, projekt); kod != KOD_OK)
        return kod; // nothing written or printed
    // Only a whole file appears under the name.
    QSaveFile plik(pdfPlik);
    if (!plik.open(QIODevice::WriteOnly) ||
        ZapiszRaportPdf(*projekt.Projekt(), z->opcje, z->Uklad(), plik) != TWynikRaportu::Gotowy ||
        !plik.commit()) {
        const QString powod = plik.errorString();
        plik.cancelWriting();
        Blad(QStringLiteral("Nie można zapisać pliku %1: %2.")
                 .arg(pdfPlik, PowodBleduZapisu(pdfPlik, powod)));
        return KOD_BLAD;
    }
    return KodPoOdczycie(projekt, KOD_OK);
}

int DrukujCli(const QStringList& argumenty) {
    const auto z = Czytaj(argumenty, {QStringLiteral("--printer"), QStringLiteral("--copies")});
    if (!z)
        return KOD_ZLE_UZYCIE;
    if (!z->pozostale.isEmpty())
        return ZleUzycie(QStringLiteral("nadmiarowy argument „%1”").arg(z->pozostale[0]));
    QString nazwa;
    int kopie = 1;
    for (int i = 0; i + 1 < z->zWartoscia.size(); i += 2) {
        if (z->zWartoscia[i] == QLatin1String("--printer")) {
            nazwa = z->zWartoscia[i + 1];
        } else {
            bool ok = false;
            kopie = z->zWartoscia[i + 1].toInt(&ok);
            if (!ok || kopie < 1 || kopie > 999)
                return ZleUzycie(QStringLiteral("liczba kopii od 1 do 999"));
        }
    }
    TProjektOtwarty projekt;
    if (const int kod = Przygotuj(*z, projekt); kod != KOD_OK)
        return kod; // nothing written or printed
    const QPrinterInfo info =
        nazwa.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(nazwa);
    if (info.isNull()) {
        Blad(nazwa.isEmpty()
                 ? QStringLiteral("Nie ma drukarki domyślnej: podaj ją opcją --printer.")
                 : QStringLiteral("Nie ma drukarki %1.").arg(nazwa));
        return KOD_BLAD;
    }
    QPrinter drukarka(info, QPrinter::HighResolution);
    drukarka.setPageLayout(z->Uklad());
    drukarka.setFullPage(true);
    drukarka.setCopyCount(kopie);
    drukarka.setDocName(TRaport::TYTUL_DOKUMENTU);
    if (DrukujRaport(*projekt.Projekt(), z->opcje, z->marginesy, drukarka) !=
        TWynikRaportu::Gotowy) {
        Blad(QStringLiteral("Nie udało się wydrukować na drukarce %1.").arg(info.printerName()));
        return KOD_BLAD;
    }
    return KodPoOdczycie(projekt, KOD_OK);
}
