#include "cli/json.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstring>

void TJson::PoczatekObiektu() {
    PrzedWartoscia();
    Dolacz('{');
    pierwszy_.push_back(true);
}

void TJson::KoniecObiektu() {
    pierwszy_.pop_back();
    Dolacz('}');
}

void TJson::PoczatekTablicy() {
    PrzedWartoscia();
    Dolacz('[');
    pierwszy_.push_back(true);
}

void TJson::KoniecTablicy() {
    pierwszy_.pop_back();
    Dolacz(']');
}

void TJson::Klucz(const QString& nazwa) {
    PrzedWartoscia();
    DopiszTekst(nazwa);
    Dolacz(':');
    poKluczu_ = true;
}

void TJson::Klucz(QLatin1String nazwa) {
    PrzedWartoscia();
    const std::size_t poczatek = wynik_.size();
    const auto n = static_cast<std::size_t>(nazwa.size());
    wynik_.resize(poczatek + n + 3);
    char* p = wynik_.data() + poczatek;
    *p = '"';
    std::memcpy(p + 1, nazwa.data(), n);
    p[n + 1] = '"';
    p[n + 2] = ':';
    poKluczu_ = true;
}

void TJson::Tekst(const QString& s) {
    PrzedWartoscia();
    DopiszTekst(s);
}

void TJson::Nazwa(const QString& s) {
    PrzedWartoscia();
    // Keyed by the text itself: a name is found whatever string holds it.
    auto it = nazwy_.find(s);
    if (it == nazwy_.end()) {
        TJson j;
        j.DopiszTekst(s);
        it = nazwy_.insert(s, j.Wynik());
    }
    Dolacz(it->constData(), it->size());
}

void TJson::DopiszTekst(const QString& s) {
    // Straight into UTF-8, escaping what JSON requires: room for the worst
    // case first (six bytes a character), the rest given back at the end.
    static const char szesnastkowe[] = "0123456789abcdef";
    const std::size_t poczatek = wynik_.size();
    wynik_.resize(poczatek + static_cast<std::size_t>(s.size()) * 6 + 2);
    char* w = wynik_.data() + poczatek;
    *w++ = '"';
    const char16_t* p = reinterpret_cast<const char16_t*>(s.utf16());
    const char16_t* koniec = p + s.size();
    while (p < koniec) {
        const char16_t u = *p++;
        if (u >= 0x20 && u < 0x80 && u != u'"' && u != u'\\') {
            *w++ = static_cast<char>(u);
        } else if (u == u'"' || u == u'\\') {
            *w++ = '\\';
            *w++ = static_cast<char>(u);
        } else if (u == u'\n' || u == u'\r' || u == u'\t') {
            *w++ = '\\';
            *w++ = u == u'\n' ? 'n' : u == u'\r' ? 'r' : 't';
        } else if (u < 0x20) {
            for (char c : {'\\', 'u', '0', '0', szesnastkowe[u >> 4], szesnastkowe[u & 15]})
                *w++ = c;
        } else {
            char32_t c = u;
            // A pair of surrogates is one character; a lone one is written as
            // the replacement character, as toUtf8 would.
            if (u >= 0xD800 && u < 0xDC00 && p < koniec && *p >= 0xDC00 && *p < 0xE000)
                c = 0x10000 + ((u - 0xD800) << 10) + (*p++ - 0xDC00);
            else if (u >= 0xD800 && u < 0xE000)
                c = 0xFFFD;
            if (c < 0x800) {
                *w++ = static_cast<char>(0xC0 | (c >> 6));
            } else if (c < 0x10000) {
                *w++ = static_cast<char>(0xE0 | (c >> 12));
                *w++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            } else {
                *w++ = static_cast<char>(0xF0 | (c >> 18));
                *w++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
                *w++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            }
            *w++ = static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    *w++ = '"';
    wynik_.resize(static_cast<std::size_t>(w - wynik_.data()));
}

void TJson::Liczba(double x) {
    if (!std::isfinite(x)) {
        Null();
        return;
    }
    PrzedWartoscia();
    // Whole numbers below 10^5, as most lengths and counts are, as integers:
    // the same shortest text (no exponent is shorter), at a fraction of the
    // work.
    if (std::fabs(x) < 1e5 && x == std::trunc(x) && !(x == 0 && std::signbit(x))) {
        Calkowita(static_cast<qint64>(x), false);
        return;
    }
    // The shortest text that reads back as the same double.
    char bufor[32];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, x);
    Dolacz(bufor, wynik.ptr - bufor);
}

void TJson::Calkowita(qint64 n, bool wartosc) {
    if (wartosc)
        PrzedWartoscia();
    char bufor[24];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, n);
    Dolacz(bufor, wynik.ptr - bufor);
}

void TJson::Logiczna(bool b) {
    PrzedWartoscia();
    Dolacz(b ? "true" : "false", b ? 4 : 5);
}

void TJson::Null() {
    PrzedWartoscia();
    Dolacz("null", 4);
}
