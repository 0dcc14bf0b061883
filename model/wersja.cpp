#include "model/wersja.h"

#include "wersja_cmake.h"

QString WersjaProgramu() {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(TERMIVO_WERSJA_MAJOR)
        .arg(TERMIVO_WERSJA_MINOR)
        .arg(TERMIVO_WERSJA_RELEASE)
        .arg(TERMIVO_WERSJA_BUILD);
}
