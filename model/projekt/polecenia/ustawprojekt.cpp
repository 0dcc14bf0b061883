#include "model/projekt/polecenia/ustawprojekt.h"

TUstawDaneProjektu::TUstawDaneProjektu(const TDaneProjektu& dane)
    : TPolecenie(QStringLiteral("zmiana danych projektu")), po_(dane) {}

int32_t TUstawDaneProjektu::Przygotuj(TZestawienieStolarki& p) {
    przed_ = p;
    return przed_ == po_ ? WYNIK_BEZ_ZMIAN : WYNIK_OK;
}

void TUstawDaneProjektu::Zastosuj(TZestawienieStolarki& p, bool wstecz) {
    static_cast<TDaneProjektu&>(p) = wstecz ? przed_ : po_;
}

TZmiana TUstawDaneProjektu::Zmiana() const {
    TZmiana z;
    z.projekt = true;
    return z;
}
