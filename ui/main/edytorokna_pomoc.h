#pragma once

// The editor's layout helpers, shared by the files that build its parts.

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

// A right-aligned number field with its tooltip, named for the tests.
QLineEdit* PoleLiczby(const char* nazwa, const QString& podpowiedz, QWidget* rodzic);
QPushButton* Przycisk(const char* nazwa, const QString& tytul, const QString& podpowiedz,
                      QWidget* rodzic);
// A field at least as wide as `wzor` needs: the longest value it is
// expected to show whole (its frame and margins added).
void Mieszczace(QLineEdit* e, const QString& wzor);
// A button no wider than its longest line needs.
void Waski(QPushButton* b);
