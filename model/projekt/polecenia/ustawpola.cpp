#include "model/projekt/polecenia/ustawpola.h"

#include "model/zestawienie.h"

TUstawPolaOkna::TUstawPolaOkna(TIdOkna id, TOkno docelowe)
    : TPolecenie(QStringLiteral("zmiana okna %1").arg(docelowe.Symbol())), id_(id),
      docelowe_(std::move(docelowe)) {}

int32_t TUstawPolaOkna::Przygotuj(TZestawienieStolarki& p) {
    const TOkno* okno = p.OknoId(id_);
    if (!okno)
        return WYNIK_BLAD;
    zmiana_ = RozniceOkna(*okno, docelowe_);
    zmiana_.id = id_;
    docelowe_ = TOkno(QString()); // what it changes is kept in the change
    return zmiana_.pola.empty() ? WYNIK_BEZ_ZMIAN : WYNIK_OK;
}

void TUstawPolaOkna::Zastosuj(TZestawienieStolarki& p, bool wstecz) {
    PrzywrocOkno(p, zmiana_, wstecz);
}

TZmiana TUstawPolaOkna::Zmiana() const {
    TZmiana z;
    z.okna.push_back(id_);
    return z;
}

TIdOkna TUstawPolaOkna::Wskazane(bool) const {
    return id_;
}
