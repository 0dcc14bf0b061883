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

class TestEdytorOkna : public QObject {
    Q_OBJECT

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

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
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
        QCOMPARE(pola->TypOknaCB->count(), 82);
        QCOMPARE(pola->TypOknaCB->itemText(0), QStringLiteral("1 skrzydłowe"));
        QCOMPARE(pola->SkrzydloCB->count(), 12);
        QCOMPARE(pola->MaterialRamyCB->count(), 4);
        QCOMPARE(pola->MaterialRamyCB->itemText(3), QStringLiteral("PCV"));
        QCOMPARE(pola->SkrzydlaVLE->rowCount(), 8);
        QCOMPARE(pola->UgBBtn->text(), QStringLiteral("Wartości\npomocnicze"));
        QCOMPARE(pola->SetAlldRamyBBtn->text(), QStringLiteral("Przypisz\nwszystkim"));
        QCOMPARE(pola->PodpowLgBBtn->text(), QStringLiteral("Podpowiedz\nwartość Lg"));
    }

    void cenaOknaDV() {
        Wybierz(f->StolarkaTree->topLevelItem(0)->text(0));
        WpiszIZatwierdz(TPolaPanelu(f->StolarkaPanel).KursEd, QStringLiteral("4"));
        Wybierz("O1");
        WpiszIZatwierdz(pola->SzerokoscEd, "1000");
        WpiszIZatwierdz(pola->WysokoscEd, "1400");
        edytor->WybierzRodzajSkrzydla(0, "rozwierne (lewe) uchylne"); // commits and shows
        KatalogDV();
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QVERIFY(pola->DVImage->isVisibleTo(edytor));
        QVERIFY(pola->CenaEd->isReadOnly());
        QCOMPARE(pola->CenaEd->text(), QStringLiteral("517,44"));
        QVERIFY(!pola->BrakWycenyBBtn->isEnabled());
        QCOMPARE(Okno("O1").CenaOkna, -1.0);
        // Ug typed by hand: the source becomes "Inny"; after commit and show the
        // price is a manual one, keeping the list price last shown.
        WpiszIZatwierdz(pola->UgEd, "0,9");
        QCOMPARE(pola->DostawcaUgST->text(), QStringLiteral("Inny"));
        QCOMPARE(pola->SzkloKodIdST->text(), QStringLiteral("0"));
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QVERIFY(!pola->CenaEd->isReadOnly());
        QVERIFY(!pola->DVImage->isVisibleTo(edytor));
        QCOMPARE(Okno("O1").CenaOkna, 517.44);
        QCOMPARE(pola->CenaEd->text(), QStringLiteral("517,44"));
    }

    // Neither the D&V logo nor the vent help moves a control under the mouse.
    void bezSkokow() {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        auto uklad = [this] {
            QCoreApplication::processEvents();
            QMap<QString, QRect> m;
            for (QWidget* w : edytor->findChildren<QWidget*>())
                if (!w->objectName().isEmpty() && w != pola->DVImage &&
                    w != pola->SzerNawiewLabHelp && w != pola->SkrzydloCB)
                    m[w->objectName()] = QRect(w->mapTo(edytor, QPoint(0, 0)), w->size());
            return m;
        };
        const QMap<QString, QRect> przed = uklad();
        QVERIFY(przed.size() > 30);
        QTest::mouseClick(pola->SzerokoscNawiewnikaED, Qt::LeftButton);
        QTRY_VERIFY(pola->SzerNawiewLabHelp->isVisible());
        QCOMPARE(uklad(), przed);
        KatalogDV();
        WpiszIZatwierdz(pola->SzerokoscEd, "1000");
        WpiszIZatwierdz(pola->WysokoscEd, "1400");
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QVERIFY(pola->DVImage->isVisible());
        QCOMPARE(uklad(), przed);
    }

    void brakCeny() {
        WpiszIZatwierdz(pola->SzerokoscEd, "200");
        WpiszIZatwierdz(pola->WysokoscEd, "1400");
        KatalogDV();
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(pola->CenaEd->text(), QStringLiteral("brak"));
        QVERIFY(pola->BrakWycenyBBtn->isEnabled());
        QCOMPARE(pola->BrakWycenyBBtn->toolTip(),
                 QStringLiteral("Wymiary skrzydła I-go poza cennikiem!"));
        QTest::mouseClick(pola->BrakWycenyBBtn, Qt::LeftButton);
        QCOMPARE(d->komunikaty.last().tytul, QStringLiteral("Informacja"));
        QCOMPARE(d->OstatniKomunikat(), QStringLiteral("Wymiary skrzydła I-go poza cennikiem!"));
        // No longer list-priced: "brak" stays no price through a show, a
        // pass through the field and a commit; a number typed is the price.
        WpiszIZatwierdz(pola->UfEd, "1,3");
        QCOMPARE(pola->DostawcaUfST->text(), QStringLiteral("Inny"));
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(Okno("O1").CenaOkna, -1.0);
        QCOMPARE(pola->CenaEd->text(), QStringLiteral("brak"));
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        auto wpisz = [this](const QString& tekst) {
            pola->CenaEd->setFocus();
            pola->CenaEd->selectAll();
            QTest::keyClick(pola->CenaEd, Qt::Key_Delete);
            QTest::keyClicks(pola->CenaEd, tekst);
            QTest::keyClick(pola->CenaEd, Qt::Key_Tab); // leaving the field
            QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        };
        wpisz(QString());
        QCOMPARE(Okno("O1").CenaOkna, -1.0);
        QCOMPARE(pola->CenaEd->text(), QStringLiteral("brak"));
        wpisz(QStringLiteral("1234,5"));
        QCOMPARE(Okno("O1").CenaOkna, 1234.5);
    }

    void materialOdczepiaRame() {
        KatalogDV();
        WybierzKlawiszami(pola->MaterialRamyCB, pola->MaterialRamyCB->itemText(1));
        QCOMPARE(pola->DostawcaUfST->text(), QStringLiteral("Inny"));
        QCOMPARE(pola->RamaKodIdST->text(), QStringLiteral("0"));
        QCOMPARE(pola->DostawcaUgST->text(), QStringLiteral("DV"));
    }

    void zmianaTypuOdRazu() {
        WpiszIZatwierdz(pola->SzerokoscEd, "1200");
        WpiszIZatwierdz(pola->WysokoscEd, "1500");
        WpiszIZatwierdz(pola->UgEd, "1,1");
        WpiszIZatwierdz(pola->UfEd, "1,3");
        WpiszIZatwierdz(pola->dRamyEd, "70"); // the frame the new type's sashes add
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        const QString uw1001 = pola->UwOknaEd->text();
        const QPixmap przed = pola->OknoImage->pixmap();
        WybierzTyp("2 skrzydłowe (pionowe)");
        QCOMPARE(Okno("O1").TypOkna, 2002);
        QVERIFY(pola->UwOknaEd->text() != uw1001);
        QVERIFY(pola->OknoImage->pixmap().toImage() != przed.toImage());
        // A new width waits for a recalculation.
        const QString uw = pola->UwOknaEd->text();
        WpiszIZatwierdz(pola->SzerokoscEd, "2400");
        QTest::keyClick(pola->SzerokoscEd, Qt::Key_Return);
        QCOMPARE(pola->UwOknaEd->text(), uw);
        QCOMPARE(Okno("O1").Szerokosc, 1200.0);
    }

    void szesciuSkrzydelJednegoOkna() {
        edytor->WybierzRodzajSkrzydla(5, "uchylne");
        edytor->WybierzRodzajSkrzydla(7, "odchylne");
        QCOMPARE(Okno("O1").RodzajSkrzydla[5], 4);
        QCOMPARE(Okno("O1").RodzajSkrzydla[7], 9);
        Wybierz("O2");
        Wybierz("O1");
        QCOMPARE(pola->SkrzydlaVLE->item(5, 1)->text(), QStringLiteral("uchylne"));
        // Out of sight for a one-sash type, back with a type of eight.
        QVERIFY(pola->SkrzydlaVLE->isRowHidden(5));
        WybierzTyp(NazwaTypuOkna(8001));
        QVERIFY(!pola->SkrzydlaVLE->isRowHidden(7));
        QCOMPARE(pola->SkrzydlaVLE->item(7, 1)->text(), QStringLiteral("odchylne"));
    }

    void rozwijanaSkrzydel() {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        TListaSkrzydel* l = pola->SkrzydlaVLE;
        QComboBox* cb = pola->SkrzydloCB;
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
        Wpisz(pola->UwagiMemo, "ala ma kota");
        QTest::keyClick(pola->UwagiMemo, Qt::Key_Return);
        Pisz(pola->UwagiMemo, "x,y");
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(Okno("O1").Uwagi, QStringLiteral("\"ala ma kota\",\"x,y\""));
        Wybierz("O2");
        QCOMPARE(pola->UwagiMemo->toPlainText(), QString());
        Wybierz("O1");
        QCOMPARE(pola->UwagiMemo->toPlainText(), QStringLiteral("ala ma kota\nx,y"));
    }

    void przypiszDWszystkim() {
        WpiszIZatwierdz(pola->dRamyEd, "70");
        d->odpowiedzi << O::Tak;
        QTest::mouseClick(pola->SetAlldRamyBBtn, Qt::LeftButton);
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
        QCOMPARE(pola->dRamyEd->text(), QStringLiteral("70"));
        QCOMPARE(pola->LgEd->text(), QStringLiteral("-560"));
        // One step, taken back whole.
        f->Cofnij();
        QCOMPARE(Okno("O2").dRamy, 0.0);
        QCOMPARE(Okno("O1").dRamy, 0.0);
        // No: nothing written.
        WpiszIZatwierdz(pola->UgEd, "2");
        d->odpowiedzi << O::Nie;
        QTest::mouseClick(pola->SetAllUgBBtn, Qt::LeftButton);
        QCOMPARE(Okno("O1").Ug, 0.0);
    }

    void przypiszPozostale() {
        // Uf of a metal frame without a thermal break, from the standard's
        // table: 5,9, source "PolskaNorma" (1), code 10, metal (2).
        d->przyOknie = [this](QDialog&) {
            Strona(*tabUf, TDialogTabeli::PolskaNorma);
            // On its round mark: a long button takes clicks on its text only.
            QAbstractButton* metal = tabUf->RodzajRamyGB->button(2);
            QTest::mouseClick(metal, Qt::LeftButton, {}, QPoint(6, metal->height() / 2));
            return true;
        };
        QTest::mouseClick(pola->UfBBtn, Qt::LeftButton);
        WybierzTyp("3 skrzydłowe (typ M)");
        edytor->WybierzRodzajSkrzydla(0, "uchylne");
        WpiszIZatwierdz(pola->PsiGEd, "0,04");
        WpiszIZatwierdz(pola->dREd, "0,1");
        d->odpowiedzi << O::Tak << O::Tak << O::Tak << O::Tak << O::Tak;
        for (QPushButton* b : {pola->SetAllUfBBtn, pola->SetAllPsigBBtn, pola->SetAlldRBBtn,
                               pola->SetAllTypOknaBBtn, pola->SetAllOtwSkrzBBtn})
            QTest::mouseClick(b, Qt::LeftButton);
        const TOkno& o2 = Okno("O2");
        QCOMPARE(o2.Uf, 5.9);
        QCOMPARE(o2.ZrodloUf, uint8_t(1));
        QCOMPARE(o2.RamaKodID, 10);
        QCOMPARE(o2.MaterialRamy, 2);
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
        // d left as no number comes back as it was (0) before the
        // suggestion: 2 · 1200 + 2 · 1500 − 8 · 0.
        QTest::newRow("d nie liczbą") << "1 skrzydłowe"
                                      << "1200"
                                      << "1500"
                                      << "siedem"
                                      << "5400"
                                      << "Podana wartość nie jest prawidłową liczbą!";
    }
    void podpowiedzLg() {
        QFETCH(QString, typ);
        QFETCH(QString, w);
        QFETCH(QString, h);
        QFETCH(QString, dr);
        QFETCH(QString, lg);
        QFETCH(QString, komunikat);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        if (pola->TypOknaCB->currentText() != typ)
            WybierzTyp(typ);
        WpiszIZatwierdz(pola->SzerokoscEd, w);
        WpiszIZatwierdz(pola->WysokoscEd, h);
        WpiszIZatwierdz(pola->LgEd, "123");
        // d typed, and the button clicked straight from the field.
        pola->dRamyEd->setFocus();
        Wpisz(pola->dRamyEd, dr);
        QTest::mouseClick(pola->PodpowLgBBtn, Qt::LeftButton);
        QCOMPARE(pola->LgEd->text(), lg);
        QCOMPARE(d->OstatniKomunikat(), komunikat);
    }

    void lgPoEdycjiD() {
        WpiszIZatwierdz(pola->SzerokoscEd, "1200");
        WpiszIZatwierdz(pola->WysokoscEd, "1500");
        WpiszIZatwierdz(pola->dRamyEd, "70");
        QCOMPARE(pola->LgEd->text(), QStringLiteral("4840"));
        WpiszIZatwierdz(pola->LgEd, "1");
        QTest::keyClick(pola->dRamyEd, Qt::Key_Return); // not edited again: no new suggestion
        QCOMPARE(pola->LgEd->text(), QStringLiteral("1"));
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
        WpiszIZatwierdz(pola->SzerokoscEd, "1200");
        WpiszIZatwierdz(pola->dRamyEd, "70");
        WpiszIZatwierdz(pola->LiczbaNawiewnikowSE, QString::number(n == 0 ? 1 : 0));
        WpiszIZatwierdz(pola->SzerokoscNawiewnikaED, szerokosc);
        WpiszIZatwierdz(pola->LiczbaNawiewnikowSE, QString::number(n));
        QCOMPARE(pola->SzerokoscNawiewnikaED->text(), wynik);
    }

    // A window stored with a vent wider than the rule allows is shown with
    // the width the rule gives; the window keeps its own until the user
    // commits another.
    void nawiewnikiNowegoOkna() {
        Wybierz("O2");
        WpiszIZatwierdz(pola->SzerokoscEd, "1200");
        WpiszIZatwierdz(pola->dRamyEd, "70");
        WpiszIZatwierdz(pola->LiczbaNawiewnikowSE, QString::number(3));
        WpiszIZatwierdz(pola->SzerokoscNawiewnikaED, "500");
        Wybierz("O1");
        QCOMPARE(Okno("O2").SzerokoscNawiewnika, 500);
        Wybierz("O2");
        QCOMPARE(pola->SzerokoscNawiewnikaED->text(), QStringLiteral("353"));
        Wybierz("O1");
        QCOMPARE(Okno("O2").SzerokoscNawiewnika, 500);
        Wybierz("O2");
        // A window narrower than its profiles takes no vent.
        WpiszIZatwierdz(pola->SzerokoscEd, "100");
        WpiszIZatwierdz(pola->LiczbaNawiewnikowSE, QString::number(1));
        QCOMPARE(pola->SzerokoscNawiewnikaED->text(), QStringLiteral("0"));
    }

    void wartosciZTabel() {
        d->przyOknie = [](QDialog&) {
            return true;
        };
        QTest::mouseClick(pola->UgBBtn, Qt::LeftButton);
        QCOMPARE(pola->UgEd->text(), QStringLiteral("1"));
        QCOMPARE(pola->DostawcaUgST->text(), QStringLiteral("DV"));
        QCOMPARE(pola->SzkloKodIdST->text(), QStringLiteral("21"));
        d->przyOknie = [this](QDialog&) {
            tabUf->RamyDV->button(8)->click();
            return true;
        };
        QTest::mouseClick(pola->UfBBtn, Qt::LeftButton);
        QCOMPARE(pola->UfEd->text(), QStringLiteral("1,5"));
        QCOMPARE(pola->DostawcaUfST->text(), QStringLiteral("DV"));
        QCOMPARE(pola->RamaKodIdST->text(), QStringLiteral("24"));
        QCOMPARE(pola->MaterialRamyCB->currentText(), QStringLiteral("drewno"));
        QTest::mouseClick(pola->Psi_gBBtn, Qt::LeftButton);
        QTest::mouseClick(pola->dRBBtn, Qt::LeftButton);
        QCOMPARE(pola->dREd->text(), QStringLiteral("0,1927"));
        QCOMPARE(Okno("O1").Ug, 0.0); // only at the next commit
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(Okno("O1").SzkloKodID, 21);
        QCOMPARE(Okno("O1").MaterialRamy, 1);
        QVERIFY(Okno("O1").JestDV());
        // Cancel takes nothing.
        d->przyOknie = [this](QDialog&) {
            tabUg->RadioButton2->click();
            return false;
        };
        QTest::mouseClick(pola->UgBBtn, Qt::LeftButton);
        QCOMPARE(pola->UgEd->text(), QStringLiteral("1"));
        // The standard's page: source "PolskaNorma" and code 10.
        d->przyOknie = [this](QDialog&) {
            tabUg->Strony->setCurrentIndex(0);
            return true;
        };
        QTest::mouseClick(pola->UgBBtn, Qt::LeftButton);
        QCOMPARE(pola->DostawcaUgST->text(), QStringLiteral("PolskaNorma"));
        QCOMPARE(pola->SzkloKodIdST->text(), QStringLiteral("10"));
        QCOMPARE(pola->UgEd->text(), QStringLiteral("3,3"));
    }

    // The typical g comes with Ug only for coated triple glazing, and only
    // when ticked.
    void typoweG() {
        WpiszIZatwierdz(pola->gEd, QStringLiteral("0,62"));
        bool wlaczone = true;
        d->przyOknie = [&](QDialog&) {
            tabUg->Strony->setCurrentIndex(0);
            QTest::mouseClick(tabUg->TypOszkleniaUgRG->button(0), Qt::LeftButton);
            QTest::mouseClick(tabUg->SzkloEmisyjnoscUgRG->button(3), Qt::LeftButton);
            wlaczone = tabUg->TypoweGCB->isEnabled();
            QTest::mouseClick(tabUg->TypoweGCB, Qt::LeftButton);
            return true;
        };
        QTest::mouseClick(pola->UgBBtn, Qt::LeftButton);
        QVERIFY(!wlaczone);
        QCOMPARE(pola->gEd->text(), QStringLiteral("0,62"));
        d->przyOknie = [this](QDialog&) {
            tabUg->Strony->setCurrentIndex(0);
            QTest::mouseClick(tabUg->TypOszkleniaUgRG->button(1), Qt::LeftButton);
            QTest::mouseClick(tabUg->SzkloEmisyjnoscUgRG->button(3), Qt::LeftButton);
            QTest::mouseClick(tabUg->TypoweGCB, Qt::LeftButton);
            return true;
        };
        QTest::mouseClick(pola->UgBBtn, Qt::LeftButton);
        QCOMPARE(pola->gEd->text(), QStringLiteral("0,5"));
        // Uncoated glass takes the tick away.
        WpiszIZatwierdz(pola->gEd, QStringLiteral("0,62"));
        d->przyOknie = [this](QDialog&) {
            tabUg->Strony->setCurrentIndex(0);
            QTest::mouseClick(tabUg->TypOszkleniaUgRG->button(1), Qt::LeftButton);
            QTest::mouseClick(tabUg->SzkloEmisyjnoscUgRG->button(3), Qt::LeftButton);
            QTest::mouseClick(tabUg->TypoweGCB, Qt::LeftButton);
            QTest::mouseClick(tabUg->SzkloEmisyjnoscUgRG->button(0), Qt::LeftButton);
            return true;
        };
        QTest::mouseClick(pola->UgBBtn, Qt::LeftButton);
        QCOMPARE(pola->gEd->text(), QStringLiteral("0,62"));
    }

    void listaTypow() {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        // The open list shows ten types and scrolls to the rest.
        QTest::mouseClick(pola->TypOknaCB, Qt::LeftButton);
        QAbstractItemView* widok = pola->TypOknaCB->view();
        QVERIFY(QTest::qWaitForWindowExposed(widok->window()));
        const int wysokosc = widok->viewport()->height();
        QCOMPARE(widok->indexAt(QPoint(2, wysokosc - 2)).row() -
                     widok->indexAt(QPoint(2, 2)).row() + 1,
                 10);
        QTest::keyClick(widok, Qt::Key_Escape);
        QTRY_VERIFY(!widok->window()->isVisible());
        const QString dalszy = pola->TypOknaCB->itemText(40);
        WybierzZListy(pola->TypOknaCB, dalszy);
        QCOMPARE(Okno("O1").TypOknaNazwa(), dalszy);
    }

    void wyborTypu() {
        edytor->WybierzRodzajSkrzydla(0, "uchylne");
        // First "Ok" without a click: the sashes come back, the type stays.
        d->przyOknie = [](QDialog&) {
            return true;
        };
        QTest::mouseClick(pola->WybierzTypOknaBBtn, Qt::LeftButton);
        QCOMPARE(pola->TypOknaCB->currentText(), QStringLiteral("1 skrzydłowe"));
        QCOMPARE(pola->SkrzydlaVLE->GetSkrzydlo("1"), QStringLiteral("uchylne"));
        // 5037 then "Anuluj": nothing changes.
        d->przyOknie = [this](QDialog&) {
            tabTyp->KliknijObraz(5037);
            tabTyp->SetSkrzydlo("3", "odchylne");
            return false;
        };
        QTest::mouseClick(pola->WybierzTypOknaBBtn, Qt::LeftButton);
        QCOMPARE(pola->TypOknaCB->currentText(), QStringLiteral("1 skrzydłowe"));
        QCOMPARE(pola->SkrzydlaVLE->GetSkrzydlo("3"), QStringLiteral("stałe w ramie"));
        // "Ok" on the next opening: 5037 stored, computed and drawn at once,
        // as a type picked from the list is.
        d->przyOknie = [this](QDialog&) {
            tabTyp->SetSkrzydlo("3", "odchylne");
            return true;
        };
        WpiszIZatwierdz(pola->SzerokoscEd, "2000");
        WpiszIZatwierdz(pola->WysokoscEd, "1500");
        WpiszIZatwierdz(pola->UgEd, "1,1");
        WpiszIZatwierdz(pola->UfEd, "1,3");
        WpiszIZatwierdz(pola->dRamyEd, "70");
        const QImage przed = pola->OknoImage->pixmap().toImage();
        QTest::mouseClick(pola->WybierzTypOknaBBtn, Qt::LeftButton);
        QCOMPARE(pola->TypOknaCB->currentText(), QStringLiteral("5 skrzydłowe (typ 037)"));
        QCOMPARE(pola->SkrzydlaVLE->GetSkrzydlo("3"), QStringLiteral("odchylne"));
        QCOMPARE(Okno("O1").TypOkna, 5037);
        QCOMPARE(Okno("O1").RodzajSkrzydla[2], 9);
        QCOMPARE(pola->UwOknaEd->text(), TekstStaly(*ObliczUw(Okno("O1"), *f->Projekt()).uw, 4, 2));
        QVERIFY(pola->OknoImage->pixmap().toImage() != przed);
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
        auto* e1 = edytor->findChild<QLineEdit*>(pole);
        QVERIFY(e1);
        const QString przed = e1->text();
        const QString krok = f->Polecenia->EditUndo1->text();
        QTest::mouseClick(e1, Qt::LeftButton);
        QTest::keyClick(e1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(e1, wpisane);
        QTest::keyClick(e1, Qt::Key_Tab);
        QCOMPARE(d->OstatniKomunikat(), komunikat);
        QCOMPARE(e1->text(), przed);
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
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
        QCOMPARE(pola->LiczbaNawiewnikowSE->value(), 25);
        klik("B");
        QCOMPARE(pola->LiczbaNawiewnikowSE->value(), -3);
        klik("A");
        QCOMPARE(Okno("A").LiczbaNawiewnikow, 25);
        QCOMPARE(Okno("B").LiczbaNawiewnikow, -3);
        QVERIFY(!f->Polecenia->EditUndo1->isEnabled());
        // A change by the user is one: down from 25 by the arrow key.
        QTest::mouseClick(pola->LiczbaNawiewnikowSE, Qt::LeftButton);
        QTest::keyClick(pola->LiczbaNawiewnikowSE, Qt::Key_Down);
        klik("B");
        QCOMPARE(Okno("A").LiczbaNawiewnikow, 24);
        QVERIFY(f->Polecenia->EditUndo1->isEnabled());
    }

    void ujemnaSzerokosc() {
        WpiszIZatwierdz(pola->SzerokoscEd, "900");
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTest::mouseClick(pola->SzerokoscEd, Qt::LeftButton);
        QTest::keyClick(pola->SzerokoscEd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(pola->SzerokoscEd, QStringLiteral("-5"));
        QTest::keyClick(pola->SzerokoscEd, Qt::Key_Tab);
        QCOMPARE(d->OstatniKomunikat(),
                 QStringLiteral("Podana wartość nie może być mniejsza od 0!"));
        QCOMPARE(pola->SzerokoscEd->text(), QStringLiteral("900"));
        WpiszIZatwierdz(pola->SzerokoscEd, "-7"); // even one the rule has not seen
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(Okno("O1").Szerokosc, 900.0);
        // Text that is no number: a message, the old value, the focus kept.
        const QString psi = pola->PsiGEd->text();
        QTest::mouseClick(pola->PsiGEd, Qt::LeftButton);
        QTest::keyClick(pola->PsiGEd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(pola->PsiGEd, QStringLiteral("x"));
        QTest::keyClick(pola->PsiGEd, Qt::Key_Tab);
        QCOMPARE(d->OstatniKomunikat(),
                 QStringLiteral("Podana wartość nie jest prawidłową liczbą!"));
        QCOMPARE(pola->PsiGEd->text(), psi);
        QVERIFY(pola->PsiGEd->hasFocus());
    }
};

QTEST_MAIN(TestEdytorOkna)
#include "tst_edytorokna.moc"
