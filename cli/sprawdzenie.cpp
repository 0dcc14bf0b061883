#include "sprawdzenie.h"

#include "json.h"
#include "liczby.h"
#include "podsumowanie.h"
#include "projektotwarty.h"
#include "wspolne.h"
#include "wt2021.h"
#include "wt2021lato.h"
#include "zestawienie.h"

#include <cstdio>

const char* const POMOC_SPRAWDZENIA =
    "  check PLIK.tmv [--json]\n"
    "                     Ocenia każde okno według warunków technicznych WT 2021:\n"
    "                     zimą Uw wobec Umax jego rodzaju i temperatury\n"
    "                     wewnętrznej projektu, latem g·fC wobec 0,35. Wypisuje\n"
    "                     wiersz na okno (symbol, rodzaj, Uw, Umax, ocena, ocena\n"
    "                     latem), potem ocenę projektu; z --json obiekt\n"
    "                     {\"WersjaFormatu\", \"MetodaUw\", \"Okna\": [{\"Symbol\",\n"
    "                     \"Rodzaj\", \"Uw\", \"Umax\", \"Wynik\", \"Lato\"}, ...],\n"
    "                     \"Spelnia\", \"NieSpelnia\", \"BezDanych\" (listy symboli,\n"
    "                     jak w summary), \"LiczbaNieSpelnia\", \"LiczbaBezDanych\",\n"
    "                     \"Lato\"}; Uw jest null dla okna bez danych cieplnych.\n"
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
        j.Pole(QLatin1String("MetodaUw"), TZestawienieStolarki::NazwaMetodyUw(p.Metoda()));
        j.Klucz(QLatin1String("Okna"));
        j.PoczatekTablicy();
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
            const TOkno& o = *p.Okno(i);
            const TOcenaWT w = OcenWT2021(o, p);
            j.PoczatekObiektu();
            j.Pole(QLatin1String("Symbol"), o.Symbol());
            j.Klucz(QLatin1String("Rodzaj"));
            j.Nazwa(NazwaRodzaju(o.Rodzaj));
            j.Pole(QLatin1String("Uw"),
                   w.wynik == TWynikWT::BrakDanych ? std::nullopt : std::optional<double>(w.uw));
            j.Pole(QLatin1String("Umax"), JesliNieujemna(w.umax));
            j.Klucz(QLatin1String("Wynik"));
            j.Nazwa(TekstWynikuWT(w.wynik));
            const TOcenaLato letnia = OcenLato2021(o, p);
            j.Klucz(QLatin1String("Lato"));
            j.PoczatekObiektu();
            j.Pole(QLatin1String("gfC"), JesliNieujemna(letnia.gfc));
            j.Klucz(QLatin1String("Wynik"));
            j.Nazwa(TekstWynikuLato(letnia.wynik));
            j.KoniecObiektu();
            j.KoniecObiektu();
        }
        j.KoniecTablicy();
        // The lists as the summary has them; their counts under keys of their own.
        j.Pole(QLatin1String("Spelnia"), z.Spelnia());
        j.Pole(QLatin1String("NieSpelnia"), z.nieSpelnia);
        j.Pole(QLatin1String("BezDanych"), z.bezDanych);
        j.Pole(QLatin1String("LiczbaNieSpelnia"), static_cast<int>(z.nieSpelnia.size()));
        j.Pole(QLatin1String("LiczbaBezDanych"), static_cast<int>(z.bezDanych.size()));
        j.Klucz(QLatin1String("Lato"));
        j.PoczatekObiektu();
        j.Pole(QLatin1String("Spelnia"), lato.Spelnia());
        j.Pole(QLatin1String("NieSpelnia"), lato.nieSpelnia);
        j.Pole(QLatin1String("BezDanych"), lato.bezDanych);
        j.KoniecObiektu();
        j.KoniecObiektu();
        Wypisz(j.Wynik() + '\n');
    } else {
        QString tekst;
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
            const TOkno& o = *p.Okno(i);
            const TOcenaWT w = OcenWT2021(o, p);
            const TOcenaLato letnia = OcenLato2021(o, p);
            tekst += QStringLiteral("%1; %2; Uw = %3; Umax = %4; %5; lato: %6\n")
                         .arg(o.Symbol(), NazwaRodzaju(o.Rodzaj),
                              w.wynik == TWynikWT::BrakDanych ? QStringLiteral("–")
                                                              : TekstStaly(w.uw, 4, 2),
                              w.umax < 0 ? QStringLiteral("–") : TekstStaly(w.umax, 4, 2),
                              TekstWynikuWT(w.wynik), TekstWynikuLato(letnia.wynik));
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
