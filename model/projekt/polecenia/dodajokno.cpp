#include "model/projekt/polecenia/dodajokno.h"

#include "model/tekst.h"
#include "model/zestawienie.h"

TDodajOkno::TDodajOkno(const QString& symbol, TIdOkna wzor, const QString& symbolWzoru)
    : TPolecenie(wzor ? QStringLiteral("powielenie okna %1 jako %2")
                            .arg(symbolWzoru, PrzytnijSymbol(symbol))
                      : QStringLiteral("dodanie okna %1").arg(PrzytnijSymbol(symbol))),
      symbol_(symbol), wzor_(wzor), okno_(QString()) {}

int32_t TDodajOkno::Przygotuj(TZestawienieStolarki& p) {
    const TOkno* wzor = wzor_ ? p.OknoId(wzor_) : nullptr;
    if (wzor_ && !wzor)
        return WYNIK_BLAD;
    const int32_t wynik = p.AddOkno(symbol_);
    if (wynik != WYNIK_OK)
        return wynik;
    miejsce_ = p.LiczbaOkienWLiscie() - 1;
    TOkno& nowe = *p.Okno(miejsce_);
    if (wzor)
        p.CopyOknoParams(wzor->Symbol(), nowe.Symbol());
    okno_ = nowe; // with the identity it was given
    p.UsunOknoId(okno_.Id());
    return WYNIK_OK;
}

void TDodajOkno::Zastosuj(TZestawienieStolarki& p, bool wstecz) {
    if (wstecz)
        p.UsunOknoId(okno_.Id());
    else
        p.WstawOkno(miejsce_, okno_);
}

TZmiana TDodajOkno::Zmiana() const {
    TZmiana z;
    z.lista = true;
    z.okna.push_back(okno_.Id());
    return z;
}

TIdOkna TDodajOkno::Wskazane(bool cofniete) const {
    return cofniete ? 0 : okno_.Id();
}
