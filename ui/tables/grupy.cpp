#include "grupy.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

QButtonGroup* GrupaOpcji(const QString& tytul, const QStringList& opcje, bool wWierszu,
                         QWidget* rodzic, QGroupBox** ramka) {
    auto* g = new QGroupBox(tytul, rodzic);
    QBoxLayout* uklad = wWierszu ? static_cast<QBoxLayout*>(new QHBoxLayout(g))
                                 : static_cast<QBoxLayout*>(new QVBoxLayout(g));
    uklad->setSpacing(2);
    auto* grupa = new QButtonGroup(g);
    for (int i = 0; i < opcje.size(); ++i) {
        auto* b = new QRadioButton(opcje[i], g);
        grupa->addButton(b, i);
        uklad->addWidget(b);
    }
    if (!opcje.isEmpty())
        grupa->button(0)->setChecked(true);
    if (ramka)
        *ramka = g;
    return grupa;
}
