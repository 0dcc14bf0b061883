#include "cli/podsumowanie.h"

#include "cli/json.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/obliczenia/zaokraglenia.h"
#include "model/polaokna.h"
#include "model/polaprojektu.h"
#include "model/tekst.h"

namespace {

// The window's fields as the file holds them (PolaOkna), with the JSON's
// own forms: the type also by its code, the sash kinds as one list, the
// remarks as their lines, the counts by level; then what is computed.
// The project's levels with their rows, worked out once for all windows.
using TPoziomy = QVector<std::pair<QString, int>>;

void OknoJson(TJson& j, const TZestawienieStolarki& p, const TOkno& o, const TPoziomy& poziomy) {
    j.PoczatekObiektu();
    const std::vector<TPoleOkna>& pola = PolaOkna();
    for (std::size_t i = 0; i < pola.size(); ++i) {
        const TPoleOkna& pole = pola[i];
        if (!pole.Zapisywane(o))
            continue;
        const QLatin1String klucz(pole.klucz.constData(), pole.klucz.size());
        // An array of keys as one list, at its first key.
        if (!pole.grupa.isEmpty()) {
            if (i > 0 && pola[i - 1].grupa == pole.grupa)
                continue;
            j.Klucz(QLatin1String(pole.grupa.constData(), pole.grupa.size()));
            j.PoczatekTablicy();
            for (std::size_t k = i; k < pola.size() && pola[k].grupa == pole.grupa; ++k)
                j.Nazwa(pola[k].tekst(o));
            j.KoniecTablicy();
            continue;
        }
        OdwiedzPole(pole, TPrzypadki{[&](pole::Dziesietna) {
                                         // Below 0 where that means unknown: null.
                                         if (pole.brakPonizejZera)
                                             j.Pole(klucz, JesliNieujemna(pole.liczba(o)));
                                         else
                                             j.Pole(klucz, pole.liczba(o));
                                     },
                                     [&](pole::Calkowita) {
                                         j.Klucz(klucz);
                                         j.Calkowita(static_cast<qint64>(pole.liczba(o)));
                                     },
                                     [&](pole::Tekst) { j.Pole(klucz, pole.tekst(o)); },
                                     [&](pole::Wiersze) {
                                         j.Klucz(klucz);
                                         j.PoczatekTablicy();
                                         for (const QString& w : RozdzielWiersze(pole.tekst(o)))
                                             j.Tekst(w);
                                         j.KoniecTablicy();
                                     },
                                     [&](pole::Nazwa) {
                                         const QString nazwa = pole.tekst(o);
                                         if (pole.zKodem) {
                                             j.Pole(klucz, static_cast<int32_t>(pole.liczba(o)));
                                             j.Klucz(QString(klucz) + QStringLiteral("Nazwa"));
                                         } else {
                                             j.Klucz(klucz);
                                         }
                                         j.Nazwa(nazwa);
                                     },
                                     [&](pole::Liczby) {
                                         j.Klucz(QLatin1String("LiczbaOkien"));
                                         j.PoczatekObiektu();
                                         for (const auto& [poziom, wiersz] : poziomy) {
                                             j.Klucz(poziom);
                                             j.PoczatekTablicy();
                                             for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
                                                 j.Calkowita(o.LiczbaOkien.Liczba(wiersz, d));
                                             j.KoniecTablicy();
                                         }
                                         j.KoniecObiektu();
                                     }});
    }
    j.Pole(QLatin1String("SumaOkien"), o.SumaOkien());
    TSumaOkien pole;
    pole.Dodaj(o.SumaOkien(), o, std::nullopt);
    j.Pole(QLatin1String("Pole"), PoleOkna(o));
    j.Pole(QLatin1String("PoleRazem"), pole.Pole());
    // A price, or null where there is none (-1).
    const auto cena = [](double c) {
        return c == -1 ? std::nullopt : std::optional<double>(c);
    };
    const TWycena zCennika = CenaZCennika(o);
    j.Pole(QLatin1String("CenaZCennika"), cena(zCennika.Cena));
    const TCenaOkna c = CenaOkna(p, o);
    j.Pole(QLatin1String("CenaNetto"), cena(c.netto.Cena));
    j.Pole(QLatin1String("CenaBrutto"), c.brutto);
    j.Pole(QLatin1String("WartoscNetto"), c.wartoscNetto);
    j.Pole(QLatin1String("WartoscBrutto"), c.wartoscBrutto);
    j.Pole(QLatin1String("KomunikatWyceny"), c.netto.Komunikat);
    WynikiOknaJson(j, p, o);
    j.KoniecObiektu();
}

} // namespace

