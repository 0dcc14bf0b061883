#include "okno.h"

#include "podpowiedzi.h"
#include "tekst.h"

#include <cmath>
#include <optional>

int LevelIndex(const QString& poziom) {
    if (RowneBezWielkosci(poziom, POZIOM_PODPIWNICZENIE))
        return WIERSZ_PODPIWNICZENIA;
    if (RowneBezWielkosci(poziom, POZIOM_PARTER))
        return WIERSZ_PARTERU;
    if (RowneBezWielkosci(poziom, POZIOM_PODDASZE))
        return WIERSZ_PODDASZA;
    bool ok = false;
    const int k = poziom.toInt(&ok, 10);
    if (!ok || k < 1 || k > INT32_MAX - LICZBA_STALYCH_WIERSZY)
        return -1;
    return k + 2;
}

TOkno::TOkno(const QString& symbol)
    : LiczbaOkien(LICZBA_STALYCH_WIERSZY, TWierszLiczby{}), Symbol_(symbol) {}

QString TOkno::TypOknaNazwa() const {
    return NazwaTypuOkna(TypOkna);
}

void TOkno::SetTypOknaNazwa(const QString& nazwa) {
    bool ok = false;
    const int32_t kod = KodTypuOkna(nazwa, &ok);
    if (ok)
        TypOkna = kod;
}

QString TOkno::RodzajSkrzydlaNazwa(int i) const {
    if (i < 0 || i >= MAX_SKRZYDEL)
        return QString();
    return NazwaRodzajuSkrzydla(RodzajSkrzydla[static_cast<std::size_t>(i)]);
}

void TOkno::SetRodzajSkrzydlaNazwa(int i, const QString& nazwa) {
    if (i < 0 || i >= MAX_SKRZYDEL)
        return;
    bool ok = false;
    const int32_t kod = KodRodzajuSkrzydla(nazwa, &ok);
    if (ok)
        RodzajSkrzydla[static_cast<std::size_t>(i)] = kod;
}

QString TOkno::MaterialRamyNazwa() const {
    return NazwaMaterialuRamy(MaterialRamy);
}

void TOkno::SetMaterialRamyNazwa(const QString& nazwa) {
    bool ok = false;
    const int32_t kod = KodMaterialuRamy(nazwa, &ok);
    if (ok)
        MaterialRamy = kod;
}

int32_t TOkno::GetLiczba(const QString& poziom, int kierunek) const {
    const int w = LevelIndex(poziom);
    if (w < 0 || w >= LiczbaOkien.size() || kierunek < 0 || kierunek >= LICZBA_KIERUNKOW)
        return 0;
    return LiczbaOkien[w][static_cast<std::size_t>(kierunek)];
}

void TOkno::SetLiczba(const QString& poziom, int kierunek, int32_t n) {
    const int w = LevelIndex(poziom);
    if (n == -1 || w < 0 || w >= LiczbaOkien.size() || kierunek < 0 || kierunek >= LICZBA_KIERUNKOW)
        return;
    LiczbaOkien[w][static_cast<std::size_t>(kierunek)] = n;
}

int32_t TOkno::SumaOkien() const {
    // Summed wide so that a file full of huge counts cannot overflow.
    long long suma = 0;
    for (const TWierszLiczby& wiersz : LiczbaOkien) {
        for (int32_t n : wiersz)
            suma += n;
    }
    if (suma > INT32_MAX)
        return INT32_MAX;
    if (suma < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(suma);
}

void TOkno::ZmienLiczbeWierszy(int wiersze) {
    LiczbaOkien.resize(wiersze < 0 ? 0 : wiersze, TWierszLiczby{});
}

namespace {

// A whole number of millimetres as a field shows it (the general form has
// no exponent below 1E15); anything else the suggestion does not take.
std::optional<int64_t> CaleMilimetry(double x) {
    if (!std::isfinite(x) || std::fabs(x) >= 1e15 || x != std::trunc(x))
        return std::nullopt;
    return static_cast<int64_t>(x);
}

} // namespace

double TOkno::LgObliczeniowe() const {
    if (Lg >= 0)
        return Lg;
    const std::optional<int64_t> d = CaleMilimetry(dRamy);
    int64_t lg = 0;
    if (!d || !PodpowiedzLg(TypOkna, CaleMilimetry(Szerokosc).value_or(0),
                            CaleMilimetry(Wysokosc).value_or(0), *d, &lg))
        return 0;
    return static_cast<double>(lg);
}
