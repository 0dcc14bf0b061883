#include "model/projekt/historia.h"

THistoria::THistoria() = default;

THistoria::~THistoria() = default;

void THistoria::Dodaj(std::unique_ptr<TPolecenie> polecenie) {
    if (czysty_ > indeks_)
        czysty_ = -1; // the saved state lay among the steps taken back
    kroki_.erase(kroki_.begin() + indeks_, kroki_.end());
    kroki_.push_back(std::move(polecenie));
    ++indeks_;
    if (Liczba() > LIMIT) {
        kroki_.erase(kroki_.begin());
        --indeks_;
        if (czysty_ >= 0)
            --czysty_; // at -1 now when the saved state was before the first step
    }
}

TPolecenie* THistoria::DoCofniecia() const {
    return MoznaCofnac() ? kroki_[static_cast<std::size_t>(indeks_ - 1)].get() : nullptr;
}

TPolecenie* THistoria::DoPonowienia() const {
    return MoznaPonowic() ? kroki_[static_cast<std::size_t>(indeks_)].get() : nullptr;
}

void THistoria::Cofnieto() {
    if (MoznaCofnac())
        --indeks_;
}

void THistoria::Ponowiono() {
    if (MoznaPonowic())
        ++indeks_;
}

QString THistoria::NazwaCofniecia() const {
    const TPolecenie* p = DoCofniecia();
    return p ? p->Nazwa() : QString();
}

QString THistoria::NazwaPonowienia() const {
    const TPolecenie* p = DoPonowienia();
    return p ? p->Nazwa() : QString();
}

void THistoria::Wyczysc() {
    kroki_.clear();
    indeks_ = 0;
    czysty_ = 0;
}
