#include "model/obliczenia/wt2021lato.h"

#include "model/dane/wt2021lato_dane.h"
#include "model/liczby.h"
#include "model/obliczenia/dziesietne.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/zakresy.h"
#include "model/tekst.h"
#include "model/zestawienie.h"

#include <vector>

int LiczbaOslon() {
    return static_cast<int>(LICZBA_OSLON_WT2021);
}

QString NazwaOslony(int32_t kod) {
    if (kod < 0 || kod >= LiczbaOslon())
        kod = 0;
    return QString::fromUtf8(OSLONY_WT2021[kod].nazwa);
}

int32_t KodOslony(const QString& nazwa, bool* ok) {
    for (int i = 0; i < LiczbaOslon(); ++i)
        if (RowneBezWielkosci(nazwa.trimmed(), NazwaOslony(i))) {
            *ok = true;
            return i;
        }
    *ok = false;
    return 0;
}

double FcOslony(int32_t kod) {
    return kod >= 0 && kod < LiczbaOslon() ? OSLONY_WT2021[kod].fc : 1.0;
}

double FcOkna(const TOkno& o) {
    return o.fC >= 0 ? o.fC : FcOslony(o.Oslona);
}

bool RodzajPodlegaLatu(int32_t rodzaj) {
    // The kinds of the table by code, found once.
    static const std::vector<bool> podlega = [] {
        std::vector<bool> w(static_cast<std::size_t>(LiczbaRodzajow()), false);
        for (int k = 0; k < LiczbaRodzajow(); ++k)
            for (std::size_t i = 0; i < LICZBA_RODZAJOW_LATO_WT2021; ++i)
                if (NazwaRodzaju(k) == QString::fromUtf8(RODZAJE_LATO_WT2021[i]))
                    w[static_cast<std::size_t>(k)] = true;
        return w;
    }();
    if (rodzaj < 0 || rodzaj >= LiczbaRodzajow())
        rodzaj = RODZAJ_OKNO;
    return podlega[static_cast<std::size_t>(rodzaj)];
}

bool KierunekPodlegaLatu(int kierunek) {
    return kierunek != 7 && kierunek != 0 && kierunek != 1;
}

TOcenaLato OcenLato2021(const TOkno& o, const TZestawienieStolarki& p) {
    TOcenaLato w;
    w.fc = FcOkna(o);
    static const TZakresWartosci* const zakresG = ZakresWartosci("g");
    static const TZakresWartosci* const zakresFc = ZakresWartosci("fC");
    QStringList poza;
    for (const auto& [z, x] : {std::pair{zakresG, o.g}, std::pair{zakresFc, o.fC}})
        if (!WZakresie(*z, x))
            poza << OpisWartosciSpozaZakresu(*z, x);
    w.poza = poza.join(QStringLiteral("; "));
    if (o.g >= 0 && poza.isEmpty()) {
        const auto gfc = TDziesietna::Z(o.g)->Razy(*TDziesietna::Z(w.fc));
        if (gfc)
            w.gfc = gfc->Zaokraglona(2, TDziesietna::TTryb::PolowaWGore).Double();
    }
    // A window without its size has no area to be exempt by.
    w.bezWymiarow = o.Szerokosc <= 0 || o.Wysokosc <= 0;
    bool dotyczy =
        RodzajPodlegaLatu(RodzajOceniany(o)) && (w.bezWymiarow || PoleOkna(o) >= MIN_POLE_LATO);
    static const int32_t dachowe = [] {
        bool ok = false;
        const int32_t kod = KodRodzaju(QStringLiteral("okno dachowe"), &ok);
        return ok ? kod : -1;
    }();
    if (dotyczy && o.Rodzaj != dachowe) {
        // The directions its pieces face (the building's levels only):
        // exempt only when every one is.
        const int wierszy = LICZBA_STALYCH_WIERSZY + p.LiczbaPieter();
        const bool poziomy[LICZBA_STALYCH_WIERSZY] = {p.Podpiwniczenie(), p.Parter(), p.Poddasze()};
        bool sztuki = false, podlega = false;
        for (const TLiczbaOkien::TWiersz& r : o.LiczbaOkien.Niezerowe()) {
            if (r.wiersz >= wierszy || (r.wiersz < LICZBA_STALYCH_WIERSZY && !poziomy[r.wiersz]))
                continue;
            for (int k = 0; k < LICZBA_KIERUNKOW; ++k)
                if (r.liczby[static_cast<std::size_t>(k)] > 0) {
                    sztuki = true;
                    podlega = podlega || KierunekPodlegaLatu(k);
                }
        }
        dotyczy = !sztuki || podlega;
    }
    if (!dotyczy)
        w.wynik = TWynikLato::NieDotyczy;
    else if (w.gfc < 0 || w.bezWymiarow)
        w.wynik = TWynikLato::BrakDanych;
    else
        w.wynik = TDziesietna::Z(w.gfc)->Porownaj(*TDziesietna::Z(GMAX_LATO)) <= 0
                      ? TWynikLato::Spelnia
                      : TWynikLato::NieSpelnia;
    return w;
}

