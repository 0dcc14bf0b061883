#pragma once

#include <cstdint>

// Suggestions the window editor derives from other fields.

// The editor's suggestion of Lg: the Lg rule (DlugoscKrawedziSzyb) of the
// lengths as they are, in whole millimetres, a half to the even one; false
// for a type without a rule.
bool PodpowiedzLg(int32_t typ, double w, double h, double d, int64_t* lg);
// The same of the window's own glass edge (KrawedzSzybOkna): its mullions'
// width and its panels taken.
class TOkno;
bool PodpowiedzLg(const TOkno& okno, int64_t* lg);

// The widest trickle vent that fits n vents into the window between its
// profiles: trunc(W − 2d) div n, never below 0 (a window narrower than two
// profile widths takes no vent). 0 for n < 1.
int64_t MaksSzerokoscNawiewnika(double w, double d, int n);

// The vent rule: a width of 0 (or less) or above the maximum becomes the
// maximum; a smaller positive width stays; no vents, no width.
int64_t RegulaNawiewnika(double w, double d, int n, int64_t szerokosc);
