#pragma once

#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QWidget;

// A framed group of radio buttons with ids 0, 1, … and the first checked. A
// long caption wraps beside its button, and a click on it checks the button.
QButtonGroup* GrupaOpcji(const QString& tytul, const QStringList& opcje, bool wWierszu,
                         QWidget* rodzic, QGroupBox** ramka = nullptr);
// The caption of an option, wrapped or not.
QString TekstOpcji(const QAbstractButton* przycisk);
