#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

// What the four reference dialogs share: a page of the standard's values
// ("Polska Norma") and a page of the manufacturer's range ("Okna D&V"), a
// strip with the selected value, "Pobierz wartość" and "Anuluj". A dialog is
// made once and kept, so its selections survive between openings; each
// showing and each change of page recomputes the value of the active page.
class TDialogTabeli : public QDialog {
    Q_OBJECT

public:
    // The Ug dialog has a third page of its own: Ug computed from the
    // glazing's build-up.
    enum Strona { PolskaNorma = 0, OknaDV = 1, ObliczenieUg = 2 };

    // The value as shown (the general form in the user's notation).
    QString Wartosc() const;
    // Where it comes from: an index of ZrodlaNazwy, and the catalogue code.
    int ZrodloWartosci() const { return zrodlo_; }
    int KodID() const { return kod_; }

    QTabWidget* Strony;
    QLineEdit* WybranaWartoscEd;
    QPushButton *PobierzBtn, *AnulujBtn;

protected:
    TDialogTabeli(const QString& tytul, const QString& etykieta, const QString& tytulStron,
                  QWidget* rodzic);
    // The pages' contents go into these layouts.
    QVBoxLayout* UkladStrony(Strona s) const;
    static QPlainTextEdit* Uwaga(const QString& tekst, QWidget* rodzic);
    // The closing lines of a note on the standard's page: which annex of the
    // standard the values come from.
    static QString ZgodnoscZNorma(QChar zalacznik);

    // Recomputes the value from the selections of the given page.
    virtual void PrzeliczStrone(Strona s) = 0;
    void UstawWartosc(double x);
    void UstawWartoscTekst(const QString& tekst);
    int zrodlo_ = 0;
    int kod_ = 0;

    void showEvent(QShowEvent* zdarzenie) override;

private:
    QVBoxLayout* uklady_[2] = {};
};
