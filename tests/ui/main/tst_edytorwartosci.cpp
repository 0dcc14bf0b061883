// The window editor's values from elsewhere: the reference dialogs, the type chooser, the Lg
// suggestion, the vent rule, "Przypisz wszystkim".
#include "tests/ui/main/edytorokna_wspolne.h"

class TestEdytorWartosci : public TTestEdytoraOkna {
    Q_OBJECT

private slots:
    void initTestCase() { initTestCaseWspolne(); }
    void init() { initWspolne(); }
    void cleanup() { cleanupWspolne(); }

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

    // Ug from the build-up: typed on the dialog's page, computed as typed
    // (4/16Ar/4, surface 3 at 0,03, 90 % argon: 1,1027, declared 1,1), a
    // build-up that does not read named with no value to take; the window
    // keeps the build-up, reopens on it, and a typed Ug drops it.
    void ugZBudowy() {
        QString wynik, odmowa;
        bool pobierzBezBudowy = true;
        d->przyOknie = [&](QDialog&) {
            Strona(*tabUg, TDialogTabeli::ObliczenieUg);
            Wpisz(tabUg->BudowaUgEd, QStringLiteral("4/16Xe/4"));
            odmowa = tabUg->WynikUgST->text();
            pobierzBezBudowy = tabUg->PobierzBtn->isEnabled();
            Wpisz(tabUg->BudowaUgEd, QStringLiteral("4/16Ar/4"));
            Wpisz(tabUg->PowlokiUgEd, QStringLiteral("3:0,03"));
            wynik = tabUg->WynikUgST->text();
            QTest::mouseClick(tabUg->PobierzBtn, Qt::LeftButton);
            return true;
        };
        QTest::mouseClick(pola->UgBBtn, Qt::LeftButton);
        QVERIFY2(odmowa.contains(QStringLiteral("Xe")), qPrintable(odmowa));
        QVERIFY(!pobierzBezBudowy);
        QCOMPARE(wynik, QStringLiteral("4/16Ar/4 (powłoki 3:0,03): Ug = 1,103 W/m²K, wartość "
                                       "deklarowana Ug = 1,1 W/m²K"));
        QCOMPARE(pola->UgEd->text(), QStringLiteral("1,1"));
        QCOMPARE(pola->DostawcaUgST->text(), QStringLiteral("PN-EN 673"));
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(Okno("O1").Ug, 1.1);
        QCOMPARE(Okno("O1").BudowaSzyby, QStringLiteral("4/16Ar/4"));
        QCOMPARE(Okno("O1").PowlokiSzyby, QStringLiteral("3:0,03"));
        // Opened again on the window's build-up, from another page.
        tabUg->Strony->setCurrentIndex(TDialogTabeli::PolskaNorma);
        tabUg->BudowaUgEd->clear();
        int strona = -1;
        QString budowa;
        d->przyOknie = [&](QDialog&) {
            strona = tabUg->Strony->currentIndex();
            budowa = tabUg->BudowaUgEd->text();
            return false;
        };
        QTest::mouseClick(pola->UgBBtn, Qt::LeftButton);
        QCOMPARE(strona, int(TDialogTabeli::ObliczenieUg));
        QCOMPARE(budowa, QStringLiteral("4/16Ar/4"));
        WpiszIZatwierdz(pola->UgEd, "1,0");
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(Okno("O1").Ug, 1.0);
        QCOMPARE(Okno("O1").BudowaSzyby, QString());
        QCOMPARE(pola->DostawcaUgST->text(), QStringLiteral("Inny"));
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
        // A d in exponent form is a number like any other: taken, no message
        // (2 · 1200 + 2 · 1500 − 8 · 0,00001 = 5399,99992).
        QTest::newRow("d 1e-5") << "1 skrzydłowe"
                                << "1200"
                                << "1500"
                                << "1e-5"
                                << "5400"
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
        // What the window keeps: the d taken, or the old one where refused.
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        if (QByteArray(QTest::currentDataTag()) == "d 1e-5")
            QCOMPARE(Okno("O1").dRamy, 0.00001);
        if (QByteArray(QTest::currentDataTag()) == "d nie liczbą")
            QCOMPARE(Okno("O1").dRamy, 0.0);
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
        // "Ok" on the next opening with nothing clicked: what was clicked
        // in the cancelled one is not applied; it opens on the window's type.
        int zakladka = -1;
        d->przyOknie = [&](QDialog&) {
            zakladka = tabTyp->LiczbaSkrzydelPC->currentIndex();
            return true;
        };
        QTest::mouseClick(pola->WybierzTypOknaBBtn, Qt::LeftButton);
        QCOMPARE(zakladka, 0);
        QCOMPARE(pola->TypOknaCB->currentText(), QStringLiteral("1 skrzydłowe"));
        QCOMPARE(Okno("O1").TypOkna, 1001);
        // 5037 clicked and "Ok": stored, computed and drawn at once, as a
        // type picked from the list is.
        d->przyOknie = [this](QDialog&) {
            tabTyp->KliknijObraz(5037);
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
        // Another window, "Ok" without a click: its own type stays, the
        // chooser showed its tab.
        Wybierz("O2");
        d->przyOknie = [&](QDialog&) {
            zakladka = tabTyp->LiczbaSkrzydelPC->currentIndex();
            return true;
        };
        QTest::mouseClick(pola->WybierzTypOknaBBtn, Qt::LeftButton);
        QCOMPARE(zakladka, 0);
        QCOMPARE(Okno("O2").TypOkna, 1001);
        // Back on O1 it opens on the five-sash tab.
        Wybierz("O1");
        QTest::mouseClick(pola->WybierzTypOknaBBtn, Qt::LeftButton);
        QCOMPARE(zakladka, 4);
        QCOMPARE(Okno("O1").TypOkna, 5037);
    }
};

QTEST_MAIN(TestEdytorWartosci)
#include "tst_edytorwartosci.moc"
