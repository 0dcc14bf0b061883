#include "model/pliki/kodowanie.h"

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

namespace {

// Equivalents the compatibility decomposition does not give in the code page.
const std::pair<char16_t, const char*> ZAMIENNIKI[] = {
    {0x00BD, "1/2"}, {0x00BC, "1/4"}, {0x00BE, "3/4"}, {0x2153, "1/3"},
    {0x2154, "2/3"}, {0x2212, "-"},   {0x2044, "/"},   {0x2215, "/"},
};

bool Zapisywalny(const QString& s) {
    return PierwszyNiezapisywalny(s) < 0;
}

// A character's storable equivalent, or nothing.
QString Zamiennik(const QString& znak) {
    if (znak.size() == 1)
        for (const auto& [kod, zamiennik] : ZAMIENNIKI)
            if (znak[0].unicode() == kod)
                return QString::fromLatin1(zamiennik);
    if (znak.size() == 1 && znak[0].isSpace())
        return QStringLiteral(" ");
    // The compatibility form without its accents: "²" → "2", "à" → "a", "ﬁ" → "fi".
    QString prosty;
    for (QChar c : znak.normalized(QString::NormalizationForm_KD))
        if (c.category() != QChar::Mark_NonSpacing &&
            c.category() != QChar::Mark_SpacingCombining && c.category() != QChar::Mark_Enclosing)
            prosty += c;
    if (prosty.isEmpty() || prosty == znak || !Zapisywalny(prosty))
        return QString();
    for (QChar c : prosty)
        if (!c.isPrint())
            return QString();
    return prosty;
}

} // namespace

TTekstDoPliku DoZapisaniaWPliku(const QString& tekst) {
    TTekstDoPliku wynik;
    const QString zlozony = tekst.normalized(QString::NormalizationForm_C);
    if (Zapisywalny(zlozony)) {
        wynik.tekst = zlozony;
        return wynik;
    }
    wynik.tekst.reserve(zlozony.size());
    for (qsizetype i = 0; i < zlozony.size();) {
        const QString znak = ZnakOd(zlozony, i);
        i += znak.size();
        if (Zapisywalny(znak)) {
            wynik.tekst += znak;
            continue;
        }
        const QString zamiennik = Zamiennik(znak);
        if (zamiennik.isEmpty()) {
            if (!wynik.pominiete.contains(znak))
                wynik.pominiete << znak;
            continue;
        }
        wynik.tekst += zamiennik;
        if (!wynik.zamienione.contains({znak, zamiennik}))
            wynik.zamienione.append({znak, zamiennik});
    }
    return wynik;
}

QString OpisZmianZnakow(const TTekstDoPliku& t) {
    QStringList zdania;
    auto cytaty = [](const QStringList& znaki) {
        QStringList c;
        for (const QString& z : znaki)
            c << QStringLiteral("„%1”").arg(z);
        return c.join(QStringLiteral(", "));
    };
    if (t.pominiete.size() == 1)
        zdania << QStringLiteral("Znaku %1 nie można zapisać w pliku projektu (strona kodowa "
                                 "Windows-1250): pominięto go.")
                      .arg(cytaty(t.pominiete));
    else if (!t.pominiete.isEmpty())
        zdania << QStringLiteral("Znaków %1 nie można zapisać w pliku projektu (strona kodowa "
                                 "Windows-1250): pominięto je.")
                      .arg(cytaty(t.pominiete));
    if (!t.zamienione.isEmpty()) {
        QStringList pary;
        for (const auto& [znak, zamiennik] : t.zamienione)
            pary << QStringLiteral("„%1” na „%2”").arg(znak, zamiennik);
        zdania << QStringLiteral("Zamieniono %1.").arg(pary.join(QStringLiteral(", ")));
    }
    return zdania.join(QLatin1Char(' '));
}
