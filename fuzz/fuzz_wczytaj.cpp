// libFuzzer target: any bytes as a project file. The reader must neither
// crash nor hang nor exhaust memory; what it loads must save, and what is
// saved must read back as the same project. A first reading may lose what
// the file cannot say twice (digits past the fifteenth, line breaks and
// blanks inside values): the project read from the saved file and the one
// read from saving that again must be equal field by field, as the file's
// table of fields lists them.

#include "model/kolejnosc.h"
#include "model/liczby.h"
#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/srednie.h"
#include "model/pliki/plikprojektu.h"
#include "model/polaokna.h"
#include "model/powiadomienia.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const QLocale pl(QLocale::Polish, QLocale::Poland);

void Wymagaj(bool warunek) {
    if (!warunek)
        std::abort();
}

void Porownaj(const TZestawienieStolarki& a, const TZestawienieStolarki& b) {
    Wymagaj(a.TytulProjektu == b.TytulProjektu && a.Firma == b.Firma && a.Projekt == b.Projekt &&
            a.Obiekt == b.Obiekt && a.Inwestor == b.Inwestor && a.Projektant == b.Projektant &&
            a.ZakresCzynnosci == b.ZakresCzynnosci && a.Data.date() == b.Data.date());
    Wymagaj(a.Poziomy() == b.Poziomy());
    for (auto [x, y] : {std::pair{a.KursEuro, b.KursEuro},
                        {a.StawkaVat, b.StawkaVat},
                        {a.DVPromocjaKlima, b.DVPromocjaKlima},
                        {a.DVPromocjaKobaltowe, b.DVPromocjaKobaltowe},
                        {a.DVPromocjaDVline, b.DVPromocjaDVline},
                        {a.DVPromocjaForma, b.DVPromocjaForma},
                        {a.RabatDodatkowy, b.RabatDodatkowy},
                        {a.CenaMontazuOkna, b.CenaMontazuOkna}})
        Wymagaj(x == y);
    Wymagaj(a.LiczbaOkienWLiscie() == b.LiczbaOkienWLiscie());
    for (int i = 0; i < a.LiczbaOkienWLiscie(); ++i) {
        const TOkno& p = *a.Okno(i);
        const TOkno& q = *b.Okno(i);
        for (const TPoleOkna& pole : PolaOkna()) {
            if (pole.rodzaj == TRodzajPola::Dziesietna || pole.rodzaj == TRodzajPola::Calkowita)
                Wymagaj(pole.liczba(p) == pole.liczba(q));
            else if (pole.rodzaj == TRodzajPola::Liczby)
                Wymagaj(p.LiczbaOkien == q.LiczbaOkien);
            else
                Wymagaj(pole.tekst(p) == pole.tekst(q));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    static TOdbiorcaPowiadomien cisza([](const TKomunikat&) {});
    const QByteArray bajty(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    TZestawienieStolarki projekt;
    if (WczytajProjektZBajtow(projekt, bajty, pl) != WYNIK_OK)
        return 0;
    USrednie(projekt);
    SumyCen(projekt);
    PowierzchniaOkien(projekt);
    // What was read from the file can be stored in it again.
    const std::optional<QByteArray> zapis = ZapiszProjektDoBajtow(projekt, pl);
    Wymagaj(zapis.has_value());
    // A file this program wrote reads whole: never taken for one cut short.
    TZestawienieStolarki drugi;
    TOdczytProjektu odczyt;
    Wymagaj(WczytajProjektZBajtow(drugi, *zapis, pl, &odczyt) == WYNIK_OK);
    Wymagaj(!odczyt.Ostrzezenie());
    Wymagaj(drugi.LiczbaOkienWLiscie() == projekt.LiczbaOkienWLiscie());
    const std::optional<QByteArray> zapis2 = ZapiszProjektDoBajtow(drugi, pl);
    Wymagaj(zapis2.has_value());
    TZestawienieStolarki trzeci;
    Wymagaj(WczytajProjektZBajtow(trzeci, *zapis2, pl) == WYNIK_OK);
    Porownaj(drugi, trzeci);
    Wymagaj(KolejnoscRaportu(projekt).size() ==
            static_cast<std::size_t>(projekt.LiczbaOkienWLiscie()));
    return 0;
}
