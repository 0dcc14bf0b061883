#pragma once

#include <QString>

class QLineEdit;
class TDialogi;

// The number field rules of the main window. On leaving a field its text is
// read as a decimal number (LiczbaZTekstu: a comma or a point, whatever the
// locale; 0 when it is not a number) and written back in the general form; a
// value out of range brings a message and the focus back to the field,
// keeping the value as written back.

enum class TZakresPola { NieUjemna, Procent };

// Attaches the rule to a field; messages go through `dialogi`.
void PilnujPolaLiczbowego(QLineEdit* pole, TZakresPola zakres, TDialogi& dialogi);
