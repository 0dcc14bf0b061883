#pragma once

#include <QString>
#include <QStringList>

// Symbols and catalogue names are compared ignoring letter case. Case
// folding covers every letter of the Polish alphabet (Ą/ą … Ż/ż).
bool RowneBezWielkosci(const QString& a, const QString& b);
// A key under which texts equal ignoring letter case coincide.
QString KluczBezWielkosci(const QString& s);

// A window symbol as the project keeps it: blanks and control characters
// at both ends removed (a file could not give them back).
QString PrzytnijSymbol(const QString& s);
// The longest symbol a user gives a window: the report prints it whole.
constexpr int MAX_DLUGOSC_SYMBOLU = 100;

// Remarks are kept as one "comma text": lines joined by commas, a line that
// holds a space, comma, double quote or control character enclosed in double
// quotes with the inner quotes doubled; a single empty line is "".
QString ZlaczWiersze(const QStringList& wiersze);
QStringList RozdzielWiersze(const QString& tekst);

// The Polish form of a noun after the number n: "1 piętro", "2 piętra",
// "5 pięter", "22 piętra", "25 pięter".
QString Odmiana(long long n, const QString& jeden, const QString& kilka, const QString& wiele);

// The names given, and the count of those left unnamed as Polish says it:
// "O1, O2 i 1 inne", "O1 i 5 innych"; just the names when none is left.
QString ListaZReszta(const QStringList& nazwane, long long pozostalych);
