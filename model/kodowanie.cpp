#include "kodowanie.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <unordered_map>

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

// The upper half of the code page, taken once from the platform's converter:
// every later text is converted by table, without a call into it.
struct TStronaKodowa {
    bool dostepna = false;
    std::array<char16_t, 128> znak{};                 // byte 0x80 + i -> character
    std::unordered_map<char16_t, unsigned char> bajt; // character -> byte
};

const TStronaKodowa& Strona() {
    static const TStronaKodowa strona = [] {
        TStronaKodowa s;
        QStringDecoder dekoder(nazwaKodowania, QStringConverter::Flag::Stateless);
        QStringEncoder koder(nazwaKodowania, QStringConverter::Flag::Stateless);
        if (!dekoder.isValid() || !koder.isValid())
            return s;
        for (int i = 0; i < 128; ++i) {
            const char b = static_cast<char>(0x80 + i);
            const QString z = dekoder.decode(QByteArrayView(&b, 1));
            s.znak[static_cast<std::size_t>(i)] = z.size() == 1 ? z[0].unicode() : u'\uFFFD';
            // Only what comes back as the same byte can be stored.
            if (z.size() == 1 && koder.encode(z) == QByteArray(1, b))
                s.bajt.emplace(z[0].unicode(), static_cast<unsigned char>(b));
        }
        s.dostepna = true;
        return s;
    }();
    return strona;
}

} // namespace

bool Cp1250Dostepne() {
    return Strona().dostepna;
}

QByteArray DoCp1250(const QString& s) {
    if (TylkoAscii(s))
        return s.toLatin1();
    const TStronaKodowa& strona = Strona();
    if (!strona.dostepna)
        return QByteArray();
    QByteArray wynik(s.size(), Qt::Uninitialized);
    char* p = wynik.data();
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *p++ = static_cast<char>(u);
        } else {
            const auto it = strona.bajt.find(u);
            *p++ = it == strona.bajt.end() ? '?' : static_cast<char>(it->second);
        }
    }
    return wynik;
}

QString ZCp1250(QByteArrayView b) {
    // Most values are plain ASCII, where the code page changes nothing.
    if (TylkoAscii(b))
        return QString::fromLatin1(b);
    const TStronaKodowa& strona = Strona();
    if (!strona.dostepna)
        return QString();
    QString wynik(b.size(), Qt::Uninitialized);
    QChar* p = wynik.data();
    for (char c : b) {
        const auto u = static_cast<unsigned char>(c);
        *p++ = QChar(u < 0x80 ? char16_t(u) : strona.znak[u - 0x80u]);
    }
    return wynik;
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
    const TStronaKodowa& strona = Strona();
    if (!strona.dostepna)
        return 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t u = s[i].unicode();
        if (u >= 0x80 && strona.bajt.find(u) == strona.bajt.end())
            return i;
    }
    return -1;
}
