#include "tests/ui/main/historia_wspolne.h"

class TestHistoria : public TTestHistorii {
    Q_OBJECT

private slots:
    void initTestCase() { initTestCaseWspolne(); }
    void init() { initWspolne(); }
    void cleanup() { cleanupWspolne(); }

    // Every kind of step taken back with Ctrl+Z (and once from the menu) and
    // made again with Ctrl+Y: the whole project as it was, field by field.
    void cofnijIPonow() {
        Pokazane();
        f->Nowy();
        d->teksty << QStringLiteral("O1") << QStringLiteral("O2");
        f->DodajOkno();
        f->DodajOkno();
        QList<QByteArray> stany{Stan(*f)};
        QStringList nazwy;
        const TPolaEdytora e(f->ElementStolarkiPanel);

        Wybierz(QStringLiteral("O1"));
        Wpisz(e.SzerokoscEd, QStringLiteral("1500"));
        QTest::mouseClick(e.RefreshUwOkna, Qt::LeftButton);
        stany << Stan(*f);
        nazwy << QStringLiteral("zmiana okna O1");

        Wpisz(e.UgEd, QStringLiteral("0,7"));
        d->odpowiedzi << O::Tak;
        QTest::mouseClick(e.SetAllUgBBtn, Qt::LeftButton);
        QTest::mouseClick(e.RefreshUwOkna, Qt::LeftButton);
        QCOMPARE(f->Projekt()->GetOkno("O2")->Ug, 0.7);
        stany << Stan(*f);
        nazwy << QStringLiteral("przypisanie Ug wszystkim oknom");

        Wybierz(QStringLiteral("O2"));
        d->teksty << QStringLiteral("O5");
        QTest::mouseClick(e.ZmSymbBitBtn, Qt::LeftButton);
        stany << Stan(*f);
        nazwy << QStringLiteral("zmiana symbolu okna O2 na O5");

        Wybierz(QStringLiteral("O1"));
        d->teksty << QStringLiteral("O3");
        Klawisz(Qt::Key_M);
        stany << Stan(*f);
        nazwy << QStringLiteral("powielenie okna O1 jako O3");

        Wybierz(QStringLiteral("O5"));
        d->odpowiedzi << O::Tak;
        Klawisz(Qt::Key_U);
        stany << Stan(*f);
        nazwy << QStringLiteral("usunięcie okna O5");

        Wybierz(QStringLiteral("bez nazwy"));
        Wpisz(TPolaPanelu(f->StolarkaPanel).FirmaEd, QStringLiteral("Łęg"));
        QTest::mouseClick(TPolaPanelu(f->StolarkaPanel).PodpiwniczenieCB, Qt::LeftButton);
        QTest::mouseClick(TPolaPanelu(f->StolarkaPanel).PrzeliczCenyBBtn, Qt::LeftButton);
        stany << Stan(*f);
        nazwy << QStringLiteral("zmiana danych projektu");
        QCOMPARE(f->Projekt()->Firma, QStringLiteral("Łęg"));

        // Back, step by step; the caption names the step.
        for (int i = nazwy.size() - 1; i >= 0; --i) {
            QCOMPARE(f->Polecenia->EditUndo1->text(), QStringLiteral("&Cofnij: ") + nazwy[i]);
            if (i == 3) {
                // From the menu, as a user opens it.
                QMenu* edycja =
                    f->Polecenia->EditUndo1->associatedObjects().isEmpty()
                        ? nullptr
                        : qobject_cast<QMenu*>(f->Polecenia->EditUndo1->associatedObjects()[0]);
                QVERIFY(edycja);
                edycja->popup(f->mapToGlobal(QPoint(40, 20)));
                QVERIFY(QTest::qWaitForWindowExposed(edycja));
                QTest::mouseClick(edycja, Qt::LeftButton, {},
                                  edycja->actionGeometry(f->Polecenia->EditUndo1).center());
            } else {
                Klawisz(Qt::Key_Z);
            }
            QCOMPARE(Stan(*f), stany[i]);
        }
        QCOMPARE(f->Polecenia->EditUndo1->text(), QStringLiteral("&Cofnij: dodanie okna O2"));
        // The step taken back shows its node: O1 after the first change.
        Klawisz(Qt::Key_Y);
        QCOMPARE(f->StolarkaTree->currentItem()->text(0), QStringLiteral("O1"));
        for (int i = 2; i < stany.size(); ++i) {
            QCOMPARE(f->Polecenia->EditRedo1->text(), QStringLiteral("&Ponów: ") + nazwy[i - 1]);
            Klawisz(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(Stan(*f), stany[i]);
        }
    }

    // Ctrl+Z in a field undoes its own typing first; the model's step only
    // when the field has none.
    void cofnijWPolu() {
        Pokazane();
        f->Nowy();
        d->teksty << QStringLiteral("O1");
        f->DodajOkno();
        const TPolaEdytora e(f->ElementStolarkiPanel);
        Wpisz(e.SzerokoscEd, QStringLiteral("900"));
        QTest::keyClick(e.SzerokoscEd, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.SzerokoscEd->text(), QStringLiteral("0"));
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 1);
        QTest::keyClick(e.SzerokoscEd, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 0); // the window's adding taken back
    }

