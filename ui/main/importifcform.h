#pragma once

#include "model/ifc/importifc.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TDialogi;

// "Import z IFC": what a building model holds, shown before anything is
// made of it: the windows found and the entries they make, the storeys
// with their proposed levels (each can be changed), true north (the
// model's, or typed), the pieces per direction, what has no size or
// layout, the doors left out; and the values every imported window gets.
class TImportIfcForm : public QDialog {
    Q_OBJECT

public:
    TImportIfcForm(const TModelIfc& model, TDialogi& dialogi, QWidget* rodzic = nullptr);

    // What the user chose.
    TOpcjeImportuIfc Opcje() const;

    QLabel* PodsumowanieST;
    QTableWidget* KondygnacjeSG;
    QDoubleSpinBox* PolnocSE;
    QLabel* KierunkiST;
    QWidget* KompasST; // north beside the angle
    // The entries the import makes; unticked ones are left out.
    QTableWidget* OknaSG;
    QLineEdit *UgEd, *UfEd, *PsiGEd, *dRamyEd, *dSlupkaEd;
    QComboBox* MaterialRamyCB;
    QPushButton *ImportujBtn, *AnulujBtn;

private:
    // The summary and directions as the choices stand.
    void Odswiez();

    const TModelIfc& model_;
};
