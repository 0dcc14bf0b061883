#include "cli/sprawdzenie.h"

#include "cli/json.h"
#include "cli/podsumowanie.h"
#include "cli/wspolne.h"
#include "model/liczby.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/projekt/projektotwarty.h"
#include "model/zestawienie.h"

#include <cstdio>

const char* const POMOC_SPRAWDZENIA =
    "  check PLIK.tmv [--json]\n"
    "                     Ocenia każde okno według warunków technicznych WT 2021:\n"
    "                     zimą Uw wobec Umax jego rodzaju i temperatury\n"
    "                     wewnętrznej projektu, latem g·fC wobec 0,35. Wypisuje\n"
    "                     wiersz na okno (symbol, rodzaj, Uw, Umax, ocena, ocena\n"
    "                     latem), potem ocenę projektu; z --json obiekt\n"
    "                     {\"WersjaFormatu\", \"MetodaUw\", \"MetodaUwNazwa\",\n"
    "                     \"Okna\": [{\"Symbol\", \"Rodzaj\", \"Uw\", ...}, ...],\n"
    "                     \"WT2021\", \"WT2021Lato\"} z tymi samymi kluczami i\n"
    "                     wartościami co w summary; Uw jest null dla okna bez\n"
    "                     danych (BrakUw mówi dlaczego). Zimą oceniane jest Uw\n"
    "                     samego okna, bez rolety (UwOceniane).\n"
    "                     Kod wyjścia 0, gdy wszystkie okna spełniają wymagania,\n"
    "                     3, gdy któreś nie spełnia wymagania zimą lub latem albo\n"
    "                     nie ma danych do oceny Uw (okno bez g nie daje kodu 3),\n"
    "                     4 dla projektu z uszkodzonego pliku.\n";

namespace {

void Wypisz(const QByteArray& b) {
    std::fwrite(b.constData(), 1, static_cast<std::size_t>(b.size()), stdout);
}

} // namespace

int Sprawdz(const QStringList& argumenty) {
    const bool json = argumenty.size() == 2 && argumenty[1] == QLatin1String("--json");
    if (argumenty.size() != 1 && !json)
        return ZleUzycie(QStringLiteral("podaj plik projektu i najwyżej --json"));
    TProjektOtwarty otwarty;
    if (!OtworzLubZglos(otwarty, argumenty[0]))
        return KOD_BLAD;
    const TZestawienieStolarki& p = *otwarty.Projekt();
    const TZgodnoscWT z = ZgodnoscWT2021(p);
    const TZgodnoscLato lato = ZgodnoscLato2021(p);
    if (json) {
        TJson j;
        j.PoczatekObiektu();
        j.Pole(QLatin1String("WersjaFormatu"), WERSJA_FORMATU_JSON);
        MetodaUwJson(j, p);
        j.Klucz(QLatin1String("Okna"));
        j.PoczatekTablicy();
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
            const TOkno& o = *p.Okno(i);
            j.PoczatekObiektu();
            j.Pole(QLatin1String("Symbol"), o.Symbol());
            j.Klucz(QLatin1String("Rodzaj"));
            j.Nazwa(NazwaRodzaju(o.Rodzaj));
            WynikiOknaJson(j, p, o);
            j.KoniecObiektu();
        }
        j.KoniecTablicy();
        ZgodnoscJson(j, p);
        j.KoniecObiektu();
        Wypisz(j.Wynik() + '\n');
    } else {
        QString tekst;
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
            const TOkno& o = *p.Okno(i);
            const TOcenaWT w = OcenWT2021(o, p);
            const TOcenaLato letnia = OcenLato2021(o, p);
            const QString uw = w.wynik == TWynikWT::BrakDanych ? QStringLiteral("Uw = –")
                               : w.uwZRoleta                   ? TekstUwZRoleta(w)
                                             : QStringLiteral("Uw = ") + TekstStaly(w.uw, 4, 2);
            QString wynik = TekstWynikuWT(w.wynik);
            if (w.wynik == TWynikWT::BrakDanych && !w.brak.isEmpty())
                wynik += QStringLiteral(" (%1)").arg(w.brak);
            tekst += QStringLiteral("%1; %2; %3; Umax = %4; %5; lato: %6\n")
                         .arg(o.Symbol(), NazwaRodzaju(RodzajOceniany(o)), uw,
                              w.umax < 0 ? QStringLiteral("–") : TekstStaly(w.umax, 4, 2), wynik,
                              TekstWynikuLato(letnia.wynik));
        }
        tekst += TekstZgodnosciWT(z) + QLatin1Char('\n');
        tekst += QStringLiteral("Metoda obliczania Uw: %1\n")
                     .arg(TZestawienieStolarki::NazwaMetodyUw(p.Metoda()));
        if (!z.bezDanych.isEmpty())
            tekst += TekstBezDanychWT(z) + QLatin1Char('\n');
        tekst += TekstZgodnosciLato(lato) + QLatin1Char('\n');
        Wypisz(tekst.toUtf8());
    }
    if (std::fflush(stdout) != 0)
        return KOD_BLAD;
    // A window failing either rule fails the project; a window without g
    // is said so and fails nothing.
    return KodPoOdczycie(otwarty,
                         z.Spelnia() && lato.nieSpelnia.isEmpty() ? KOD_OK : KOD_NIE_SPELNIA);
}
