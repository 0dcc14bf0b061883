#include "json.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstring>

void TJson::Dolacz(const char* dane, qsizetype n) {
    wynik_.append(dane, static_cast<std::size_t>(n));
}

void TJson::Dolacz(char c) {
    wynik_.push_back(c);
}

void TJson::PrzedWartoscia() {
    if (poKluczu_) {
        poKluczu_ = false;
        return;
    }
    if (!pierwszy_.isEmpty()) {
        if (!pierwszy_.last())
            Dolacz(',');
        pierwszy_.last() = false;
    }
}

void TJson::PoczatekObiektu() {
    PrzedWartoscia();
    Dolacz('{');
    pierwszy_.append(true);
}

void TJson::KoniecObiektu() {
    pierwszy_.removeLast();
    Dolacz('}');
}

void TJson::PoczatekTablicy() {
    PrzedWartoscia();
    Dolacz('[');
    pierwszy_.append(true);
}

void TJson::KoniecTablicy() {
    pierwszy_.removeLast();
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
    Dolacz('"');
    Dolacz(nazwa.data(), nazwa.size());
    Dolacz("\":", 2);
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
    bool zwykly = true;
    bool ascii = true;
    for (QChar c : s) {
        if (c.unicode() < 0x20 || c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            zwykly = false;
            break;
        }
        ascii = ascii && c.unicode() < 0x80;
    }
    if (zwykly && ascii) {
        // The usual case: plain ASCII goes in as it is.
        const std::size_t poczatek = wynik_.size();
        wynik_.resize(poczatek + static_cast<std::size_t>(s.size()) + 2);
        char* p = wynik_.data() + poczatek;
        *p++ = '"';
        for (QChar c : s)
            *p++ = static_cast<char>(c.unicode());
        *p = '"';
        return;
    }
    if (zwykly) {
        Dolacz('"');
        const QByteArray utf8 = s.toUtf8();
        Dolacz(utf8.constData(), utf8.size());
        Dolacz('"');
        return;
    }
    QString t;
    t.reserve(s.size() + 2);
    t += QLatin1Char('"');
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            t += QLatin1Char('\\');
            t += c;
        } else if (u == '\n') {
            t += QLatin1String("\\n");
        } else if (u == '\r') {
            t += QLatin1String("\\r");
        } else if (u == '\t') {
            t += QLatin1String("\\t");
        } else if (u < 0x20) {
            t += QStringLiteral("\\u%1").arg(static_cast<int>(u), 4, 16, QLatin1Char('0'));
        } else {
            t += c;
        }
    }
    t += QLatin1Char('"');
    const QByteArray utf8 = t.toUtf8();
    Dolacz(utf8.constData(), utf8.size());
}

void TJson::Liczba(double x) {
    if (!std::isfinite(x)) {
        Null();
        return;
    }
    PrzedWartoscia();
    // The shortest text that reads back as the same double.
    char bufor[32];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, x);
    Dolacz(bufor, wynik.ptr - bufor);
}

void TJson::Calkowita(qint64 n) {
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
