#include "model/liczby.h"

#include "model/obliczenia/zaokraglenia.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Decimal digits of |x| rounded to `cyfry` significant digits, trailing zeros
// removed, with the decimal exponent of the first digit.
struct Dziesietnie {
    bool ujemna = false;
    std::string cyfry;
    int wykladnik = 0;
};

Dziesietnie Rozloz(double x, int cyfry) {
    char bufor[64];
    const auto wynik =
        std::to_chars(bufor, bufor + sizeof bufor - 1, x, std::chars_format::scientific, cyfry - 1);
    *wynik.ptr = 0;
    Dziesietnie d;
    const char* p = bufor;
    if (*p == '-') {
        d.ujemna = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.cyfry += *p;
    }
    if (*p == 'e')
        d.wykladnik = std::atoi(p + 1);
    while (d.cyfry.size() > 1 && d.cyfry.back() == '0')
        d.cyfry.pop_back();
    return d;
}

QString NieLiczba(double x) {
    if (std::isnan(x))
        return QStringLiteral("NAN");
    return x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
}

QString Wykladniczo(const Dziesietnie& d, const QString& separator) {
    QString s = d.ujemna ? QStringLiteral("-") : QString();
    s += QLatin1Char(d.cyfry[0]);
    if (d.cyfry.size() > 1)
        s += separator + QString::fromLatin1(d.cyfry.c_str() + 1);
    return s + QLatin1Char('E') + QString::number(d.wykladnik);
}

QString ZSeparatorem(const std::string& tekst, const QString& separator) {
    QString s = QString::fromLatin1(tekst.c_str());
    s.replace(QLatin1Char('.'), separator);
    return s;
}

} // namespace

QString TekstOgolny(double x, const QLocale& locale) {
    if (!std::isfinite(x))
        return NieLiczba(x);
    if (x == 0)
        return QStringLiteral("0");
    const QString separator = locale.decimalPoint();
    const Dziesietnie d = Rozloz(x, 15);
    if (d.wykladnik >= 15 || d.wykladnik < -4)
        return Wykladniczo(d, separator);
    std::string s = d.ujemna ? "-" : "";
    const int naCalosc = d.wykladnik + 1;
    if (naCalosc <= 0) {
        s += "0." + std::string(static_cast<std::size_t>(-naCalosc), '0') + d.cyfry;
    } else {
        const auto n = static_cast<std::size_t>(naCalosc);
        if (d.cyfry.size() <= n) {
            s += d.cyfry + std::string(n - d.cyfry.size(), '0');
        } else {
            s += d.cyfry.substr(0, n) + "." + d.cyfry.substr(n);
        }
    }
    return ZSeparatorem(s, separator);
}

QString TekstStaly(double x, int p, int d, const QLocale& locale) {
    if (!std::isfinite(x))
        return NieLiczba(x);
    p = std::clamp(p, 1, 18);
    d = std::clamp(d, 0, 18);
    const QString separator = locale.decimalPoint();
    const Dziesietnie r = Rozloz(x, p);
    const int naCalosc = r.wykladnik + 1;
    if (naCalosc > p)
        return Wykladniczo(r, separator);
    const int dokladnosc = std::min(d, p - std::max(naCalosc, 0));
    // Rounded as the calculations round what they judge, whatever the
    // process's C locale says.
    std::string s = CyfryZaokraglone(x, std::max(dokladnosc, 0)).value_or("0");
    if (d > dokladnosc) {
        if (dokladnosc <= 0)
            s += '.';
        s.append(static_cast<std::size_t>(d - std::max(dokladnosc, 0)), '0');
    }
    if (s[0] == '-' && s.find_first_of("123456789") == std::string::npos)
        s.erase(0, 1);
    return ZSeparatorem(s, separator);
}

QString TekstSetnych(double x, const QLocale& locale) {
    if (!std::isfinite(x))
        return NieLiczba(x);
    // Hundredths by the program's rule; beyond the decimals a double keeps,
    // every digit it has before the point (up to 309).
    std::string s;
    if (const std::optional<std::string> setne = CyfrySetnych(x)) {
        s = *setne;
    } else {
        char bufor[400];
        const auto w =
            std::to_chars(bufor, bufor + sizeof bufor - 1, x, std::chars_format::fixed, 2);
        s.assign(bufor, w.ptr);
    }
    if (s[0] == '-' && s.find_first_of("123456789") == std::string::npos)
        s.erase(0, 1);
    return ZSeparatorem(s, locale.decimalPoint());
}

