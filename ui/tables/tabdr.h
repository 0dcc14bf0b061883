#pragma once

#include "ui/tables/dialogtabeli.h"

class QButtonGroup;

// TdRTabForm: the additional thermal resistance dR of a closed shutter.
class TdRTabForm : public TDialogTabeli {
    Q_OBJECT

public:
    explicit TdRTabForm(QWidget* rodzic = nullptr);

    // KatPrzepRB1…5 are the buttons 0…4 of KategorieGB.
    QButtonGroup *TypZaluzjiRG, *KategorieGB, *RoletyDVRG;

    void PrzeliczDR();

    static constexpr double DR_ROLET_DV = 0.1927;

protected:
    void PrzeliczStrone(Strona s) override;
};
