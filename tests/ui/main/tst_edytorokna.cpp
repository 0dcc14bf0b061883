#include "model/katalog.h"
#include "model/liczby.h"
#include "model/obliczenia/uw.h"
#include "model/zestawienie.h"
#include "tests/common/dialogiskrypt.h"
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
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {
using O = TDialogi::Odpowiedz;
}

class TestEdytorOkna : public QObject {
    Q_OBJECT

    std::unique_ptr<TDialogiSkrypt> d;
    std::unique_ptr<TMainForm> f;
    TEdytorOkna* e = nullptr;
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
    // Types into a field and leaves it.
    static void Wpisz(QLineEdit* pole, const QString& tekst) {
        pole->setText(tekst);
        emit pole->textEdited(tekst);
        emit pole->editingFinished();
    }
    const TOkno& Okno(const QString& s) { return *f->Projekt()->GetOkno(s); }
    void WybierzTyp(const QString& nazwa) {
        e->TypOknaCB->setCurrentIndex(e->TypOknaCB->findText(nazwa));
        emit e->TypOknaCB->activated(e->TypOknaCB->currentIndex());
    }
    // The fields of the manufacturer's glazing and frame, as the dialogs fill them.
    void KatalogDV() {
        e->UgEd->setText("1");
        e->DostawcaUgST->setText("DV");
        e->SzkloKodIdST->setText("21");
        e->UfEd->setText("1,21");
        e->DostawcaUfST->setText("DV");
        e->RamaKodIdST->setText("20");
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        d = std::make_unique<TDialogiSkrypt>();
        f = std::make_unique<TMainForm>(*d);
        e = f->ElementStolarkiPanel;
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
    void cleanup() {
        f.reset();
        tabUg.reset();
        tabUf.reset();
        tabPsig.reset();
        tabDr.reset();
        tabTyp.reset();
        d.reset();
    }

    void listyPoResecie() {
        QCOMPARE(e->TypOknaCB->count(), 82);
        QCOMPARE(e->TypOknaCB->itemText(0), QStringLiteral("1 skrzydłowe"));
        QCOMPARE(e->SkrzydloCB->count(), 12);
        QCOMPARE(e->MaterialRamyCB->count(), 4);
        QCOMPARE(e->MaterialRamyCB->itemText(3), QStringLiteral("PCV"));
        QCOMPARE(e->SkrzydlaVLE->rowCount(), 8);
        QCOMPARE(e->UgBBtn->text(), QStringLiteral("Wartości\npomocnicze"));
        QCOMPARE(e->SetAlldRamyBBtn->text(), QStringLiteral("Przypisz\nwszystkim"));
        QCOMPARE(e->PodpowLgBBtn->text(), QStringLiteral("Podpowiedz\nwartość Lg"));
    }

    void cenaOknaDV() {
        Wybierz(f->StolarkaTree->topLevelItem(0)->text(0));
        Wpisz(f->StolarkaPanel->KursEd, QStringLiteral("4"));
        Wybierz("O1");
        e->SzerokoscEd->setText("1000");
        e->WysokoscEd->setText("1400");
        e->WybierzRodzajSkrzydla(0, "rozwierne (lewe) uchylne"); // commits and shows
        KatalogDV();
        e->RefreshUwOkna->click();
        QVERIFY(e->DVImage->isVisibleTo(e));
        QVERIFY(e->CenaEd->isReadOnly());
        QCOMPARE(e->CenaEd->text(), QStringLiteral("517,44"));
        QVERIFY(!e->BrakWycenyBBtn->isEnabled());
        QCOMPARE(Okno("O1").CenaOkna, -1.0);
        // Ug typed by hand: the source becomes "Inny"; after commit and show the
        // price is a manual one, keeping the list price last shown.
        Wpisz(e->UgEd, "0,9");
        QCOMPARE(e->DostawcaUgST->text(), QStringLiteral("Inny"));
        QCOMPARE(e->SzkloKodIdST->text(), QStringLiteral("0"));
        e->RefreshUwOkna->click();
        QVERIFY(!e->CenaEd->isReadOnly());
        QVERIFY(!e->DVImage->isVisibleTo(e));
        QCOMPARE(Okno("O1").CenaOkna, 517.44);
        QCOMPARE(e->CenaEd->text(), QStringLiteral("517,44"));
    }

    // Neither the D&V logo nor the vent help moves a control under the mouse.
    void bezSkokow() {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        auto uklad = [this] {
            QCoreApplication::processEvents();
            QMap<QString, QRect> m;
            for (QWidget* w : e->findChildren<QWidget*>())
                if (!w->objectName().isEmpty() && w != e->DVImage && w != e->SzerNawiewLabHelp &&
                    w != e->SkrzydloCB)
                    m[w->objectName()] = QRect(w->mapTo(e, QPoint(0, 0)), w->size());
            return m;
        };
        const QMap<QString, QRect> przed = uklad();
        QVERIFY(przed.size() > 30);
        QTest::mouseClick(e->SzerokoscNawiewnikaED, Qt::LeftButton);
        QTRY_VERIFY(e->SzerNawiewLabHelp->isVisible());
        QCOMPARE(uklad(), przed);
        KatalogDV();
        e->SzerokoscEd->setText("1000");
        e->WysokoscEd->setText("1400");
        e->RefreshUwOkna->click();
        QVERIFY(e->DVImage->isVisible());
        QCOMPARE(uklad(), przed);
    }

    void brakCeny() {
        e->SzerokoscEd->setText("200");
        e->WysokoscEd->setText("1400");
        KatalogDV();
        e->RefreshUwOkna->click();
        QCOMPARE(e->CenaEd->text(), QStringLiteral("brak"));
        QVERIFY(e->BrakWycenyBBtn->isEnabled());
        QCOMPARE(e->BrakWycenyBBtn->toolTip(),
                 QStringLiteral("Wymiary skrzydła I-go poza cennikiem!"));
        e->BrakWycenyBBtn->click();
        QCOMPARE(d->komunikaty.last().tytul, QStringLiteral("Informacja"));
        QCOMPARE(d->OstatniKomunikat(), QStringLiteral("Wymiary skrzydła I-go poza cennikiem!"));
        // No longer list-priced: "brak" stays no price through a show, a
        // pass through the field and a commit; a number typed is the price.
        Wpisz(e->UfEd, "1,3");
        QCOMPARE(e->DostawcaUfST->text(), QStringLiteral("Inny"));
        e->RefreshUwOkna->click();
        QCOMPARE(Okno("O1").CenaOkna, -1.0);
        QCOMPARE(e->CenaEd->text(), QStringLiteral("brak"));
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        auto wpisz = [this](const QString& tekst) {
            e->CenaEd->setFocus();
            e->CenaEd->selectAll();
            QTest::keyClick(e->CenaEd, Qt::Key_Delete);
            QTest::keyClicks(e->CenaEd, tekst);
            QTest::keyClick(e->CenaEd, Qt::Key_Tab); // leaving the field
            QTest::mouseClick(e->RefreshUwOkna, Qt::LeftButton);
        };
        wpisz(QString());
        QCOMPARE(Okno("O1").CenaOkna, -1.0);
        QCOMPARE(e->CenaEd->text(), QStringLiteral("brak"));
        wpisz(QStringLiteral("1234,5"));
        QCOMPARE(Okno("O1").CenaOkna, 1234.5);
    }

    void materialOdczepiaRame() {
        KatalogDV();
        e->MaterialRamyCB->setCurrentIndex(1);
        emit e->MaterialRamyCB->activated(1);
        QCOMPARE(e->DostawcaUfST->text(), QStringLiteral("Inny"));
        QCOMPARE(e->RamaKodIdST->text(), QStringLiteral("0"));
        QCOMPARE(e->DostawcaUgST->text(), QStringLiteral("DV"));
    }

    void zmianaTypuOdRazu() {
        e->SzerokoscEd->setText("1200");
        e->WysokoscEd->setText("1500");
        e->UgEd->setText("1,1");
        e->UfEd->setText("1,3");
        e->dRamyEd->setText("70"); // the frame the new type's sashes add
        e->RefreshUwOkna->click();
        const QString uw1001 = e->UwOknaEd->text();
        const QPixmap przed = e->OknoImage->pixmap();
        WybierzTyp("2 skrzydłowe (pionowe)");
        QCOMPARE(Okno("O1").TypOkna, 2002);
        QVERIFY(e->UwOknaEd->text() != uw1001);
        QVERIFY(e->OknoImage->pixmap().toImage() != przed.toImage());
        // A new width waits for a recalculation.
        const QString uw = e->UwOknaEd->text();
        e->SzerokoscEd->setText("2400");
        emit e->SzerokoscEd->editingFinished();
        QCOMPARE(e->UwOknaEd->text(), uw);
        QCOMPARE(Okno("O1").Szerokosc, 1200.0);
    }

    void szesciuSkrzydelJednegoOkna() {
        e->WybierzRodzajSkrzydla(5, "uchylne");
        e->WybierzRodzajSkrzydla(7, "odchylne");
        QCOMPARE(Okno("O1").RodzajSkrzydla[5], 4);
        QCOMPARE(Okno("O1").RodzajSkrzydla[7], 9);
        Wybierz("O2");
        Wybierz("O1");
        QCOMPARE(e->SkrzydlaVLE->item(5, 1)->text(), QStringLiteral("uchylne"));
        // Out of sight for a one-sash type, back with a type of eight.
        QVERIFY(e->SkrzydlaVLE->isRowHidden(5));
        WybierzTyp(NazwaTypuOkna(8001));
        QVERIFY(!e->SkrzydlaVLE->isRowHidden(7));
        QCOMPARE(e->SkrzydlaVLE->item(7, 1)->text(), QStringLiteral("odchylne"));
    }

    void rozwijanaSkrzydel() {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        TListaSkrzydel* l = e->SkrzydlaVLE;
        QComboBox* cb = e->SkrzydloCB;
        WybierzTyp(NazwaTypuOkna(4001));
        const QRect komorka = l->visualItemRect(l->item(2, 1));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, komorka.center());
        QVERIFY(cb->isVisible());
        QCOMPARE(cb->geometry().top(), komorka.top());
        QCOMPARE(cb->height(), komorka.height());
        QCOMPARE(cb->currentText(), QStringLiteral("stałe w ramie"));
        // The list opened over the cell takes the click on an item.
        WybierzZListy(cb, QStringLiteral("uchylne"));
        QCOMPARE(Okno("O1").RodzajSkrzydla[2], 4);
        QCOMPARE(l->item(2, 1)->text(), QStringLiteral("uchylne"));
        QVERIFY(!cb->isVisible());
        // Down from there brings the list to the next sash; the key column does nothing.
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, komorka.center());
        QTest::keyClick(cb, Qt::Key_Down);
        QCOMPARE(l->currentRow(), 3);
        QVERIFY(cb->isVisible());
        QCOMPARE(cb->geometry().top(), l->visualItemRect(l->item(3, 1)).top());
        QTest::keyClick(cb, Qt::Key_Escape);
        QVERIFY(!cb->isVisible());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(1, 0)).center());
        QVERIFY(!cb->isVisible());
    }

    void uwagi() {
        e->UwagiMemo->setPlainText("ala ma kota\nx,y");
        e->RefreshUwOkna->click();
        QCOMPARE(Okno("O1").Uwagi, QStringLiteral("\"ala ma kota\",\"x,y\""));
        Wybierz("O2");
        QCOMPARE(e->UwagiMemo->toPlainText(), QString());
        Wybierz("O1");
        QCOMPARE(e->UwagiMemo->toPlainText(), QStringLiteral("ala ma kota\nx,y"));
    }

    void przypiszDWszystkim() {
        e->dRamyEd->setText("70");
        d->odpowiedzi << O::Tak;
        e->SetAlldRamyBBtn->click();
        QCOMPARE(d->pytania.last(),
                 QStringLiteral("Czy chcesz...?: Czy chcesz ustawić bieżącą wartość d dla "
                                "wszystkich okien w projekcie?"));
        // Every other window's Lg follows d in the same step; a window
        // smaller than its profiles keeps its Lg to the rule, which leaves
        // it no glass (and no Uw), never a glass edge of 0.
        QCOMPARE(Okno("O2").dRamy, 70.0);
        QCOMPARE(Okno("O2").Lg, -1.0); // 0 × 0 window: 2·0 + 2·0 − 8·70 < 0
        QCOMPARE(Okno("O1").Lg, 0.0);  // the window shown keeps its own
        Wybierz("O2");
        QCOMPARE(e->dRamyEd->text(), QStringLiteral("70"));
        QCOMPARE(e->LgEd->text(), QStringLiteral("-560"));
        // One step, taken back whole.
        f->Cofnij();
        QCOMPARE(Okno("O2").dRamy, 0.0);
        QCOMPARE(Okno("O1").dRamy, 0.0);
        // No: nothing written.
        e->UgEd->setText("2");
        d->odpowiedzi << O::Nie;
        e->SetAllUgBBtn->click();
        QCOMPARE(Okno("O1").Ug, 0.0);
    }

    void przypiszPozostale() {
        e->UfEd->setText("1,5");
        e->DostawcaUfST->setText("PolskaNorma");
        e->RamaKodIdST->setText("10");
        e->MaterialRamyCB->setCurrentIndex(1);
        e->TypOknaCB->setCurrentIndex(e->TypOknaCB->findText("3 skrzydłowe (typ M)"));
        e->SkrzydlaVLE->item(0, 1)->setText("uchylne");
        e->PsiGEd->setText("0,04");
        e->dREd->setText("0,1");
        d->odpowiedzi << O::Tak << O::Tak << O::Tak << O::Tak << O::Tak;
        for (QPushButton* b : {e->SetAllUfBBtn, e->SetAllPsigBBtn, e->SetAlldRBBtn,
                               e->SetAllTypOknaBBtn, e->SetAllOtwSkrzBBtn})
            b->click();
        const TOkno& o2 = Okno("O2");
        QCOMPARE(o2.Uf, 1.5);
        QCOMPARE(o2.ZrodloUf, uint8_t(1));
        QCOMPARE(o2.RamaKodID, 10);
        QCOMPARE(o2.MaterialRamy, 1);
        QCOMPARE(o2.Psi_g, 0.04);
        QCOMPARE(o2.dR, 0.1);
        QCOMPARE(o2.TypOkna, 3005);
        QCOMPARE(o2.RodzajSkrzydla[0], 4);
    }

    void podpowiedzLg_data() {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("w");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("dr");
        QTest::addColumn<QString>("lg");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("4840") << "1 skrzydłowe"
                              << "1200"
                              << "1500"
                              << "70"
                              << "4840"
                              << "";
        QTest::newRow("6940") << "4 skrzydłowe (typ 004)"
                              << "1000"
                              << "1000"
                              << "70"
                              << "6940"
                              << "";
        QTest::newRow("10472") << "5 skrzydłowe (typ 003)"
                               << "1001"
                               << "1000"
                               << "1"
                               << "10472"
                               << "";
        QTest::newRow("10474") << "5 skrzydłowe (typ 003)"
                               << "1002"
                               << "1000"
                               << "1"
                               << "10474"
                               << "";
        // Fractions of a millimetre count: 2400 + 3000 − 8 · 70,5 = 4836;
        // 2 · 1200,5 + 3000 − 560 = 4841.
        QTest::newRow("d 70,5") << "1 skrzydłowe"
                                << "1200"
                                << "1500"
                                << "70,5"
                                << "4836"
                                << "";
        QTest::newRow("W 1200,5") << "1 skrzydłowe"
                                  << "1200,5"
                                  << "1500"
                                  << "70"
                                  << "4841"
                                  << "";
        QTest::newRow("d nie liczbą")
            << "1 skrzydłowe"
            << "1200"
            << "1500"
            << "siedem"
            << "0"
            << "Podana wartość szerokości profilu nie jest prawidłową liczbą!";
    }
    void podpowiedzLg() {
        QFETCH(QString, typ);
        QFETCH(QString, w);
        QFETCH(QString, h);
        QFETCH(QString, dr);
        QFETCH(QString, lg);
        QFETCH(QString, komunikat);
        e->TypOknaCB->setCurrentIndex(e->TypOknaCB->findText(typ));
        e->SzerokoscEd->setText(w);
        e->WysokoscEd->setText(h);
        e->dRamyEd->setText(dr);
        e->LgEd->setText("123");
        e->PodpowLgBBtn->click();
        QCOMPARE(e->LgEd->text(), lg);
        QCOMPARE(d->OstatniKomunikat(), komunikat);
    }

    void lgPoEdycjiD() {
        e->SzerokoscEd->setText("1200");
        e->WysokoscEd->setText("1500");
        Wpisz(e->dRamyEd, "70");
        QCOMPARE(e->LgEd->text(), QStringLiteral("4840"));
        e->LgEd->setText("1");
        emit e->dRamyEd->editingFinished(); // not edited again: no new suggestion
        QCOMPARE(e->LgEd->text(), QStringLiteral("1"));
    }

    void nawiewniki_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("szerokosc");
        QTest::addColumn<QString>("wynik");
        QTest::newRow("400") << 3 << "400"
                             << "353";
        QTest::newRow("300") << 3 << "300"
                             << "300";
        QTest::newRow("0") << 3 << "0"
                           << "353";
        QTest::newRow("tekst") << 3 << "abc"
                               << "353";
        QTest::newRow("bez nawiewników") << 0 << "300"
                                         << "0";
    }
    void nawiewniki() {
        QFETCH(int, n);
        QFETCH(QString, szerokosc);
        QFETCH(QString, wynik);
        e->SzerokoscEd->setText("1200");
        e->dRamyEd->setText("70");
        e->LiczbaNawiewnikowSE->setValue(n == 0 ? 1 : 0);
        e->SzerokoscNawiewnikaED->setText(szerokosc);
        e->LiczbaNawiewnikowSE->setValue(n);
        QCOMPARE(e->SzerokoscNawiewnikaED->text(), wynik);
    }

    // A window stored with a vent wider than the rule allows is shown with
    // the width the rule gives; the window keeps its own until the user
    // commits another.
    void nawiewnikiNowegoOkna() {
        Wybierz("O2");
        e->SzerokoscEd->setText("1200");
        e->dRamyEd->setText("70");
        e->LiczbaNawiewnikowSE->setValue(3);
        e->SzerokoscNawiewnikaED->setText("500");
        Wybierz("O1");
        QCOMPARE(Okno("O2").SzerokoscNawiewnika, 500);
        Wybierz("O2");
        QCOMPARE(e->SzerokoscNawiewnikaED->text(), QStringLiteral("353"));
        Wybierz("O1");
        QCOMPARE(Okno("O2").SzerokoscNawiewnika, 500);
        Wybierz("O2");
        // A window narrower than its profiles takes no vent.
        e->SzerokoscEd->setText("100");
        e->LiczbaNawiewnikowSE->setValue(1);
        QCOMPARE(e->SzerokoscNawiewnikaED->text(), QStringLiteral("0"));
    }

    void wartosciZTabel() {
        d->przyOknie = [](QDialog&) {
            return true;
        };
        e->UgBBtn->click();
        QCOMPARE(e->UgEd->text(), QStringLiteral("1"));
        QCOMPARE(e->DostawcaUgST->text(), QStringLiteral("DV"));
        QCOMPARE(e->SzkloKodIdST->text(), QStringLiteral("21"));
        d->przyOknie = [this](QDialog&) {
            tabUf->RamyDV->button(8)->click();
            return true;
        };
        e->UfBBtn->click();
        QCOMPARE(e->UfEd->text(), QStringLiteral("1,5"));
        QCOMPARE(e->DostawcaUfST->text(), QStringLiteral("DV"));
        QCOMPARE(e->RamaKodIdST->text(), QStringLiteral("24"));
        QCOMPARE(e->MaterialRamyCB->currentText(), QStringLiteral("drewno"));
        e->Psi_gBBtn->click();
        e->dRBBtn->click();
        QCOMPARE(e->dREd->text(), QStringLiteral("0,1927"));
        QCOMPARE(Okno("O1").Ug, 0.0); // only at the next commit
        e->RefreshUwOkna->click();
        QCOMPARE(Okno("O1").SzkloKodID, 21);
        QCOMPARE(Okno("O1").MaterialRamy, 1);
        QVERIFY(Okno("O1").JestDV());
        // Cancel takes nothing.
        d->przyOknie = [this](QDialog&) {
            tabUg->RadioButton2->click();
            return false;
        };
        e->UgBBtn->click();
        QCOMPARE(e->UgEd->text(), QStringLiteral("1"));
        // The standard's page: source "PolskaNorma" and code 10.
        d->przyOknie = [this](QDialog&) {
            tabUg->Strony->setCurrentIndex(0);
            return true;
        };
        e->UgBBtn->click();
        QCOMPARE(e->DostawcaUgST->text(), QStringLiteral("PolskaNorma"));
        QCOMPARE(e->SzkloKodIdST->text(), QStringLiteral("10"));
        QCOMPARE(e->UgEd->text(), QStringLiteral("3,3"));
    }

    // The typical g comes with Ug only for coated triple glazing, and only
    // when ticked.
    void typoweG() {
        Wpisz(e->gEd, QStringLiteral("0,62"));
        bool wlaczone = true;
        d->przyOknie = [&](QDialog&) {
            tabUg->Strony->setCurrentIndex(0);
            QTest::mouseClick(tabUg->TypOszkleniaUgRG->button(0), Qt::LeftButton);
            QTest::mouseClick(tabUg->SzkloEmisyjnoscUgRG->button(3), Qt::LeftButton);
            wlaczone = tabUg->TypoweGCB->isEnabled();
            QTest::mouseClick(tabUg->TypoweGCB, Qt::LeftButton);
            return true;
        };
        e->UgBBtn->click();
        QVERIFY(!wlaczone);
        QCOMPARE(e->gEd->text(), QStringLiteral("0,62"));
        d->przyOknie = [this](QDialog&) {
            tabUg->Strony->setCurrentIndex(0);
            QTest::mouseClick(tabUg->TypOszkleniaUgRG->button(1), Qt::LeftButton);
            QTest::mouseClick(tabUg->SzkloEmisyjnoscUgRG->button(3), Qt::LeftButton);
            QTest::mouseClick(tabUg->TypoweGCB, Qt::LeftButton);
            return true;
        };
        e->UgBBtn->click();
        QCOMPARE(e->gEd->text(), QStringLiteral("0,5"));
        // Uncoated glass takes the tick away.
        Wpisz(e->gEd, QStringLiteral("0,62"));
        d->przyOknie = [this](QDialog&) {
            tabUg->Strony->setCurrentIndex(0);
            QTest::mouseClick(tabUg->TypOszkleniaUgRG->button(1), Qt::LeftButton);
            QTest::mouseClick(tabUg->SzkloEmisyjnoscUgRG->button(3), Qt::LeftButton);
            QTest::mouseClick(tabUg->TypoweGCB, Qt::LeftButton);
            QTest::mouseClick(tabUg->SzkloEmisyjnoscUgRG->button(0), Qt::LeftButton);
            return true;
        };
        e->UgBBtn->click();
        QCOMPARE(e->gEd->text(), QStringLiteral("0,62"));
    }

    void listaTypow() {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        // The open list shows ten types and scrolls to the rest.
        QTest::mouseClick(e->TypOknaCB, Qt::LeftButton);
        QAbstractItemView* widok = e->TypOknaCB->view();
        QVERIFY(QTest::qWaitForWindowExposed(widok->window()));
        const int wysokosc = widok->viewport()->height();
        QCOMPARE(widok->indexAt(QPoint(2, wysokosc - 2)).row() -
                     widok->indexAt(QPoint(2, 2)).row() + 1,
                 10);
        QTest::keyClick(widok, Qt::Key_Escape);
        QTRY_VERIFY(!widok->window()->isVisible());
        const QString dalszy = e->TypOknaCB->itemText(40);
        WybierzZListy(e->TypOknaCB, dalszy);
        QCOMPARE(Okno("O1").TypOknaNazwa(), dalszy);
    }

    void wyborTypu() {
        e->WybierzRodzajSkrzydla(0, "uchylne");
        // First "Ok" without a click: the sashes come back, the type stays.
        d->przyOknie = [](QDialog&) {
            return true;
        };
        e->WybierzTypOknaBBtn->click();
        QCOMPARE(e->TypOknaCB->currentText(), QStringLiteral("1 skrzydłowe"));
        QCOMPARE(e->SkrzydlaVLE->GetSkrzydlo("1"), QStringLiteral("uchylne"));
        // 5037 then "Anuluj": nothing changes.
        d->przyOknie = [this](QDialog&) {
            tabTyp->KliknijObraz(5037);
            tabTyp->SetSkrzydlo("3", "odchylne");
            return false;
        };
        e->WybierzTypOknaBBtn->click();
        QCOMPARE(e->TypOknaCB->currentText(), QStringLiteral("1 skrzydłowe"));
        QCOMPARE(e->SkrzydlaVLE->GetSkrzydlo("3"), QStringLiteral("stałe w ramie"));
        // "Ok" on the next opening: 5037 stored, computed and drawn at once,
        // as a type picked from the list is.
        d->przyOknie = [this](QDialog&) {
            tabTyp->SetSkrzydlo("3", "odchylne");
            return true;
        };
        e->SzerokoscEd->setText("2000");
        e->WysokoscEd->setText("1500");
        e->UgEd->setText("1,1");
        e->UfEd->setText("1,3");
        e->dRamyEd->setText("70");
        const QImage przed = e->OknoImage->pixmap().toImage();
        e->WybierzTypOknaBBtn->click();
        QCOMPARE(e->TypOknaCB->currentText(), QStringLiteral("5 skrzydłowe (typ 037)"));
        QCOMPARE(e->SkrzydlaVLE->GetSkrzydlo("3"), QStringLiteral("odchylne"));
        QCOMPARE(Okno("O1").TypOkna, 5037);
        QCOMPARE(Okno("O1").RodzajSkrzydla[2], 9);
        QCOMPARE(e->UwOknaEd->text(), TekstStaly(*ObliczUw(Okno("O1"), *f->Projekt()).uw, 4, 2));
        QVERIFY(e->OknoImage->pixmap().toImage() != przed);
    }

    // A negative value is never kept: the field gets back what it had, and
    // the window never holds it.
    // Each field by its value's one range, typed as a user types: the value
    // refused with the range named, the old value back, the window as it was.
    void zakresyPol_data() {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("dR 1000") << "dREd"
                                 << "1000"
                                 << "Podana wartość musi być w zakresie od 0 do 1 m²K/W!";
        QTest::newRow("Psi_g 1E300") << "PsiGEd"
                                     << "1E300"
                                     << "Podana wartość musi być w zakresie od 0 do 1 W/mK!";
        QTest::newRow("Ug 12") << "UgEd"
                               << "12"
                               << "Podana wartość musi być w zakresie od 0 do 10 W/m²K!";
        QTest::newRow("d 1001") << "dRamyEd"
                                << "1001"
                                << "Podana wartość musi być w zakresie od 0 do 1000 mm!";
        QTest::newRow("cena 2 mld") << "CenaEd"
                                    << "2000000000"
                                    << "Podana wartość musi być w zakresie od 0 do 1000000000 zł!";
        QTest::newRow("dR ujemne") << "dREd"
                                   << "-0,5"
                                   << "Podana wartość nie może być mniejsza od 0!";
    }
    void zakresyPol() {
        QFETCH(QString, pole);
        QFETCH(QString, wpisane);
        QFETCH(QString, komunikat);
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        auto* e1 = e->findChild<QLineEdit*>(pole);
        QVERIFY(e1);
        const QString przed = e1->text();
        const QString krok = f->Polecenia->EditUndo1->text();
        QTest::mouseClick(e1, Qt::LeftButton);
        QTest::keyClick(e1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(e1, wpisane);
        QTest::keyClick(e1, Qt::Key_Tab);
        QCOMPARE(d->OstatniKomunikat(), komunikat);
        QCOMPARE(e1->text(), przed);
        QTest::mouseClick(e->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(f->Polecenia->EditUndo1->text(), krok); // nothing changed
    }

    // Showing changes nothing: counts a field cannot hold (25 vents, -3)
    // are shown as they are and kept; going to another window and back
    // with the mouse makes no step to undo.
    void pokazanieNieZmienia() {
        QTemporaryDir katalog;
        const QString plik = ZapiszTestowy(katalog.filePath("nawiewniki.tmv"), [](auto& p) {
            for (const auto& [s, n] : {std::pair{"A", 25}, std::pair{"B", -3}}) {
                p.AddOkno(QString::fromLatin1(s));
                p.GetOkno(QString::fromLatin1(s))->LiczbaNawiewnikow = n;
            }
        });
        d->odpowiedzi << O::Nie; // the new project of init() is not saved
        QVERIFY(f->Zamknij());
        QVERIFY(!plik.isEmpty() && f->OtworzPlik(plik));
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTreeWidget* t = f->StolarkaTree;
        auto klik = [t](const QString& symbol) {
            QTreeWidgetItem* k = t->topLevelItem(0);
            for (int i = 0; i < k->childCount(); ++i)
                if (k->child(i)->text(0) == symbol)
                    QTest::mouseClick(t->viewport(), Qt::LeftButton, {},
                                      t->visualItemRect(k->child(i)).center());
        };
        klik("A");
        QCOMPARE(e->LiczbaNawiewnikowSE->value(), 25);
        klik("B");
        QCOMPARE(e->LiczbaNawiewnikowSE->value(), -3);
        klik("A");
        QCOMPARE(Okno("A").LiczbaNawiewnikow, 25);
        QCOMPARE(Okno("B").LiczbaNawiewnikow, -3);
        QVERIFY(!f->Polecenia->EditUndo1->isEnabled());
        // A change by the user is one: down from 25 by the arrow key.
        QTest::mouseClick(e->LiczbaNawiewnikowSE, Qt::LeftButton);
        QTest::keyClick(e->LiczbaNawiewnikowSE, Qt::Key_Down);
        klik("B");
        QCOMPARE(Okno("A").LiczbaNawiewnikow, 24);
        QVERIFY(f->Polecenia->EditUndo1->isEnabled());
    }

    void ujemnaSzerokosc() {
        e->SzerokoscEd->setText("900");
        e->RefreshUwOkna->click();
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTest::mouseClick(e->SzerokoscEd, Qt::LeftButton);
        QTest::keyClick(e->SzerokoscEd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(e->SzerokoscEd, QStringLiteral("-5"));
        QTest::keyClick(e->SzerokoscEd, Qt::Key_Tab);
        QCOMPARE(d->OstatniKomunikat(),
                 QStringLiteral("Podana wartość nie może być mniejsza od 0!"));
        QCOMPARE(e->SzerokoscEd->text(), QStringLiteral("900"));
        e->SzerokoscEd->setText("-7"); // even one the rule has not seen
        e->RefreshUwOkna->click();
        QCOMPARE(Okno("O1").Szerokosc, 900.0);
        // Text that is no number: a message, the old value, the focus kept.
        const QString psi = e->PsiGEd->text();
        QTest::mouseClick(e->PsiGEd, Qt::LeftButton);
        QTest::keyClick(e->PsiGEd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(e->PsiGEd, QStringLiteral("x"));
        QTest::keyClick(e->PsiGEd, Qt::Key_Tab);
        QCOMPARE(d->OstatniKomunikat(),
                 QStringLiteral("Podana wartość nie jest prawidłową liczbą!"));
        QCOMPARE(e->PsiGEd->text(), psi);
        QVERIFY(e->PsiGEd->hasFocus());
    }
};

QTEST_MAIN(TestEdytorOkna)
#include "tst_edytorokna.moc"
