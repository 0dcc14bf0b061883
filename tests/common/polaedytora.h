#pragma once

#include "tests/common/kontrolki.h"
#include "ui/main/edytorokna.h"
#include "ui/main/etykieta.h"
#include "ui/main/siatkapieter.h"
#include "ui/tables/listaskrzydel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

// The window editor's controls as a test reaches them: by the names a user
// finds them by (object names), not by members of the editor's.
struct TPolaEdytora : TKontrolki {
    explicit TPolaEdytora(const QWidget* edytor) : TKontrolki(edytor) {}

    QLineEdit* SymbolOknaEd = Znajdz<QLineEdit>("SymbolOknaEd");
    QPushButton* ZmSymbBitBtn = Znajdz<QPushButton>("ZmSymbBitBtn");
    QComboBox* RodzajCB = Znajdz<QComboBox>("RodzajCB");
    TEtykietaSkracana* WT2021ST = Znajdz<TEtykietaSkracana>("WT2021ST");
    QLabel* GeometriaST = Znajdz<QLabel>("GeometriaST");
    QLineEdit* SzerokoscEd = Znajdz<QLineEdit>("SzerokoscEd");
    QLineEdit* WysokoscEd = Znajdz<QLineEdit>("WysokoscEd");
    QComboBox* TypOknaCB = Znajdz<QComboBox>("TypOknaCB");
    QPushButton* WybierzTypOknaBBtn = Znajdz<QPushButton>("WybierzTypOknaBBtn");
    TListaSkrzydel* SkrzydlaVLE = Znajdz<TListaSkrzydel>("SkrzydlaVLE");
    QComboBox* SkrzydloCB = Znajdz<QComboBox>("SkrzydloCB");
    QLineEdit* UgEd = Znajdz<QLineEdit>("UgEd");
    QLabel* DostawcaUgST = Znajdz<QLabel>("DostawcaUgST");
    QLabel* SzkloKodIdST = Znajdz<QLabel>("SzkloKodIdST");
    QLineEdit* UfEd = Znajdz<QLineEdit>("UfEd");
    QLabel* DostawcaUfST = Znajdz<QLabel>("DostawcaUfST");
    QLabel* RamaKodIdST = Znajdz<QLabel>("RamaKodIdST");
    QComboBox* MaterialRamyCB = Znajdz<QComboBox>("MaterialRamyCB");
    QLineEdit* PsiGEd = Znajdz<QLineEdit>("PsiGEd");
    QLineEdit* dRamyEd = Znajdz<QLineEdit>("dRamyEd");
    QLineEdit* dSlupkaEd = Znajdz<QLineEdit>("dSlupkaEd");
    QCheckBox* OkragleCB = Znajdz<QCheckBox>("OkragleCB");
    QLineEdit* UpEd = Znajdz<QLineEdit>("UpEd");
    QLineEdit* PsiPEd = Znajdz<QLineEdit>("PsiPEd");
    QWidget* PlycinyPanel = Znajdz<QWidget>("PlycinyPanel");
    QLineEdit* LgEd = Znajdz<QLineEdit>("LgEd");
    QLineEdit* dREd = Znajdz<QLineEdit>("dREd");
    QLineEdit* gEd = Znajdz<QLineEdit>("gEd");
    QLineEdit* fCEd = Znajdz<QLineEdit>("fCEd");
    QComboBox* OslonaCB = Znajdz<QComboBox>("OslonaCB");
    QLabel* Lato2021ST = Znajdz<QLabel>("Lato2021ST");
    QPushButton* UgBBtn = Znajdz<QPushButton>("UgBBtn");
    QPushButton* UfBBtn = Znajdz<QPushButton>("UfBBtn");
    QPushButton* Psi_gBBtn = Znajdz<QPushButton>("Psi_gBBtn");
    QPushButton* dRBBtn = Znajdz<QPushButton>("dRBBtn");
    QPushButton* PodpowLgBBtn = Znajdz<QPushButton>("PodpowLgBBtn");
    QSpinBox* LiczbaNawiewnikowSE = Znajdz<QSpinBox>("LiczbaNawiewnikowSE");
    QLineEdit* SzerokoscNawiewnikaED = Znajdz<QLineEdit>("SzerokoscNawiewnikaED");
    QLabel* SzerNawiewLabHelp = Znajdz<QLabel>("SzerNawiewLabHelp");
    QWidget* WycenaPanel = Znajdz<QWidget>("WycenaPanel");
    QLineEdit* CenaEd = Znajdz<QLineEdit>("CenaEd");
    QPushButton* BrakWycenyBBtn = Znajdz<QPushButton>("BrakWycenyBBtn");
    QLabel* DVImage = Znajdz<QLabel>("DVImage");
    QPlainTextEdit* UwagiMemo = Znajdz<QPlainTextEdit>("UwagiMemo");
    QLabel* OknoImage = Znajdz<QLabel>("OknoImage");
    QLineEdit* UwOknaEd = Znajdz<QLineEdit>("UwOknaEd");
    QPushButton* RefreshUwOkna = Znajdz<QPushButton>("RefreshUwOkna");
    TSiatkaPieter* OknaNaKondSG = Znajdz<TSiatkaPieter>("OknaNaKondSG");
    QPushButton* SetAllUgBBtn = Znajdz<QPushButton>("SetAllUgBBtn");
    QPushButton* SetAllUfBBtn = Znajdz<QPushButton>("SetAllUfBBtn");
    QPushButton* SetAllPsigBBtn = Znajdz<QPushButton>("SetAllPsigBBtn");
    QPushButton* SetAlldRBBtn = Znajdz<QPushButton>("SetAlldRBBtn");
    QPushButton* SetAllTypOknaBBtn = Znajdz<QPushButton>("SetAllTypOknaBBtn");
    QPushButton* SetAllOtwSkrzBBtn = Znajdz<QPushButton>("SetAllOtwSkrzBBtn");
    QPushButton* SetAlldRamyBBtn = Znajdz<QPushButton>("SetAlldRamyBBtn");
};
