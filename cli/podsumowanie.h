#pragma once

#include "model/zestawienie.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

class TJson;

// The version of the JSON of summary, check and orientations: a script can
// tell the objects of a later program apart. 3: the same keys with the same
// values in summary and check, Uw without the shutter judged by WT 2021.
constexpr int WERSJA_FORMATU_JSON = 3;

// What is computed of a window, under the same keys in summary and check:
// Uw (with the shutter's dR, not rounded), UwPokazane (the same to two
// decimals), UwBezRolety and UwOceniane (the window alone, what WT 2021
// judges), BrakUw (why there is none), Umax, WT2021 and WT2021Lato; all
// null where there is nothing.
void WynikiOknaJson(TJson& j, const TZestawienieStolarki& projekt, const TOkno& okno);
// The project's verdicts: WT2021 {Spelnia, NieSpelnia, BezDanych (lists of
// symbols), LiczbaNieSpelnia, LiczbaBezDanych} and WT2021Lato {Spelnia,
// NieSpelnia, BezDanych}.
struct TZgodnoscWT;
TZgodnoscWT ZgodnoscJson(TJson& j, const TZestawienieStolarki& projekt);
// The project's method of Uw: MetodaUw (0 or 1) and MetodaUwNazwa.
void MetodaUwJson(TJson& j, const TZestawienieStolarki& projekt);

// The project as one JSON object (UTF-8), keys named as in the model.
QByteArray PodsumowanieJson(const TZestawienieStolarki& projekt);
// The same, handed to `wypisz` piece by piece as it is made.
void PodsumowanieJson(const TZestawienieStolarki& projekt,
                      const std::function<void(QByteArrayView)>& wypisz);
