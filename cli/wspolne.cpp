#include "cli/wspolne.h"

#include "model/projekt/projektotwarty.h"

#include <QDir>

#include <cstdio>

void Blad(const QString& tresc) {
    std::fprintf(stderr, "%s\n", tresc.toUtf8().constData());
}

namespace {
QString& Powod() {
    static QString powod;
    return powod;
}
} // namespace

int ZleUzycie(const QString& powod) {
    Powod() = powod;
    return KOD_ZLE_UZYCIE;
}

QString PowodZlegoUzycia() {
    return Powod();
}

bool OtworzLubZglos(TProjektOtwarty& projekt, const QString& sciezka) {
    const TWynikPliku w = projekt.Otworz(sciezka);
    if (w.Ok())
        return true;
    // The file named always, with why where the reader said it.
    const QString plik = QDir::toNativeSeparators(sciezka);
    Blad(w.powod.isEmpty() ? KOMUNIKAT_BLAD_ODCZYTU + QStringLiteral(" %1").arg(plik)
                           : KOMUNIKAT_BLAD_ODCZYTU + QStringLiteral(" %1: %2").arg(plik, w.powod));
    return false;
}

int KodPoOdczycie(const TProjektOtwarty& projekt, int kod) {
    if (kod == KOD_BLAD || kod == KOD_ZLE_UZYCIE)
        return kod;
    return projekt.Odczyt().Ostrzezenie() ? KOD_USZKODZONY : kod;
}
