#include "raportpdf.h"

#include "dokumentpdf.h"
#include "liczby.h"
#include "powiadomienia.h"
#include "raport.h"
#include "wspolne.h"
#include "zestawienie.h"

#include <QPageSize>
#include <QSaveFile>

#include <cstdio>
#include <optional>

const char* const POMOC_RAPORTU =
    "  report PROJECT.tmv OUT.pdf [--prices] [--installation] [--per-m2]\n"
    "         [--font FAMILY] [--paper A4|A3|A5|Letter|Legal] [--landscape]\n"
    "         [--margins MM | --margins LEFT,TOP,RIGHT,BOTTOM] [--orientations]\n"
    "                     Write the schedule report of a project as a PDF file,\n"
    "                     the pages the print preview shows. --prices,\n"
    "                     --installation and --per-m2 add the price of every\n"
    "                     window and the project, the installation totals, and\n"
    "                     the price per square metre; --orientations the tables\n"
    "                     of windows by storey and direction. Defaults: Tahoma (or the\n"
    "                     default family), A4 portrait, margins of 20 mm. No\n"
    "                     display is needed.\n";

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

} // namespace

int RaportPdf(const QStringList& argumenty) {
    if (argumenty.size() < 2)
        return KOD_ZLE_UZYCIE;
    const QString projektPlik = argumenty[0];
    const QString pdfPlik = argumenty[1];
    bool wycena = false, montaz = false, m2 = false, poziomo = false, orientacje = false;
    QString czcionka = DomyslnaCzcionkaRaportu();
    QPageSize papier(QPageSize::A4);
    QMarginsF marginesy(20, 20, 20, 20);
    for (int i = 2; i < argumenty.size(); ++i) {
        const QString& a = argumenty[i];
        const bool jestWartosc = i + 1 < argumenty.size();
        if (a == QLatin1String("--prices")) {
            wycena = true;
        } else if (a == QLatin1String("--installation")) {
            montaz = true;
        } else if (a == QLatin1String("--per-m2")) {
            m2 = true;
        } else if (a == QLatin1String("--orientations")) {
            orientacje = true;
        } else if (a == QLatin1String("--landscape")) {
            poziomo = true;
        } else if (a == QLatin1String("--font") && jestWartosc) {
            czcionka = argumenty[++i];
        } else if (a == QLatin1String("--paper") && jestWartosc) {
            const auto p = Papier(argumenty[++i]);
            if (!p)
                return KOD_ZLE_UZYCIE;
            papier = *p;
        } else if (a == QLatin1String("--margins") && jestWartosc) {
            const auto m = Marginesy(argumenty[++i]);
            if (!m)
                return KOD_ZLE_UZYCIE;
            marginesy = *m;
        } else {
            return KOD_ZLE_UZYCIE;
        }
    }

    TZestawienieStolarki projekt;
    if (!WczytajLubZglos(projekt, projektPlik))
        return KOD_BLAD;
    projekt.SortBySymbol();
    // Only a whole file appears under the name.
    QSaveFile plik(pdfPlik);
    if (!plik.open(QIODevice::WriteOnly)) {
        Blad(QStringLiteral("Nie można zapisać pliku %1.").arg(pdfPlik));
        return KOD_BLAD;
    }
    bool miesci = true;
    bool udany = true;
    {
        TDokumentPdf dokument(plik, papier,
                              poziomo ? QPageLayout::Landscape : QPageLayout::Portrait, 96,
                              TRaport::TYTUL_DOKUMENTU);
        TRaport raport(projekt, dokument);
        raport.Czcionka = czcionka;
        raport.DodajWycene = wycena;
        raport.DodajCeneMontazu = montaz;
        raport.DodajCeneM2 = m2;
        raport.DodajOrientacje = orientacje;
        raport.UstawMarginesy(marginesy);
        // The message of a page too small goes to stderr by the notifier.
        miesci = raport.GenerujRaport();
        udany = dokument.Udany();
    }
    if (!miesci) {
        plik.cancelWriting();
        return KOD_BLAD;
    }
    if (!udany || !plik.commit()) {
        Blad(QStringLiteral("Nie można zapisać pliku %1.").arg(pdfPlik));
        return KOD_BLAD;
    }
    return KOD_OK;
}
