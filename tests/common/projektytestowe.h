#pragma once

#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"

#include <QString>

#include <functional>

// A project as `zbuduj` makes it, saved to `sciezka`; the path, or an empty
// text when it could not be written.
inline QString ZapiszTestowy(const QString& sciezka,
                             const std::function<void(TZestawienieStolarki&)>& zbuduj) {
    TZestawienieStolarki p;
    zbuduj(p);
    return ZapiszProjekt(p, sciezka) == WYNIK_OK ? sciezka : QString();
}