QString TekstWynikuLato(TWynikLato wynik) {
    switch (wynik) {
    case TWynikLato::Spelnia:
        return QStringLiteral("spełnia");
    case TWynikLato::NieSpelnia:
        return QStringLiteral("nie spełnia");
    case TWynikLato::NieDotyczy:
        return QStringLiteral("nie dotyczy");
    case TWynikLato::BrakDanych:
        break;
    }
    return QStringLiteral("brak danych");
}

QString TekstOcenyLato(const TOcenaLato& o) {
    switch (o.wynik) {
    case TWynikLato::Spelnia:
    case TWynikLato::NieSpelnia:
        return QStringLiteral("WT 2021 lato: g·fC = %1 %2 %3 – %4")
            .arg(TekstStaly(o.gfc, 4, 2),
                 o.wynik == TWynikLato::Spelnia ? QStringLiteral("≤") : QStringLiteral(">"),
                 TekstStaly(GMAX_LATO, 4, 2), TekstWynikuLato(o.wynik));
    case TWynikLato::NieDotyczy:
        return QStringLiteral("WT 2021 lato: nie dotyczy");
    case TWynikLato::BrakDanych:
        break;
    }
    if (!o.poza.isEmpty())
        return QStringLiteral("WT 2021 lato: brak danych (%1)").arg(o.poza);
    return o.gfc < 0 ? QStringLiteral("WT 2021 lato: brak danych (g)")
                     : QStringLiteral("WT 2021 lato: brak danych (wymiary)");
}

QString TekstG(const TOkno& o) {
    return o.g >= 0 ? TekstOgolny(o.g) : QStringLiteral("brak");
}

TZgodnoscLato ZgodnoscLato2021(const TZestawienieStolarki& p) {
    TZgodnoscLato z;
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
        const TOkno& o = *p.Okno(i);
        ++z.okien;
        const TWynikLato w = OcenLato2021(o, p).wynik;
        if (w == TWynikLato::NieSpelnia)
            z.nieSpelnia << o.Symbol();
        else if (w == TWynikLato::BrakDanych)
            z.bezDanych << o.Symbol();
    }
    return z;
}

QString OpisZgodnosciLato(const TZgodnoscLato& z, int symboli) {
    if (z.okien == 0)
        return QStringLiteral("brak okien");
    const QString bezG = QStringLiteral("bez danych: %1 z %2").arg(z.bezDanych.size()).arg(z.okien);
    if (!z.nieSpelnia.isEmpty())
        return QStringLiteral("nie spełnia %1 z %2 (%3)")
                   .arg(z.nieSpelnia.size())
                   .arg(z.okien)
                   .arg(ListaSymboli(z.nieSpelnia, symboli)) +
               (z.bezDanych.isEmpty() ? QString() : QStringLiteral("; ") + bezG);
    if (z.bezDanych.isEmpty())
        return QStringLiteral("spełniają");
    // Nothing judged is no compliance.
    if (z.bezDanych.size() == z.okien)
        return bezG;
    return bezG + QStringLiteral(", pozostałe spełniają");
}

QString TekstZgodnosciLato(const TZgodnoscLato& z, int symboli) {
    if (z.okien == 0)
        return QStringLiteral("WT 2021 latem: brak okien");
    return QStringLiteral("WT 2021 latem (g·fC ≤ 0,35): ") + OpisZgodnosciLato(z, symboli);
}
