#include "model/tekst.h"

bool RowneBezWielkosci(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

QString KluczBezWielkosci(const QString& s) {
    return s.toCaseFolded();
}

QString PrzytnijSymbol(const QString& s) {
    // Every kind of space (a no-break space pasted from a spreadsheet too)
    // and control characters.
    auto odstep = [](QChar c) {
        return c.unicode() <= 32 || c.isSpace() || c.category() == QChar::Other_Control ||
               c.category() == QChar::Other_Format;
    };
    qsizetype a = 0, b = s.size();
    while (a < b && odstep(s[a]))
        ++a;
    while (b > a && odstep(s[b - 1]))
        --b;
    return a == 0 && b == s.size() ? s : s.mid(a, b - a);
}

namespace {

constexpr QChar cudzyslow = QLatin1Char('"');
constexpr QChar przecinek = QLatin1Char(',');

bool JestOdstepem(QChar c) {
    return c.unicode() >= 1 && c.unicode() <= 32;
}

bool WymagaCudzyslowu(const QString& s) {
    for (QChar c : s) {
        if (c.unicode() <= 32 || c == cudzyslow || c == przecinek)
            return true;
    }
    return false;
}

QString WCudzyslowie(const QString& s) {
    QString w = s;
    w.replace(cudzyslow, QStringLiteral("\"\""));
    return cudzyslow + w + cudzyslow;
}

} // namespace

QString ZlaczWiersze(const QStringList& wiersze) {
    if (wiersze.size() == 1 && wiersze.first().isEmpty())
        return QStringLiteral("\"\"");
    QStringList czesci;
    czesci.reserve(wiersze.size());
    for (const QString& w : wiersze)
        czesci << (WymagaCudzyslowu(w) ? WCudzyslowie(w) : w);
    return czesci.join(przecinek);
}

QStringList RozdzielWiersze(const QString& tekst) {
    QStringList wynik;
    const qsizetype n = tekst.size();
    qsizetype i = 0;
    auto pominOdstepy = [&] {
        while (i < n && JestOdstepem(tekst[i]))
            ++i;
    };
    pominOdstepy();
    while (i < n && tekst[i].unicode() != 0) {
        QString element;
        if (tekst[i] == cudzyslow) {
            // Quoted item: runs to its closing quote, "" stands for one quote.
            ++i;
            while (i < n) {
                // The text up to the next quote as one piece.
                qsizetype j = tekst.indexOf(cudzyslow, i);
                if (j < 0)
                    j = n;
                element += QStringView(tekst).sliced(i, j - i);
                i = j;
                if (i >= n)
                    break;
                if (i + 1 < n && tekst[i + 1] == cudzyslow) {
                    element += cudzyslow;
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
        } else {
            const qsizetype start = i;
            while (i < n && tekst[i].unicode() > 32 && tekst[i] != przecinek)
                ++i;
            element = tekst.mid(start, i - start);
        }
        wynik << element;
        pominOdstepy();
        if (i < n && tekst[i] == przecinek) {
            if (i + 1 == n)
                wynik << QString();
            do
                ++i;
            while (i < n && JestOdstepem(tekst[i]));
        }
    }
    return wynik;
}

QString Odmiana(long long n, const QString& jeden, const QString& kilka, const QString& wiele) {
    const long long m = n < 0 ? -n : n;
    if (m == 1)
        return jeden;
    const long long dziesiatki = m % 100;
    return m % 10 >= 2 && m % 10 <= 4 && (dziesiatki < 12 || dziesiatki > 14) ? kilka : wiele;
}

QString ListaZReszta(const QStringList& nazwane, long long pozostalych) {
    const QString lista = nazwane.join(QStringLiteral(", "));
    if (pozostalych <= 0)
        return lista;
    return lista + QStringLiteral(" i %1 %2")
                       .arg(pozostalych)
                       .arg(Odmiana(pozostalych, QStringLiteral("inne"), QStringLiteral("inne"),
                                    QStringLiteral("innych")));
}
