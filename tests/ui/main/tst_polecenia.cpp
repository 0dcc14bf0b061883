// The menus, toolbar and keys, and what they make: imports, the spreadsheet, the table by storey
// and direction.
#include "tests/ui/main/oknoglowne.h"
#include "ui/main/stronastartowa.h"

#include <QCommandLinkButton>

class TestPolecenia : public TTestOknaGlownego {
    Q_OBJECT

private slots:
    void initTestCase() { Poczatek(); }
    void init() { Przygotuj(); }
    void cleanup() { Posprzataj(); }

    // Tab leads out of the opening kinds to the fields below; Delete in the
    // tree deletes the window.
    void klawiatura() {
        Otwarty(QStringLiteral("klawisze.tmv"), [](TZestawienieStolarki& p) {
            p.SetParter(true);
            p.SetLiczbaPieter(1);
            p.AddOkno(QStringLiteral("O1"));
            p.AddOkno(QStringLiteral("O2"));
            p.GetOkno(QStringLiteral("O1"))->TypOkna = 2001;
        });
        f->show();
        f->activateWindow(); // no window manager under Xvfb does it
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        Wybierz(QStringLiteral("O1"));
        const TPolaEdytora e(f->ElementStolarkiPanel);
        QTableWidget* skrzydla = e.SkrzydlaVLE;
        // A two-sash type shows two rows; the arrows stay within them.
        QVERIFY(!skrzydla->isRowHidden(1) && skrzydla->isRowHidden(2));
        QTest::mouseClick(skrzydla->viewport(), Qt::LeftButton, {},
                          skrzydla->visualItemRect(skrzydla->item(0, 1)).center());
        QVERIFY(e.SkrzydloCB->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(skrzydla->currentRow(), 1);

        // Tab walks the editor in reading order, in and out of both grids.
        auto nazwa = [e](QWidget* w) {
            if (w == e.SkrzydloCB)
                w = e.SkrzydlaVLE;
            while (w && w->objectName().isEmpty())
                w = w->parentWidget(); // a spin field's own line
            return w ? w->objectName() : QString();
        };
        QTest::mouseClick(e.SymbolOknaEd, Qt::LeftButton);
        QStringList droga{nazwa(QApplication::focusWidget())};
        for (int i = 0; i < 24; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            droga << nazwa(QApplication::focusWidget());
        }
        const QStringList oczekiwana{"SymbolOknaEd",
                                     "RodzajCB",
                                     "SzerokoscEd",
                                     "WysokoscEd",
                                     "OkragleCB",
                                     "TypOknaCB",
                                     "SkrzydlaVLE",
                                     "UgEd",
                                     "UfEd",
                                     "MaterialRamyCB",
                                     "PsiGEd",
                                     "dRamyEd",
                                     "dSlupkaEd",
                                     "LgEd",
                                     "gEd",
                                     "fCEd",
                                     "OslonaCB",
                                     "dREd",
                                     "LiczbaNawiewnikowSE",
                                     "SzerokoscNawiewnikaED",
                                     "CenaEd",
                                     "OknaNaKondSG",
                                     "UwagiMemo",
                                     "ZmSymbBitBtn",
                                     "RefreshUwOkna"};
        QCOMPARE(droga, oczekiwana);
        QCOMPARE(e.UwagiMemo->toPlainText(), QString()); // Tab typed nothing there
        // Back from the remarks into the storey grid, the arrows inside, and
        // Shift+Tab out of it.
        QTest::mouseClick(e.UwagiMemo->viewport(), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(e.OknaNaKondSG->hasFocus());
        e.OknaNaKondSG->setCurrentCell(0, 1);
        QTest::keyClick(e.OknaNaKondSG, Qt::Key_Right);
        QTest::keyClick(e.OknaNaKondSG, Qt::Key_Down);
        QCOMPARE(e.OknaNaKondSG->currentColumn(), 2);
        QCOMPARE(e.OknaNaKondSG->currentRow(), 1);
        QTest::keyClick(e.OknaNaKondSG, Qt::Key_Backtab);
        QVERIFY(e.CenaEd->hasFocus());

        f->StolarkaTree->setFocus();
        d->odpowiedzi << O::Tak;
        QTest::keyClick(f->StolarkaTree, Qt::Key_Delete);
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 1);
        QCOMPARE(d->pytania.last(),
                 QStringLiteral("Pytanie: Czy chcesz usunąć wybrane okno?\n\n„O1”"));
    }

    // The commands' shortcuts work wherever the focus is, the tree included.
    void skrotyWszedzie_data() {
        QTest::addColumn<QString>("pole");
        QTest::newRow("drzewo") << "StolarkaTree";
        QTest::newRow("szerokość") << "SzerokoscEd";
        QTest::newRow("uwagi") << "UwagiMemo";
        QTest::newRow("siatka") << "OknaNaKondSG";
    }
    void skrotyWszedzie() {
        QFETCH(QString, pole);
        Otwarty(QStringLiteral("skroty.tmv"), [](TZestawienieStolarki& p) {
            p.SetParter(true);
            p.AddOkno(QStringLiteral("O1"));
        });
        f->show();
        f->activateWindow(); // no window manager under Xvfb does it
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        Wybierz(QStringLiteral("O1"));
        auto* w = f->findChild<QWidget*>(pole);
        QVERIFY(w);
        w->setFocus(Qt::MouseFocusReason);
        QVERIFY(w->hasFocus());
        d->teksty << QStringLiteral("O2");
        QTest::keyClick(w, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(d->pytania.last(), QStringLiteral("Symbol okna: Podaj symbol nowego okna:"));
        QVERIFY(f->Projekt()->GetOkno(QStringLiteral("O2")));
        QApplication::focusWidget()->clearFocus();
        w->setFocus(Qt::MouseFocusReason);
        d->teksty << QStringLiteral("O3");
        QTest::keyClick(w, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(f->Projekt()->GetOkno(QStringLiteral("O3")));
    }

    void importArvoK() {
        const QString avk = katalog.filePath(QStringLiteral("dom.avk"));
        QFile p(avk);
        QVERIFY(p.open(QIODevice::WriteOnly));
        p.write("ARVO\r\n1\r\n-\r\na\r\nb\r\nc\r\nd\r\nS\r\n2\r\n-\r\n"
                "o\r\nO2\r\n1,5\r\n1,2\r\n2\r\nFALSE\r\na\r\nb\r\nc\r\n"
                "o\r\nA1\r\n2\r\n1\r\n1\r\nTRUE\r\na\r\nb\r\nc\r\nx\r\ny\r\nz\r\n");
        p.close();
        d->pliki << avk;
        f->Polecenia->FileImportArvoKTA->trigger();
        QCOMPARE(d->komunikaty.size(), 1);
        QCOMPARE(d->komunikaty[0].tytul, QStringLiteral("Import z ARVO K"));
        QCOMPARE(d->komunikaty[0].rodzaj, TRodzajKomunikatu::Informacja);
        QCOMPARE(d->OstatniKomunikat(), QStringLiteral("Projekt został pomyślnie zaimportowany z "
                                                       "pliku.\r\nWczytano wszystkie okna."));
        QCOMPARE(Dzieci(f->StolarkaTree), (QStringList{"A1 (drzwi)", "O2"}));
        QVERIFY(PanelProjektuWidoczny());
        QVERIFY(TPolaPanelu(f->StolarkaPanel).ParterCB->isChecked());
        // Imported, nothing saved yet.
        QCOMPARE(TytulOkna(f.get()), QStringLiteral("Termivo - [bez nazwy]*"));
        QCOMPARE(f->Projekt()->GetOkno("O2")->GetLiczba("parter", 4), 2);

        QVERIFY(f->Zamknij() == false); // Cancel keeps it
        d->odpowiedzi << O::Nie;
        QVERIFY(f->Zamknij());
        QVERIFY(p.open(QIODevice::WriteOnly));
        p.write("ARVO\r\ndwa\r\n");
        p.close();
        d->komunikaty.clear();
        d->pliki << avk;
        f->Importuj();
        QCOMPARE(d->komunikaty.size(), 1);
        QCOMPARE(d->komunikaty[0].rodzaj, TRodzajKomunikatu::Blad);
        // With the file and why: the line that holds no number.
        QCOMPARE(d->OstatniKomunikat(),
                 QStringLiteral("Próba importu projektu z pliku zakończyła się niepowodzeniem.\n") +
                     QDir::toNativeSeparators(avk) +
                     QStringLiteral(": w wierszu 2 pliku powinna być liczba, a jest „dwa”"));
        QVERIFY(!f->Projekt());
        QVERIFY(f->StolarkaTree->topLevelItemCount() == 0);
        QVERIFY(f->Polecenia->FileImportArvoKTA->isEnabled());
    }

    // "Import z IFC...": the model's windows shown, the choices made with
    // the mouse and the keys, the new unnamed project made of them.
    void importIfc() {
        const QString plik = katalog.filePath(QStringLiteral("dom.ifc"));
        QFile f1(plik);
        QVERIFY(f1.open(QIODevice::WriteOnly));
        f1.write("ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n"
                 "#1=IFCBUILDINGSTOREY('a',$,'Parter',$,$,$,$,$,.ELEMENT.,0.);\n"
                 "#2=IFCBUILDINGSTOREY('b',$,'Pietro',$,$,$,$,$,.ELEMENT.,3.);\n"
                 "#3=IFCWINDOW('e',$,'O1',$,$,$,$,'OK1',1.5,1.2,.WINDOW.,.SINGLE_PANEL.,$);\n"
                 "#4=IFCWINDOW('f',$,'O1',$,$,$,$,'OK1',1.5,1.2,.WINDOW.,.SINGLE_PANEL.,$);\n"
                 "#5=IFCWINDOW('g',$,'O2',$,$,$,$,'OK2',1.2,0.9,.WINDOW.,.SINGLE_PANEL.,$);\n"
                 "#6=IFCRELCONTAINEDINSPATIALSTRUCTURE('i',$,$,$,(#3,#4),#1);\n"
                 "#7=IFCRELCONTAINEDINSPATIALSTRUCTURE('j',$,$,$,(#5),#2);\n"
                 "ENDSEC;END-ISO-10303-21;\n");
        f1.close();
        f->show();
        f->activateWindow(); // no window manager under Xvfb does it
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        bool bylo = false;
        d->przyOknie = [&](QDialog& okno) {
            auto* imp = qobject_cast<TImportIfcForm*>(&okno);
            if (!imp)
                return false;
            bylo = true;
            [&] {
                QVERIFY(QTest::qWaitForWindowExposed(imp));
                QVERIFY(imp->PodsumowanieST->text().contains(
                    QStringLiteral("znaleziono 3 okna, które dadzą 2 pozycje")));
                // The upper storey made the attic, its window turned to face south.
                WybierzZListy(imp->findChild<QComboBox*>(QStringLiteral("PoziomCB1")),
                              QStringLiteral("poddasze"));
                imp->PolnocSE->setFocus();
                imp->PolnocSE->selectAll();
                QTest::keyClicks(imp->PolnocSE, QStringLiteral("180"));
                QTest::keyClick(imp->PolnocSE, Qt::Key_Tab);
                QVERIFY(imp->KierunkiST->text().contains(QStringLiteral("S: 3")));
                QTest::mouseClick(imp->UgEd, Qt::LeftButton);
                QTest::keyClick(imp->UgEd, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(imp->UgEd, QStringLiteral("0,6"));
                QTest::mouseClick(imp->ImportujBtn, Qt::LeftButton);
            }();
            return okno.result() == QDialog::Accepted;
        };
        d->pliki << plik;
        f->Polecenia->FileImportIfcTA->trigger();
        QVERIFY(bylo);
        QVERIFY(f->Projekt());
        QVERIFY(f->Zmieniony());
        QCOMPARE(Dzieci(f->StolarkaTree), (QStringList{"OK1", "OK2"}));
        const TZestawienieStolarki& p = *f->Projekt();
        QVERIFY(p.Poddasze());
        QCOMPARE(p.GetOkno(QStringLiteral("OK1"))->GetLiczba(QStringLiteral("parter"), 4), 2);
        QCOMPARE(p.GetOkno(QStringLiteral("OK2"))->GetLiczba(QStringLiteral("poddasze"), 4), 1);
        QCOMPARE(p.GetOkno(QStringLiteral("OK2"))->Ug, 0.6);
        QCOMPARE(d->komunikaty.last().tytul, QStringLiteral("Import z IFC"));
        QVERIFY(
            d->OstatniKomunikat().contains(QStringLiteral("zaimportowano 3 okna jako 2 pozycje")));
        // The values back into the model: the model and the new file asked
        // for, each of the three windows given its Uw.
        const QString wynik = katalog.filePath(QStringLiteral("dom_termivo.ifc"));
        d->pliki << plik << wynik;
        QVERIFY(f->Polecenia->FileExportIfcTA->isEnabled());
        f->Polecenia->FileExportIfcTA->trigger();
        QVERIFY2(d->OstatniKomunikat().contains(QStringLiteral("wartości 3 okien modelu")),
                 qPrintable(d->OstatniKomunikat()));
        QFile f3(wynik);
        QVERIFY(f3.open(QIODevice::ReadOnly));
        QCOMPARE(f3.readAll().count("'Termivo_WT2021'"), 2);
        // A new version of the model, without the upper window, merged into
        // the open project: asked first, then whether to remove what the
        // model lost; one step, taken back whole.
        const QString v2 = katalog.filePath(QStringLiteral("dom2.ifc"));
        QFile f4(v2);
        QVERIFY(f4.open(QIODevice::WriteOnly));
        f4.write("ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n"
                 "#1=IFCBUILDINGSTOREY('a',$,'Parter',$,$,$,$,$,.ELEMENT.,0.);\n"
                 "#3=IFCWINDOW('e',$,'O1',$,$,$,$,'OK1',1.5,1.2,.WINDOW.,.SINGLE_PANEL.,$);\n"
                 "#4=IFCWINDOW('f',$,'O1',$,$,$,$,'OK1',1.5,1.2,.WINDOW.,.SINGLE_PANEL.,$);\n"
                 "#6=IFCRELCONTAINEDINSPATIALSTRUCTURE('i',$,$,$,(#3,#4),#1);\n"
                 "ENDSEC;END-ISO-10303-21;\n");
        f4.close();
        d->przyOknie = [&](QDialog& okno) {
            if (auto* imp = qobject_cast<TImportIfcForm*>(&okno)) {
                QTest::mouseClick(imp->ImportujBtn, Qt::LeftButton);
                return okno.result() == QDialog::Accepted;
            }
            return false;
        };
        QVERIFY(f->Polecenia->FileImportIfcTA->isEnabled());
        d->pliki << v2;
        d->odpowiedzi << O::Tak << O::Tak;
        f->Polecenia->FileImportIfcTA->trigger();
        QVERIFY(d->pytania.at(d->pytania.size() - 2)
                    .contains(QStringLiteral("okna, których nie ma w modelu: OK2")));
        QCOMPARE(Dzieci(f->StolarkaTree), QStringList{"OK1"});
        QCOMPARE(f->Projekt()->GetOkno(QStringLiteral("OK1"))->Ug, 0.6); // the designer's
        f->Cofnij();
        QCOMPARE(Dzieci(f->StolarkaTree), (QStringList{"OK1", "OK2"}));
        // A file that is no model: its reason, and no project.
        d->odpowiedzi << O::Nie;
        QVERIFY(f->Zamknij());
        const QString zly = katalog.filePath(QStringLiteral("zly.ifc"));
        QFile f2(zly);
        QVERIFY(f2.open(QIODevice::WriteOnly));
        f2.write("ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n#1=IFCWALL(");
        f2.close();
        d->pliki << zly;
        // This time from the start page's own button.
        QVERIFY(f->StronaStartowa->isVisible());
        QTest::mouseClick(f->StronaStartowa->ImportIfcBtn, Qt::LeftButton);
        QVERIFY(!f->Projekt());
        QCOMPARE(d->komunikaty.last().tytul, QStringLiteral("Import z IFC"));
        QVERIFY2(d->OstatniKomunikat().contains(QStringLiteral("wiersz 6")),
                 qPrintable(d->OstatniKomunikat()));
    }

    // "Eksportuj zestawienie..." commits what the editor holds and writes
    // the workbook under the name chosen; a CSV when the name says so.
    void eksportZestawienia() {
        NowyZOknami({"O1"});
        f->show();
        f->activateWindow(); // no window manager under Xvfb does it
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QLineEdit* szerokosc = TPolaEdytora(f->ElementStolarkiPanel).SzerokoscEd;
        szerokosc->setFocus();
        szerokosc->selectAll();
        QTest::keyClicks(szerokosc, QStringLiteral("1410"));
        const QString xlsx = katalog.filePath(QStringLiteral("zestawienie.xlsx"));
        const QString csv = katalog.filePath(QStringLiteral("zestawienie.csv"));
        d->pliki << xlsx << csv;
        f->Polecenia->FileExportTA->trigger();
        f->Polecenia->FileExportTA->trigger();
        QVERIFY(d->katalogiDialogow.last().endsWith(QStringLiteral("bez nazwy.xlsx")));
        QFile z(xlsx);
        QVERIFY(z.open(QIODevice::ReadOnly));
        QVERIFY(z.readAll().startsWith("PK"));
        QFile c(csv);
        QVERIFY(c.open(QIODevice::ReadOnly));
        QVERIFY(c.readAll().contains("\r\nO1;1 skrzyd"));
        QCOMPARE(f->Projekt()->GetOkno("O1")->Szerokosc, 1410.0);
        // What was written where: in the status bar.
        QCOMPARE(
            f->statusBar()->currentMessage(),
            QStringLiteral("Zapisano zestawienie w pliku %1").arg(QDir::toNativeSeparators(csv)));
    }

    // The table by storey and direction, opened from the menu as a user
    // does, commits what the editor holds and saves the CSV.
    void zestawienieWgStron() {
        NowyZOknami({"O1"});
        Wybierz("bez nazwy");
        Zaznacz(TPolaPanelu(f->StolarkaPanel).ParterCB);
        Wybierz("O1");
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        const TPolaEdytora e(f->ElementStolarkiPanel);
        for (auto [pole, tekst] :
             {std::pair{e.SzerokoscEd, "1200"}, std::pair{e.WysokoscEd, "1500"}}) {
            pole->setFocus();
            pole->selectAll();
            QTest::keyClicks(pole, QLatin1String(tekst));
        }
        e.OknaNaKondSG->item(0, 1)->setText(QStringLiteral("2")); // typed, not committed yet
        const QString csv = katalog.filePath(QStringLiteral("strony.csv"));
        d->pliki << csv;
        QString pole, sztuk;
        d->przyOknie = [&](QDialog& okno) {
            auto* z = qobject_cast<TOrientacjeForm*>(&okno);
            if (!z)
                return false;
            sztuk = z->TabelaSG->item(0, 0)->text();
            QTest::mouseClick(z->PoleRB, Qt::LeftButton);
            pole = z->TabelaSG->item(1, 8)->text();
            QTest::mouseClick(z->ZapiszCsvBtn, Qt::LeftButton);
            QTest::mouseClick(z->ZamknijBtn, Qt::LeftButton);
            return true;
        };
        QMenuBar* menu = f->menuBar();
        QAction* stolarka = nullptr;
        for (QAction* a : menu->actions())
            if (a->text() == QStringLiteral("&Stolarka"))
                stolarka = a;
        QVERIFY(stolarka);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(stolarka).center());
        QMenu* rozwiniete = stolarka->menu();
        QVERIFY(QTest::qWaitForWindowExposed(rozwiniete));
        QTest::mouseClick(rozwiniete, Qt::LeftButton, {},
                          rozwiniete->actionGeometry(f->Polecenia->OrientacjeTA).center());
        QTRY_COMPARE(sztuk, QStringLiteral("2"));
        QCOMPARE(pole, QStringLiteral("3,60"));
        QFile plik(csv);
        QVERIFY(plik.open(QIODevice::ReadOnly));
        QVERIFY(plik.readAll().startsWith("\xEF\xBB\xBFKondygnacja;Strona;"));
    }
};

QTEST_MAIN(TestPolecenia)
#include "tst_polecenia.moc"
