#pragma once

#include <QString>

class QLineEdit;
class TDialogi;

// The number field rules of the main window. On leaving a field its text is
// read as a decimal number (CzytajLiczbe: a comma or a point, whatever the
// locale, digit groups apart as in "1 200") and written back in the general
// form; text that is no number, or a value out of range, is never kept: it
// brings a message, the value the field had when the user entered it, and
// the focus back to the field.

// CenaLubBrak: a price, or "brak" (or nothing) for none, which stays "brak".
// UlamekLubBrak: a share 0…1, or "brak" (or nothing) for none, which stays
// "brak"; UlamekLubPuste: the same, none staying empty.
enum class TZakresPola { NieUjemna, Procent, CenaLubBrak, UlamekLubBrak, UlamekLubPuste };

inline const QString KOMUNIKAT_NIE_LICZBA =
    QStringLiteral("Podana wartość nie jest prawidłową liczbą!");

// The text a price field shows for no price.
inline const QString TEKST_BRAK_CENY = QStringLiteral("brak");
// Whether a price field's text stands for no price: empty or "brak".
bool BrakCeny(const QString& tekst);

// Attaches the rule to a field; messages go through `dialogi`.
void PilnujPolaLiczbowego(QLineEdit* pole, TZakresPola zakres, TDialogi& dialogi);
