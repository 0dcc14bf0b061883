#pragma once

#include "model/projekt/polecenie.h"
#include "model/zestawienie.h"

// The project's header, options and indoor temperature.
class TUstawDaneProjektu : public TPolecenie {
public:
    explicit TUstawDaneProjektu(const TDaneProjektu& dane);
    TZmiana Zmiana() const override;

protected:
    int32_t Przygotuj(TZestawienieStolarki& projekt) override;
    void Zastosuj(TZestawienieStolarki& projekt, bool wstecz) override;

private:
    TDaneProjektu przed_, po_;
};
