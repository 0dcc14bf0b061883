#include "model/obliczenia/wt2021.h"

#include "model/dane/wt2021_dane.h"
#include "model/liczby.h"
#include "model/obliczenia/dziesietne.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/zaokraglenia.h"
#include "model/okno.h"
#include "model/tekst.h"
#include "model/zestawienie.h"

int LiczbaRodzajow() {
    return static_cast<int>(LICZBA_RODZAJOW_WT2021);
}

QString NazwaRodzaju(int32_t kod) {
    if (kod < 0 || kod >= LiczbaRodzajow())
        kod = RODZAJ_OKNO;
    return QString::fromUtf8(RODZAJE_WT2021[kod].nazwa);
}

int32_t KodRodzaju(const QString& nazwa, bool* ok) {
    for (int i = 0; i < LiczbaRodzajow(); ++i)
        if (RowneBezWielkosci(nazwa.trimmed(), NazwaRodzaju(i))) {
            *ok = true;
            return i;
        }
    *ok = false;
    return RODZAJ_OKNO;
}

int32_t RodzajDrzwiZewnetrznych() {
    static const int32_t kod = [] {
        bool ok = false;
        const int32_t k = KodRodzaju(QStringLiteral("drzwi zewnętrzne"), &ok);
        return ok ? k : RODZAJ_OKNO;
    }();
    return kod;
}

int32_t RodzajOceniany(const TOkno& o) {
    static const int32_t balkonowe = [] {
        bool ok = false;
        const int32_t kod = KodRodzaju(QStringLiteral("drzwi balkonowe"), &ok);
        return ok ? kod : RODZAJ_OKNO;
    }();
    if (o.Rodzaj != RODZAJ_OKNO && o.Rodzaj != balkonowe)
        return o.Rodzaj;
    return TylkoPlyciny(o) ? RodzajDrzwiZewnetrznych() : o.Rodzaj;
}

double UmaxWT2021(int32_t rodzaj, double ti) {
    if (rodzaj < 0 || rodzaj >= LiczbaRodzajow())
        rodzaj = RODZAJ_OKNO;
    const TRodzajWT& r = RODZAJE_WT2021[rodzaj];
    return ti >= 16 ? r.umaxOd16 : r.umaxPonizej16;
}

TOcenaWT OcenWT2021(int32_t rodzaj, double ti, std::optional<double> uwOkna) {
    TOcenaWT o;
    o.umax = UmaxWT2021(rodzaj, ti);
    // The value exactly as every output shows it, two decimals, against the
    // table's: decimals compared, never doubles.
    const std::optional<TDziesietna> pokazane =
        uwOkna ? TDziesietna::Z(Zaokraglij(*uwOkna, 2)) : std::nullopt;
    if (!pokazane || pokazane->Znak() <= 0) {
        o.wynik = TWynikWT::BrakDanych;
        return o;
    }
    o.uw = pokazane->Double();
    if (o.umax < 0)
        o.wynik = TWynikWT::BrakWymagan;
    else
        o.wynik = pokazane->Porownaj(*TDziesietna::Z(o.umax)) <= 0 ? TWynikWT::Spelnia
                                                                   : TWynikWT::NieSpelnia;
    return o;
}

TOcenaWT OcenWT2021(const TOkno& okno, const TZestawienieStolarki& projekt) {
    return OcenWT2021(okno, projekt, ObliczUw(okno, projekt));
}

TOcenaWT OcenWT2021(const TOkno& okno, const TZestawienieStolarki& projekt, const TUw& uw) {
    TOcenaWT o = OcenWT2021(RodzajOceniany(okno), projekt.TemperaturaWewnetrzna, uw.uwOkna);
    o.brak = uw.brak;
    if (uw.zRoleta && uw.uw)
        o.uwZRoleta = Zaokraglij(*uw.uw, 2);
    return o;
}

QString TekstWynikuWT(TWynikWT wynik) {
    switch (wynik) {
    case TWynikWT::Spelnia:
        return QStringLiteral("spełnia");
    case TWynikWT::NieSpelnia:
        return QStringLiteral("nie spełnia");
    case TWynikWT::BrakWymagan:
        return QStringLiteral("brak wymagań");
    case TWynikWT::BrakDanych:
        return QStringLiteral("brak danych");
    }
    return QString();
}

