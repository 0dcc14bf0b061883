#pragma once

#include "model/projekt/polecenie.h"

// A window deleted; undo puts it back at its place, as it was.
class TUsunOkno : public TPolecenie {
public:
    TUsunOkno(TIdOkna id, const QString& symbol);
    TZmiana Zmiana() const override;
    TIdOkna Wskazane(bool cofniete) const override;

protected:
    int32_t Przygotuj(TZestawienieStolarki& projekt) override;
    void Zastosuj(TZestawienieStolarki& projekt, bool wstecz) override;

private:
    TIdOkna id_;
    TOkno okno_;
    int miejsce_ = 0;
};
