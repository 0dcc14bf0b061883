#include "wspolne.h"

#include "plikprojektu.h"
#include "zestawienie.h"

#include <cstdio>

void Blad(const QString& tresc) {
    std::fprintf(stderr, "%s\n", tresc.toUtf8().constData());
}

bool WczytajLubZglos(TZestawienieStolarki& projekt, const QString& sciezka) {
    if (WczytajProjekt(projekt, sciezka) == WYNIK_OK)
        return true;
    Blad(KOMUNIKAT_BLAD_ODCZYTU);
    return false;
}
