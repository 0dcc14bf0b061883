#include "cli/ugcli.h"

#include "cli/json.h"
#include "cli/podsumowanie.h"
#include "cli/wspolne.h"
#include "model/liczby.h"
#include "model/obliczenia/ug673.h"

#include <cstdio>

const char* const POMOC_UG =
    "  ug BUDOWA [--powloka POWIERZCHNIA:EMISYJNOSC]... [--wypelnienie PROCENT]\n"
    "                     Ug oszklenia z jego budowy według PN-EN 673: szyby i\n"
    "                     szczeliny w mm od zewnątrz, gaz szczeliny po jej\n"
    "                     szerokości (4/16Ar/4, 4/12Kr/4/12Kr/4; bez liter –\n"
    "                     powietrze), powłoki niskoemisyjne jako numer powierzchni\n"
    "                     (od 1 od zewnątrz) i emisyjność (3:0,03), wypełnienie\n"
    "                     gazem w procentach (domyślnie 90, reszta to powietrze).\n"
    "                     Wypisuje obiekt JSON: WersjaFormatu, Budowa, Powloki,\n"
    "                     Wypelnienie, Ug (nie zaokrąglone), UgDeklarowane (do\n"
    "                     0,1 W/m²K) i Szczeliny (dla każdej: dT w K, hr, hg i hs\n"
    "                     w W/m²K).\n";

int UgCli(const QStringList& a) {
    if (a.isEmpty())
        return ZleUzycie(QStringLiteral("podaj budowę szyby, np. 4/16Ar/4"));
    QString blad;
    std::optional<TBudowaSzyby> b = CzytajBudoweSzyby(a[0], &blad);
    if (!b)
        return ZleUzycie(blad);
    for (int i = 1; i < a.size(); ++i) {
        const QString& opcja = a[i];
        if (i + 1 >= a.size() &&
            (opcja == QStringLiteral("--powloka") || opcja == QStringLiteral("--wypelnienie")))
            return ZleUzycie(QStringLiteral("opcja %1 bez wartości").arg(opcja));
        if (opcja == QStringLiteral("--powloka")) {
            if (!DodajPowloke(*b, a[++i], &blad))
                return ZleUzycie(blad);
        } else if (opcja == QStringLiteral("--wypelnienie")) {
            double x = 0;
            if (!CzytajLiczbe(a[++i], &x) || !(x >= 0 && x <= 100))
                return ZleUzycie(QStringLiteral("wypełnienie gazem powinno być od 0 do 100%"));
            b->wypelnienie = x;
        } else {
            return ZleUzycie(QStringLiteral("nieznana opcja „%1”").arg(opcja));
        }
    }
    const std::optional<TUg673> w = ObliczUg673(*b, &blad);
    if (!w)
        return ZleUzycie(blad);
    TJson j;
    j.PoczatekObiektu();
    j.Pole(QLatin1String("WersjaFormatu"), WERSJA_FORMATU_JSON);
    j.Pole(QLatin1String("Budowa"), TekstBudowySzyby(*b));
    j.Pole(QLatin1String("Powloki"), TekstPowlok(*b));
    j.Pole(QLatin1String("Wypelnienie"), b->wypelnienie);
    j.Pole(QLatin1String("Ug"), w->ug);
    j.Pole(QLatin1String("UgDeklarowane"), w->deklarowane);
    j.Klucz(QLatin1String("Szczeliny"));
    j.PoczatekTablicy();
    for (std::size_t i = 0; i < w->hs.size(); ++i) {
        j.PoczatekObiektu();
        j.Pole(QLatin1String("dT"), w->dT[i]);
        j.Pole(QLatin1String("hr"), w->hr[i]);
        j.Pole(QLatin1String("hg"), w->hg[i]);
        j.Pole(QLatin1String("hs"), w->hs[i]);
        j.KoniecObiektu();
    }
    j.KoniecTablicy();
    j.KoniecObiektu();
    const QByteArray tekst = j.Wynik() + '\n';
    std::fwrite(tekst.constData(), 1, static_cast<std::size_t>(tekst.size()), stdout);
    return std::fflush(stdout) == 0 ? KOD_OK : KOD_BLAD;
}
