#pragma once

#include "tests/common/kontrolki.h"
#include "ui/main/etykieta.h"
#include "ui/main/panelprojektu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

// The project panel's controls as a test reaches them: by their object names.
struct TPolaPanelu : TKontrolki {
    explicit TPolaPanelu(const QWidget* panel) : TKontrolki(panel) {}

    QLineEdit* TytulProjEd = Znajdz<QLineEdit>("TytulProjEd");
    QLineEdit* FirmaEd = Znajdz<QLineEdit>("FirmaEd");
    QLineEdit* ProjektEd = Znajdz<QLineEdit>("ProjektEd");
    QLineEdit* ObiektEd = Znajdz<QLineEdit>("ObiektEd");
    QLineEdit* InwestorEd = Znajdz<QLineEdit>("InwestorEd");
    QLineEdit* ProjektantEd = Znajdz<QLineEdit>("ProjektantEd");
    QDateEdit* DataTP = Znajdz<QDateEdit>("DataTP");
    QCheckBox* PodpiwniczenieCB = Znajdz<QCheckBox>("PodpiwniczenieCB");
    QCheckBox* ParterCB = Znajdz<QCheckBox>("ParterCB");
    QCheckBox* PoddaszeCB = Znajdz<QCheckBox>("PoddaszeCB");
    QLineEdit* TempWewEd = Znajdz<QLineEdit>("TempWewEd");
    QComboBox* MetodaUwCB = Znajdz<QComboBox>("MetodaUwCB");
    TEtykietaSkracana* ZgodnoscWTST = Znajdz<TEtykietaSkracana>("ZgodnoscWTST");
    TEtykietaSkracana* BezDanychWTST = Znajdz<TEtykietaSkracana>("BezDanychWTST");
    TEtykietaSkracana* LatoWTST = Znajdz<TEtykietaSkracana>("LatoWTST");
    QLabel* ZakresUsrST = Znajdz<QLabel>("ZakresUsrST");
    QSpinBox* LiczbaPieterSpinEd = Znajdz<QSpinBox>("LiczbaPieterSpinEd");
    QLineEdit* KursEd = Znajdz<QLineEdit>("KursEd");
    QLineEdit* StawkaVatEd = Znajdz<QLineEdit>("StawkaVatEd");
    QLineEdit* RabatDodEd = Znajdz<QLineEdit>("RabatDodEd");
    QLineEdit* CenaMontazEd = Znajdz<QLineEdit>("CenaMontazEd");
    QLineEdit* ZakresCzynnosciEd = Znajdz<QLineEdit>("ZakresCzynnosciEd");
    QLineEdit* PromoKlimaEd = Znajdz<QLineEdit>("PromoKlimaEd");
    QLineEdit* PromoKobaltEd = Znajdz<QLineEdit>("PromoKobaltEd");
    QLineEdit* PromoDVLineEd = Znajdz<QLineEdit>("PromoDVLineEd");
    QLineEdit* PromoFormaEd = Znajdz<QLineEdit>("PromoFormaEd");
    QLineEdit* SredniWazonyUEd = Znajdz<QLineEdit>("SredniWazonyUEd");
    QLineEdit* SumaCenaOkienEd = Znajdz<QLineEdit>("SumaCenaOkienEd");
    QLineEdit* SumaCenaMontazEd = Znajdz<QLineEdit>("SumaCenaMontazEd");
    QLineEdit* LacznePolePowOkienEd = Znajdz<QLineEdit>("LacznePolePowOkienEd");
    QLineEdit* CenaZaMetrKwEd = Znajdz<QLineEdit>("CenaZaMetrKwEd");
    QPushButton* PrzeliczCenyBBtn = Znajdz<QPushButton>("PrzeliczCenyBBtn");
};
