#pragma once

#include <QDialog>
#include <QPageLayout>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

// The page setup where the system's own dialog cannot open (no printer is
// installed): the paper, its orientation and the four margins in
// millimetres.
class TUstawieniaStronyForm : public QDialog {
    Q_OBJECT

public:
    explicit TUstawieniaStronyForm(const QPageLayout& uklad, QWidget* rodzic = nullptr);

    // The layout as the dialog holds it (millimetres).
    QPageLayout Uklad() const;

    QComboBox* PapierCB;
    QRadioButton *PionowaRB, *PoziomaRB;
    QDoubleSpinBox *LewyED, *GornyED, *PrawyED, *DolnyED;
};