void WynikiOknaJson(TJson& j, const TZestawienieStolarki& p, const TOkno& o) {
    const TUw uw = ObliczUw(o, p);
    const auto pokazane = [](std::optional<double> x) {
        return x ? std::optional<double>(Zaokraglij(*x, 2)) : std::nullopt;
    };
    j.Pole(QLatin1String("Uw"), uw.uw);
    j.Pole(QLatin1String("UwPokazane"), pokazane(uw.uw));
    j.Pole(QLatin1String("UwBezRolety"), uw.uwOkna);
    j.Pole(QLatin1String("UwOceniane"), pokazane(uw.uwOkna));
    j.Klucz(QLatin1String("BrakUw"));
    if (uw.brak.isEmpty())
        j.Null();
    else
        j.Tekst(uw.brak);
    // The terms it was computed from (m², m, mm), null without a Uw; the
    // mullions' width only where the geometry was measured.
    const TSkladnikiUw& s = uw.skladniki;
    const auto skladnik = [&uw](double x) {
        return uw.uw ? std::optional<double>(x) : std::nullopt;
    };
    j.Pole(QLatin1String("Ag"), skladnik(s.ag));
    j.Pole(QLatin1String("Af"), skladnik(s.af));
    j.Pole(QLatin1String("Ap"), skladnik(s.ap));
    j.Pole(QLatin1String("lg"), skladnik(s.lg));
    j.Pole(QLatin1String("lp"), skladnik(s.lp));
    j.Pole(QLatin1String("SzerokoscSlupka"),
           uw.uw && s.slupek > 0 ? std::optional<double>(s.slupek) : std::nullopt);
    const TOcenaWT wt = OcenWT2021(o, p, uw);
    j.Klucz(QLatin1String("RodzajOceniany"));
    j.Nazwa(NazwaRodzaju(RodzajOceniany(o)));
    j.Pole(QLatin1String("Umax"), JesliNieujemna(wt.umax));
    j.Klucz(QLatin1String("WT2021"));
    j.Nazwa(TekstWynikuWT(wt.wynik));
    const TOcenaLato lato = OcenLato2021(o, p);
    j.Klucz(QLatin1String("WT2021Lato"));
    j.PoczatekObiektu();
    j.Pole(QLatin1String("fC"), lato.fc);
    j.Pole(QLatin1String("gfC"), JesliNieujemna(lato.gfc));
    j.Klucz(QLatin1String("Wynik"));
    j.Nazwa(TekstWynikuLato(lato.wynik));
    j.KoniecObiektu();
}

TZgodnoscWT ZgodnoscJson(TJson& j, const TZestawienieStolarki& p) {
    // Whether it complies and the windows that fail and lack data, for each rule.
    auto zgodnosc = [&j](QLatin1String klucz, bool spelnia, const QStringList& nie,
                         const QStringList& bez, bool liczby) {
        j.Klucz(klucz);
        j.PoczatekObiektu();
        j.Pole(QLatin1String("Spelnia"), spelnia);
        j.Pole(QLatin1String("NieSpelnia"), nie);
        j.Pole(QLatin1String("BezDanych"), bez);
        if (liczby) {
            j.Pole(QLatin1String("LiczbaNieSpelnia"), static_cast<int>(nie.size()));
            j.Pole(QLatin1String("LiczbaBezDanych"), static_cast<int>(bez.size()));
        }
        j.KoniecObiektu();
    };
    const TZgodnoscWT wt = ZgodnoscWT2021(p);
    zgodnosc(QLatin1String("WT2021"), wt.Spelnia(), wt.nieSpelnia, wt.bezDanych, true);
    const TZgodnoscLato lato = ZgodnoscLato2021(p);
    zgodnosc(QLatin1String("WT2021Lato"), lato.Spelnia(), lato.nieSpelnia, lato.bezDanych, false);
    return wt;
}