QString TekstUwZRoleta(const TOcenaWT& o) {
    if (!o.uwZRoleta || o.wynik == TWynikWT::BrakDanych)
        return QString();
    return QStringLiteral("Uw = %1; z roletą %2")
        .arg(TekstStaly(o.uw, 4, 2), TekstStaly(*o.uwZRoleta, 4, 2));
}

QString KrotkiTekstOcenyWT(const TOcenaWT& o) {
    if (!o.uwZRoleta || (o.wynik != TWynikWT::Spelnia && o.wynik != TWynikWT::NieSpelnia))
        return TekstOcenyWT(o);
    return QStringLiteral("WT 2021: Umax = %1 – %2 (%3 bez rolety)")
        .arg(TekstStaly(o.umax, 4, 2), TekstWynikuWT(o.wynik), TekstStaly(o.uw, 4, 2));
}

QString TekstOcenyWT(const TOcenaWT& o) {
    const QString obie = TekstUwZRoleta(o);
    const QString ktora =
        obie.isEmpty() ? QString() : QStringLiteral(" (%1; oceniono Uw bez rolety)").arg(obie);
    switch (o.wynik) {
    case TWynikWT::Spelnia:
        return QStringLiteral("WT 2021: Umax = %1 – spełnia").arg(TekstStaly(o.umax, 4, 2)) + ktora;
    case TWynikWT::NieSpelnia:
        return QStringLiteral("WT 2021: Umax = %1 – nie spełnia").arg(TekstStaly(o.umax, 4, 2)) +
               (ktora.isEmpty() ? QStringLiteral(" (%1)").arg(TekstStaly(o.uw, 4, 2)) : ktora);
    case TWynikWT::BrakWymagan:
        return QStringLiteral("WT 2021: brak wymagań") + ktora;
    case TWynikWT::BrakDanych:
        break;
    }
    return QStringLiteral("WT 2021: ") + TekstWynikuWT(o.wynik);
}

TZgodnoscWT ZgodnoscWT2021(const TZestawienieStolarki& projekt) {
    TZgodnoscWT z;
    z.okien = projekt.LiczbaOkienWLiscie();
    for (int i = 0; i < z.okien; ++i) {
        const TOkno& o = *projekt.Okno(i);
        const TWynikWT w = OcenWT2021(o, projekt).wynik;
        if (w == TWynikWT::NieSpelnia)
            z.nieSpelnia << o.Symbol();
        else if (w == TWynikWT::BrakDanych)
            z.bezDanych << o.Symbol();
    }
    return z;
}

QString ListaSymboli(const QStringList& symbole, int symboli) {
    // One name more than the limit is shown rather than "i 1 inne".
    if (symboli < 0 || symbole.size() <= symboli + 1)
        return symbole.join(QStringLiteral(", "));
    return ListaZReszta(symbole.mid(0, symboli), symbole.size() - symboli);
}

QString TekstZgodnosciWT(const TZgodnoscWT& z, int symboli) {
    if (z.okien == 0)
        return QStringLiteral("Zgodność z WT 2021: brak okien");
    if (!z.nieSpelnia.isEmpty())
        return QStringLiteral("Zgodność z WT 2021: nie spełnia %1 z %2 (%3)")
            .arg(z.nieSpelnia.size())
            .arg(z.okien)
            .arg(ListaSymboli(z.nieSpelnia, symboli));
    // Windows without data are never counted as complying.
    return z.bezDanych.isEmpty()
               ? QStringLiteral("Zgodność z WT 2021: spełniają wszystkie okna")
               : QStringLiteral("Zgodność z WT 2021: spełniają wszystkie okna z danymi cieplnymi");
}

QString TekstBezDanychWT(const TZgodnoscWT& z, int symboli) {
    if (z.bezDanych.isEmpty())
        return QString();
    return QStringLiteral("Bez danych cieplnych: %1 (%2) – nieujęte w Uśr")
        .arg(z.bezDanych.size())
        .arg(ListaSymboli(z.bezDanych, symboli));
}
