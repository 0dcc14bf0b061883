#pragma once

#include "zestawienie.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

// The version of the JSON of summary and check: a script can tell the
// objects of a later program apart.
constexpr int WERSJA_FORMATU_JSON = 2;

// The project as one JSON object (UTF-8), keys named as in the model.
QByteArray PodsumowanieJson(const TZestawienieStolarki& projekt);
// The same, handed to `wypisz` piece by piece as it is made.
void PodsumowanieJson(const TZestawienieStolarki& projekt,
                      const std::function<void(QByteArrayView)>& wypisz);
