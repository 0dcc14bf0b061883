#pragma once

#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QWidget;

// A framed group of radio buttons with ids 0, 1, … and the first checked.
QButtonGroup* GrupaOpcji(const QString& tytul, const QStringList& opcje, bool wWierszu,
                         QWidget* rodzic, QGroupBox** ramka = nullptr);
