#include "ui/main/komunikatykroku.h"

#include "uslugi/dialogi.h"

namespace {

TKomunikatyKroku* aktywny = nullptr;

} // namespace

TKomunikatyKroku::TKomunikatyKroku(TDialogi& dialogi, QWidget* okno)
    : dialogi_(dialogi), okno_(okno), zewnetrzny_(aktywny) {
    odbiorca_.emplace([this](const TKomunikat& k) { zebrane_.append(k); });
    aktywny = this;
}

TKomunikatyKroku::~TKomunikatyKroku() {
    // The receiver before this step's again, before any box opens: what is
    // reported while it is shown goes where it went before.
    odbiorca_.reset();
    aktywny = zewnetrzny_;
    if (zebrane_.isEmpty())
        return;
    if (zewnetrzny_) {
        zewnetrzny_->zebrane_ += zebrane_;
        return;
    }
    const TKomunikat k = Zgrupuj(zebrane_);
    dialogi_.Komunikat(okno_, k.rodzaj, k.tytul, k.tresc);
}
