#include "model/pliki/urwanie.h"

void TUrwanieOkien::Sekcja(const std::vector<char>& pola, bool ostatnia) {
    if (ostatnia) {
        ostatnie_ = pola;
        return;
    }
    if (!byly_) {
        wspolne_ = pola;
        byly_ = true;
        return;
    }
    for (std::size_t k = 0; k < wspolne_.size() && k < pola.size(); ++k)
        wspolne_[k] = static_cast<char>(wspolne_[k] && pola[k]);
}

bool TUrwanieOkien::Urwane() const {
    // Cut, not written short: what the last section lacks, and the others
    // have, would all have come after the last field it has.
    std::size_t poOstatnim = 0;
    for (std::size_t k = 0; k < ostatnie_.size(); ++k)
        if (ostatnie_[k])
            poOstatnim = k + 1;
    for (std::size_t k = poOstatnim; k < wspolne_.size() && k < ostatnie_.size(); ++k)
        if (wspolne_[k] && !ostatnie_[k])
            return true;
    return false;
}
