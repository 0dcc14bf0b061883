#include "cli/orientacjejson.h"

#include "cli/json.h"
#include "cli/podsumowanie.h"

namespace {

void Komorka(TJson& j, const TKomorkaStron& k) {
    j.Klucz(QLatin1String("Sztuk"));
    j.Calkowita(k.Sztuk);
    j.Pole(QLatin1String("Pole"), k.Pole);
    j.Pole(QLatin1String("Uw"), k.Uw);
}

void Strony(TJson& j, const std::array<TKomorkaStron, LICZBA_KIERUNKOW>& strony) {
    j.Klucz(QLatin1String("Strony"));
    j.PoczatekObiektu();
    for (std::size_t d = 0; d < LICZBA_KIERUNKOW; ++d) {
        j.Klucz(SKROTY_KIERUNKOW[d]);
        j.PoczatekObiektu();
        Komorka(j, strony[d]);
        j.KoniecObiektu();
    }
    j.KoniecObiektu();
}

} // namespace

QByteArray OrientacjeJson(const TZestawienieStron& z) {
    TJson j;
    j.PoczatekObiektu();
    j.Pole(QLatin1String("WersjaFormatu"), WERSJA_FORMATU_JSON);
    j.Klucz(QLatin1String("Kondygnacje"));
    j.PoczatekTablicy();
    for (const TWierszStron& w : z.Kondygnacje) {
        j.PoczatekObiektu();
        j.Pole(QLatin1String("Kondygnacja"), w.Kondygnacja);
        Strony(j, w.Strony);
        Komorka(j, w.Razem);
        j.KoniecObiektu();
    }
    j.KoniecTablicy();
    j.Klucz(QLatin1String("Razem"));
    j.PoczatekObiektu();
    Strony(j, z.Strony);
    Komorka(j, z.Razem);
    j.KoniecObiektu();
    j.KoniecObiektu();
    return j.Wynik() + '\n';
}
