#include "model/projekt/polecenia/ustawpoziomy.h"

#include <algorithm>

TUstawPoziomy::TUstawPoziomy(const TPoziomyBudynku& poziomy)
    : TPolecenie(QStringLiteral("zmiana kondygnacji budynku")), po_(poziomy) {
    po_.LiczbaPieter = std::clamp(po_.LiczbaPieter, 0, MAX_LICZBA_PIETER);
}

int32_t TUstawPoziomy::Przygotuj(TZestawienieStolarki& p) {
    przed_ = p.PoziomyBudynku();
    if (przed_ == po_)
        return WYNIK_BEZ_ZMIAN;
    liczby_.reserve(static_cast<std::size_t>(p.LiczbaOkienWLiscie()));
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
        liczby_.emplace_back(p.Okno(i)->Id(), p.Okno(i)->LiczbaOkien);
    return WYNIK_OK;
}

void TUstawPoziomy::Zastosuj(TZestawienieStolarki& p, bool wstecz) {
    p.UstawPoziomy(wstecz ? przed_ : po_);
    if (!wstecz)
        return;
    for (const auto& [id, liczby] : liczby_)
        if (TOkno* o = p.OknoId(id))
            o->LiczbaOkien = liczby;
}

TZmiana TUstawPoziomy::Zmiana() const {
    TZmiana z;
    z.projekt = true;
    z.wszystkieOkna = true;
    return z;
}
