#pragma once

#include <QString>

class QLineEdit;
class TDialogi;

// The number field rules of the main window. On leaving a field its text is
// read as a decimal number (CzytajLiczbe: a comma or a point, whatever the
// locale, digit groups apart as in "1 200") and written back in the general
// form; text that is no number, or a value outside the range the model's
// field has (TZakresWartosci of its key), is never kept: it brings a
// message, the value the field had when the user entered it, and the focus
// back to the field.

// What the field shows for none: nothing of it (a number is required),
// "brak" (a price, g), or an empty field (a typed fC).
enum class TBrakWartosci { Niedozwolony, Brak, Puste };

inline const QString KOMUNIKAT_NIE_LICZBA =
    QStringLiteral("Podana wartość nie jest prawidłową liczbą!");

// The text a price field shows for no price.
inline const QString TEKST_BRAK_CENY = QStringLiteral("brak");
// Whether a price field's text stands for no price: empty or "brak".
bool BrakCeny(const QString& tekst);

// Why a value is refused for the field of that key, or nothing: "Podana
// wartość nie może być mniejsza od 0!", "Podana wartość musi być w zakresie
// od 0% do 100%!", "Podana wartość musi być w zakresie od 0 do 10 W/m²K!".
QString PowodOdrzucenia(const char* klucz, double x);

// Attaches the rule of the model's field `klucz` to a field; messages go
// through `dialogi`.
void PilnujPolaLiczbowego(QLineEdit* pole, const char* klucz, TDialogi& dialogi,
                          TBrakWartosci brak = TBrakWartosci::Niedozwolony);
