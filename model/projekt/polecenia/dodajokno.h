#pragma once

#include "model/projekt/polecenie.h"

// A new window at the end of the list: with the defaults, or with every
// parameter, count and remark of another window (duplicating it). Undo
// takes it away, redo puts it back with the same identity.
class TDodajOkno : public TPolecenie {
public:
    // `wzor` 0: a new window; else the window to duplicate.
    TDodajOkno(const QString& symbol, TIdOkna wzor = 0, const QString& symbolWzoru = QString());
    TZmiana Zmiana() const override;
    TIdOkna Wskazane(bool cofniete) const override;
    // The window added (0 before it is).
    TIdOkna Id() const { return okno_.Id(); }

protected:
    int32_t Przygotuj(TZestawienieStolarki& projekt) override;
    void Zastosuj(TZestawienieStolarki& projekt, bool wstecz) override;

private:
    QString symbol_;
    TIdOkna wzor_;
    TOkno okno_;
    int miejsce_ = 0;
};
