#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdint>

// Number texts shared by the editor, the project file and the report.

// The general form: the shortest text with at most 15 significant digits, the
// locale's decimal separator, no thousands separator, and the exponent form
// ("1E-5", "1,5E20") only outside 0.0001 <= |x| < 1E15.
QString TekstOgolny(double x, const QLocale& locale = QLocale());

// Fixed(p, d): d decimals, at most p significant digits, the exponent form
// when the integer part has more than p digits; rounded as Zaokraglij rounds
// what a verdict compares (a half up).
QString TekstStaly(double x, int p, int d, const QLocale& locale = QLocale());

// Money and areas: two decimals rounded as ZaokraglijDoSetnych (a half to
// the even hundredth), every digit before the separator (no exponent, no cap
// on significant digits), whatever the process's C locale.
QString TekstSetnych(double x, const QLocale& locale = QLocale());

// The one reading of a decimal number, for fields, files and imports alike:
// a comma or a point as the decimal separator (and the locale's own, where it
// is another character), an optional sign and exponent, blanks at both ends,
// and blanks between groups of three digits as Polish writes thousands
// ("1 200", with a space, a no-break or a narrow no-break space); no other
// thousands separators. False for anything else and for values that are not
// finite.
bool CzytajLiczbe(QStringView tekst, double* wynik, const QLocale& locale = QLocale());
// The same over the bytes of a file: ASCII text only.
bool CzytajLiczbe(QByteArrayView ascii, double* wynik);
// The same, 0 when the text is not a number.
double LiczbaZTekstu(QStringView tekst, const QLocale& locale = QLocale());
// A whole number read the same way ("1 200"); false for a fraction and for
// what lies outside [lo, hi].
bool CzytajCalkowita(QStringView tekst, int64_t* wynik, int64_t lo = INT64_MIN,
                     int64_t hi = INT64_MAX);
bool CzytajCalkowita(QByteArrayView ascii, int64_t* wynik, int64_t lo = INT64_MIN,
                     int64_t hi = INT64_MAX);

// A date as the program shows and prints it: the locale's short form, which
// for Polish is year-month-day with hyphens, as the project files hold it.
QString TekstDaty(const QDate& data, const QLocale& locale = QLocale());
