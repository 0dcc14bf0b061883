#pragma once

#include "model/okno.h"

#include <QObject>
#include <QPageLayout>
#include <QString>

#include <functional>

class QWidget;
class TDialogi;
class TProjektOtwarty;

// What the main window makes of the project, reading it only: the
// report's preview, the print, the tables by storey and direction, the
// overview of all windows and the spreadsheet, with the page setup they
// share for the run. Each commits the shown panel first (`zatwierdz`).
class TZestawieniaProjektu : public QObject {
    Q_OBJECT

public:
    TZestawieniaProjektu(const TProjektOtwarty& projekt, TDialogi& dialogi, QWidget& okno,
                         std::function<bool()> zatwierdz,
                         std::function<QString(const QString&)> obokProjektu);

    // True when the user confirmed it.
    bool UstawieniaStrony();
    const QPageLayout& UkladStrony() const { return ukladStrony_; }

    void PodgladWydruku();
    void DrukujZestawienie();
    void ZestawienieWgStron();
    // The window chosen in the overview, 0 for none.
    TIdOkna PrzegladOkien();
    void EksportujZestawienie();

private:
    bool Gotowy();
    void Blad(const QString& tresc);
    // What was written where, in the main window's status bar.
    void Zrobione(const QString& tresc);

    const TProjektOtwarty& projekt_;
    TDialogi& dialogi_;
    QWidget& okno_;
    std::function<bool()> zatwierdz_;
    std::function<QString(const QString&)> obokProjektu_;
    QPageLayout ukladStrony_;
};
