// libFuzzer target: any bytes as a project file. The reader must neither
// crash nor hang nor exhaust memory, and what it loads must save again.

#include "plikprojektu.h"
#include "powiadomienia.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    static TOdbiorcaPowiadomien cisza([](const TKomunikat&) {});
    const QByteArray bajty(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    TZestawienieStolarki projekt;
    WczytajProjektZBajtow(projekt, bajty, QLocale(QLocale::Polish, QLocale::Poland));
    projekt.USrednie();
    projekt.PowierzchniaOkien();
    projekt.SortBySymbol();
    return 0;
}
