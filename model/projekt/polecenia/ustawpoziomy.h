#pragma once

#include "model/projekt/polecenie.h"
#include "model/zestawienie.h"

#include <utility>

// The building's levels: a level switched off loses its counts in every
// window, one switched on starts from zero; undo gives the counts back.
class TUstawPoziomy : public TPolecenie {
public:
    explicit TUstawPoziomy(const TPoziomyBudynku& poziomy);
    TZmiana Zmiana() const override;

protected:
    int32_t Przygotuj(TZestawienieStolarki& projekt) override;
    void Zastosuj(TZestawienieStolarki& projekt, bool wstecz) override;

private:
    TPoziomyBudynku przed_, po_;
    std::vector<std::pair<TIdOkna, TLiczbaOkien>> liczby_; // every window's counts before
};
