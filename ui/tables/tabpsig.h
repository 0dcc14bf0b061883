#pragma once

#include "ui/tables/dialogtabeli.h"

class QButtonGroup;

// TPsigTabForm: Psi_g of glazing spacers; the value only.
class TPsigTabForm : public TDialogTabeli {
    Q_OBJECT

public:
    explicit TPsigTabForm(QWidget* rodzic = nullptr);

    // OszklenieRB1…3 are the buttons 0…2 of OszklenieGB.
    QButtonGroup *MaterialRamyGB, *OszklenieGB, *RodzajRamyDVGB, *RamkaDVRG;

    void UstawWartosciPsigZTabeli();

protected:
    void PrzeliczStrone(Strona s) override;

private:
    void WartoscDV();
};
