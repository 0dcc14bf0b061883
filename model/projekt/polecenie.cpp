#include "model/projekt/polecenie.h"

#include "model/zestawienie.h"

#include <algorithm>

TPolecenie::TPolecenie(QString nazwa) : nazwa_(std::move(nazwa)) {}

TPolecenie::~TPolecenie() = default;

int32_t TPolecenie::Wykonaj(TZestawienieStolarki& projekt) {
    if (!przygotowane_) {
        const int32_t wynik = Przygotuj(projekt);
        if (wynik != WYNIK_OK)
            return wynik;
        przygotowane_ = true;
    }
    Zastosuj(projekt, false);
    return WYNIK_OK;
}

void TPolecenie::Cofnij(TZestawienieStolarki& projekt) {
    if (przygotowane_)
        Zastosuj(projekt, true);
}

TIdOkna TPolecenie::Wskazane(bool) const {
    return 0;
}

TGrupaPolecen::TGrupaPolecen(QString nazwa, std::vector<std::unique_ptr<TPolecenie>> polecenia)
    : TPolecenie(std::move(nazwa)), polecenia_(std::move(polecenia)) {}

TGrupaPolecen::~TGrupaPolecen() = default;

int32_t TGrupaPolecen::Przygotuj(TZestawienieStolarki& projekt) {
    std::vector<std::unique_ptr<TPolecenie>> wykonane;
    for (auto& p : polecenia_) {
        const int32_t wynik = p->Wykonaj(projekt);
        if (wynik == WYNIK_OK) {
            wykonane.push_back(std::move(p));
        } else if (wynik != WYNIK_BEZ_ZMIAN) {
            // The whole step or nothing of it.
            for (auto it = wykonane.rbegin(); it != wykonane.rend(); ++it)
                (*it)->Cofnij(projekt);
            return wynik;
        }
    }
    polecenia_ = std::move(wykonane);
    if (polecenia_.empty())
        return WYNIK_BEZ_ZMIAN;
    // Done already: the first Zastosuj has nothing left to do.
    for (auto it = polecenia_.rbegin(); it != polecenia_.rend(); ++it)
        (*it)->Cofnij(projekt);
    return WYNIK_OK;
}

void TGrupaPolecen::Zastosuj(TZestawienieStolarki& projekt, bool wstecz) {
    if (wstecz) {
        for (auto it = polecenia_.rbegin(); it != polecenia_.rend(); ++it)
            (*it)->Cofnij(projekt);
    } else {
        for (auto& p : polecenia_)
            p->Wykonaj(projekt);
    }
}

TZmiana TGrupaPolecen::Zmiana() const {
    TZmiana z;
    for (const auto& p : polecenia_) {
        const TZmiana c = p->Zmiana();
        z.projekt = z.projekt || c.projekt;
        z.lista = z.lista || c.lista;
        z.wszystkieOkna = z.wszystkieOkna || c.wszystkieOkna;
        z.okna.insert(z.okna.end(), c.okna.begin(), c.okna.end());
    }
    std::sort(z.okna.begin(), z.okna.end());
    z.okna.erase(std::unique(z.okna.begin(), z.okna.end()), z.okna.end());
    return z;
}

TIdOkna TGrupaPolecen::Wskazane(bool cofniete) const {
    // The step's own change is its last command's.
    return polecenia_.empty() ? 0 : polecenia_.back()->Wskazane(cofniete);
}
