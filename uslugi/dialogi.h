#pragma once

#include "model/powiadomienia.h"

#include <QPageLayout>
#include <QString>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// Every message box, question, input box, file dialog and the page setup of
// the main window go through this interface, so that tests can answer them
// from a script and read what was shown.
class TDialogi {
public:
    enum class Odpowiedz { Tak, Nie, Anuluj };

    virtual ~TDialogi() = default;

    // A modal message box with the icon of its kind and an OK button.
    virtual void Komunikat(QWidget* rodzic, TRodzajKomunikatu rodzaj, const QString& tytul,
                           const QString& tresc) = 0;
    // Yes/No with the question icon ("Pytanie" boxes).
    virtual Odpowiedz Pytanie(QWidget* rodzic, const QString& tytul, const QString& tresc) = 0;
    // Yes/No/Cancel confirmation ("&Tak", "&Nie", "Anuluj"); closing it is Cancel.
    virtual Odpowiedz Potwierdzenie(QWidget* rodzic, const QString& tytul,
                                    const QString& tresc) = 0;
    // A one-line input box with OK and "Anuluj"; nothing for Anuluj.
    virtual std::optional<QString> Tekst(QWidget* rodzic, const QString& tytul,
                                         const QString& etykieta, const QString& poczatkowy,
                                         int maxDlugosc) = 0;
    // An existing file to open; empty for Cancel. `filtry` in Qt's form,
    // `wybrany` the one selected at first (the first when empty).
    virtual QString PlikDoOtwarcia(QWidget* rodzic, const QString& filtry, const QString& wybrany,
                                   const QString& katalog) = 0;
    // A file to save to, asking before overwriting; empty for Cancel. The
    // default suffix is added when the user types none.
    virtual QString PlikDoZapisu(QWidget* rodzic, const QString& filtry, const QString& sciezka,
                                 const QString& rozszerzenie) = 0;
    // The page setup in millimetres; false for Cancel.
    virtual bool UstawieniaStrony(QWidget* rodzic, QPageLayout& uklad) = 0;
    // The print dialog for this printer; false for Cancel.
    virtual bool Drukuj(QWidget* rodzic, QPrinter& drukarka) = 0;
    // Whether there is a printer to print on.
    virtual bool JestDrukarka() = 0;
    // Shows a dialog modally; true when it closed with OK.
    virtual bool Pokaz(QDialog& okno) = 0;
    // Ends the application after a fatal inconsistency.
    virtual void Zakoncz() = 0;
};

// The real dialogs of the platform.
class TDialogiQt : public TDialogi {
public:
    void Komunikat(QWidget* rodzic, TRodzajKomunikatu rodzaj, const QString& tytul,
                   const QString& tresc) override;
    Odpowiedz Pytanie(QWidget* rodzic, const QString& tytul, const QString& tresc) override;
    Odpowiedz Potwierdzenie(QWidget* rodzic, const QString& tytul, const QString& tresc) override;
    std::optional<QString> Tekst(QWidget* rodzic, const QString& tytul, const QString& etykieta,
                                 const QString& poczatkowy, int maxDlugosc) override;
    QString PlikDoOtwarcia(QWidget* rodzic, const QString& filtry, const QString& wybrany,
                           const QString& katalog) override;
    QString PlikDoZapisu(QWidget* rodzic, const QString& filtry, const QString& sciezka,
                         const QString& rozszerzenie) override;
    bool UstawieniaStrony(QWidget* rodzic, QPageLayout& uklad) override;
    bool Drukuj(QWidget* rodzic, QPrinter& drukarka) override;
    bool JestDrukarka() override;
    bool Pokaz(QDialog& okno) override;
    void Zakoncz() override;
};
