#include "liczby.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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
    std::snprintf(bufor, sizeof bufor, "%.*e", cyfry - 1, x);
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

double ZaokraglijDoSetnych(double x) {
    return std::nearbyint(x / 0.01) * 0.01;
}

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
    char bufor[128];
    std::snprintf(bufor, sizeof bufor, "%.*f", std::max(dokladnosc, 0), x);
    std::string s = bufor;
    if (d > dokladnosc) {
        if (dokladnosc <= 0)
            s += '.';
        s.append(static_cast<std::size_t>(d - std::max(dokladnosc, 0)), '0');
    }
    if (s[0] == '-' && s.find_first_of("123456789") == std::string::npos)
        s.erase(0, 1);
    return ZSeparatorem(s, separator);
}
