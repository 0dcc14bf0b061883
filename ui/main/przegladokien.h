#pragma once

#include <QDialog>

class QCheckBox;
class QTableView;
class TModelPrzegladu;
class TSortowaniePrzegladu;
class TZestawienieStolarki;

// TPrzegladOkienForm: every window of the project in one table, with its
// WT 2021 verdict: sorted by any column with a click, filtered to those
// that fail or lack data, and a double-click or Enter that closes it and
// names the window to show. It reads the project and changes nothing.
class TPrzegladOkienForm : public QDialog {
    Q_OBJECT

public:
    TPrzegladOkienForm(const TZestawienieStolarki& projekt, QWidget* rodzic = nullptr);
    ~TPrzegladOkienForm() override;

    // The window chosen (empty when the table was closed without a choice).
    QString Wybrane() const { return wybrane_; }

    QTableView* OknaTV;
    QCheckBox* TylkoProblemyCB;

private:
    void Wybierz(const QModelIndex& indeks);
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

    TModelPrzegladu* model_;
    TSortowaniePrzegladu* sortowanie_;
    QString wybrane_;
};
