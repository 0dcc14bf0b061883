#pragma once

// What the screenshot tool is made of: dialogs that answer nothing, the
// pictures saved and counted, the checks that everything fits and reads
// whole, the sample project and the steps of the manual.

#include "uslugi/dialogi.h"

#include <QDialog>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;
class TMainForm;
class TPageView;
class TZestawienieStolarki;

namespace zrzuty {

// Dialogs that answer nothing: the tool only looks.
class TDialogiCiche : public TDialogi {
public:
    void Komunikat(QWidget*, TRodzajKomunikatu, const QString&, const QString& t) override {
        std::fprintf(stderr, "komunikat: %s\n", t.toUtf8().constData());
    }
    Odpowiedz Pytanie(QWidget*, const QString&, const QString&) override { return Odpowiedz::Nie; }
    Odpowiedz Potwierdzenie(QWidget*, const QString&, const QString&) override {
        return Odpowiedz::Nie;
    }
    std::optional<QString> Tekst(QWidget*, const QString&, const QString&, const QString&,
                                 int) override {
        return symbole.isEmpty() ? std::nullopt : std::optional<QString>(symbole.takeFirst());
    }
    QString PlikDoOtwarcia(QWidget*, const QString&, const QString&, const QString&) override {
        return QString();
    }
    QString PlikDoZapisu(QWidget*, const QString&, const QString&, const QString&) override {
        return QString();
    }
    bool UstawieniaStrony(QWidget*, QPageLayout&) override { return false; }
    bool Drukuj(QWidget*, QPrinter&) override { return false; }
    bool JestDrukarka() override { return true; }
    bool Pokaz(QDialog& okno) override {
        okno.show();
        return przyOknie ? przyOknie(okno) : false;
    }
    void Zakoncz() override {}

    QStringList symbole;
    std::function<bool(QDialog&)> przyOknie;
};

// Where the pictures go, and how many were saved, could not be, and how
// many things did not fit.
extern QString katalog;
extern int zapisane;
extern int niezapisane;
extern int niemieszczace;

// A dialog, with a title bar of up to 30 pixels, fits a 1024 × 768 screen.
void NaEkranie(QWidget* okno, const QString& nazwa);
// The picture as OUT_DIR/nazwa.png, counted.
void ZapiszObraz(const QImage& obraz, const QString& nazwa);
// Where widgets stand within one of their ancestors: the rectangle they
// cover together.
QRect Obszar(const QWidget* wzgledem, const QList<const QWidget*>& widzety);
void Zapisz(QWidget* w, const QString& nazwa);
// Sample windows: one, three and eight sashes, a D&V window, vents and remarks.
void Przyklady(TZestawienieStolarki& p);
// Every page as the printer gets it.
void ZapiszStrony(TPageView& widok, const QString& nazwa);
// The steps of the manual's first project.
void Kroki(TMainForm& f);
// What does not fit a shown panel, counted and named on stderr.
int Niemieszczace(TMainForm& f, QWidget* panel, const QString& nazwa);
// The texts of a shown panel that do not read whole, counted and named.
int Nieczytelne(QWidget* panel, const QString& nazwa);
void Wybierz(TMainForm& f, const QString& tekst);
// The catalogue's types of `od` to `doSkrzydel` sashes as one sheet: each
// picture with its code and name below, eight to a row, rows of one number
// of sashes together.
QImage ArkuszTypow(int od, int doSkrzydel);

} // namespace zrzuty
