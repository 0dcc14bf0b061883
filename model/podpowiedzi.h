#pragma once

#include <cstdint>

// Suggestions the window editor derives from other fields.

// The total length of the glazing edges in mm for a window type, outer
// width and height and profile width d (all whole millimetres); false for a
// type without a rule. Rows with a division are summed term by term in
// extended precision and rounded to the nearest integer, a half to even.
bool PodpowiedzLg(int32_t typ, int64_t w, int64_t h, int64_t d, int64_t* lg);

// The widest trickle vent that fits n vents into the window between its
// profiles: trunc(W − 2d) div n, never below 0 (a window narrower than two
// profile widths takes no vent). 0 for n < 1.
int64_t MaksSzerokoscNawiewnika(double w, double d, int n);

// The vent rule: a width of 0 (or less) or above the maximum becomes the
// maximum; a smaller positive width stays; no vents, no width.
int64_t RegulaNawiewnika(double w, double d, int n, int64_t szerokosc);
