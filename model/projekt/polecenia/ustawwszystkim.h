#pragma once

#include "model/projekt/polecenie.h"
#include "model/projekt/zmiany.h"

// What "Przypisz wszystkim" gives every window, from one window's values.
enum class TCoWszystkim {
    Ug, // Ug with its source and glass code
    Uf, // Uf with its source, frame code and frame material
    Psi_g,
    dR,
    TypOkna,
    RodzajeSkrzydel, // the opening kinds of all eight sashes
    dRamy,           // d; every window's Lg then follows it (the Lg suggestion)
};

// One window's value given to every window of the project.
class TPrzypiszWszystkim : public TPolecenie {
public:
    TPrzypiszWszystkim(TCoWszystkim co, TIdOkna wzor);
    TZmiana Zmiana() const override;
    TIdOkna Wskazane(bool cofniete) const override;

    static QString NazwaKroku(TCoWszystkim co);

protected:
    int32_t Przygotuj(TZestawienieStolarki& projekt) override;
    void Zastosuj(TZestawienieStolarki& projekt, bool wstecz) override;

private:
    TCoWszystkim co_;
    TIdOkna wzor_;
    std::vector<TZmianaOkna> zmiany_;
};
