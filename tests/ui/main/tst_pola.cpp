// The panels' fields as a user types into them: numbers, prices, pastes, the storey grid, the
// wheel, the drawing.
#include "tests/ui/main/oknoglowne.h"

#include <QMimeData>

class TestPola : public TTestOknaGlownego {
    Q_OBJECT

private slots:
    void initTestCase() { Poczatek(); }
    void init() { Przygotuj(); }
    void cleanup() { Posprzataj(); }

    void siatkaPieter() {
        NowyZOknami({"O1"});
        // A new project has its ground floor: untick it for none.
        Wybierz("bez nazwy");
        QVERIFY(TPolaPanelu(f->StolarkaPanel).ParterCB->isChecked());
        QTest::mouseClick(TPolaPanelu(f->StolarkaPanel).ParterCB, Qt::LeftButton, {},
                          QPoint(6, TPolaPanelu(f->StolarkaPanel).ParterCB->height() / 2));
        Wybierz("O1");
        TSiatkaPieter* s = TPolaEdytora(f->ElementStolarkiPanel).OknaNaKondSG;
        // No storey ticked: one cell across the grid says where to tick them.
        QCOMPARE(s->rowCount(), 1);
        QCOMPARE(s->columnSpan(0, 0), 9);
        QCOMPARE(s->item(0, 0)->text(), TSiatkaPieter::PODPOWIEDZ_BEZ_POZIOMOW);
        QVERIFY(!(s->item(0, 0)->flags() & Qt::ItemIsEditable));
        QCOMPARE(s->focusPolicy(), Qt::NoFocus);
        QCOMPARE(s->horizontalHeaderItem(1)->text(), QStringLiteral(" N"));
        QCOMPARE(s->horizontalHeaderItem(8)->text(), QStringLiteral(" NW"));
        Wybierz("bez nazwy");
        Zaznacz(TPolaPanelu(f->StolarkaPanel).PodpiwniczenieCB);
        WpiszIZatwierdz(TPolaPanelu(f->StolarkaPanel).LiczbaPieterSpinEd, QString::number(2));
        Zaznacz(TPolaPanelu(f->StolarkaPanel).PoddaszeCB);
        QVERIFY(TPolaPanelu(f->StolarkaPanel).ParterCB->isChecked());
        Wybierz("O1");
        QVERIFY(s->isEnabled());
        QStringList wiersze;
        for (int w = 0; w < s->rowCount(); ++w)
            wiersze << s->item(w, 0)->text();
        QCOMPARE(wiersze, (QStringList{"podpiwniczenie", "parter", "1", "2", "poddasze"}));
        // "  Przelicz Uw" stores what was typed; a negative count stores 0.
        s->item(1, 3)->setText(QStringLiteral("4"));
        s->item(3, 8)->setText(QStringLiteral("-3"));
        s->item(4, 1)->setText(QStringLiteral("x"));
        QTest::mouseClick(TPolaEdytora(f->ElementStolarkiPanel).RefreshUwOkna, Qt::LeftButton);
        const TOkno& o = *f->Projekt()->GetOkno("O1");
        QCOMPARE(o.GetLiczba("parter", 2), 4);
        QCOMPARE(o.GetLiczba("2", 7), 0);
        QCOMPARE(o.SumaOkien(), 4);
        QCOMPARE(s->item(3, 8)->text(), QStringLiteral("0"));
    }

