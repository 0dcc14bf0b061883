#pragma once

#include "model/okno.h"

#include <QString>

#include <variant>
#include <vector>

class TZestawienieStolarki;

// What a step of the edit history keeps of a window: only the fields the
// step changed, so that a change to every window of a large project costs
// little more than the values it replaced.

// The value of a window field (PolaOkna): a number, a text (names by their
// name), or the counts.
using TWartoscPola = std::variant<double, QString, TLiczbaOkien>;

struct TZmianaPola {
    int pole; // index in PolaOkna()
    TWartoscPola przed;
    TWartoscPola po;
};

// The changed fields of one window, found by its identity.
struct TZmianaOkna {
    TIdOkna id = 0;
    std::vector<TZmianaPola> pola;
};

// Fields that differ between two states of one window (its symbol and
// identity aside).
TZmianaOkna RozniceOkna(const TOkno& przed, const TOkno& po);
// Puts a window back to the state before the changes (wstecz) or after.
void PrzywrocOkno(TZestawienieStolarki& projekt, const TZmianaOkna& zmiana, bool wstecz);

// Every window as it stands, in list order. The copies share their texts and
// counts with the windows until one of them changes.
std::vector<TOkno> StanOkien(const TZestawienieStolarki& projekt);
// The windows that changed since `przed`, found by identity.
std::vector<TZmianaOkna> ZmianyOkien(const std::vector<TOkno>& przed,
                                     const TZestawienieStolarki& projekt);
