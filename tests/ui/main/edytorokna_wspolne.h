#pragma once

#include "model/katalog.h"
#include "model/liczby.h"
#include "model/obliczenia/uw.h"
#include "model/zestawienie.h"
#include "tests/common/dialogiskrypt.h"
#include "tests/common/polaedytora.h"
#include "tests/common/polapanelu.h"
#include "tests/common/projektytestowe.h"
#include "tests/common/zdarzenia.h"
#include "ui/main/drzewoprojektu.h"
#include "ui/main/edytorokna.h"
#include "ui/main/glowna.h"
#include "ui/main/panelprojektu.h"
#include "ui/main/polecenia.h"
#include "ui/tables/listaskrzydel.h"
#include "ui/tables/tabdr.h"
#include "ui/tables/tabpsig.h"
#include "ui/tables/tabuf.h"
#include "ui/tables/tabug.h"
#include "ui/tables/typokna.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {
using O = TDialogi::Odpowiedz;
}

// What the tests of the window editor share: a main window with two windows, the reference dialogs,
// the editor's controls.
class TTestEdytoraOkna : public QObject {
protected:
    std::unique_ptr<TDialogiSkrypt> d;
    std::unique_ptr<TMainForm> f;
    TEdytorOkna* edytor = nullptr;
    std::optional<TPolaEdytora> pola;
    std::unique_ptr<TUgTabForm> tabUg;
    std::unique_ptr<TUfTabForm> tabUf;
    std::unique_ptr<TPsigTabForm> tabPsig;
    std::unique_ptr<TdRTabForm> tabDr;
    std::unique_ptr<TFTypOkna> tabTyp;

    void Wybierz(const QString& tekst) {
        QTreeWidgetItem* k = f->StolarkaTree->topLevelItem(0);
        QTreeWidgetItem* cel = k;
        for (int i = 0; i < k->childCount(); ++i)
            if (k->child(i)->text(0) == tekst)
                cel = k->child(i);
        f->StolarkaTree->setCurrentItem(cel);
        f->ObsluzWybor();
    }
    const TOkno& Okno(const QString& s) { return *f->Projekt()->GetOkno(s); }
    void WybierzTyp(const QString& nazwa) { WybierzKlawiszami(pola->TypOknaCB, nazwa); }
    // A page of a reference dialog, by a click on its tab.
    static void Strona(TDialogTabeli& okno, int strona) {
        if (!QTest::qWaitForWindowExposed(&okno))
            QFAIL("okno tabeli niewidoczne");
        QTabBar* karty = okno.Strony->tabBar();
        QTest::mouseClick(karty, Qt::LeftButton, {}, karty->tabRect(strona).center());
    }
    // The manufacturer's glazing "klima 1.0" (Ug 1, code 21) and frame
    // "klima PCV" (Uf 1,21, code 20), picked in the dialogs.
    void KatalogDV() {
        d->przyOknie = [this](QDialog&) {
            Strona(*tabUg, TDialogTabeli::OknaDV);
            QTest::mouseClick(tabUg->RadioButton1, Qt::LeftButton);
            return true;
        };
        QTest::mouseClick(pola->UgBBtn, Qt::LeftButton);
        d->przyOknie = [this](QDialog&) {
            Strona(*tabUf, TDialogTabeli::OknaDV);
            QTest::mouseClick(tabUf->RamyDV->button(0), Qt::LeftButton);
            return true;
        };
        QTest::mouseClick(pola->UfBBtn, Qt::LeftButton);
        d->przyOknie = [](QDialog&) {
            return false;
        };
    }

    void initTestCaseWspolne() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void initWspolne() {
        d = std::make_unique<TDialogiSkrypt>();
        f = std::make_unique<TMainForm>(*d);
        edytor = f->ElementStolarkiPanel;
        pola.emplace(edytor);
        tabUg = std::make_unique<TUgTabForm>();
        tabUf = std::make_unique<TUfTabForm>();
        tabPsig = std::make_unique<TPsigTabForm>();
        tabDr = std::make_unique<TdRTabForm>();
        tabTyp = std::make_unique<TFTypOkna>();
        f->UstawTabele({tabUg.get(), tabUf.get(), tabPsig.get(), tabDr.get(), tabTyp.get()});
        f->Nowy();
        for (const char* s : {"O1", "O2"}) {
            d->teksty << QString::fromLatin1(s);
            f->DodajOkno();
        }
        Wybierz("O1");
        d->komunikaty.clear();
    }
    void cleanupWspolne() {
        f.reset();
        tabUg.reset();
        tabUf.reset();
        tabPsig.reset();
        tabDr.reset();
        tabTyp.reset();
        d.reset();
    }
};
