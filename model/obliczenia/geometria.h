#pragma once

#include <cstdint>
#include <optional>

class TOkno;

// Lengths and areas of a window. Every length is a real number of
// millimetres, taken as it is: 1230,5 mm is 1230,5 mm here, whatever a field
// shows of it.

// The area of one piece in m²: W · H / 10^6.
double PoleOkna(double szerokosc, double wysokosc);
double PoleOkna(const TOkno& okno);
// The perimeter of one piece in m: 2 (W + H) / 1000.
double ObwodOkna(const TOkno& okno);

// The glazing edge length in mm by the Lg rule of the window type (the
// profile d on every outer edge and between sashes), summed exactly as real
// numbers; nothing for a type without a rule. It is below 0 where the
// profiles leave no glass.
std::optional<double> DlugoscKrawedziSzyb(int32_t typ, double szerokosc, double wysokosc, double d);
// Lg as the calculations take it: the one typed (0 or more), else the rule's
// (nothing for a type without a rule).
std::optional<double> LgOkna(const TOkno& okno);

// A window's glass and frame as its geometry makes them: the outer frame d
// on each outer edge, one d between neighbouring sashes (what the Lg rule
// measures too). Areas in m², the glass edge in mm.
struct TGeometriaOkna {
    double aw = 0;      // the whole window
    double ag = 0;      // the visible glass of every sash
    double af = 0;      // the frame: aw − ag
    double obwod = 0;   // the glass edges together
    bool znana = false; // the type has sash cells
    bool szyby = false; // every sash keeps some glass (d leaves room)
};
TGeometriaOkna GeometriaOkna(int32_t typ, double szerokosc, double wysokosc, double d);
