#include "tlumaczenia.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool ZaladujTlumaczeniaQt(QCoreApplication& aplikacja) {
    // The program speaks Polish whatever the user's locale, so are Qt's dialogs.
    auto* tlumacz = new QTranslator(&aplikacja);
    if (!tlumacz->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete tlumacz;
        return false;
    }
    return QCoreApplication::installTranslator(tlumacz);
}
