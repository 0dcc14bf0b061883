#pragma once

#include "model/pliki/odzysk.h"

#include <QDialog>

#include <optional>
#include <vector>

class TDialogi;
class TOdzysk;

// OdzyskForm: the recovery copies a program that did not end normally left
// behind, each with "Przywróć" (which closes the form with that copy chosen)
// and "Odrzuć" (which asks once, then deletes the copy).
class TOdzyskForm : public QDialog {
    Q_OBJECT

public:
    TOdzyskForm(std::vector<TKopiaOdzysku> kopie, TOdzysk& odzysk, TDialogi& dialogi,
                QWidget* rodzic = nullptr);

    // The copy to restore, when one was chosen.
    const std::optional<TKopiaOdzysku>& Wybrana() const { return wybrana_; }

private:
    std::vector<TKopiaOdzysku> kopie_;
    std::optional<TKopiaOdzysku> wybrana_;
};
