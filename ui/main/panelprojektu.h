#pragma once

#include "ui/main/etykieta.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TDialogi;
class TZestawienieStolarki;
struct TDaneProjektu;
struct TPoziomyBudynku;

// StolarkaPanel: the project's header data, building data, options and
// promotions, and its totals. A buffer: Pokaz fills it from the project,
// Zatwierdz gives the project's data and levels as the panel holds them (a
// number field the user has not typed in keeps the project's value exactly).
class TPanelProjektu : public QWidget {
    Q_OBJECT

public:
    TPanelProjektu(TDialogi& dialogi, QWidget* rodzic = nullptr);

    void Pokaz(const TZestawienieStolarki& projekt);
    void Zatwierdz(const TZestawienieStolarki& projekt, TDaneProjektu& dane,
                   TPoziomyBudynku& poziomy) const;
    // Empty header texts, today's date, no storeys, options "0".
    void Resetuj();

signals:
    // "   Przelicz ceny", or ti changed: commit and show the project node.
    void przeliczCeny();

private:
    void RegulyBudynku();

    // Whether the user changed the date since the show step.
    bool dataZmieniona_ = false;

    // The controls, found by their object names ("KursEd", …) as the tests do.
    QLineEdit *TytulProjEd, *FirmaEd, *ProjektEd, *ObiektEd, *InwestorEd, *ProjektantEd;
    QDateEdit* DataTP;
    QCheckBox *PodpiwniczenieCB, *ParterCB, *PoddaszeCB;
    QLineEdit* TempWewEd;  // design indoor temperature ti, °C
    QComboBox* MetodaUwCB; // how Uw is worked out
    // The project's WT 2021 lines: the first symbols, every one in the tooltip.
    TEtykietaSkracana *ZgodnoscWTST, *BezDanychWTST;
    TEtykietaSkracana* LatoWTST; // the summer rule's line
    QLabel* ZakresUsrST;         // the windows Uśr covers
    QSpinBox* LiczbaPieterSpinEd;
    QLineEdit *KursEd, *StawkaVatEd, *RabatDodEd, *CenaMontazEd, *ZakresCzynnosciEd;
    QLineEdit *PromoKlimaEd, *PromoKobaltEd, *PromoDVLineEd, *PromoFormaEd;
    QLineEdit *SredniWazonyUEd, *SumaCenaOkienEd, *SumaCenaMontazEd, *LacznePolePowOkienEd,
        *CenaZaMetrKwEd;
    QPushButton* PrzeliczCenyBBtn;

    // Winter's and summer's verdicts, sharing their line by their lengths.
    QHBoxLayout* wierszZgodnosci_ = nullptr;
};
