#include "wt2021.h"

#include "liczby.h"
#include "okno.h"
#include "tekst.h"
#include "wt2021_dane.h"
#include "zestawienie.h"

#include <cmath>

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

double UmaxWT2021(int32_t rodzaj, double ti) {
    if (rodzaj < 0 || rodzaj >= LiczbaRodzajow())
        rodzaj = RODZAJ_OKNO;
    const TRodzajWT& r = RODZAJE_WT2021[rodzaj];
    return ti >= 16 ? r.umaxOd16 : r.umaxPonizej16;
}

TOcenaWT OcenWT2021(int32_t rodzaj, double ti, double uw, bool dane) {
    TOcenaWT o;
    o.umax = UmaxWT2021(rodzaj, ti);
    // The value exactly as every output shows it, two decimals correctly
    // rounded, against the table's.
    o.uw = dane ? JakPokazane(uw, 2) : 0;
    if (!dane || !(o.uw > 0))
        o.wynik = TWynikWT::BrakDanych;
    else if (o.umax < 0)
        o.wynik = TWynikWT::BrakWymagan;
    else
        o.wynik = std::llround(o.uw * 100) <= std::llround(o.umax * 100) ? TWynikWT::Spelnia
                                                                         : TWynikWT::NieSpelnia;
    return o;
}

TOcenaWT OcenWT2021(const TOkno& okno, const TZestawienieStolarki& projekt) {
    const std::optional<double> uw = projekt.UwOkna(okno);
    return OcenWT2021(okno.Rodzaj, projekt.TemperaturaWewnetrzna, uw.value_or(0), uw.has_value());
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

QString TekstOcenyWT(const TOcenaWT& o) {
    switch (o.wynik) {
    case TWynikWT::Spelnia:
        return QStringLiteral("WT 2021: Umax = %1 – spełnia").arg(TekstStaly(o.umax, 4, 2));
    case TWynikWT::NieSpelnia:
        return QStringLiteral("WT 2021: Umax = %1 – nie spełnia (%2)")
            .arg(TekstStaly(o.umax, 4, 2), TekstStaly(o.uw, 4, 2));
    case TWynikWT::BrakWymagan:
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
    const qsizetype reszta = symbole.size() - symboli;
    return symbole.mid(0, symboli).join(QStringLiteral(", ")) +
           QStringLiteral(" i %1 %2")
               .arg(reszta)
               .arg(Odmiana(reszta, QStringLiteral("inne"), QStringLiteral("inne"),
                            QStringLiteral("innych")));
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
