#pragma once

#include "model/liczby.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"
#include "report/raport/kanwaqpainter.h"
#include "tests/common/dialogiskrypt.h"
#include "tests/common/polaedytora.h"
#include "tests/common/polapanelu.h"
#include "tests/common/projektytestowe.h"
#include "tests/common/zdarzenia.h"
#include "ui/main/drzewoprojektu.h"
#include "ui/main/edytorokna.h"
#include "ui/main/glowna.h"
#include "ui/main/ikony.h"
#include "ui/main/importifcform.h"
#include "ui/main/orientacjeform.h"
#include "ui/main/panelprojektu.h"
#include "ui/main/polecenia.h"
#include "ui/main/przegladokien.h"
#include "ui/main/siatkapieter.h"
#include "ui/tables/listaskrzydel.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

using O = TDialogi::Odpowiedz;

// The windows of the tree, in its order.
inline QStringList Dzieci(const QTreeWidget* t) {
    QStringList l;
    const QTreeWidgetItem* k = t->topLevelItem(0);
    for (int i = 0; k && i < k->childCount(); ++i)
        l << k->child(i)->text(0);
    return l;
}

// What every test of the main window starts from: the scripted dialogs, a
// main window made afresh for each test, a folder of its own, and the steps
// a user takes most.
class TTestOknaGlownego : public QObject {
protected:
    std::unique_ptr<TDialogiSkrypt> d;
    std::unique_ptr<TMainForm> f;
    QTemporaryDir katalog;

    // A new project with the given windows.
    void NowyZOknami(const QStringList& symbole) {
        f->Nowy();
        for (const QString& s : symbole) {
            d->teksty << s;
            f->DodajOkno();
        }
    }
    // A project as `zbuduj` makes it, saved under `nazwa` and opened.
    void Otwarty(const QString& nazwa, const std::function<void(TZestawienieStolarki&)>& zbuduj) {
        const QString plik = ZapiszTestowy(katalog.filePath(nazwa), zbuduj);
        QVERIFY(!plik.isEmpty() && f->OtworzPlik(plik));
    }
    void NowyZOknamiBezNowego(const QStringList& symbole) {
        for (const QString& s : symbole) {
            d->teksty << s;
            f->DodajOkno();
        }
    }
    void Wybierz(const QString& tekst) {
        QTreeWidgetItem* k = f->StolarkaTree->topLevelItem(0);
        if (k->text(0) == tekst) {
            f->StolarkaTree->setCurrentItem(k);
        } else {
            for (int i = 0; i < k->childCount(); ++i)
                if (k->child(i)->text(0) == tekst)
                    f->StolarkaTree->setCurrentItem(k->child(i));
        }
        f->ObsluzWybor();
    }
    bool PanelProjektuWidoczny() const { return f->StolarkaPanel->isVisibleTo(f.get()); }
    bool EdytorWidoczny() const { return f->ElementStolarkiPanel->isVisibleTo(f.get()); }

    void Poczatek() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(katalog.isValid());
    }
    void Przygotuj() {
        d = std::make_unique<TDialogiSkrypt>();
        f = std::make_unique<TMainForm>(*d);
    }
    void Posprzataj() {
        f.reset();
        d.reset();
    }
};
