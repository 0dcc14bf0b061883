#include "report/raport/czcionki.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

QString DomyslnaCzcionkaRaportu() {
    const QString tahoma = QStringLiteral("Tahoma");
    return QFontDatabase::families().contains(tahoma) ? tahoma
                                                      : QFontInfo(QGuiApplication::font()).family();
}

QStringList RodzinyCzcionek() {
    QStringList rodziny;
    for (QString r : QFontDatabase::families()) {
        // "Nimbus Sans [urw]" and "Nimbus Sans [UKWN]" are one family.
        const qsizetype nawias = r.lastIndexOf(QStringLiteral(" ["));
        if (nawias > 0 && r.endsWith(QLatin1Char(']')))
            r.truncate(nawias);
        if (!rodziny.contains(r))
            rodziny << r;
    }
    return rodziny;
}
