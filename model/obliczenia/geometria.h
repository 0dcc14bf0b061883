#pragma once

#include <cstdint>
#include <optional>

class TOkno;

// Lengths and areas of a window. Every length is a real number of
// millimetres, taken as it is: 1230,5 mm is 1230,5 mm here, whatever a field
// shows of it.

// The area of one piece in m²: W · H / 10^6, a round window's π/4 · W · H
// / 10^6 (the circle or ellipse inscribed).
double PoleOkna(double szerokosc, double wysokosc);
double PoleOkna(const TOkno& okno);
// The perimeter of one piece in m: 2 (W + H) / 1000, a round window's its
// circle's or ellipse's.
double ObwodOkna(const TOkno& okno);

// The glazing edge length in mm by the Lg rule of the window type (the
// profile d on every outer edge and between sashes), summed exactly as real
// numbers; nothing for a type without a rule. It is below 0 where the
// profiles leave no glass.
std::optional<double> DlugoscKrawedziSzyb(int32_t typ, double szerokosc, double wysokosc, double d);
// The glass edge length in mm the window's own geometry gives: the Lg rule
// where every profile is d wide and every sash glazed, else the edges of the
// glazed sashes with the mullions as wide as they are. Nothing for a type
// without sash cells.
std::optional<double> KrawedzSzybOkna(const TOkno& okno);
// Lg as the calculations take it: the one typed (0 or more), else the
// geometry's (above).
std::optional<double> LgOkna(const TOkno& okno);

// A window's glass, panels and frame as its geometry makes them: the outer
// frame d on each outer edge, a mullion or transom of its own width between
// neighbouring sashes (d where it has none: what the Lg rule measures).
// Areas in m², edges in mm.
struct TGeometriaOkna {
    double aw = 0;      // the whole window
    double ag = 0;      // the visible glass of the glazed sashes
    double ap = 0;      // the opaque panels
    double af = 0;      // the frame: aw − ag − ap
    double obwod = 0;   // the glass edges together
    double obwodP = 0;  // the panels' edges together
    bool znana = false; // the type has sash cells
    bool szyby = false; // every sash keeps some room (the profiles leave it)
    int komorek = 0;    // sashes of the type
};
// `plyciny`: bit i set where sash i is a panel; `dSlupka` the width between
// sashes.
TGeometriaOkna GeometriaOkna(int32_t typ, double szerokosc, double wysokosc, double d,
                             double dSlupka, unsigned plyciny = 0);
inline TGeometriaOkna GeometriaOkna(int32_t typ, double szerokosc, double wysokosc, double d) {
    return GeometriaOkna(typ, szerokosc, wysokosc, d, d);
}
TGeometriaOkna GeometriaOkna(const TOkno& okno);
// The window's sashes that are panels, as the bits above (the type's
// sashes only).
unsigned PlycinyOkna(const TOkno& okno);
// Every sash of the window's type is a panel.
bool TylkoPlyciny(const TOkno& okno);