void PoleProjektuJson(TJson& j, const TZestawienieStolarki& p, const TPoleProjektu& pole) {
    const QLatin1String klucz(pole.klucz.constData(), pole.klucz.size());
    OdwiedzPole(pole, TPrzypadki{[&](pole::Tekst) { j.Pole(klucz, pole.tekst(p)); },
                                 [&](pole::Data) {
                                     j.Klucz(klucz);
                                     if (p.Data.isValid())
                                         j.Tekst(pole.tekst(p));
                                     else
                                         j.Null();
                                 },
                                 [&](pole::Flaga) { j.Pole(klucz, pole.liczba(p) != 0); },
                                 [&](pole::Calkowita) {
                                     j.Pole(klucz, static_cast<int>(pole.liczba(p)));
                                     // A number with a name: the name beside it.
                                     if (pole.nazwa) {
                                         j.Klucz(QString(klucz) + QStringLiteral("Nazwa"));
                                         j.Tekst(pole.nazwa(p));
                                     }
                                 },
                                 [&](pole::Dziesietna) {
                                     j.Pole(klucz, pole.liczba(p));
                                 }});
}

void MetodaUwJson(TJson& j, const TZestawienieStolarki& p) {
    PoleProjektuJson(j, p, *PoleProjektu("MetodaUw"));
}

void PodsumowanieJson(const TZestawienieStolarki& p,
                      const std::function<void(QByteArrayView)>& wypisz) {
    // Given away in pieces of about a megabyte: a large project's text never
    // lies in memory whole.
    constexpr qsizetype KAWALEK = 1 << 20;
    TJson j;
    j.Zarezerwuj(KAWALEK + 64 * 1024);
    j.PoczatekObiektu();
    j.Pole(QLatin1String("WersjaFormatu"), WERSJA_FORMATU_JSON);
    // The header as the file holds it (PolaProjektu), then what is computed.
    for (const TPoleProjektu& pole : PolaProjektu())
        PoleProjektuJson(j, p, pole);
    // The mean of the windows with a Uw (null without any), how many it
    // covers, and the windows left out.
    const TUsrednie u = USrednie(p);
    j.Pole(QLatin1String("USrednie"), u.u);
    j.Pole(QLatin1String("USredniePokazane"),
           u.u ? std::optional<double>(Zaokraglij(*u.u, 2)) : std::nullopt);
    j.Pole(QLatin1String("USrednieOkien"), u.okien);
    j.Pole(QLatin1String("PowierzchniaOkien"), PowierzchniaOkien(p));
    const TSumyCen sumy = SumyCen(p);
    j.Pole(QLatin1String("SumaCenOkien"), sumy.SumaCenOkien);
    j.Pole(QLatin1String("SumaCenOkienBrutto"), sumy.SumaCenOkienBrutto);
    j.Pole(QLatin1String("SumaCenMontazu"), sumy.SumaCenMontazu);
    j.Pole(QLatin1String("SumaCenMontazuBrutto"), sumy.SumaCenMontazuBrutto);
    j.Pole(QLatin1String("CenaZaM2Netto"), sumy.CenaZaM2Netto);
    j.Pole(QLatin1String("CenaZaM2Brutto"), sumy.CenaZaM2Brutto);
    const TZgodnoscWT wt = ZgodnoscJson(j, p);
    j.Pole(QLatin1String("BezDanych"), wt.bezDanych);
    TPoziomy poziomy;
    for (const QString& poziom : p.Poziomy())
        poziomy.append({poziom, LevelIndex(poziom)});
    j.Klucz(QLatin1String("Okna"));
    j.PoczatekTablicy();
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
        OknoJson(j, p, *p.Okno(i), poziomy);
        if (j.Widok().size() >= KAWALEK) {
            wypisz(j.Widok());
            j.Wyczysc();
        }
    }
    j.KoniecTablicy();
    j.KoniecObiektu();
    wypisz(j.Widok());
    wypisz("\n");
}

QByteArray PodsumowanieJson(const TZestawienieStolarki& p) {
    QByteArray wynik;
    PodsumowanieJson(p, [&wynik](QByteArrayView kawalek) { wynik += kawalek; });
    return wynik;
}
