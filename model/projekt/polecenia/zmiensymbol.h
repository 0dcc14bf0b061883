#pragma once

#include "model/projekt/polecenie.h"

// A window's new symbol, a change of letter case included.
class TZmienSymbol : public TPolecenie {
public:
    TZmienSymbol(TIdOkna id, const QString& stary, const QString& nowy);
    TZmiana Zmiana() const override;
    TIdOkna Wskazane(bool cofniete) const override;

protected:
    int32_t Przygotuj(TZestawienieStolarki& projekt) override;
    void Zastosuj(TZestawienieStolarki& projekt, bool wstecz) override;

private:
    TIdOkna id_;
    QString stary_, nowy_;
};
