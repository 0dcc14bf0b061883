#pragma once

#include "ui/tables/dialogtabeli.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;

// TUgTabForm: Ug of double and triple glazing from the standard's table, or
// the manufacturer's two glass units.
class TUgTabForm : public TDialogTabeli {
    Q_OBJECT

public:
    explicit TUgTabForm(QWidget* rodzic = nullptr);

    QButtonGroup *TypOszkleniaUgRG, *SzkloEmisyjnoscUgRG, *WymiaryUgRG, *RodzajGazuUgRG;
    QRadioButton *RadioButton1, *RadioButton2;
    // "Wpisz też g = 0,5": offered for coated triple glazing only, ticked
    // by the user each time.
    QCheckBox* TypoweGCB;

    // The g to enter with Ug: the typical one when offered and ticked, else -1.
    double TypoweG() const;

    void UstawPozycjeOszklenia();
    void PrzeliczUg();

protected:
    void PrzeliczStrone(Strona s) override;

private:
    void PrzyciskiDV();
};
