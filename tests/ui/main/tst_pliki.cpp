// The main window and the files: one project in one program, the recent projects, a dropped file,
// the saved state.
#include "tests/ui/main/historia_wspolne.h"

class TestPliki : public TTestHistorii {
    Q_OBJECT

private slots:
    void initTestCase() { initTestCaseWspolne(); }
    void init() { initWspolne(); }
    void cleanup() { cleanupWspolne(); }

    // Saving makes the project unchanged; undoing back to the save too, and
    // then closing asks nothing.
    void stanZapisany() {
        Pokazane();
        f->Nowy();
        QVERIFY(!f->Zmieniony());
        d->teksty << QStringLiteral("O1");
        f->DodajOkno();
        QVERIFY(f->Zmieniony());
        d->pliki << katalog.filePath(QStringLiteral("zapisany.tmv"));
        f->Zapisz();
        QVERIFY(!f->Zmieniony());
        Wpisz(TPolaEdytora(f->ElementStolarkiPanel).SzerokoscEd, QStringLiteral("1000"));
        QTest::mouseClick(TPolaEdytora(f->ElementStolarkiPanel).RefreshUwOkna, Qt::LeftButton);
        QVERIFY(f->Zmieniony());
        Klawisz(Qt::Key_Z);
        QVERIFY(!f->Zmieniony());
        const int pytan = d->pytania.size();
        QVERIFY(f->Zamknij());
        QCOMPARE(d->pytania.size(), pytan);
        QCOMPARE(f->Otwarty().Historia().Liczba(), 0);
    }

    // Two main windows at one file: the second is told and opens it
    // read-only, saving it only under another name; a file another program
    // wrote since it was opened is not overwritten without asking.
    void jedenProjektJedenProgram() {
        const QString plik = Otwarty(QStringLiteral("wspolny.tmv"), [](TZestawienieStolarki& p) {
            p.AddOkno(QStringLiteral("O1"));
        });
        QVERIFY(!plik.isEmpty());
        TDialogiSkrypt d2;
        TMainForm drugi(d2);
        QVERIFY(!drugi.OtworzPlik(plik)); // the question answered "Nie"
        QVERIFY(d2.pytania.last().contains(QStringLiteral("jest otwarty w innym oknie")));
        QVERIFY(!drugi.Projekt());
        d2.odpowiedzi << O::Tak;
        QVERIFY(drugi.OtworzPlik(plik));
        QCOMPARE(TytulOkna(&drugi), QStringLiteral("Termivo - [wspolny.tmv] (tylko do odczytu)"));
        const int dialogow = d2.katalogiDialogow.size();
        drugi.Zapisz(); // the save dialog, cancelled
        QCOMPARE(d2.katalogiDialogow.size(), dialogow + 1);
        d2.odpowiedzi << O::Nie;
        QVERIFY(drugi.Zamknij());

        QFile inny(plik);
        QVERIFY(inny.open(QIODevice::Append));
        inny.write("[Obce]\r\nKlucz=1\r\n");
        inny.close();
        Wybierz(QStringLiteral("O1"));
        Wpisz(TPolaEdytora(f->ElementStolarkiPanel).SzerokoscEd, QStringLiteral("1000"));
        d->odpowiedzi << O::Nie;
        Klawisz(Qt::Key_S);
        QVERIFY(d->pytania.last().contains(QStringLiteral("został zmieniony przez inny program")));
        QVERIFY(QFile(plik).open(QIODevice::ReadOnly) && f->Zmieniony());
        d->odpowiedzi << O::Tak;
        Klawisz(Qt::Key_S);
        QVERIFY(!f->Zmieniony());
    }

