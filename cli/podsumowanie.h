#pragma once

#include "zestawienie.h"

#include <QByteArray>

// The project as one JSON object (UTF-8), keys named as in the model.
QByteArray PodsumowanieJson(TZestawienieStolarki& projekt);
