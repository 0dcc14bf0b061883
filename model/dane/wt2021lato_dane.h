#pragma once

#include <cstddef>

// A shading device and its correction factor fC of the total solar energy
// transmittance of the glazing.
struct TOslonaWT {
    const char* nazwa;
    double fc;
};

extern const TOslonaWT OSLONY_WT2021[];
extern const std::size_t LICZBA_OSLON_WT2021;

// The kinds of window the rule applies to, by their names: the windows,
// balcony doors and roof windows of the outer walls and roof.
extern const char* const RODZAJE_LATO_WT2021[];
extern const std::size_t LICZBA_RODZAJOW_LATO_WT2021;

// The g of triple glazing with a selective coating that the regulation's
// method takes where the product's own is not known. Offered, never assumed.
extern const double G_POTROJNE_SELEKTYWNE;
