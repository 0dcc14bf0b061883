// WT 2021 in the main window: the verdicts of winter and summer in the editor, the tree and the
// project panel.
#include "tests/ui/main/oknoglowne.h"

class TestOcenyWT : public TTestOknaGlownego {
    Q_OBJECT

private slots:
    void initTestCase() { Poczatek(); }
    void init() { Przygotuj(); }
    void cleanup() { Posprzataj(); }

    // WT 2021 as a designer sees it: the kind chosen in the editor, the
    // verdict beside Uw, the marks in the tree, the project's lines, and the
    // overview sorted, filtered and leading to a window.
    void zgodnoscWT2021() {
        Otwarty(QStringLiteral("wt.tmv"), [](TZestawienieStolarki& p) {
            for (const char* s : {"O10", "O2", "O1"}) {
                p.AddOkno(QString::fromLatin1(s));
                TOkno& o = *p.GetOkno(QString::fromLatin1(s));
                o.Szerokosc = 1200;
                o.Wysokosc = 1500;
                o.Ug = 0.5;
                o.Uf = 1.0;
                o.Psi_g = 0.04;
                o.Lg = 5000;
            }
            p.GetOkno("O2")->Uf = 3.0; // fails
            p.GetOkno("O10")->Ug = 0;  // no data
        });
        const TZestawienieStolarki& p = *f->Projekt();
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        Wybierz(QStringLiteral("O2"));
        const TPolaEdytora e(f->ElementStolarkiPanel);
        QVERIFY2(
            e.WT2021ST->text().startsWith(QStringLiteral("WT 2021: Umax = 0,90 – nie spełnia (")),
            qPrintable(e.WT2021ST->text()));
        // A roof window: another Umax, chosen from the real list.
        WybierzZListy(e.RodzajCB, QStringLiteral("okno dachowe"));
        QCOMPARE(p.GetOkno("O2")->Rodzaj, 2);
        QVERIFY(e.WT2021ST->text().startsWith(QStringLiteral("WT 2021: Umax = 1,10")));
        QTreeWidgetItem* korzen = f->StolarkaTree->topLevelItem(0);
        // Every row has its mark: O1 complies, O10 has no data, O2 fails.
        QCOMPARE(korzen->childCount(), 3);
        const auto znak = [korzen](int i) {
            const QTreeWidgetItem* w = korzen->child(i);
            return w ? w->icon(0).pixmap(16).toImage() : QImage();
        };
        QCOMPARE(znak(0), IkonaPolecenia(TIkona::SpelniaWT).pixmap(16).toImage());
        QCOMPARE(znak(1), IkonaPolecenia(TIkona::BrakDanychWT).pixmap(16).toImage());
        QCOMPARE(znak(2), IkonaPolecenia(TIkona::NieSpelniaWT).pixmap(16).toImage());
        Wybierz(QStringLiteral("wt.tmv"));
        // Winter and summer share their line whole at the smallest size; the
        // windows left out of the mean stand beside its button.
        QTRY_COMPARE(TPolaPanelu(f->StolarkaPanel).ZgodnoscWTST->text(),
                     QStringLiteral("Zgodność z WT 2021: nie spełnia 1 z 3 (O2)"));
        QTRY_COMPARE(TPolaPanelu(f->StolarkaPanel).LatoWTST->text(),
                     QStringLiteral("Latem (g·fC ≤ 0,35): bez danych: 3 z 3"));
        QTRY_COMPARE(TPolaPanelu(f->StolarkaPanel).BezDanychWTST->text(),
                     QStringLiteral("Bez danych: O10"));
        QCOMPARE(TPolaPanelu(f->StolarkaPanel).BezDanychWTST->toolTip(),
                 QStringLiteral("Bez danych cieplnych: 1 (O10) – nieujęte w Uśr"));

        d->przyOknie = [](QDialog& okno) {
            auto* przeglad = qobject_cast<TPrzegladOkienForm*>(&okno);
            if (!przeglad || !QTest::qWaitForWindowExposed(przeglad))
                return false;
            QTableView* t = przeglad->OknaTV;
            // Natural order by a click on "Symbol": O1, O2, O10.
            QTest::mouseClick(t->horizontalHeader()->viewport(), Qt::LeftButton, {},
                              QPoint(t->horizontalHeader()->sectionViewportPosition(0) + 10, 5));
            QStringList kolejno;
            for (int i = 0; i < t->model()->rowCount(); ++i)
                kolejno << t->model()->index(i, 0).data().toString();
            [&] {
                QCOMPARE(kolejno, (QStringList{"O1", "O2", "O10"}));
            }();
            QCheckBox* filtr = przeglad->TylkoProblemyCB;
            QTest::mouseClick(filtr, Qt::LeftButton, {}, QPoint(8, filtr->height() / 2));
            [&] {
                QCOMPARE(t->model()->rowCount(), 2);
            }();
            // Double-click on O10: the table closes and names it.
            const QRect r = t->visualRect(t->model()->index(1, 0));
            QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, r.center());
            return true;
        };
        f->Polecenia->PrzegladOkienTA->trigger();
        QCOMPARE(f->StolarkaTree->currentItem()->text(0), QStringLiteral("O10"));
        QVERIFY(EdytorWidoczny());
        // Enter on a row does the same.
        d->przyOknie = [](QDialog& okno) {
            auto* przeglad = qobject_cast<TPrzegladOkienForm*>(&okno);
            if (!przeglad || !QTest::qWaitForWindowExposed(przeglad))
                return false;
            QTableView* t = przeglad->OknaTV;
            t->setFocus();
            t->setCurrentIndex(t->model()->index(0, 0));
            QTest::keyClick(t, Qt::Key_Return);
            return true;
        };
        f->Polecenia->PrzegladOkienTA->trigger();
        QCOMPARE(f->StolarkaTree->currentItem()->text(0), QStringLiteral("O10"));
    }

    // The summer rule as a user meets it: g typed, a device chosen from the
    // real list, an fC out of range refused, a typed one above the device's;
    // the editor's line, the tree's mark and the panel's line follow.
    void latoWT2021() {
        Otwarty(QStringLiteral("lato.tmv"), [](TZestawienieStolarki& p) {
            p.SetParter(true);
            p.AddOkno(QStringLiteral("O1"));
            TOkno& o = *p.GetOkno(QStringLiteral("O1"));
            o.Szerokosc = 1200;
            o.Wysokosc = 1500;
            o.Ug = 0.5;
            o.Uf = 1.0;
            o.Psi_g = 0.04;
            o.Lg = 5000;
            o.SetLiczba(p.Poziomy().first(), 4, 1); // S
        });
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        Wybierz(QStringLiteral("O1"));
        const TPolaEdytora e(f->ElementStolarkiPanel);
        QCOMPARE(e.Lato2021ST->text(), QStringLiteral("WT 2021 lato: brak danych (g)"));
        const auto wpisz = [](QLineEdit* pole, const QString& tekst) {
            QTest::mouseClick(pole, Qt::LeftButton);
            QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(pole, tekst);
            QTest::keyClick(pole, Qt::Key_Tab);
        };
        wpisz(e.gEd, QStringLiteral("0,5"));
        QCOMPARE(e.Lato2021ST->text(),
                 QStringLiteral("WT 2021 lato: g·fC = 0,50 > 0,35 – nie spełnia"));
        WybierzZListy(e.OslonaCB, QStringLiteral("wewnętrzne białe żaluzje, przepuszczalność "
                                                 "0,1 (fC = 0,30)"));
        QCOMPARE(e.Lato2021ST->text(),
                 QStringLiteral("WT 2021 lato: g·fC = 0,15 ≤ 0,35 – spełnia"));
        wpisz(e.fCEd, QStringLiteral("1,5"));
        QCOMPARE(d->OstatniKomunikat(),
                 QStringLiteral("Podana wartość musi być w zakresie od 0 do 1!"));
        QCOMPARE(e.fCEd->text(), QString());
        wpisz(e.fCEd, QStringLiteral("0,8"));
        QCOMPARE(e.Lato2021ST->text(),
                 QStringLiteral("WT 2021 lato: g·fC = 0,40 > 0,35 – nie spełnia"));
        Wybierz(QStringLiteral("lato.tmv"));
        const TOkno& o = *f->Projekt()->GetOkno(QStringLiteral("O1"));
        QCOMPARE(o.g, 0.5);
        QCOMPARE(NazwaOslony(o.Oslona),
                 QStringLiteral("wewnętrzne białe żaluzje, przepuszczalność 0,1"));
        QCOMPARE(o.fC, 0.8);
        // Winter complies, summer does not: the mark says it fails.
        QCOMPARE(f->StolarkaTree->topLevelItem(0)->child(0)->icon(0).pixmap(16).toImage(),
                 IkonaPolecenia(TIkona::NieSpelniaWT).pixmap(16).toImage());
        QTRY_COMPARE(TPolaPanelu(f->StolarkaPanel).LatoWTST->text(),
                     QStringLiteral("Latem (g·fC ≤ 0,35): nie spełnia 1 z 1 (O1)"));
    }

    // Forty windows that fail never widen the project panel: the line names
    // the first few and how many more, the tooltip every one.
    void liniaWTDlugiejListy() {
        Otwarty(QStringLiteral("czterdziesci.tmv"), [](TZestawienieStolarki& p) {
            for (int i = 1; i <= 40; ++i) {
                const QString s = QStringLiteral("OKNO-BARDZO-DLUGIE-%1").arg(i, 2, 10, QChar('0'));
                p.AddOkno(s);
                TOkno& o = *p.GetOkno(s);
                o.Szerokosc = 1200;
                o.Wysokosc = 1500;
                o.Ug = 1.1;
                o.Uf = 1.3;
                o.Psi_g = 0.08;
                o.Lg = 4520;
            }
        });
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QVERIFY(f->StolarkaPanel->minimumSizeHint().width() <= TMainForm::SZEROKOSC_KLIENTA);
        const TPolaPanelu panel(f->StolarkaPanel);
        QVERIFY(panel.ZgodnoscWTST->Tekst().startsWith(
            QStringLiteral("Zgodność z WT 2021: nie spełnia 40 z 40 (OKNO-BARDZO-DLUGIE-01, ")));
        QVERIFY(panel.ZgodnoscWTST->Tekst().endsWith(QStringLiteral(" i 35 innych)")));
        QVERIFY(panel.ZgodnoscWTST->toolTip().contains(QStringLiteral("OKNO-BARDZO-DLUGIE-40")));
        const QRect r(panel.ZgodnoscWTST->mapTo(f.get(), QPoint(0, 0)), panel.ZgodnoscWTST->size());
        QVERIFY(f->rect().contains(r));
        QVERIFY(panel.SredniWazonyUEd->isVisible());
        QVERIFY(f->rect().contains(QRect(panel.SredniWazonyUEd->mapTo(f.get(), QPoint(0, 0)),
                                         panel.SredniWazonyUEd->size())));
    }

    // ti sets every window's limit: the verdicts follow when the field is
    // left, with no other node selected.
    void tiOdRazu() {
        Otwarty(QStringLiteral("ti.tmv"), [](TZestawienieStolarki& p) {
            p.AddOkno(QStringLiteral("O1"));
            TOkno& o = *p.GetOkno(QStringLiteral("O1"));
            o.Szerokosc = 1200;
            o.Wysokosc = 1500;
            o.Ug = 1.1;
            o.Uf = 1.3;
            o.Psi_g = 0.08;
            o.Lg = 4520;
        });
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        const TPolaPanelu panel(f->StolarkaPanel);
        QVERIFY(panel.ZgodnoscWTST->Tekst().contains(QStringLiteral("nie spełnia 1 z 1")));
        QTest::mouseClick(panel.TempWewEd, Qt::LeftButton);
        QTest::keyClick(panel.TempWewEd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(panel.TempWewEd, QStringLiteral("12"));
        QTest::keyClick(panel.TempWewEd, Qt::Key_Tab);
        QCOMPARE(f->Projekt()->TemperaturaWewnetrzna, 12.0);
        QCOMPARE(panel.ZgodnoscWTST->Tekst(),
                 QStringLiteral("Zgodność z WT 2021: spełniają wszystkie okna"));
        const QTreeWidgetItem* o1 = f->StolarkaTree->topLevelItem(0)->child(0);
        QCOMPARE(o1->icon(0).pixmap(16).toImage(),
                 IkonaPolecenia(TIkona::SpelniaWT).pixmap(16).toImage());
        QVERIFY(PanelProjektuWidoczny());
    }
};

QTEST_MAIN(TestOcenyWT)
#include "tst_ocenywt.moc"
