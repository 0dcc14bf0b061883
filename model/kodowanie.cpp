#include "kodowanie.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* nazwaKodowania = "windows-1250";
}

bool Cp1250Dostepne() {
    return QStringEncoder(nazwaKodowania).isValid() && QStringDecoder(nazwaKodowania).isValid();
}

QByteArray DoCp1250(const QString& s) {
    QStringEncoder koder(nazwaKodowania, QStringConverter::Flag::Stateless);
    if (!koder.isValid())
        return s.toLatin1();
    return koder.encode(s);
}

QString ZCp1250(const QByteArray& b) {
    QStringDecoder dekoder(nazwaKodowania, QStringConverter::Flag::Stateless);
    if (!dekoder.isValid())
        return QString::fromLatin1(b);
    return dekoder.decode(b);
}
