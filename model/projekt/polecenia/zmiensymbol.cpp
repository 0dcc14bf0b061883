#include "model/projekt/polecenia/zmiensymbol.h"

#include "model/tekst.h"
#include "model/zestawienie.h"

TZmienSymbol::TZmienSymbol(TIdOkna id, const QString& stary, const QString& nowy)
    : TPolecenie(QStringLiteral("zmiana symbolu okna %1 na %2").arg(stary, PrzytnijSymbol(nowy))),
      id_(id), nowy_(PrzytnijSymbol(nowy)) {}

int32_t TZmienSymbol::Przygotuj(TZestawienieStolarki& p) {
    const TOkno* okno = p.OknoId(id_);
    if (!okno || nowy_.isEmpty())
        return WYNIK_BLAD;
    stary_ = okno->Symbol();
    if (stary_ == nowy_)
        return WYNIK_BEZ_ZMIAN;
    const TOkno* inne = p.GetOkno(nowy_);
    return inne && inne != okno ? WYNIK_DUPLIKAT : WYNIK_OK;
}

void TZmienSymbol::Zastosuj(TZestawienieStolarki& p, bool wstecz) {
    p.ZmienSymbolId(id_, wstecz ? stary_ : nowy_);
}

TZmiana TZmienSymbol::Zmiana() const {
    TZmiana z;
    z.lista = true;
    z.okna.push_back(id_);
    return z;
}

TIdOkna TZmienSymbol::Wskazane(bool) const {
    return id_;
}