namespace {

// The number in `bufor` (n ASCII characters, separators already made '.').
bool ZBufora(const char* bufor, std::size_t n, double* wynik) {
    const char* poczatek = bufor;
    // from_chars takes a minus but no plus.
    if (n > 1 && *poczatek == '+' && bufor[1] != '-')
        ++poczatek;
    double x = 0;
    const auto [koniec, blad] = std::from_chars(poczatek, bufor + n, x);
    if (blad != std::errc() || koniec != bufor + n || !std::isfinite(x))
        return false;
    *wynik = x;
    return true;
}

constexpr std::size_t MAX_DLUGOSC_LICZBY = 63;

// One character of a number, '.' for a separator; 0 for anything else.
inline char16_t Kod(QChar c) {
    return c.unicode();
}
inline char16_t Kod(char c) {
    return static_cast<char16_t>(static_cast<unsigned char>(c));
}

// The blanks Polish writes between groups of digits ("1 200"): a space,
// a no-break space or a narrow one.
inline bool OdstepGrupy(char16_t c) {
    return c == u' ' || c == u'\u00a0' || c == u'\u202f' || c == u'\u2009';
}

inline char ZnakLiczby(char16_t c, char16_t wlasny) {
    if (c == u',' || c == u'.' || c == wlasny)
        return '.';
    if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'e' || c == u'E')
        return static_cast<char>(c);
    if (OdstepGrupy(c))
        return ' ';
    return 0; // letters, other blanks, thousands separators
}

// Blanks stand only between groups of the integer part: one to three
// digits, then groups of exactly three ("1 200", "12 345 678,5"); they are
// dropped. False for a blank anywhere else ("12 00", "1 2", "1,2 3").
bool BezOdstepowGrup(char* bufor, std::size_t* n) {
    std::size_t i = 0;
    if (i < *n && (bufor[i] == '+' || bufor[i] == '-'))
        ++i;
    std::size_t cyfr = 0;
    while (i + cyfr < *n && bufor[i + cyfr] >= '0' && bufor[i + cyfr] <= '9')
        ++cyfr;
    if (cyfr < 1 || cyfr > 3)
        return false;
    std::size_t j = i + cyfr; // where the next group's blank stands
    std::size_t pisz = j;
    while (j < *n && bufor[j] == ' ') {
        for (std::size_t k = 1; k <= 3; ++k) {
            if (j + k >= *n || bufor[j + k] < '0' || bufor[j + k] > '9')
                return false;
        }
        if (j + 4 < *n && bufor[j + 4] >= '0' && bufor[j + 4] <= '9')
            return false;
        for (std::size_t k = 1; k <= 3; ++k)
            bufor[pisz++] = bufor[j + k];
        j += 4;
    }
    for (; j < *n; ++j) {
        if (bufor[j] == ' ')
            return false;
        bufor[pisz++] = bufor[j];
    }
    *n = pisz;
    return true;
}

template <typename Tekst> bool Czytaj(const Tekst& tekst, char16_t wlasny, double* wynik) {
    if (tekst.isEmpty() || static_cast<std::size_t>(tekst.size()) > MAX_DLUGOSC_LICZBY)
        return false;
    char bufor[MAX_DLUGOSC_LICZBY + 1];
    std::size_t n = 0;
    int separatorow = 0;
    bool odstepy = false;
    for (auto c : tekst) {
        const char z = ZnakLiczby(Kod(c), wlasny);
        if (z == 0)
            return false;
        separatorow += z == '.';
        odstepy = odstepy || z == ' ';
        bufor[n++] = z;
    }
    if (odstepy && !BezOdstepowGrup(bufor, &n))
        return false;
    return separatorow <= 1 && ZBufora(bufor, n, wynik);
}

char16_t WlasnySeparator(const QLocale& locale) {
    const QString s = locale.decimalPoint();
    return s.size() == 1 ? s.front().unicode() : u'.';
}

} // namespace

bool CzytajLiczbe(QStringView tekst, double* wynik, const QLocale& locale) {
    return Czytaj(tekst.trimmed(), WlasnySeparator(locale), wynik);
}

bool CzytajLiczbe(QByteArrayView ascii, double* wynik) {
    const QByteArrayView t = ascii.trimmed();
    for (char c : t) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return Czytaj(t, u'.', wynik);
}

namespace {

bool Calkowita(bool liczba, double x, int64_t* wynik, int64_t lo, int64_t hi) {
    // 2^63 is the first double past INT64_MAX.
    if (!liczba || x != std::trunc(x) || x < -9223372036854775808.0 || x >= 9223372036854775808.0)
        return false;
    const auto n = static_cast<int64_t>(x);
    if (n < lo || n > hi)
        return false;
    *wynik = n;
    return true;
}

} // namespace

bool CzytajCalkowita(QStringView tekst, int64_t* wynik, int64_t lo, int64_t hi) {
    double x = 0;
    const bool liczba = CzytajLiczbe(tekst, &x);
    return Calkowita(liczba, x, wynik, lo, hi);
}

bool CzytajCalkowita(QByteArrayView ascii, int64_t* wynik, int64_t lo, int64_t hi) {
    double x = 0;
    const bool liczba = CzytajLiczbe(ascii, &x);
    return Calkowita(liczba, x, wynik, lo, hi);
}

double LiczbaZTekstu(QStringView tekst, const QLocale& locale) {
    double x = 0;
    return CzytajLiczbe(tekst, &x, locale) ? x : 0.0;
}

QString TekstDaty(const QDate& data, const QLocale& locale) {
    if (locale.language() == QLocale::Polish)
        return data.toString(QStringLiteral("yyyy-MM-dd"));
    return locale.toString(data, QLocale::ShortFormat);
}
