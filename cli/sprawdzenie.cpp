#include "sprawdzenie.h"

#include "json.h"
#include "liczby.h"
#include "projektotwarty.h"
#include "wspolne.h"
#include "wt2021.h"
#include "zestawienie.h"

#include <cstdio>

const char* const POMOC_SPRAWDZENIA =
    "  check PROJECT.tmv [--json]\n"
    "                     Check every window against the maximum U of the\n"
    "                     technical conditions of 2021 (WT 2021) for its kind\n"
    "                     and the project's indoor temperature: one line per\n"
    "                     window (symbol, kind, Uw, Umax, verdict), then the\n"
    "                     project's verdict; --json prints {\"Okna\": [{\"Symbol\",\n"
    "                     \"Rodzaj\", \"Uw\", \"Umax\", \"Wynik\"}, ...], \"Spelnia\",\n"
    "                     \"NieSpelnia\", \"BezDanych\"}. Exit status 0 when every\n"
    "                     window complies, 3 when one fails or lacks thermal data.\n";

namespace {

void Wypisz(const QByteArray& b) {
    std::fwrite(b.constData(), 1, static_cast<std::size_t>(b.size()), stdout);
}

} // namespace

int Sprawdz(const QStringList& argumenty) {
    const bool json = argumenty.size() == 2 && argumenty[1] == QLatin1String("--json");
    if (argumenty.size() != 1 && !json)
        return KOD_ZLE_UZYCIE;
    TProjektOtwarty otwarty;
    if (!OtworzLubZglos(otwarty, argumenty[0]))
        return KOD_BLAD;
    const TZestawienieStolarki& p = *otwarty.Projekt();
    const TZgodnoscWT z = ZgodnoscWT2021(p);
    if (json) {
        TJson j;
        j.PoczatekObiektu();
        j.Klucz(QLatin1String("Okna"));
        j.PoczatekTablicy();
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
            const TOkno& o = *p.Okno(i);
            const TOcenaWT w = OcenWT2021(o, p.TemperaturaWewnetrzna);
            j.PoczatekObiektu();
            j.Pole(QLatin1String("Symbol"), o.Symbol());
            j.Klucz(QLatin1String("Rodzaj"));
            j.Nazwa(NazwaRodzaju(o.Rodzaj));
            j.Pole(QLatin1String("Uw"), w.uw);
            j.Klucz(QLatin1String("Umax"));
            if (w.umax < 0)
                j.Null();
            else
                j.Liczba(w.umax);
            j.Klucz(QLatin1String("Wynik"));
            j.Nazwa(TekstWynikuWT(w.wynik));
            j.KoniecObiektu();
        }
        j.KoniecTablicy();
        j.Pole(QLatin1String("Spelnia"), z.Spelnia());
        j.Pole(QLatin1String("NieSpelnia"), static_cast<int>(z.nieSpelnia.size()));
        j.Pole(QLatin1String("BezDanych"), static_cast<int>(z.bezDanych.size()));
        j.KoniecObiektu();
        Wypisz(j.Wynik() + '\n');
    } else {
        QString tekst;
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
            const TOkno& o = *p.Okno(i);
            const TOcenaWT w = OcenWT2021(o, p.TemperaturaWewnetrzna);
            tekst += QStringLiteral("%1; %2; Uw = %3; Umax = %4; %5\n")
                         .arg(o.Symbol(), NazwaRodzaju(o.Rodzaj), TekstStaly(w.uw, 4, 2),
                              w.umax < 0 ? QStringLiteral("–") : TekstStaly(w.umax, 4, 2),
                              TekstWynikuWT(w.wynik));
        }
        tekst += TekstZgodnosciWT(z) + QLatin1Char('\n');
        if (!z.bezDanych.isEmpty())
            tekst += TekstBezDanychWT(z) + QLatin1Char('\n');
        Wypisz(tekst.toUtf8());
    }
    if (std::fflush(stdout) != 0)
        return KOD_BLAD;
    return KodPoOdczycie(otwarty, z.Spelnia() ? KOD_OK : KOD_NIE_SPELNIA);
}
