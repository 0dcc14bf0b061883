#pragma once

#include "model/projekt/polecenie.h"
#include "model/zestawienie.h"

#include <vector>

// A new version of the building model merged in (ScalZIfc): the project's
// levels and every window as the merge made them, in one step; undo gives
// back the windows and levels as they were, with their identities.
class TScalModel : public TPolecenie {
public:
    TScalModel(const TPoziomyBudynku& poziomy, std::vector<TOkno> okna);
    TZmiana Zmiana() const override;

protected:
    int32_t Przygotuj(TZestawienieStolarki& projekt) override;
    void Zastosuj(TZestawienieStolarki& projekt, bool wstecz) override;

private:
    TPoziomyBudynku przed_, po_;
    std::vector<TOkno> oknaPrzed_, oknaPo_;
};
