#include "app/czcionki.h"

#include <QFile>
#include <QFontDatabase>

bool ZarejestrujTahome() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return true;
    // Debian's fonts-wine: a free Tahoma with the metrics of the original,
    // which fontconfig does not list by itself.
    bool jest = false;
    for (const char* plik :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        if (QFile::exists(QLatin1String(plik)))
            jest = QFontDatabase::addApplicationFont(QLatin1String(plik)) >= 0 || jest;
    return jest && QFontDatabase::families().contains(QStringLiteral("Tahoma"));
}
