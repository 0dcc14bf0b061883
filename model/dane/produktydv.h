#pragma once

#include "model/dane/cennikidv.h"

#include <QString>
#include <QVector>

#include <cstdint>

// The manufacturer's products: its glass and frames, as the reference dialogs
// offer them and the pricing reads them. Catalogue codes 20 … 28.

enum class TLiniaPromocji { Brak, Klima, Kobaltowe, DVline, Forma };

struct TSzkloDV {
    int32_t kod;
    double ug;
    QString opis;         // as the glazing dialog lists it
    double doplataEuroM2; // surcharge per m² of window, free of promotion and discount
};

struct TRamaDV {
    int32_t kod;
    double uf;
    int32_t material;          // code of MaterialyRamy
    QString opis;              // as the frame dialog lists it
    TCennikiDV::Tabela tabela; // the price list's table
    TLiniaPromocji promocja;
    double doplata; // factor on the promoted list price
};

// In the order the dialogs list them.
const QVector<TSzkloDV>& SzklaDV();
const QVector<TRamaDV>& RamyDV();
// The product of that code, or nullptr.
const TSzkloDV* SzkloDV(int32_t kod);
const TRamaDV* RamaDV(int32_t kod);

constexpr int32_t MATERIAL_ALUMINIUM = 0;
constexpr int32_t MATERIAL_DREWNO = 1;
constexpr int32_t MATERIAL_METAL = 2;
