#pragma once

#include <cstdint>

// How Uw is worked out: the glazed share estimated from the window's area
// by a power law of its type family, or measured from its geometry (the
// sashes' cells and the profile width d) by PN-EN ISO 10077-1.
enum class TMetodaUw : int32_t { Szacunkowa = 0, Geometryczna = 1 };

// A window's glass and frame as its geometry makes them: the outer frame d
// on each outer edge, one d between neighbouring sashes (what the Lg
// suggestion measures too). Areas in m², the glass edge in mm.
struct TGeometriaOkna {
    double aw = 0;      // the whole window
    double ag = 0;      // the visible glass of every sash
    double af = 0;      // the frame: aw − ag
    double obwod = 0;   // the glass edges together
    bool znana = false; // the type has sash cells
    bool szyby = false; // every sash keeps some glass (d leaves room)
};
TGeometriaOkna GeometriaOkna(int32_t typ, double szerokosc, double wysokosc, double d);