    void przeliczUwISumy() {
        NowyZOknami({"O1"});
        Wybierz("bez nazwy");
        Zaznacz(TPolaPanelu(f->StolarkaPanel).ParterCB);
        Wybierz("O1");
        const TPolaEdytora e(f->ElementStolarkiPanel);
        WpiszIZatwierdz(e.SzerokoscEd, "1200");
        WpiszIZatwierdz(e.WysokoscEd, "1500");
        WpiszIZatwierdz(e.UgEd, "1,1");
        WpiszIZatwierdz(e.UfEd, "1,3");
        WpiszIZatwierdz(e.PsiGEd, "0,08");
        // d first: leaving it edited would suggest Lg over one typed.
        WpiszIZatwierdz(e.dRamyEd, "70");
        WpiszIZatwierdz(e.LgEd, "4520");
        // Not before a recalculation: a window without its sizes and U has no Uw.
        QCOMPARE(e.UwOknaEd->text(), QStringLiteral("brak danych"));
        QTest::mouseClick(e.RefreshUwOkna, Qt::LeftButton);
        // A new project measures the glass: 1,34 (the estimate would give 1,36).
        QCOMPARE(TPolaEdytora(f->ElementStolarkiPanel).UwOknaEd->text(), QStringLiteral("1,34"));
        QVERIFY(e.GeometriaST->toolTip().contains(QStringLiteral("szacunek: 1,36")));
        QVERIFY(e.GeometriaST->toolTip().contains(QStringLiteral("Ag = 1,4416 m²")));
        TPolaEdytora(f->ElementStolarkiPanel)
            .OknaNaKondSG->item(0, 1)
            ->setText(QStringLiteral("2"));
        QTest::mouseClick(TPolaEdytora(f->ElementStolarkiPanel).RefreshUwOkna, Qt::LeftButton);
        Wybierz("bez nazwy");
        QCOMPARE(TPolaPanelu(f->StolarkaPanel).SredniWazonyUEd->text(), QStringLiteral("1,34"));
        // The estimate chosen in the list: every value follows at once.
        WybierzZListy(TPolaPanelu(f->StolarkaPanel).MetodaUwCB,
                      QStringLiteral("szacunkowa (z pola okna)"));
        QCOMPARE(f->Projekt()->MetodaUw, 0);
        QCOMPARE(TPolaPanelu(f->StolarkaPanel).SredniWazonyUEd->text(), QStringLiteral("1,36"));
        QCOMPARE(TPolaPanelu(f->StolarkaPanel).LacznePolePowOkienEd->text(),
                 QStringLiteral("3,60"));
        WpiszIZatwierdz(TPolaPanelu(f->StolarkaPanel).CenaMontazEd, QStringLiteral("10"));
        QTest::mouseClick(TPolaPanelu(f->StolarkaPanel).PrzeliczCenyBBtn, Qt::LeftButton);
        QCOMPARE(TPolaPanelu(f->StolarkaPanel).SumaCenaMontazEd->text(), QStringLiteral("108,00"));
    }

    void regulyParteru() {
        f->Nowy();
        const TPolaPanelu p(f->StolarkaPanel);
        WpiszIZatwierdz(p.LiczbaPieterSpinEd, QString::number(1));
        QVERIFY(p.ParterCB->isChecked());
        QTest::mouseClick(p.ParterCB, Qt::LeftButton);
        QVERIFY(p.ParterCB->isChecked());
        WpiszIZatwierdz(p.LiczbaPieterSpinEd, QString::number(0));
        QTest::mouseClick(p.ParterCB, Qt::LeftButton);
        QVERIFY(!p.ParterCB->isChecked());
        Zaznacz(p.PoddaszeCB);
        QVERIFY(p.ParterCB->isChecked());
    }

    void polaLiczbowe_data() {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("pokazane");
        QTest::addColumn<QString>("komunikat");
        // Text that is no number is never taken for 0: the old value stays.
        QTest::newRow("kurs abc") << "KursEd"
                                  << "abc"
                                  << "0"
                                  << "Podana wartość nie jest prawidłową liczbą!";
        QTest::newRow("kurs 12,5,3") << "KursEd"
                                     << "12,5,3"
                                     << "0"
                                     << "Podana wartość nie jest prawidłową liczbą!";
        // Thousands as Polish writes them.
        QTest::newRow("montaż 1 200") << "CenaMontazEd"
                                      << "1 200"
                                      << "1200"
                                      << "";
        // A value out of range is never kept: the old one comes back.
        QTest::newRow("kurs -1") << "KursEd"
                                 << "-1"
                                 << "0"
                                 << "Podana wartość nie może być mniejsza od 0!";
        QTest::newRow("kurs 4,25") << "KursEd"
                                   << " 4,250 "
                                   << "4,25"
                                   << "";
        QTest::newRow("VAT 150") << "StawkaVatEd"
                                 << "150"
                                 << "0"
                                 << "Podana wartość musi być w zakresie od 0% do 100%!";
        QTest::newRow("rabat -0,5") << "RabatDodEd"
                                    << "-0,5"
                                    << "0"
                                    << "Podana wartość musi być w zakresie od 0% do 100%!";
        QTest::newRow("promocja 100") << "PromoFormaEd"
                                      << "100"
                                      << "100"
                                      << "";
    }
    void polaLiczbowe() {
        QFETCH(QString, pole);
        QFETCH(QString, wpisane);
        QFETCH(QString, pokazane);
        QFETCH(QString, komunikat);
        f->Nowy();
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        auto* e = f->StolarkaPanel->findChild<QLineEdit*>(pole);
        QVERIFY(e);
        // Typed as a user types it, and left with Tab.
        QTest::mouseClick(e, Qt::LeftButton);
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(e, wpisane);
        QTest::keyClick(e, Qt::Key_Tab);
        QCOMPARE(e->text(), pokazane);
        QCOMPARE(d->OstatniKomunikat(), komunikat);
        // After a message the field keeps the focus.
        QCOMPARE(QApplication::focusWidget() == e, !komunikat.isEmpty());
        // Committed, the project holds what the field shows.
        QTest::mouseClick(TPolaPanelu(f->StolarkaPanel).PrzeliczCenyBBtn, Qt::LeftButton);
        if (pole == QLatin1String("KursEd"))
            QCOMPARE(f->Projekt()->KursEuro, LiczbaZTekstu(pokazane));
        if (pole == QLatin1String("CenaMontazEd"))
            QCOMPARE(f->Projekt()->CenaMontazuOkna, LiczbaZTekstu(pokazane));
    }

