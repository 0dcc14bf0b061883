// Writing project files (.tmv): the whole project as a profile file.

#include "model/liczby.h"
#include "model/pliki/bezpiecznyzapis.h"
#include "model/pliki/kodowanie.h"
#include "model/pliki/plikprofilu.h"
#include "model/pliki/plikprojektu.h"
#include "model/pliki/poziomypliku.h"
#include "model/polaokna.h"
#include "model/polaprojektu.h"
#include "model/powiadomienia.h"
#include "model/wersja.h"

using namespace plik_projektu;

namespace {

void ZapiszOkno(TZapisProfilu& z, int numer, const TOkno& o, const QVector<TPoziomPliku>& poziomy,
                const QLocale& locale) {
    z.Sekcja(PREFIKS_OKNA + QString::number(numer));
    z.Liczba("Numer", numer);
    for (const TPoleOkna& pole : PolaOkna()) {
        if (!pole.Zapisywane(o))
            continue;
        OdwiedzPole(pole, TPrzypadki{[&](pole::Dziesietna) {
                                         z.Wartosc(pole.klucz, TekstOgolny(pole.liczba(o), locale));
                                     },
                                     [&](pole::Calkowita) {
                                         z.Liczba(pole.klucz, static_cast<int64_t>(pole.liczba(o)));
                                     },
                                     [&](pole::Liczby) {
                                         for (const TPoziomPliku& pp : poziomy)
                                             for (std::size_t d = 0; d < LICZBA_KIERUNKOW; ++d)
                                                 z.Liczba(pp.klucze[d],
                                                          o.LiczbaOkien.Liczba(
                                                              pp.wiersz, static_cast<int>(d)));
                                     },
                                     // Names, texts and remark lines: as their text.
                                     [&](auto) {
                                         z.Wartosc(pole.klucz, pole.tekst(o));
                                     }});
    }
}

// A file holds decimals with a comma or a point only: the locale's, when it
// is one of those, else a point (another character would not survive the
// code page, and no reader would take it back).
QLocale LocalePliku(const QLocale& locale) {
    const QString s = locale.decimalPoint();
    return s == QLatin1String(",") || s == QLatin1String(".") ? locale : QLocale::c();
}

QByteArray ZbudujPlik(const TZestawienieStolarki& p, const QLocale& wybrany) {
    const QLocale locale = LocalePliku(wybrany);
    TZapisProfilu z;
    z.Zarezerwuj(1024 + 2200 * static_cast<qsizetype>(p.LiczbaOkienWLiscie()));
    z.Sekcja(INFO);
    z.Wartosc("Program", QStringLiteral("Termivo"));
    z.Wartosc("Version", WersjaProgramu());

    z.Sekcja(PROJEKT);
    for (const TPoleProjektu& pole : PolaProjektu())
        OdwiedzPole(pole, TPrzypadki{[&](pole::Tekst) { z.Wartosc(pole.klucz, pole.tekst(p)); },
                                     [&](pole::Data) { z.Wartosc(pole.klucz, pole.tekst(p)); },
                                     [&](pole::Dziesietna) {
                                         z.Wartosc(pole.klucz, TekstOgolny(pole.liczba(p), locale));
                                     },
                                     // Flags and whole numbers.
                                     [&](auto) {
                                         z.Liczba(pole.klucz, static_cast<int64_t>(pole.liczba(p)));
                                     }});

    z.Sekcja(OKNA);
    z.Liczba("Liczba", p.LiczbaOkienWLiscie());
    const QVector<TPoziomPliku> poziomy = PoziomyPliku(p);
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
        ZapiszOkno(z, i, *p.Okno(i), poziomy, locale);
    return z.Bajty();
}

void ZglosBlad(const QString& tytul, const QString& tresc) {
    Powiadom({TRodzajKomunikatu::Blad, tytul, tresc});
}

// False, with a message naming the field, when a text holds a character the
// file cannot store: it would come back as another one, and two symbols could
// become one.
bool TekstyDoZapisania(const TZestawienieStolarki& p) {
    auto sprawdz = [](const QString& tekst, const QString& gdzie) {
        const qsizetype i = PierwszyNiezapisywalny(tekst);
        if (i < 0)
            return true;
        ZglosBlad(QStringLiteral("Błąd"),
                  QStringLiteral("Projektu nie zapisano: %1 zawiera znak „%2”, którego nie można "
                                 "zapisać w pliku projektu (strona kodowa Windows-1250). Zmień ten "
                                 "tekst i zapisz projekt ponownie.")
                      .arg(gdzie, ZnakOd(tekst, i)));
        return false;
    };
    for (const TPoleProjektu& pole : PolaProjektu())
        if (pole.rodzaj == TRodzajPolaProjektu::Tekst &&
            !sprawdz(pole.tekst(p), QStringLiteral("pole „%1” projektu").arg(pole.etykieta)))
            return false;
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
        const TOkno& o = *p.Okno(i);
        for (const TPoleOkna& pole : PolaOkna()) {
            if (pole.rodzaj != TRodzajPola::Tekst && pole.rodzaj != TRodzajPola::Wiersze)
                continue;
            const QString gdzie =
                pole.tozsamosc
                    ? QStringLiteral("%1 „%2”").arg(pole.etykieta, o.Symbol())
                    : QStringLiteral("pole „%1” okna „%2”").arg(pole.etykieta, o.Symbol());
            if (!sprawdz(pole.tekst(o), gdzie))
                return false;
        }
    }
    return true;
}

} // namespace

std::optional<QByteArray> ZapiszProjektDoBajtow(const TZestawienieStolarki& projekt,
                                                const QLocale& locale) {
    // Nothing is made unless every text survives.
    if (!Cp1250Dostepne()) {
        ZglosBlad(QStringLiteral("Błąd"),
                  QStringLiteral("Brak konwersji tekstu na stronę kodową Windows-1250: projektu "
                                 "nie można zapisać."));
        return std::nullopt;
    }
    if (!TekstyDoZapisania(projekt))
        return std::nullopt;
    return ZbudujPlik(projekt, locale);
}

int32_t ZapiszProjekt(const TZestawienieStolarki& projekt, const QString& sciezka,
                      const QLocale& locale, QString* powod) {
    const std::optional<QByteArray> bajty = ZapiszProjektDoBajtow(projekt, locale);
    if (!bajty)
        return WYNIK_BLAD; // and the old file stays
    return ZapiszBajtyProjektu(*bajty, sciezka, powod);
}

int32_t ZapiszBajtyProjektu(const QByteArray& bajty, const QString& sciezka, QString* powod) {
    return ZapiszBajtyBezpiecznie(sciezka, bajty, powod) ? WYNIK_OK : WYNIK_BLAD;
}
