#include "kodowanie.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char* nazwaKodowania = "windows-1250";

bool TylkoAscii(QByteArrayView b) {
    for (char c : b) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

bool Cp1250Dostepne() {
    return QStringEncoder(nazwaKodowania).isValid() && QStringDecoder(nazwaKodowania).isValid();
}

QByteArray DoCp1250(const QString& s) {
    // One converter for all calls: sorting encodes every symbol.
    thread_local QStringEncoder koder(nazwaKodowania, QStringConverter::Flag::Stateless);
    if (!koder.isValid())
        return s.toLatin1();
    return koder.encode(s);
}

QString ZCp1250(QByteArrayView b) {
    // Most values are plain ASCII, where the code page changes nothing.
    if (TylkoAscii(b))
        return QString::fromLatin1(b);
    thread_local QStringDecoder dekoder(nazwaKodowania, QStringConverter::Flag::Stateless);
    if (!dekoder.isValid())
        return QString::fromLatin1(b);
    return dekoder.decode(b);
}
