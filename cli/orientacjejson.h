#pragma once

#include "model/obliczenia/orientacje.h"

#include <QByteArray>

// The windows by storey and direction as one JSON object (UTF-8): pieces,
// area and mean Uw (null where there is no area) of every cell.
QByteArray OrientacjeJson(const TZestawienieStron& z);
