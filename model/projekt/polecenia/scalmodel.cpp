#include "model/projekt/polecenia/scalmodel.h"

#include "model/projekt/zmiany.h"

TScalModel::TScalModel(const TPoziomyBudynku& poziomy, std::vector<TOkno> okna)
    : TPolecenie(QStringLiteral("nowa wersja modelu IFC")), po_(poziomy), oknaPo_(std::move(okna)) {
}

int32_t TScalModel::Przygotuj(TZestawienieStolarki& p) {
    przed_ = p.PoziomyBudynku();
    oknaPrzed_ = StanOkien(p);
    if (przed_ == po_ && oknaPrzed_.size() == oknaPo_.size()) {
        bool rowne = true;
        for (std::size_t i = 0; i < oknaPo_.size() && rowne; ++i)
            rowne = oknaPrzed_[i].Symbol() == oknaPo_[i].Symbol() &&
                    RozniceOkna(oknaPrzed_[i], oknaPo_[i]).pola.empty();
        if (rowne)
            return WYNIK_BEZ_ZMIAN;
    }
    return WYNIK_OK;
}

void TScalModel::Zastosuj(TZestawienieStolarki& p, bool wstecz) {
    while (p.LiczbaOkienWLiscie() > 0)
        p.UsunOknoId(p.Okno(p.LiczbaOkienWLiscie() - 1)->Id());
    p.UstawPoziomy(wstecz ? przed_ : po_);
    for (const TOkno& o : wstecz ? oknaPrzed_ : oknaPo_)
        p.WstawOkno(p.LiczbaOkienWLiscie(), o);
}

TZmiana TScalModel::Zmiana() const {
    TZmiana z;
    z.projekt = true;
    z.lista = true;
    z.wszystkieOkna = true;
    return z;
}
