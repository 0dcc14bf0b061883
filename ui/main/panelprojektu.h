#pragma once

#include <QWidget>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TDialogi;
class TZestawienieStolarki;

// StolarkaPanel: the project's header data, building data, options and
// promotions, and its totals. A buffer: Pokaz fills it from the project,
// Zatwierdz writes it back.
class TPanelProjektu : public QWidget {
    Q_OBJECT

public:
    TPanelProjektu(TDialogi& dialogi, QWidget* rodzic = nullptr);

    void Pokaz(TZestawienieStolarki& projekt);
    void Zatwierdz(TZestawienieStolarki& projekt) const;
    // Empty header texts, today's date, no storeys, options "0".
    void Resetuj();

    QLineEdit *TytulProjEd, *FirmaEd, *ProjektEd, *ObiektEd, *InwestorEd, *ProjektantEd;
    QDateEdit* DataTP;
    QCheckBox *PodpiwniczenieCB, *ParterCB, *PoddaszeCB;
    QLineEdit* TempWewEd;                 // design indoor temperature ti, °C
    QLabel *ZgodnoscWTST, *BezDanychWTST; // the project's WT 2021 lines
    QSpinBox* LiczbaPieterSpinEd;
    QLineEdit *KursEd, *StawkaVatEd, *RabatDodEd, *CenaMontazEd, *ZakresCzynnosciEd;
    QLineEdit *PromoKlimaEd, *PromoKobaltEd, *PromoDVLineEd, *PromoFormaEd;
    QLineEdit *SredniWazonyUEd, *SumaCenaOkienEd, *SumaCenaMontazEd, *LacznePolePowOkienEd,
        *CenaZaMetrKwEd;
    QPushButton* PrzeliczCenyBBtn;

signals:
    // "   Przelicz ceny": commit and show the project node.
    void przeliczCeny();

private:
    void RegulyBudynku();
};
