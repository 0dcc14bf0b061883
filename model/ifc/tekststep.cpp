#include "model/ifc/step.h"

#include <QStringDecoder>

#include <array>

// The characters of a STEP string: its escapes and code pages.

namespace {

// ISO 8859-2, 0xA0 … 0xFF: Polish names in files from Polish offices.
constexpr char16_t LATIN2[96] = {
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164,
    0x0179, 0x00AD, 0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7,
    0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102,
    0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170,
    0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3,
    0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// A character of the upper half of ISO 8859-n.
QString ZnakStronyKodowej(int strona, unsigned char c) {
    if (strona == 1 || c < 0xA0)
        return QString(QChar(c));
    if (strona == 2)
        return QString(QChar(LATIN2[c - 0xA0]));
    const QByteArray nazwa = "ISO-8859-" + QByteArray::number(strona);
    QStringDecoder dekoder(nazwa.constData());
    if (!dekoder.isValid())
        return QString(QChar(c));
    const char znak = static_cast<char>(c);
    return dekoder.decode(QByteArrayView(&znak, 1));
}

int Szesnastkowa(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// n hex digits at `p`, or -1.
int64_t Hex(QByteArrayView t, qsizetype p, int n) {
    if (p + n > t.size())
        return -1;
    int64_t w = 0;
    for (int i = 0; i < n; ++i) {
        const int d = Szesnastkowa(t[p + i]);
        if (d < 0)
            return -1;
        w = w * 16 + d;
    }
    return w;
}

// Plain bytes: ASCII as it is; other bytes as UTF-8 when they are that
// (exporters write it though the standard does not), else ISO 8859-1.
QString ZwykleBajty(QByteArrayView t) {
    bool ascii = true;
    for (char c : t)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        return QString::fromLatin1(t);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = utf8.decode(t);
    return utf8.hasError() ? QString::fromLatin1(t) : s;
}

} // namespace

QString DekodujTekstStep(QByteArrayView t) {
    QString wynik;
    wynik.reserve(t.size());
    int strona = 1;
    qsizetype zwykle = 0; // start of the plain bytes not yet added
    qsizetype i = 0;
    auto dodajZwykle = [&](qsizetype do_) {
        if (do_ > zwykle)
            wynik += ZwykleBajty(t.sliced(zwykle, do_ - zwykle));
    };
    while (i < t.size()) {
        const char c = t[i];
        if (c == '\'' && i + 1 < t.size() && t[i + 1] == '\'') {
            dodajZwykle(i);
            wynik += QLatin1Char('\'');
            i += 2;
            zwykle = i;
            continue;
        }
        if (c != '\\') {
            ++i;
            continue;
        }
        dodajZwykle(i);
        const QByteArrayView reszta = t.sliced(i);
        if (reszta.startsWith("\\\\")) {
            wynik += QLatin1Char('\\');
            i += 2;
        } else if (reszta.startsWith("\\X\\") && Hex(t, i + 3, 2) >= 0) {
            wynik += QChar(static_cast<char16_t>(Hex(t, i + 3, 2)));
            i += 5;
        } else if (reszta.startsWith("\\X2\\") || reszta.startsWith("\\X4\\")) {
            const int cyfr = reszta[2] == '2' ? 4 : 8;
            i += 4;
            while (i < t.size() && !t.sliced(i).startsWith("\\X0\\")) {
                const int64_t kod = Hex(t, i, cyfr);
                if (kod < 0)
                    break;
                if (cyfr == 4)
                    wynik += QChar(static_cast<char16_t>(kod));
                else if (kod <= 0x10FFFF)
                    wynik += QString::fromUcs4(reinterpret_cast<const char32_t*>(&kod), 1);
                i += cyfr;
            }
            if (t.sliced(i).startsWith("\\X0\\"))
                i += 4;
        } else if (reszta.startsWith("\\S\\") && reszta.size() > 3) {
            wynik += ZnakStronyKodowej(strona, static_cast<unsigned char>(reszta[3]) | 0x80);
            i += 4;
        } else if (reszta.size() >= 4 && reszta[1] == 'P' && reszta[3] == '\\' &&
                   reszta[2] >= 'A' && reszta[2] <= 'I') {
            strona = reszta[2] - 'A' + 1;
            i += 4;
        } else {
            wynik += QLatin1Char('\\'); // a lone backslash stands for itself
            ++i;
        }
        zwykle = i;
    }
    dodajZwykle(t.size());
    return wynik;
}
