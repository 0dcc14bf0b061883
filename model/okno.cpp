#include "model/okno.h"

#include "model/tekst.h"

#include <algorithm>

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

TLiczbaOkien::TLiczbaOkien(int wiersze) : wierszy_(std::max(wiersze, 0)) {}

namespace {

bool Zerowy(const TWierszLiczby& w) {
    for (int32_t n : w)
        if (n != 0)
            return false;
    return true;
}

} // namespace

int32_t TLiczbaOkien::Liczba(int wiersz, int kierunek) const {
    if (kierunek < 0 || kierunek >= LICZBA_KIERUNKOW)
        return 0;
    const auto it = std::lower_bound(niezerowe_.cbegin(), niezerowe_.cend(), wiersz,
                                     [](const TWiersz& w, int x) { return w.wiersz < x; });
    if (it == niezerowe_.cend() || it->wiersz != wiersz)
        return 0;
    return it->liczby[static_cast<std::size_t>(kierunek)];
}

void TLiczbaOkien::Ustaw(int wiersz, int kierunek, int32_t n) {
    if (wiersz < 0 || wiersz >= wierszy_ || kierunek < 0 || kierunek >= LICZBA_KIERUNKOW)
        return;
    const auto k = static_cast<std::size_t>(kierunek);
    // A file gives the rows in order: the last row, or one after it.
    if (!niezerowe_.isEmpty() && niezerowe_.constLast().wiersz == wiersz && n != 0) {
        niezerowe_.last().liczby[k] = n;
        return;
    }
    if ((niezerowe_.isEmpty() || niezerowe_.constLast().wiersz < wiersz)) {
        if (n == 0)
            return;
        TWiersz nowy;
        nowy.wiersz = wiersz;
        nowy.liczby[k] = n;
        niezerowe_.append(nowy);
        return;
    }
    auto it = std::lower_bound(niezerowe_.begin(), niezerowe_.end(), wiersz,
                               [](const TWiersz& w, int x) { return w.wiersz < x; });
    if (it == niezerowe_.end() || it->wiersz != wiersz) {
        if (n == 0)
            return;
        TWiersz nowy;
        nowy.wiersz = wiersz;
        nowy.liczby[k] = n;
        niezerowe_.insert(it, nowy);
        return;
    }
    it->liczby[k] = n;
    if (Zerowy(it->liczby))
        niezerowe_.erase(it);
}

void TLiczbaOkien::ZmienLiczbeWierszy(int wiersze) {
    wierszy_ = std::max(wiersze, 0);
    while (!niezerowe_.isEmpty() && niezerowe_.constLast().wiersz >= wierszy_)
        niezerowe_.removeLast();
}

long long TLiczbaOkien::Suma() const {
    long long suma = 0;
    for (const TWiersz& w : niezerowe_)
        for (int32_t n : w.liczby)
            suma += n;
    return suma;
}

TOkno::TOkno(const QString& symbol) : Symbol_(symbol) {}

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
    return LiczbaOkien.Liczba(LevelIndex(poziom), kierunek);
}

void TOkno::SetLiczba(const QString& poziom, int kierunek, int32_t n) {
    if (n != -1)
        LiczbaOkien.Ustaw(LevelIndex(poziom), kierunek, n);
}

int32_t TOkno::SumaOkien() const {
    const long long suma = LiczbaOkien.Suma();
    if (suma > INT32_MAX)
        return INT32_MAX;
    if (suma < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(suma);
}
