#pragma once

#include "dialogtabeli.h"

class QButtonGroup;
class QRadioButton;

// TUgTabForm: Ug of double and triple glazing from the standard's table, or
// the manufacturer's two glass units.
class TUgTabForm : public TDialogTabeli {
    Q_OBJECT

public:
    explicit TUgTabForm(QWidget* rodzic = nullptr);

    QButtonGroup *TypOszkleniaUgRG, *SzkloEmisyjnoscUgRG, *WymiaryUgRG, *RodzajGazuUgRG;
    QRadioButton *RadioButton1, *RadioButton2;

    void UstawPozycjeOszklenia();
    void PrzeliczUg();

protected:
    void PrzeliczStrone(Strona s) override;

private:
    void PrzyciskiDV();
};
