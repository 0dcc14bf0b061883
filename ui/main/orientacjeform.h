#pragma once

#include "model/obliczenia/orientacje.h"

#include <QDialog>

class QRadioButton;
class QPushButton;
class QTableWidget;
class TDialogi;

// The windows by storey and compass direction in one table: the pieces,
// the area or the mean Uw of every cell, and the whole as CSV.
class TOrientacjeForm : public QDialog {
    Q_OBJECT

public:
    TOrientacjeForm(const TZestawienieStron& zestawienie, TDialogi& dialogi,
                    const QString& proponowanyCsv, QWidget* rodzic = nullptr);

    void Pokaz(TWielkoscStron w);
    void ZapiszCsv();

    QRadioButton *LiczbaSztukRB, *PoleRB, *UwRB;
    QTableWidget* TabelaSG;
    QPushButton *ZapiszCsvBtn, *ZamknijBtn;

private:
    TZestawienieStron z_;
    TDialogi& dialogi_;
    QString proponowanyCsv_;
};
