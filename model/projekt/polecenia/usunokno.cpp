#include "model/projekt/polecenia/usunokno.h"

#include "model/zestawienie.h"

TUsunOkno::TUsunOkno(TIdOkna id, const QString& symbol)
    : TPolecenie(QStringLiteral("usunięcie okna %1").arg(symbol)), id_(id), okno_(QString()) {}

int32_t TUsunOkno::Przygotuj(TZestawienieStolarki& p) {
    const TOkno* okno = p.OknoId(id_);
    if (!okno)
        return WYNIK_BLAD;
    okno_ = *okno;
    miejsce_ = p.IndeksOknaId(id_);
    return WYNIK_OK;
}

void TUsunOkno::Zastosuj(TZestawienieStolarki& p, bool wstecz) {
    if (wstecz)
        p.WstawOkno(miejsce_, okno_);
    else
        p.UsunOknoId(id_);
}

TZmiana TUsunOkno::Zmiana() const {
    TZmiana z;
    z.lista = true;
    z.okna.push_back(id_);
    return z;
}

TIdOkna TUsunOkno::Wskazane(bool cofniete) const {
    return cofniete ? id_ : 0;
}
