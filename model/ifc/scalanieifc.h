#pragma once

#include "model/ifc/importifc.h"

#include <QStringList>

// A new model of a building merged into the project made from an earlier
// one: windows matched by the GlobalIds they keep take the model's sizes,
// pieces, storeys and directions and keep everything the designer entered
// (thermal values, d, g, shading, price, remarks, sash kinds); the model's
// new windows come in as an import makes them; windows gone from the model
// are named, and removed only when asked.

struct TZmianyImportuIfc {
    QStringList dodane;      // symbols of the entries added
    QStringList zmienione;   // "O1: 1200 × 1500 → 1250 × 1500, sztuk 3 → 4"
    QStringList usuniete;    // symbols of windows the model has no more
    bool usunieto = false;   // those removed, not kept
    TWynikImportuIfc import; // the model's own summary
    bool Puste() const { return dodane.isEmpty() && zmienione.isEmpty() && usuniete.isEmpty(); }
};

// `wynik` (a new, empty project) becomes `projekt` with the model merged.
TZmianyImportuIfc ScalZIfc(const TZestawienieStolarki& projekt, const TModelIfc& model,
                           const TOpcjeImportuIfc& opcje, bool usunBrakujace,
                           TZestawienieStolarki& wynik);
// One line for a person: "dodano 1 (O3); zmieniono 1 (O1: …); brak w modelu
// 1 (O2, pozostawiono)"; "bez zmian" when nothing changed.
QString TekstZmianIfc(const TZmianyImportuIfc& z);
