// libFuzzer target: any bytes as a building model to import. Reading must
// neither crash nor hang nor take memory beyond a small multiple of the
// bytes, and a model read makes a project.

#include "model/ifc/importifc.h"
#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/srednie.h"
#include "model/zestawienie.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    const QByteArray bajty(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    TModelIfc model;
    QString powod;
    if (!CzytajModelIfc(bajty, &model, &powod))
        return 0;
    TZestawienieStolarki projekt;
    UtworzProjektZIfc(model, TOpcjeImportuIfc(), projekt);
    USrednie(projekt);
    SumyCen(projekt);
    return 0;
}
