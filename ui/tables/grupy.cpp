#include "ui/tables/grupy.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

namespace {

// Longer captions are wrapped: a radio button cannot wrap its own text.
constexpr int MAX_DLUGOSC_W_WIERSZU = 70;

// The wrapped caption of a radio button, answering a click as the button does.
class TPodpisOpcji : public QLabel {
public:
    TPodpisOpcji(const QString& tekst, QRadioButton* przycisk, QWidget* rodzic)
        : QLabel(tekst, rodzic), przycisk_(przycisk) {
        setWordWrap(true);
        setBuddy(przycisk);
        // Wide enough to read, and as high as its lines are at that width:
        // a dialog does not grow for a wrapped text by itself.
        setMinimumWidth(SZEROKOSC);
        setMinimumHeight(heightForWidth(SZEROKOSC * 4 / 5));
    }

    static constexpr int SZEROKOSC = 400;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            przycisk_->setFocus(Qt::MouseFocusReason);
            przycisk_->click();
        }
    }

private:
    QRadioButton* przycisk_;
};

} // namespace

QButtonGroup* GrupaOpcji(const QString& tytul, const QStringList& opcje, bool wWierszu,
                         QWidget* rodzic, QGroupBox** ramka) {
    auto* g = new QGroupBox(tytul, rodzic);
    QBoxLayout* uklad = wWierszu ? static_cast<QBoxLayout*>(new QHBoxLayout(g))
                                 : static_cast<QBoxLayout*>(new QVBoxLayout(g));
    uklad->setSpacing(2);
    auto* grupa = new QButtonGroup(g);
    for (int i = 0; i < opcje.size(); ++i) {
        const bool dlugi = opcje[i].size() > MAX_DLUGOSC_W_WIERSZU;
        auto* b = new QRadioButton(dlugi ? QString() : opcje[i], g);
        grupa->addButton(b, i);
        if (!dlugi) {
            uklad->addWidget(b);
            continue;
        }
        b->setAccessibleName(opcje[i]);
        auto* wiersz = new QHBoxLayout;
        wiersz->setSpacing(4);
        wiersz->addWidget(b, 0, Qt::AlignTop);
        wiersz->addWidget(new TPodpisOpcji(opcje[i], b, g), 1);
        uklad->addLayout(wiersz);
    }
    if (!opcje.isEmpty())
        grupa->button(0)->setChecked(true);
    if (ramka)
        *ramka = g;
    return grupa;
}

QString TekstOpcji(const QAbstractButton* przycisk) {
    return przycisk->text().isEmpty() ? przycisk->accessibleName() : przycisk->text();
}
