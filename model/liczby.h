#pragma once

#include <QLocale>
#include <QString>

// Number texts shared by the editor, the project file and the report.

// Rounds to hundredths: x / 0.01 to the nearest integer (an exact half to the
// even one), times 0.01.
double ZaokraglijDoSetnych(double x);

// The general form: the shortest text with at most 15 significant digits, the
// locale's decimal separator, no thousands separator, and the exponent form
// ("1E-5", "1,5E20") only outside 0.0001 <= |x| < 1E15.
QString TekstOgolny(double x, const QLocale& locale = QLocale());

// Fixed(p, d): d decimals, at most p significant digits, the exponent form
// when the integer part has more than p digits.
QString TekstStaly(double x, int p, int d, const QLocale& locale = QLocale());
