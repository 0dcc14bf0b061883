#pragma once

#include "ui/tables/dialogtabeli.h"

#include "model/obliczenia/ug673.h"

#include <optional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TOkno;

// TUgTabForm: Ug of double and triple glazing from the standard's table, the
// manufacturer's two glass units, or computed from a build-up by PN-EN 673.
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

    // The build-up page: the glazing, its coatings ("3:0,03; 5:0,03") and
    // gas fill (%); the computed Ug and the declared one as they are typed.
    QLineEdit *BudowaUgEd, *PowlokiUgEd, *WypelnienieUgEd;
    QLabel* WynikUgST;
    // The build-up the page computes, when it reads (Ok taken from this page).
    std::optional<TBudowaSzyby> Budowa() const;
    // Opens on the window's build-up where it has one, else on the page
    // last used.
    void PokazBudowe(const TOkno& okno);

    void UstawPozycjeOszklenia();
    void PrzeliczUg();

protected:
    void PrzeliczStrone(Strona s) override;

private:
    void PrzyciskiDV();
    void UtworzObliczenie();
    void PrzeliczBudowe();
    std::optional<TBudowaSzyby> WczytajBudowe(QString* blad) const;
};
