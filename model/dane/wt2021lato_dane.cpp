// The correction factors fC of shading devices for the summer rule of
// windows, g = fC · gG <= 0,35.
//
// Source: Rozporządzenie Ministra Infrastruktury z dnia 12 kwietnia 2002 r. w
// sprawie warunków technicznych, jakim powinny odpowiadać budynki i ich
// usytuowanie (t.j. Dz.U. z 2022 r. poz. 1225 ze zm.), załącznik nr 2,
// pkt 2.1.1 (the rule) and 2.1.3 (the table of fC by the device, its optical
// properties and its place, inside or outside the window): white venetian
// blinds, white curtains, coloured fabrics and aluminium-coated fabrics at
// their light transmittance. The first entry is no device. An amendment is
// one edit of this table; a device it does not list takes a typed fC.

#include "model/dane/wt2021lato_dane.h"

const TOslonaWT OSLONY_WT2021[] = {
    {"brak osłony", 1.0},
    // inside the window
    {"wewnętrzne białe żaluzje, przepuszczalność 0,05", 0.25},
    {"wewnętrzne białe żaluzje, przepuszczalność 0,1", 0.30},
    {"wewnętrzne białe żaluzje, przepuszczalność 0,3", 0.45},
    {"wewnętrzne białe zasłony, przepuszczalność 0,5", 0.65},
    {"wewnętrzne białe zasłony, przepuszczalność 0,7", 0.80},
    {"wewnętrzne białe zasłony, przepuszczalność 0,9", 0.95},
    {"wewnętrzne kolorowe tkaniny, przepuszczalność 0,1", 0.42},
    {"wewnętrzne kolorowe tkaniny, przepuszczalność 0,3", 0.57},
    {"wewnętrzne kolorowe tkaniny, przepuszczalność 0,5", 0.77},
    {"wewnętrzne tkaniny pokryte aluminium, przepuszczalność 0,05", 0.20},
    // outside the window
    {"zewnętrzne białe żaluzje, przepuszczalność 0,05", 0.10},
    {"zewnętrzne białe żaluzje, przepuszczalność 0,1", 0.15},
    {"zewnętrzne białe żaluzje, przepuszczalność 0,3", 0.35},
    {"zewnętrzne białe zasłony, przepuszczalność 0,5", 0.55},
    {"zewnętrzne białe zasłony, przepuszczalność 0,7", 0.75},
    {"zewnętrzne białe zasłony, przepuszczalność 0,9", 0.95},
    {"zewnętrzne kolorowe tkaniny, przepuszczalność 0,1", 0.17},
    {"zewnętrzne kolorowe tkaniny, przepuszczalność 0,3", 0.37},
    {"zewnętrzne kolorowe tkaniny, przepuszczalność 0,5", 0.57},
    {"zewnętrzne tkaniny pokryte aluminium, przepuszczalność 0,05", 0.08},
};

const std::size_t LICZBA_OSLON_WT2021 = sizeof(OSLONY_WT2021) / sizeof(OSLONY_WT2021[0]);

// pkt 2.1.1 names windows, balcony doors and fixed transparent surfaces;
// a window in an inner wall, an entrance door and an unheated room's window
// are not among them.
const char* const RODZAJE_LATO_WT2021[] = {"okno", "drzwi balkonowe", "okno dachowe"};
const std::size_t LICZBA_RODZAJOW_LATO_WT2021 =
    sizeof(RODZAJE_LATO_WT2021) / sizeof(RODZAJE_LATO_WT2021[0]);

// The regulation's value for "potrójne z powłoką selektywną"; the other
// glazings' values are left out until checked against its text.
const double G_POTROJNE_SELEKTYWNE = 0.5;
