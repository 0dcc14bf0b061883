#include "json.h"

#include <QLocale>

#include <charconv>
#include <cmath>

void TJson::PrzedWartoscia() {
    if (poKluczu_) {
        poKluczu_ = false;
        return;
    }
    if (!pierwszy_.isEmpty()) {
        if (!pierwszy_.last())
            wynik_ += ',';
        pierwszy_.last() = false;
    }
}

void TJson::PoczatekObiektu() {
    PrzedWartoscia();
    wynik_ += '{';
    pierwszy_.append(true);
}

void TJson::KoniecObiektu() {
    pierwszy_.removeLast();
    wynik_ += '}';
}

void TJson::PoczatekTablicy() {
    PrzedWartoscia();
    wynik_ += '[';
    pierwszy_.append(true);
}

void TJson::KoniecTablicy() {
    pierwszy_.removeLast();
    wynik_ += ']';
}

void TJson::Klucz(const QString& nazwa) {
    PrzedWartoscia();
    DopiszTekst(nazwa);
    wynik_ += ':';
    poKluczu_ = true;
}

void TJson::Klucz(QLatin1String nazwa) {
    PrzedWartoscia();
    wynik_ += '"';
    wynik_.append(nazwa.data(), nazwa.size());
    wynik_ += "\":";
    poKluczu_ = true;
}

void TJson::Tekst(const QString& s) {
    PrzedWartoscia();
    DopiszTekst(s);
}

void TJson::DopiszTekst(const QString& s) {
    bool zwykly = true;
    for (QChar c : s) {
        if (c.unicode() < 0x20 || c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            zwykly = false;
            break;
        }
    }
    if (zwykly) {
        wynik_ += '"';
        wynik_ += s.toUtf8();
        wynik_ += '"';
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
    wynik_ += t.toUtf8();
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
    wynik_.append(bufor, wynik.ptr - bufor);
}

void TJson::Calkowita(qint64 n) {
    PrzedWartoscia();
    char bufor[24];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, n);
    wynik_.append(bufor, wynik.ptr - bufor);
}

void TJson::Logiczna(bool b) {
    PrzedWartoscia();
    wynik_ += b ? "true" : "false";
}

void TJson::Null() {
    PrzedWartoscia();
    wynik_ += "null";
}
