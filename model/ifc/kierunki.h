#pragma once

#include "model/ifc/wektory.h"

#include <QVector>

#include <utility>

struct TModelIfc;

// Which way a model's windows face: outwards from the building, and the
// compass direction of that.

// Turns each window's normal outwards: away from the middle of its storey's
// walls and windows (of the whole building where the storey has too few),
// since exporters disagree on the sign of a window's Y axis. Roof windows
// face up. `sciany`: the storey (index, -1 for none) and place of each wall.
void ZwrocNaZewnatrz(TModelIfc& model, const QVector<std::pair<int, W3>>& sciany);

// The compass direction (0 N … 7 NW) of a horizontal normal, true north
// being `polnoc` degrees counterclockwise from the model's +Y axis.
int KierunekNormalnej(const std::array<double, 3>& normalna, double polnoc);
// The same as an azimuth, degrees clockwise from north in [0, 360).
double Azymut(const std::array<double, 3>& normalna, double polnoc);