    // 10,000 windows given one Ug: the step keeps the values it replaced,
    // not the windows.
    void duzyProjekt() {
        {
            TZestawienieStolarki duzy;
            for (int i = 0; i < 10000; ++i)
                duzy.AddOkno(QStringLiteral("O%1").arg(i));
            QCOMPARE(ZapiszProjekt(duzy, katalog.filePath(QStringLiteral("duzy.tmv"))), 0);
        }
        QVERIFY(f->OtworzPlik(katalog.filePath(QStringLiteral("duzy.tmv"))));
        const TZestawienieStolarki& p = *f->Projekt();
        f->StolarkaTree->setCurrentItem(f->StolarkaTree->topLevelItem(0)->child(0));
        // Its time: bench/bench_wrogie.cpp.
        const TPolaEdytora e(f->ElementStolarkiPanel);
        d->odpowiedzi << O::Tak;
        WpiszIZatwierdz(e.UgEd, QStringLiteral("1,1"));
        QTest::mouseClick(e.SetAllUgBBtn, Qt::LeftButton);
        QCOMPARE(p.Okno(9999)->Ug, 1.1);
        f->Cofnij();
        QCOMPARE(p.Okno(9999)->Ug, 0.0);
        f->Ponow();
        QCOMPARE(p.Okno(9999)->Ug, 1.1);
    }

    // Looking at a project changes nothing: values the editor shows rounded
    // or fills in itself (an Lg to suggest, a vent too wide, a negative
    // count, a list price of a hand-priced window) stay as they are. After
    // an undo, looking again keeps what can be made again.
    void ogladanieNieZmienia() {
        const QString plik = Otwarty(QStringLiteral("ogladany.tmv"), [](TZestawienieStolarki& p) {
            p.SetParter(true);
            p.SetPoddasze(true);
            for (const char* s : {"O2", "O1", "DV"})
                p.AddOkno(QString::fromLatin1(s));
            TOkno& o = *p.GetOkno(QStringLiteral("O1"));
            o.Szerokosc = 0.1 + 0.2; // shown as 0,3
            o.Wysokosc = 1500;
            o.dRamy = 70;
            o.Lg = -1;
            o.LiczbaNawiewnikow = 2;
            o.SzerokoscNawiewnika = 5000;
            o.SetLiczba(POZIOM_PARTER, 3, -4);
            o.CenaOkna = 1234567.891;
            TOkno& dv = *p.GetOkno(QStringLiteral("DV"));
            dv.ZrodloUg = dv.ZrodloUf = ZrodloDV;
            dv.CenaOkna = 500;
        });
        QVERIFY(!plik.isEmpty());
        const QByteArray przed = Stan(*f);
        Kazde();
        Kazde();
        QVERIFY(!f->Zmieniony());
        QCOMPARE(f->Otwarty().Historia().Liczba(), 0);
        QCOMPARE(Stan(*f), przed);

        Wybierz(QStringLiteral("O2"));
        Wpisz(TPolaEdytora(f->ElementStolarkiPanel).SzerokoscEd, QStringLiteral("900"));
        QTest::mouseClick(TPolaEdytora(f->ElementStolarkiPanel).RefreshUwOkna, Qt::LeftButton);
        Klawisz(Qt::Key_Z);
        QCOMPARE(Stan(*f), przed);
        Kazde();
        QVERIFY(f->Polecenia->EditRedo1->isEnabled());
        Klawisz(Qt::Key_Y);
        QCOMPARE(f->Projekt()->GetOkno(QStringLiteral("O2"))->Szerokosc, 900.0);
    }

