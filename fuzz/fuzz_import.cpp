// libFuzzer target: any bytes as an Arvo-K project to import. The import
// must neither crash nor hang, whatever counts the file claims.

#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/srednie.h"
#include "model/pliki/importavk.h"
#include "model/powiadomienia.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    static TOdbiorcaPowiadomien cisza([](const TKomunikat&) {});
    const QByteArray bajty(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    TZestawienieStolarki projekt;
    projekt.SetParter(true);
    ImportujArvoK(projekt, bajty, QLocale(QLocale::Polish, QLocale::Poland));
    USrednie(projekt);
    SumyCen(projekt);
    return 0;
}