    // A price keeps its grosze: shown whole, kept exactly through an edit of
    // another field, and a price typed stored as typed.
    void cenaZGroszami() {
        const QString plik = katalog.filePath(QStringLiteral("ceny.tmv"));
        Otwarty(QStringLiteral("ceny.tmv"), [](TZestawienieStolarki& p) {
            p.AddOkno(QStringLiteral("O1"));
            p.GetOkno(QStringLiteral("O1"))->CenaOkna = 1234567.89;
        });
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        Wybierz(QStringLiteral("O1"));
        const TPolaEdytora e(f->ElementStolarkiPanel);
        QCOMPARE(e.CenaEd->text(), QStringLiteral("1234567,89"));
        QTest::mouseClick(e.SzerokoscEd, Qt::LeftButton);
        QTest::keyClick(e.SzerokoscEd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(e.SzerokoscEd, QStringLiteral("900"));
        QTest::keyClick(f.get(), Qt::Key_S, Qt::ControlModifier);
        TZestawienieStolarki z;
        QCOMPARE(WczytajProjekt(z, plik), WYNIK_OK);
        QCOMPARE(z.GetOkno(QStringLiteral("O1"))->Szerokosc, 900.0);
        QCOMPARE(z.GetOkno(QStringLiteral("O1"))->CenaOkna, 1234567.89);
        QTest::mouseClick(e.CenaEd, Qt::LeftButton);
        QTest::keyClick(e.CenaEd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(e.CenaEd, QStringLiteral("9876543,216"));
        QTest::mouseClick(e.RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(f->Projekt()->GetOkno(QStringLiteral("O1"))->CenaOkna, 9876543.216);
        QCOMPARE(e.CenaEd->text(), QStringLiteral("9876543,22"));
    }

    // The wheel over a closed list or a spin field that is not being edited
    // scrolls the panel; only a focused control takes it.
    void kolkoNiezmieniaWartosci() {
        NowyZOknami({"O1"});
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        const TPolaEdytora e(f->ElementStolarkiPanel);
        f->StolarkaTree->setFocus();
        for (QWidget* w :
             {static_cast<QWidget*>(e.TypOknaCB), static_cast<QWidget*>(e.MaterialRamyCB),
              static_cast<QWidget*>(e.LiczbaNawiewnikowSE)}) {
            const QString przed =
                w->property("currentText").toString() + w->property("value").toString();
            Kolko(w, w->rect().center(), -120);
            Kolko(w, w->rect().center(), -120);
            QCOMPARE(w->property("currentText").toString() + w->property("value").toString(),
                     przed);
            QVERIFY(!w->hasFocus());
        }
        e.MaterialRamyCB->setFocus();
        const int przed = e.MaterialRamyCB->currentIndex();
        Kolko(e.MaterialRamyCB, e.MaterialRamyCB->rect().center(), 120);
        QCOMPARE(e.MaterialRamyCB->currentIndex(), przed - 1);
    }

    // Cut, Copy and Paste follow the focused text field from the start; a
    // panel control's hint shows in the status bar under the mouse.
    void schowekIPodpowiedzi() {
        for (QAction* a :
             {f->Polecenia->EditCut1, f->Polecenia->EditCopy1, f->Polecenia->EditPaste1})
            QVERIFY(!a->isEnabled());
        NowyZOknami({"O1"});
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QApplication::clipboard()->setText(QStringLiteral("x"));
        const QPoint korzen =
            f->StolarkaTree->visualItemRect(f->StolarkaTree->topLevelItem(0)).center();
        QTest::mouseClick(f->StolarkaTree->viewport(), Qt::LeftButton, {}, korzen);
        QLineEdit* firma = TPolaPanelu(f->StolarkaPanel).FirmaEd;
        QTest::mouseClick(firma, Qt::LeftButton);
        QTRY_VERIFY(firma->hasFocus());
        QVERIFY(f->Polecenia->EditPaste1->isEnabled() && !f->Polecenia->EditCopy1->isEnabled());
        QTest::keyClicks(firma, QStringLiteral("abc"));
        QTest::keyClick(firma, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(f->Polecenia->EditCut1->isEnabled() && f->Polecenia->EditCopy1->isEnabled());
        QTest::mouseClick(f->StolarkaTree->viewport(), Qt::LeftButton, {}, korzen);
        for (QAction* a :
             {f->Polecenia->EditCut1, f->Polecenia->EditCopy1, f->Polecenia->EditPaste1})
            QVERIFY(!a->isEnabled());
        Wybierz("O1");
        QWidget* typ = TPolaEdytora(f->ElementStolarkiPanel).TypOknaCB;
        QTest::mouseMove(typ);
        QTRY_COMPARE(f->statusBar()->currentMessage(), typ->toolTip());
        QVERIFY(!f->statusBar()->currentMessage().isEmpty());
    }

    // A paste keeps every character the file can store: composed, the
    // obvious equivalents put in, the others left out and named; Ctrl+Z
    // takes the paste back in the remarks.
    void wklejanie_data() {
        QTest::addColumn<QString>("schowek");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<QStringList>("wStatusie");
        QTest::newRow("obce znaki")
            << QStringLiteral("Dom Жółty ² €") << QStringLiteral("Dom ółty 2 €")
            << QStringList{"„Ж”", "„²” na „2”"};
        QTest::newRow("rozłożone litery")
            << QStringLiteral("Lo\u0301dz\u0301 \u0141o\u0301dz\u0301")
            << QStringLiteral("Lódź Łódź") << QStringList();
        QTest::newRow("à i ½") << QStringLiteral("à la ½ m²") << QStringLiteral("a la 1/2 m2")
                               << QStringList{"„à” na „a”", "„½” na „1/2”"};
    }
    void wklejanie() {
        QFETCH(QString, schowek);
        QFETCH(QString, wynik);
        QFETCH(QStringList, wStatusie);
        NowyZOknami({"O1"});
        Wybierz(QStringLiteral("bez nazwy"));
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        f->statusBar()->clearMessage();
        QLineEdit* firma = TPolaPanelu(f->StolarkaPanel).FirmaEd;
        firma->setFocus();
        QApplication::clipboard()->setText(schowek);
        QTest::keyClick(firma, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(firma->text(), wynik);
        for (const QString& s : wStatusie)
            QVERIFY2(f->statusBar()->currentMessage().contains(s),
                     qPrintable(f->statusBar()->currentMessage()));

        Wybierz(QStringLiteral("O1"));
        QPlainTextEdit* uwagi = TPolaEdytora(f->ElementStolarkiPanel).UwagiMemo;
        uwagi->setFocus();
        f->statusBar()->clearMessage();
        QTest::keyClick(uwagi, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(uwagi->toPlainText(), wynik);
        for (const QString& s : wStatusie)
            QVERIFY(f->statusBar()->currentMessage().contains(s));
        f->statusBar()->clearMessage();
        QTest::keyClick(uwagi, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(uwagi->toPlainText(), QString());
        QCOMPARE(f->statusBar()->currentMessage(), QString());
    }

    // Ctrl+V with nothing to paste (an empty clipboard, or a picture only)
    // puts nothing into the remarks, and the program goes on.
    void wklejanieBezTekstu() {
        NowyZOknami({"O1"});
        Wybierz(QStringLiteral("O1"));
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QPlainTextEdit* uwagi = TPolaEdytora(f->ElementStolarkiPanel).UwagiMemo;
        QTest::mouseClick(uwagi->viewport(), Qt::LeftButton);
        Pisz(uwagi, QStringLiteral("ala"));
        QApplication::clipboard()->clear();
        QTest::keyClick(uwagi, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(uwagi->toPlainText(), QStringLiteral("ala"));
        auto* obraz = new QMimeData;
        obraz->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QApplication::clipboard()->setMimeData(obraz);
        QTest::keyClick(uwagi, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(uwagi->toPlainText(), QStringLiteral("ala"));
        QTest::mouseClick(TPolaEdytora(f->ElementStolarkiPanel).RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(f->Projekt()->GetOkno(QStringLiteral("O1"))->Uwagi, QStringLiteral("ala"));
    }

    // The editor reads a comma or a point on every locale, and digit groups
    // apart as Polish writes thousands.
    void liczbyWpisane_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("polski") << QLocale(QLocale::Polish, QLocale::Poland);
        QTest::newRow("angielski") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("niemiecki") << QLocale(QLocale::German, QLocale::Germany);
    }
    void liczbyWpisane() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        NowyZOknami({"O1"});
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        const TPolaEdytora e(f->ElementStolarkiPanel);
        const QList<std::pair<QLineEdit*, QString>> wpisy = {
            {e.SzerokoscEd, "1.500"}, {e.WysokoscEd, "1,1"}, {e.LgEd, "1 100"}};
        for (const auto& [pole, tekst] : wpisy) {
            pole->setFocus();
            pole->selectAll();
            QTest::keyClicks(pole, tekst);
        }
        QTest::mouseClick(e.RefreshUwOkna, Qt::LeftButton);
        const TOkno& o = *f->Projekt()->GetOkno("O1");
        QCOMPARE(o.Szerokosc, 1.5);
        QCOMPARE(o.Wysokosc, 1.1);
        QCOMPARE(o.Lg, 1100.0);
        QCOMPARE(e.SzerokoscEd->text(), TekstOgolny(1.5, locale));
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }

    // What the file cannot store is refused as it is typed, with the reason
    // in the status bar; the rest of the text goes in.
    void znakiSpozaStronyKodowej() {
        f->Nowy();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QLineEdit* firma = TPolaPanelu(f->StolarkaPanel).FirmaEd;
        firma->setFocus();
        Pisz(firma, QStringLiteral("Łąka Ж€"));
        QCOMPARE(firma->text(), QStringLiteral("Łąka €"));
        QVERIFY(f->statusBar()->currentMessage().contains(QStringLiteral("„Ж”")));
        NowyZOknamiBezNowego({"O1"});
        QPlainTextEdit* uwagi = TPolaEdytora(f->ElementStolarkiPanel).UwagiMemo;
        uwagi->setFocus();
        QTest::keyClicks(uwagi, QStringLiteral("ok"));
        QApplication::clipboard()->setText(QStringLiteral("a🏠b\nć"));
        QTest::keyClick(uwagi, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(uwagi->toPlainText(), QStringLiteral("okab\nć"));
        QVERIFY(f->statusBar()->currentMessage().contains(QStringLiteral("🏠")));
        QTest::mouseClick(TPolaEdytora(f->ElementStolarkiPanel).RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(ZapiszProjekt(*f->Projekt(), katalog.filePath("znaki.tmv")), 0);
    }

    // A few pixels of the drawing through the QPainter canvas.
    void rysunekNaObrazie() {
        TOkno o("O1");
        o.Szerokosc = 1500;
        o.Wysokosc = 1000;
        QImage obraz(300, 200, QImage::Format_RGB32);
        obraz.fill(Qt::red);
        {
            QPainter p(&obraz);
            TKanwaQPainter k(p);
            RysujOkno(o, k, 300, 200);
        }
        QCOMPARE(obraz.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(obraz.pixel(30, 20), qRgb(0, 0, 0));   // outer frame
        QCOMPARE(obraz.pixel(269, 179), qRgb(0, 0, 0)); // its last pixel
        QCOMPARE(obraz.pixel(270, 180), qRgb(255, 255, 255));
        QCOMPARE(obraz.pixel(43, 33), qRgb(0, 0, 0));   // the sash
        QCOMPARE(obraz.pixel(140, 100), qRgb(0, 0, 0)); // its fixed-glazing cross
        QCOMPARE(obraz.pixel(100, 60), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestPola)
#include "tst_pola.moc"