    // "Przypisz wszystkim d": the shown window committed first, every Lg
    // determined in the same step; one Ctrl+Z takes it all back and the
    // steps before it stay within reach; once saved, looking adds no step.
    void przypiszWszystkimD() {
        const QString plik = Otwarty(QStringLiteral("d.tmv"), [](TZestawienieStolarki& p) {
            for (const char* s : {"O1", "O2", "O3"}) {
                p.AddOkno(QString::fromLatin1(s));
                TOkno& o = *p.GetOkno(QString::fromLatin1(s));
                o.Szerokosc = 1200;
                o.Wysokosc = 1500;
                o.Ug = 1.1;
                o.Uf = 1.3;
                o.Psi_g = 0.04;
                o.Lg = 4000;
            }
        });
        QVERIFY(!plik.isEmpty());
        const QByteArray poczatek = Stan(*f);
        const TPolaEdytora e(f->ElementStolarkiPanel);
        // Shown: a click on a button takes the focus from the field typed in.
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        Wybierz(QStringLiteral("O3"));
        Wpisz(e.WysokoscEd, QStringLiteral("1000"));
        QTest::mouseClick(e.RefreshUwOkna, Qt::LeftButton);
        const QByteArray poPierwszym = Stan(*f);
        Wybierz(QStringLiteral("O1"));
        Wpisz(e.dRamyEd, QStringLiteral("70"));
        d->odpowiedzi << O::Tak;
        QTest::mouseClick(e.SetAlldRamyBBtn, Qt::LeftButton);
        const TZestawienieStolarki& p = *f->Projekt();
        QCOMPARE(p.GetOkno("O2")->Lg, 2.0 * 1200 + 2 * 1500 - 8 * 70);
        QCOMPARE(p.GetOkno("O3")->Lg, 2.0 * 1200 + 2 * 1000 - 8 * 70);
        // The shown window keeps what its editor gave: leaving d suggested it.
        QCOMPARE(p.GetOkno("O1")->Lg, 4840.0);
        // The Uw shown is the new one at once.
        QCOMPARE(e.UwOknaEd->text(), TekstStaly(*ObliczUw(*p.GetOkno("O1"), p).uw, 4, 2));
        Wybierz(QStringLiteral("O2"));
        QCOMPARE(e.LgEd->text(), QStringLiteral("4840"));
        QCOMPARE(f->Polecenia->EditUndo1->text(),
                 QStringLiteral("&Cofnij: przypisanie d wszystkim oknom"));
        Klawisz(Qt::Key_Z);
        QCOMPARE(Stan(*f), poPierwszym);
        Klawisz(Qt::Key_Z);
        QCOMPARE(Stan(*f), poczatek);
        Klawisz(Qt::Key_Y);
        Klawisz(Qt::Key_Y);
        Klawisz(Qt::Key_S);
        QVERIFY(!f->Zmieniony());
        Kazde();
        QVERIFY(!f->Zmieniony());
    }

    // A preview, a print or an export between a change and its undo: the
    // project comes back exactly, every window with its own counts.
    void cofnijPoPodgladzie() {
        QVERIFY(!Otwarty(QStringLiteral("podglad.tmv"), [](TZestawienieStolarki& p) {
                     p.SetParter(true);
                     p.SetPodpiwniczenie(true);
                     // In the list out of the report's order.
                     for (const char* s : {"O2", "O1"})
                         p.AddOkno(QString::fromLatin1(s));
                     p.GetOkno(QStringLiteral("O1"))->SetLiczba(POZIOM_PARTER, 0, 1);
                     p.GetOkno(QStringLiteral("O2"))->SetLiczba(POZIOM_PARTER, 1, 2);
                     p.GetOkno(QStringLiteral("O2"))->SetLiczba(POZIOM_PODPIWNICZENIE, 5, 3);
                 }).isEmpty());
        const QByteArray przed = Stan(*f);
        QTest::mouseClick(TPolaPanelu(f->StolarkaPanel).ParterCB, Qt::LeftButton);
        Wybierz(QStringLiteral("O1"));
        d->przyOknie = [](QDialog&) {
            return false;
        };
        QToolBar* pasek = f->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        QTest::mouseClick(pasek->widgetForAction(f->Polecenia->FilePrintPreviewTA), Qt::LeftButton);
        d->pliki << katalog.filePath(QStringLiteral("podglad.csv"));
        f->Polecenia->FileExportTA->trigger();
        Klawisz(Qt::Key_Z);
        QCOMPARE(Stan(*f), przed);
        QCOMPARE(f->Projekt()->Okno(0)->Symbol(), QStringLiteral("O2"));
    }

