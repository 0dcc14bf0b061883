#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class TOkno;
class TZestawienieStolarki;

// Thermal transmittance Uw of a window by PN-EN ISO 10077-1.

// How Uw is worked out: the glazed share estimated from the window's area
// by a power law of its type family, or measured from its geometry (the
// sashes' cells and the profile width d).
enum class TMetodaUw : int32_t { Szacunkowa = 0, Geometryczna = 1 };

// The terms a Uw is made of, for a hand check: Uw = (Ag·Ug + Ap·Up + Af·Uf
// + lg·Psi_g + lp·Psi_p) / Aw, then the shutter.
struct TSkladnikiUw {
    double aw = 0;          // m², the whole window
    double ag = 0;          // m², the glass (the estimate: f · Aw)
    double ap = 0;          // m², the opaque panels
    double af = 0;          // m², the frame
    double lg = 0;          // m, the glass edge
    double lp = 0;          // m, the panels' edge
    double slupek = 0;      // mm, the mullions' width taken (geometry, 2 sashes or more)
    bool lgWpisane = false; // the Lg typed for the window, not the geometry's
};

struct TUw {
    // The window with its shutter's dR (Uw = U0 / (U0·dR + 1)); the window
    // alone where there is no shutter. What the editor, the report and Uśr
    // show.
    std::optional<double> uw;
    // The window alone, without the shutter: what WT 2021 judges.
    std::optional<double> uwOkna;
    // Why there is none, in the user's words ("d = 0: brak ramy").
    QString brak;
    TSkladnikiUw skladniki;
    bool zRoleta = false; // dR > 0: the two values differ
};

// Both values exist or neither does: a window without its data, with a
// value outside its range, or a result that is no physical value (not
// finite, not above 0, above 20 W/m²K) has none.
TUw ObliczUw(const TOkno& okno, TMetodaUw metoda);
// By the project's method.
TUw ObliczUw(const TOkno& okno, const TZestawienieStolarki& projekt);
