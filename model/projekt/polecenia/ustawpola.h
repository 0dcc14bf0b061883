#pragma once

#include "model/projekt/polecenie.h"
#include "model/projekt/zmiany.h"

// The fields of one window as the editor's commit step gives them: the
// window becomes `docelowe` in every field but its symbol and identity.
class TUstawPolaOkna : public TPolecenie {
public:
    TUstawPolaOkna(TIdOkna id, TOkno docelowe);
    TZmiana Zmiana() const override;
    TIdOkna Wskazane(bool cofniete) const override;

protected:
    int32_t Przygotuj(TZestawienieStolarki& projekt) override;
    void Zastosuj(TZestawienieStolarki& projekt, bool wstecz) override;

private:
    TIdOkna id_;
    TOkno docelowe_;
    TZmianaOkna zmiana_;
};