    // Recovery at start-up, also with a file to open: "Odrzuć" asks first,
    // and a copy restored is no recent project.
    void odzyskPrzyStarcie() {
        const QString plik = Otwarty(QStringLiteral("start.tmv"), [](TZestawienieStolarki& p) {
            p.AddOkno(QStringLiteral("O1"));
        });
        QVERIFY(!plik.isEmpty());
        d->odpowiedzi << O::Nie;
        QVERIFY(f->Zamknij());
        Pozostawiona(plik);
        int pokazan = 0;
        d->przyOknie = [&](QDialog& okno) {
            auto* odrzuc = okno.findChild<QPushButton*>(QStringLiteral("OdrzucBtn0"));
            if (!odrzuc)
                return false;
            ++pokazan;
            d->odpowiedzi << O::Nie; // not yet
            QTest::mouseClick(odrzuc, Qt::LeftButton);
            if (!odrzuc->isEnabled())
                return false;
            QTest::mouseClick(okno.findChild<QPushButton*>(QStringLiteral("PrzywrocBtn0")),
                              Qt::LeftButton);
            return true;
        };
        const int pytan = d->pytania.size();
        f->PoUruchomieniu(plik);
        QCOMPARE(pokazan, 1);
        QCOMPARE(d->pytania.size(), pytan + 1);
        QVERIFY(d->pytania.last().startsWith(QStringLiteral("Pytanie: Czy na pewno odrzucić")));
        QVERIFY(f->Projekt());
        QVERIFY(f->Projekt()->GetOkno(QStringLiteral("Z9"))); // the copy, not the file
        QCOMPARE(f->NazwaPliku(), plik);
        for (const QString& s : f->OstatnieProjekty())
            QVERIFY(!s.startsWith(TOdzysk::Katalog()));
        d->odpowiedzi << O::Nie;
        QVERIFY(f->Zamknij());
        // No copy left: the file named opens.
        f->PoUruchomieniu(plik);
        QCOMPARE(pokazan, 1);
        QVERIFY(f->Projekt()->GetOkno(QStringLiteral("O1")));
    }

    // The first change is protected within seconds, not after the minute:
    // with an hour between copies, a copy follows the first step at once
    // (here 50 ms after it).
    void pierwszaMinuta() {
        f->UstawOdstepOdzysku(3600 * 1000, 50);
        f->Nowy();
        const TOdzysk* odzysk = f->Otwarty().Odzysk();
        QVERIFY(odzysk && !odzysk->Jest());
        d->teksty << QStringLiteral("O1");
        f->DodajOkno();
        QTRY_VERIFY(odzysk->Jest());
        QVERIFY(QFile::exists(odzysk->Kopia()));
    }

    // A program killed after an edit: the next start offers the edit back,
    // under the project's name; another running program's copy is not
    // offered.
    void odzyskPoZabiciu() {
        QProcess dziecko;
        dziecko.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        dziecko.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--dziecko")});
        QVERIFY(dziecko.waitForStarted());
        QByteArray wyjscie;
        QTRY_VERIFY_WITH_TIMEOUT((wyjscie += dziecko.readAllStandardOutput()).contains("gotowe") ||
                                     dziecko.state() == QProcess::NotRunning,
                                 60000);
        QVERIFY(wyjscie.contains("gotowe"));
        {
            // While the child lives its copy is its own.
            TOdzysk inny;
            QVERIFY(inny.Pozostawione().empty());
        }
        ::kill(static_cast<pid_t>(dziecko.processId()), SIGKILL);
        QVERIFY(dziecko.waitForFinished());

        bool bylo = false;
        d->przyOknie = [&](QDialog& okno) {
            auto* przywroc = okno.findChild<QPushButton*>(QStringLiteral("PrzywrocBtn0"));
            if (!przywroc)
                return false;
            bylo = true;
            QTest::mouseClick(przywroc, Qt::LeftButton);
            return true;
        };
        Pokazane();
        f->ZaproponujOdzysk();
        QVERIFY(bylo);
        QVERIFY(f->Projekt());
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 1);
        QCOMPARE(f->Projekt()->Okno(0)->Szerokosc, 1234.0);
        QVERIFY(f->Zmieniony());
        QCOMPARE(TytulOkna(f.get()), QStringLiteral("Termivo - [bez nazwy]*"));
        // Closing with "Nie" gives the copy up: nothing is offered again.
        d->odpowiedzi << O::Nie;
        QVERIFY(f->Zamknij());
        TOdzysk pozniej;
        QVERIFY(pozniej.Pozostawione().empty());
    }
};

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--dziecko") == 0)
        return Dziecko(argc, argv);
    QApplication app(argc, argv);
    TestHistoria t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_historia.moc"
