#pragma once

#include "ui/main/etykieta.h"

#include <QDate>
#include <QHash>
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
// number field the user left as it was shown keeps the project's value).
class TPanelProjektu : public QWidget {
    Q_OBJECT

public:
    TPanelProjektu(TDialogi& dialogi, QWidget* rodzic = nullptr);

    void Pokaz(const TZestawienieStolarki& projekt);
    void Zatwierdz(const TZestawienieStolarki& projekt, TDaneProjektu& dane,
                   TPoziomyBudynku& poziomy) const;
    // Empty header texts, today's date, no storeys, options "0".
    void Resetuj();

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

signals:
    // "   Przelicz ceny", or ti changed: commit and show the project node.
    void przeliczCeny();

private:
    void RegulyBudynku();

    // The text of every number field as the show step left it.
    QHash<const QLineEdit*, QString> pokazane_;
    QDate pokazanaData_;
    // Winter's and summer's verdicts, sharing their line by their lengths.
    QHBoxLayout* wierszZgodnosci_ = nullptr;
};