    // The recent projects: in the menu and on the start page, newest
    // first, a file that is gone left out.
    void ostatnieProjekty() {
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Termivo"),
                  QStringLiteral("Termivo"))
            .remove(QStringLiteral("OstatnioOtwierane"));
        const QString a = katalog.filePath(QStringLiteral("a.tmv"));
        const QString b = katalog.filePath(QStringLiteral("b.tmv"));
        for (const QString& s : {a, b}) {
            f->Nowy();
            d->pliki << s;
            f->Zapisz();
            QVERIFY(f->Zamknij());
        }
        QCOMPARE(f->OstatnieProjekty(), (QStringList{b, a}));
        // The open and import dialogs start where the last project is.
        f->Otworz();
        f->Importuj();
        QCOMPARE(d->katalogiDialogow.mid(d->katalogiDialogow.size() - 2),
                 (QStringList{katalog.path(), katalog.path()}));
        Pokazane();
        QVERIFY(f->StronaStartowa->isVisible());
        QCOMPARE(f->StronaStartowa->OstatnieBtn.size(), 2);
        QFile::remove(b);
        // The menu, opened, leaves the missing file out.
        f->Polecenia->OstatnieMI->popup(f->mapToGlobal(QPoint(40, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(f->Polecenia->OstatnieMI));
        QCOMPARE(f->Polecenia->OstatnieMI->actions().size(), 1);
        f->Polecenia->OstatnieMI->hide();
        QCOMPARE(f->Polecenia->OstatnieMI->actions()[0]->toolTip(), QDir::toNativeSeparators(a));
        QVERIFY(f->Polecenia->OstatnieMI->actions()[0]->text().startsWith(
            QStringLiteral("a.tmv  –  ")));
        // A click on the start page opens it.
        QCOMPARE(f->StronaStartowa->OstatnieBtn.size(), 1);
        QCOMPARE(f->StronaStartowa->OstatnieBtn[0]->description(),
                 QDir::toNativeSeparators(katalog.path()));
        QTest::mouseClick(f->StronaStartowa->OstatnieBtn[0], Qt::LeftButton);
        QVERIFY(f->Projekt());
        QCOMPARE(f->NazwaPliku(), a);
        QVERIFY(!f->StronaStartowa->isVisible());
    }

    // A project file dropped on the window: refused when it is no project
    // file, kept out by "Anuluj" of the close question, opened after "Nie".
    void upuszczonyPlik() {
        const QString a = katalog.filePath(QStringLiteral("upuszczony.tmv"));
        const QString txt = katalog.filePath(QStringLiteral("notatki.txt"));
        f->Nowy();
        d->pliki << a;
        f->Zapisz();
        QVERIFY(f->Zamknij());
        QFile t(txt);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("x");
        t.close();
        f->Nowy();
        d->teksty << QStringLiteral("O1");
        f->DodajOkno();
        Pokazane();
        // Over the tree, which takes no drops itself: the window does.
        QWidget* cel = f->StolarkaTree->viewport();
        const QPoint p = cel->rect().center();
        auto upusc = [&](const QString& plik) {
            QMimeData dane;
            dane.setUrls({QUrl::fromLocalFile(plik)});
            QDragEnterEvent wejscie(p, Qt::CopyAction, &dane, Qt::LeftButton, {});
            QApplication::sendEvent(cel, &wejscie);
            if (!wejscie.isAccepted())
                return false;
            QDropEvent upuszczenie(QPointF(p), Qt::CopyAction, &dane, Qt::LeftButton, {});
            QApplication::sendEvent(cel, &upuszczenie);
            // Opening waits for the drop to end: then it asks its question.
            return QTest::qWaitFor([&] { return d->odpowiedzi.isEmpty(); });
        };
        QVERIFY(!upusc(txt));
        d->odpowiedzi << O::Anuluj;
        QVERIFY(upusc(a));
        QVERIFY(d->odpowiedzi.isEmpty());
        QVERIFY(f->NazwaPliku() != a);
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 1);
        d->odpowiedzi << O::Nie;
        QVERIFY(upusc(a));
        QCOMPARE(f->NazwaPliku(), a);
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 0);
    }
};

QTEST_MAIN(TestPliki)
#include "tst_pliki.moc"
