#include "tests/ui/main/edytorokna_wspolne.h"

class TestEdytorOkna : public TTestEdytoraOkna {
    Q_OBJECT

private slots:
    void initTestCase() { initTestCaseWspolne(); }
    void init() { initWspolne(); }
    void cleanup() { cleanupWspolne(); }

    void listyPoResecie() {
        QCOMPARE(pola->TypOknaCB->count(), 82);
        QCOMPARE(pola->TypOknaCB->itemText(0), QStringLiteral("1 skrzydłowe"));
        QCOMPARE(pola->SkrzydloCB->count(), LICZBA_RODZAJOW_SKRZYDEL);
        QCOMPARE(pola->MaterialRamyCB->count(), 4);
        QCOMPARE(pola->MaterialRamyCB->itemText(3), QStringLiteral("PCV"));
        QCOMPARE(pola->SkrzydlaVLE->rowCount(), 8);
        QCOMPARE(pola->UgBBtn->text(), QStringLiteral("Wartości\npomocnicze"));
        QCOMPARE(pola->SetAlldRamyBBtn->text(), QStringLiteral("Przypisz\nwszystkim"));
        QCOMPARE(pola->PodpowLgBBtn->text(), QStringLiteral("Podpowiedz\nwartość Lg"));
    }

    void cenaOknaDV() {
        // With no rate given, the list price of 0 zł says why.
        WpiszIZatwierdz(pola->SzerokoscEd, "1000");
        WpiszIZatwierdz(pola->WysokoscEd, "1400");
        KatalogDV();
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(pola->CenaEd->text(), QStringLiteral("0,00"));
        QVERIFY(pola->BrakWycenyBBtn->isEnabled());
        QCOMPARE(pola->BrakWycenyBBtn->toolTip(),
                 QStringLiteral("Kurs EURO w panelu projektu wynosi 0, więc cena z cennika wynosi "
                                "0 zł. Podaj kurs EURO."));
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

    // Mullions and panels as a user gives them: the glass edge follows, the
    // panels' row appears, Uw and the verdict take them (values worked by
    // hand beside the calculation's own tests).
    void slupkiIPlyciny() {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        WybierzTyp(NazwaTypuOkna(2001));
        for (const auto& [pole, tekst] : {std::pair{pola->SzerokoscEd, "1500"},
                                          {pola->WysokoscEd, "1500"},
                                          {pola->UgEd, "0,7"},
                                          {pola->UfEd, "1,2"},
                                          {pola->PsiGEd, "0,04"},
                                          {pola->dRamyEd, "80"}})
            WpiszIZatwierdz(pole, QString::fromUtf8(tekst));
        QCOMPARE(pola->LgEd->text(), QStringLiteral("7880"));
        WpiszIZatwierdz(pola->dSlupkaEd, "120");
        QCOMPARE(pola->LgEd->text(), QStringLiteral("7800"));
        QVERIFY(!pola->PlycinyPanel->isVisible());
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(pola->UwOknaEd->text(), QStringLiteral("0,98")); // 2,1946 / 2,25
        // Sash 2 a panel, from the list over its cell.
        TListaSkrzydel* l = pola->SkrzydlaVLE;
        auto plycina = [&](int wiersz) {
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                              l->visualItemRect(l->item(wiersz, 1)).center());
            WybierzZListy(pola->SkrzydloCB, QStringLiteral("płycina"));
        };
        plycina(1);
        QVERIFY(pola->PlycinyPanel->isVisible());
        QCOMPARE(pola->LgEd->text(), QStringLiteral("3900"));
        WpiszIZatwierdz(pola->UpEd, "1");
        WpiszIZatwierdz(pola->PsiPEd, "0,06");
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(pola->UwOknaEd->text(), QStringLiteral("1,12")); // 2,51782 / 2,25
        QVERIFY(
            pola->GeometriaST->toolTip().contains(QStringLiteral("Ap = 0,8174 m², lp = 3,900 m")));
        QCOMPARE(Okno("O1").dSlupka, 120.0);
        QCOMPARE(Okno("O1").Psi_p, 0.06);
        // Panels only: a door, against 1,30. Ap 1,6348, lp 7,8:
        // (1,6348 + 0,73824 + 0,468) / 2,25 = 1,2627.
        plycina(0);
        QCOMPARE(pola->LgEd->text(), QStringLiteral("0"));
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(pola->UwOknaEd->text(), QStringLiteral("1,26"));
        QVERIFY2(pola->WT2021ST->toolTip().contains(QStringLiteral("Umax = 1,30 – spełnia")),
                 qPrintable(pola->WT2021ST->toolTip()));
    }

    // A round window by a click: the glass edge and Uw take the circle
    // (900, d 100: lg = π·700 = 2199,1 mm; Uw = 0,2055/0,2025 = 1,0148,
    // worked by hand beside the calculation's tests), and back.
    void okragle() {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        WybierzTyp(NazwaTypuOkna(1001));
        for (const auto& [pole, tekst] : {std::pair{pola->SzerokoscEd, "900"},
                                          {pola->WysokoscEd, "900"},
                                          {pola->UgEd, "0,6"},
                                          {pola->UfEd, "1,3"},
                                          {pola->PsiGEd, "0,04"},
                                          {pola->dRamyEd, "100"}})
            WpiszIZatwierdz(pole, QString::fromUtf8(tekst));
        QCOMPARE(pola->LgEd->text(), QStringLiteral("2800"));
        QTest::mouseClick(pola->OkragleCB, Qt::LeftButton);
        QVERIFY(Okno("O1").Okragle());
        QCOMPARE(pola->LgEd->text(), QStringLiteral("2199"));
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(pola->UwOknaEd->text(), QStringLiteral("1,01"));
        QVERIFY(pola->OkragleCB->isChecked());
        // π/4 · 0,81 = 0,63617 m².
        QVERIFY2(pola->GeometriaST->toolTip().contains(QStringLiteral("Aw = π/4 · szerokość · "
                                                                      "wysokość = 0,6362 m²")),
                 qPrintable(pola->GeometriaST->toolTip()));
        // Two sashes: no Uw for a round one, said; no message box.
        WybierzTyp(NazwaTypuOkna(2001));
        QTest::mouseClick(pola->RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(pola->UwOknaEd->text(), QStringLiteral("brak danych"));
        QVERIFY2(pola->GeometriaST->toolTip().contains(
                     QStringLiteral("Brak Uw: okno okrągłe: Uw tylko dla okna jednoskrzydłowego")),
                 qPrintable(pola->GeometriaST->toolTip()));
        WybierzTyp(NazwaTypuOkna(1001));
        QTest::mouseClick(pola->OkragleCB, Qt::LeftButton);
        QVERIFY(!Okno("O1").Okragle());
        QCOMPARE(pola->LgEd->text(), QStringLiteral("2800"));
        QCOMPARE(d->komunikaty.size(), 0);
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
