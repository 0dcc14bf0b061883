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

bool TylkoAscii(const QString& s) {
    for (QChar c : s) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

QStringEncoder& Koder() {
    // One converter for all calls: sorting encodes every symbol.
    thread_local QStringEncoder koder(nazwaKodowania, QStringConverter::Flag::Stateless);
    return koder;
}

QStringDecoder& Dekoder() {
    thread_local QStringDecoder dekoder(nazwaKodowania, QStringConverter::Flag::Stateless);
    return dekoder;
}

} // namespace

bool Cp1250Dostepne() {
    return Koder().isValid() && Dekoder().isValid();
}

QByteArray DoCp1250(const QString& s) {
    if (TylkoAscii(s))
        return s.toLatin1();
    if (!Koder().isValid())
        return QByteArray();
    return Koder().encode(s);
}

QString ZCp1250(QByteArrayView b) {
    // Most values are plain ASCII, where the code page changes nothing.
    if (TylkoAscii(b))
        return QString::fromLatin1(b);
    if (!Dekoder().isValid())
        return QString();
    return Dekoder().decode(b);
}

QString ZnakOd(const QString& s, qsizetype i) {
    if (i < 0 || i >= s.size())
        return QString();
    const qsizetype n = s[i].isHighSurrogate() && i + 1 < s.size() ? 2 : 1;
    return s.mid(i, n);
}

qsizetype PierwszyNiezapisywalny(const QString& s) {
    if (TylkoAscii(s))
        return -1;
    if (!Cp1250Dostepne())
        return 0;
    if (ZCp1250(DoCp1250(s)) == s)
        return -1;
    // Character by character only for a text that does not survive whole.
    for (qsizetype i = 0; i < s.size();) {
        const QString znak = ZnakOd(s, i);
        if (znak.front().unicode() >= 0x80 && ZCp1250(DoCp1250(znak)) != znak)
            return i;
        i += znak.size();
    }
    return -1;
}
