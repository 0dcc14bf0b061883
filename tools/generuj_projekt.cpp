// Writes a generated project file, for benchmarks and trying the CLI:
//   termivo-generuj-projekt WINDOWS OUT.tmv

#include "model/pliki/plikprojektu.h"
#include "tools/generator.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    bool ok = false;
    const int okien = a.size() == 3 ? a[1].toInt(&ok) : 0;
    if (!ok || okien < 0) {
        std::fputs("Usage: termivo-generuj-projekt WINDOWS OUT.tmv\n", stderr);
        return 2;
    }
    TZestawienieStolarki p;
    GenerujProjekt(p, okien);
    return ZapiszProjekt(p, a[2]) == WYNIK_OK ? 0 : 1;
}
