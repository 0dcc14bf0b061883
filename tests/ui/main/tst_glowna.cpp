// The main window: a project's life (new, open, save, close), the tree and its windows, damaged and
// foreign files, the window's size.
#include "tests/ui/main/oknoglowne.h"

class TestGlowna : public TTestOknaGlownego {
    Q_OBJECT

private slots:
    void initTestCase() { Poczatek(); }
    void init() { Przygotuj(); }
    void cleanup() { Posprzataj(); }

    void stanBezProjektu() {
        QCOMPARE(TytulOkna(f.get()), QStringLiteral("Termivo - [bez nazwy]"));
        QVERIFY(!PanelProjektuWidoczny());
        QVERIFY(!EdytorWidoczny());
        for (QAction* a :
             {f->Polecenia->FileNewTA, f->Polecenia->FileOpenTA, f->Polecenia->FileImportArvoKTA,
              f->Polecenia->FilePageSetup1, f->Polecenia->FileExitTA, f->Polecenia->HelpAbout1})
            QVERIFY(a->isEnabled());
        for (QAction* a :
             {f->Polecenia->FileSaveTA, f->Polecenia->FileSaveAsTA, f->Polecenia->FileCloseTA,
              f->Polecenia->AddStolarkaTA, f->Polecenia->DelStolarkaTA, f->Polecenia->MulStolarkaTA,
              f->Polecenia->FilePrintPreviewTA})
            QVERIFY(!a->isEnabled());
        QCOMPARE(f->Polecenia->FileSaveAsTA->toolTip(), QStringLiteral("Zapisz jako"));
        QCOMPARE(f->Polecenia->FileSaveAsTA->statusTip(),
                 QStringLiteral("Zapisuje bieżący projekt pod nową nazwą"));
        QCOMPARE(f->UkladStrony().pageSize().id(), QPageSize::A4);
        QCOMPARE(f->UkladStrony().margins(QPageLayout::Millimeter), QMarginsF(20, 20, 20, 20));
        // The empty tree stays at the left edge.
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QCOMPARE(f->StolarkaTree->mapTo(f.get(), QPoint(0, 0)).x(), 0);
    }

    void nowyProjekt() {
        f->Nowy();
        QVERIFY(f->Projekt());
        QCOMPARE(f->StolarkaTree->topLevelItem(0)->text(0), QStringLiteral("bez nazwy"));
        QVERIFY(PanelProjektuWidoczny());
        QVERIFY(!f->Polecenia->FileNewTA->isEnabled());
        QVERIFY(f->Polecenia->AddStolarkaTA->isEnabled());
        QVERIFY(!f->Polecenia->DelStolarkaTA->isEnabled());
        QCOMPARE(TPolaPanelu(f->StolarkaPanel).KursEd->text(), QStringLiteral("0"));
        QCOMPARE(TPolaPanelu(f->StolarkaPanel).PromoKlimaEd->text(), QStringLiteral("30"));
        // A ground floor from the start: a new window has a storey to count on.
        QVERIFY(TPolaPanelu(f->StolarkaPanel).ParterCB->isChecked());
        QVERIFY(f->Projekt()->Parter());
    }

    // The symbol box offers the next free symbol; a symbol taken or too
    // long is asked again with what was typed, after its message.
    void symbolNowegoOkna() {
        f->Nowy();
        d->teksty << QStringLiteral("O1");
        f->DodajOkno();
        d->teksty << QStringLiteral("o3");
        f->DodajOkno();
        d->teksty << QStringLiteral("O3") << QStringLiteral("O7");
        f->DodajOkno();
        QCOMPARE(d->proponowane, (QStringList{"O1", "O2", "O2", "O3"}));
        QCOMPARE(d->OstatniKomunikat(), QStringLiteral("Istnieje już okno o podanej nazwie!"));
        QCOMPARE(Dzieci(f->StolarkaTree), (QStringList{"O1", "o3", "O7"}));
        const QString dlugi(101, QLatin1Char('x'));
        d->teksty << dlugi << QString(100, QLatin1Char('x'));
        f->DodajOkno();
        QCOMPARE(d->proponowane.mid(4), (QStringList{"O2", dlugi}));
        QCOMPARE(d->komunikaty.last().tresc,
                 QStringLiteral("Symbol okna może mieć najwyżej 100 znaków (ma 101)."));
        QVERIFY(f->Projekt()->GetOkno(QString(100, QLatin1Char('x'))));
        // A rename to a symbol taken: asked again with it, then another.
        Wybierz(QStringLiteral("O7"));
        d->teksty << QStringLiteral("O1") << QStringLiteral("O8");
        f->ZmienSymbol();
        QCOMPARE(d->proponowane.mid(6), (QStringList{"O7", "O1"}));
        QVERIFY(f->Projekt()->GetOkno(QStringLiteral("O8")));
        QVERIFY(!f->Projekt()->GetOkno(QStringLiteral("O7")));
    }

    void dodawanieIKolejnosc() {
        NowyZOknami({"O2", "O10", "A1"});
        QCOMPARE(Dzieci(f->StolarkaTree), (QStringList{"A1", "O10", "O2"}));
        QVERIFY(EdytorWidoczny());
        QCOMPARE(TPolaEdytora(f->ElementStolarkiPanel).SymbolOknaEd->text(), QStringLiteral("A1"));
        QVERIFY(f->Polecenia->DelStolarkaTA->isEnabled());
        QCOMPARE(d->komunikaty.size(), 0);

        d->teksty << QStringLiteral("o2");
        f->DodajOkno();
        QCOMPARE(d->OstatniKomunikat(), QStringLiteral("Istnieje już okno o podanej nazwie!"));
        QCOMPARE(d->komunikaty.last().tytul, QStringLiteral("Błąd"));
        d->teksty << QStringLiteral("  \t ");
        f->DodajOkno();
        d->teksty << std::nullopt;
        f->DodajOkno();
        QCOMPARE(d->komunikaty.size(), 1);
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 3);
        d->teksty << QStringLiteral("  Ł1 ");
        f->DodajOkno();
        QVERIFY(Dzieci(f->StolarkaTree).contains(QStringLiteral("Ł1")));
    }

    void zapisZamknijOtworz() {
        const QString plik = katalog.filePath(QStringLiteral("dom.tmv"));
        NowyZOknami({"O2", "O10", "A1"});
        Wybierz("bez nazwy");
        WpiszIZatwierdz(TPolaPanelu(f->StolarkaPanel).FirmaEd, QStringLiteral("Pracownia Łęg"));
        d->pliki << plik;
        f->Zapisz(); // unnamed: Save As
        QCOMPARE(f->NazwaPliku(), plik);
        QCOMPARE(TytulOkna(f.get()), QStringLiteral("Termivo - [dom.tmv]"));
        QCOMPARE(f->StolarkaTree->topLevelItem(0)->text(0), QStringLiteral("dom.tmv"));
        QVERIFY(QFile::exists(plik));

        // Closing right after saving asks nothing: nothing changed since.
        const int pytan = d->pytania.size();
        QVERIFY(f->Zamknij());
        QCOMPARE(d->pytania.size(), pytan);
        QVERIFY(QFile::exists(plik));
        QVERIFY(!f->Projekt());
        QVERIFY(f->Polecenia->FileOpenTA->isEnabled());

        d->pliki << plik;
        f->Otworz();
        QVERIFY(f->Projekt());
        QCOMPARE(TytulOkna(f.get()), QStringLiteral("Termivo - [dom.tmv]"));
        QCOMPARE(f->Projekt()->Firma, QStringLiteral("Pracownia Łęg"));
        QCOMPARE(Dzieci(f->StolarkaTree), (QStringList{"A1", "O10", "O2"}));
        QVERIFY(f->StolarkaTree->topLevelItem(0)->isExpanded());
        QVERIFY(PanelProjektuWidoczny());
        QCOMPARE(TPolaPanelu(f->StolarkaPanel).FirmaEd->text(), QStringLiteral("Pracownia Łęg"));
        // Something to save shows in the title, and goes with the save.
        d->teksty << QStringLiteral("O3");
        f->DodajOkno();
        QCOMPARE(TytulOkna(f.get()), QStringLiteral("Termivo - [dom.tmv]*"));
        f->Zapisz();
        QCOMPARE(TytulOkna(f.get()), QStringLiteral("Termivo - [dom.tmv]"));
    }

    void anulowanieZamykania() {
        NowyZOknami({"O1"});
        d->odpowiedzi << O::Anuluj;
        QVERIFY(!f->Zamknij());
        QVERIFY(f->Projekt());
        QCOMPARE(
            d->pytania.last(),
            QStringLiteral("Potwierdzenie: Czy chcesz zapisać zmiany wprowadzone do projektu?"));
        // Unnamed, Yes, then Save As cancelled: the project and the window stay.
        f->show();
        d->odpowiedzi << O::Tak;
        d->pliki << QString();
        QVERIFY(!f->close());
        QVERIFY(f->isVisible());
        QVERIFY(f->Projekt());
        // No: discarded and closed.
        d->odpowiedzi << O::Nie;
        QVERIFY(f->close());
        QVERIFY(!f->Projekt());
    }

    // A save that fails keeps the project open instead of losing its work.
    void nieudanyZapisNieZamyka() {
        NowyZOknami({"O1"});
        d->pliki << katalog.filePath(QStringLiteral("nie/ma/katalogu.tmv"));
        d->odpowiedzi << O::Tak;
        QVERIFY(!f->Zamknij());
        // The message says which file and why, and what to do.
        const QString komunikat = d->OstatniKomunikat();
        QVERIFY(komunikat.startsWith(KOMUNIKAT_BLAD_ZAPISU + QLatin1Char('\n')));
        QVERIFY(komunikat.contains(QStringLiteral("katalogu.tmv")));
        QVERIFY(komunikat.contains(QStringLiteral("nie istnieje")));
        QVERIFY(komunikat.contains(QStringLiteral("„Zapisz jako...”")));
        QVERIFY(f->Projekt());
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 1);
    }

    void nieudaneOtwarcie() {
        d->pliki << katalog.filePath(QStringLiteral("brak.tmv"));
        f->Otworz();
        // The file named, with the system's reason.
        QVERIFY(d->OstatniKomunikat().startsWith(KOMUNIKAT_BLAD_ODCZYTU + QLatin1Char('\n')));
        QVERIFY(d->OstatniKomunikat().contains(QStringLiteral("brak.tmv")));
        QVERIFY(!f->Projekt());
        QVERIFY(f->Polecenia->FileNewTA->isEnabled() && f->Polecenia->FileOpenTA->isEnabled() &&
                f->Polecenia->FileImportArvoKTA->isEnabled());
        // The wrong program's file: the reader's one message.
        const QString obcy = katalog.filePath(QStringLiteral("obcy.tmv"));
        QFile p(obcy);
        QVERIFY(p.open(QIODevice::WriteOnly));
        p.write("[Info]\r\nProgram=Arvo-K\r\n");
        p.close();
        d->komunikaty.clear();
        d->pliki << obcy;
        f->Otworz();
        QCOMPARE(d->komunikaty.size(), 1);
        QCOMPARE(d->komunikaty[0].tytul, QStringLiteral("Błąd"));
        QCOMPARE(d->komunikaty[0].tresc, QStringLiteral("Plik nie jest formatu Termivo!"));
        QVERIFY(!f->Projekt());
    }

    void zmianaSymbolu() {
        NowyZOknami({"O1", "O2"});
        Wybierz("O1");
        d->teksty << QStringLiteral("o2");
        f->ZmienSymbol();
        QCOMPARE(d->OstatniKomunikat(), QStringLiteral("Istnieje już okno o podanej nazwie!"));
        d->teksty << QStringLiteral("  ");
        f->ZmienSymbol();
        QCOMPARE(d->OstatniKomunikat(), QStringLiteral("Symbol okna nie może pozostać pusty!"));
        d->teksty << QStringLiteral("A7");
        f->ZmienSymbol();
        QCOMPARE(Dzieci(f->StolarkaTree), (QStringList{"A7", "O2"}));
        QVERIFY(f->Projekt()->GetOkno("A7"));
        // Letter case only: a rename too, and a step of its own.
        d->teksty << QStringLiteral("a7");
        f->ZmienSymbol();
        QCOMPARE(f->Projekt()->GetOkno("A7")->Symbol(), QStringLiteral("a7"));
        QCOMPARE(Dzieci(f->StolarkaTree), (QStringList{"a7", "O2"}));
        QCOMPARE(f->Polecenia->EditUndo1->text(),
                 QStringLiteral("&Cofnij: zmiana symbolu okna A7 na a7"));
        QVERIFY(!d->zakonczono);
    }

    void usuwanieIPowielanie() {
        NowyZOknami({"O1"});
        Wybierz("bez nazwy");
        Zaznacz(TPolaPanelu(f->StolarkaPanel).ParterCB);
        Wybierz("O1");
        TPolaEdytora(f->ElementStolarkiPanel)
            .OknaNaKondSG->item(0, 5)
            ->setText(QStringLiteral("3"));
        d->teksty << QStringLiteral("O9");
        f->PowielOkno();
        QCOMPARE(TPolaEdytora(f->ElementStolarkiPanel).SymbolOknaEd->text(), QStringLiteral("O9"));
        QCOMPARE(f->Projekt()->GetOkno("O9")->GetLiczba("parter", 4), 3);
        d->odpowiedzi << O::Nie;
        f->UsunOkno();
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 2);
        // The question names the window.
        QCOMPARE(d->pytania.last(),
                 QStringLiteral("Pytanie: Czy chcesz usunąć wybrane okno?\n\n„O9”"));
        d->odpowiedzi << O::Tak;
        f->UsunOkno();
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 1);
        QCOMPARE(Dzieci(f->StolarkaTree), QStringList{"O1"});
        QVERIFY(f->StolarkaTree->currentItem());
        QVERIFY(!d->zakonczono);
    }

    // A file that is no project opens nothing and stays as it was; a
    // project cut short opens with what it had, says so, and its first
    // "Zapisz" asks for the name instead of saving over it.
    void obceIUszkodzonePliki() {
        const QString obcy = katalog.filePath(QStringLiteral("oferta.docx"));
        QByteArray docx("PK\x03\x04\x14\x00\x06\x00\x08\x00", 10);
        docx += QByteArray(300, '\x01') + "[Content_Types].xml";
        QFile plik(obcy);
        QVERIFY(plik.open(QIODevice::WriteOnly) && plik.write(docx) == docx.size());
        plik.close();
        d->pliki << obcy;
        f->Otworz();
        QVERIFY(!f->Projekt());
        QCOMPARE(d->komunikaty.first().tytul, QStringLiteral("Błąd"));
        QCOMPARE(d->komunikaty.first().tresc, KOMUNIKAT_NIE_PROJEKT);
        QVERIFY(plik.open(QIODevice::ReadOnly));
        QCOMPARE(plik.readAll(), docx);
        plik.close();

        NowyZOknami({"O1", "O2", "O3"});
        const QString sciezka = katalog.filePath(QStringLiteral("uciety.tmv"));
        d->pliki << sciezka;
        f->ZapiszJako();
        d->odpowiedzi << O::Nie;
        QVERIFY(f->Zamknij());
        QFile cay(sciezka);
        QVERIFY(cay.open(QIODevice::ReadWrite));
        const QByteArray calosc = cay.readAll();
        QVERIFY(cay.resize(calosc.indexOf("Szerokosc", calosc.indexOf("[Okno2]"))));
        cay.close();
        const QByteArray uciety = [&] {
            QFile c(sciezka);
            return c.open(QIODevice::ReadOnly) ? c.readAll() : QByteArray();
        }();
        d->komunikaty.clear();
        d->pliki << sciezka;
        f->Otworz();
        QVERIFY(f->Projekt());
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 3);
        QCOMPARE(d->komunikaty.size(), 1);
        QCOMPARE(d->komunikaty[0].tytul, QStringLiteral("Informacja"));
        QCOMPARE(d->OstatniKomunikat(), KOMUNIKAT_NIEKOMPLETNY.arg(3).arg(3));
        // Ctrl+S: the save dialog, offering the old name; cancelled, the
        // damaged file stays as it is.
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        d->pliki << QString();
        const int dialogi = d->katalogiDialogow.size();
        QTest::keyClick(f.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(d->katalogiDialogow.size(), dialogi + 1);
        QCOMPARE(d->katalogiDialogow.last(), sciezka);
        QFile znowu(sciezka);
        QVERIFY(znowu.open(QIODevice::ReadOnly));
        QCOMPARE(znowu.readAll(), uciety);
    }

    // Two things wrong in one file: told once, after the opening, in one box
    // of the more serious kind, both texts in it.
    void komunikatyOtwarciaRazem() {
        const QString sciezka = katalog.filePath(QStringLiteral("dwa_bledy.tmv"));
        QFile plik(sciezka);
        QVERIFY(plik.open(QIODevice::WriteOnly));
        plik.write("[Projekt]\r\nLiczbaPieter=9999\r\n[Okna]\r\nLiczba=1\r\n[Okno0]\r\n"
                   "Symbol=O1\r\nSzerokosc=1000\r\nWysokosc=1000\r\nUg=99\r\n");
        plik.close();
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        d->pliki << sciezka;
        QTest::keyClick(f.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(f->Projekt());
        QCOMPARE(d->komunikaty.size(), 1);
        QCOMPARE(d->komunikaty[0].rodzaj, TRodzajKomunikatu::Ostrzezenie);
        QCOMPARE(d->komunikaty[0].tytul, QStringLiteral("Informacja"));
        const QStringList tresci = d->komunikaty[0].tresc.split(QStringLiteral("\n\n"));
        QCOMPARE(tresci.size(), 2);
        QVERIFY2(tresci[0].startsWith(QStringLiteral("Liczba pięter w pliku (9999)")),
                 qPrintable(tresci[0]));
        QVERIFY2(tresci[1].startsWith(QStringLiteral("Plik zawiera wartości spoza")),
                 qPrintable(tresci[1]));
    }

    // A symbol with no-break spaces around it, as pasted from a spreadsheet,
    // is the symbol itself.
    void symbolZeSpacjami() {
        NowyZOknami({QStringLiteral("\u00A0O3\u2009")});
        QCOMPARE(Dzieci(f->StolarkaTree), QStringList{"O3"});
        d->teksty << QStringLiteral(" O3\u00A0");
        f->DodajOkno();
        QCOMPARE(d->OstatniKomunikat(), QStringLiteral("Istnieje już okno o podanej nazwie!"));
    }

    // Whatever moves the current node commits the edit first; Delete then
    // removes the window that is shown.
    void klawiszeDrzewaNieGubiaEdycji_data() {
        QTest::addColumn<int>("klawisz");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("nastepny");
        QTest::newRow("End") << int(Qt::Key_End) << ""
                             << "C1";
        QTest::newRow("Home") << int(Qt::Key_Home) << ""
                              << "bez nazwy";
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << ""
                                   << "C1";
        QTest::newRow("szukanie") << 0 << "c"
                                  << "C1";
    }
    void klawiszeDrzewaNieGubiaEdycji() {
        QFETCH(int, klawisz);
        QFETCH(QString, tekst);
        QFETCH(QString, nastepny);
        NowyZOknami({"A1", "B1", "C1"});
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QTreeWidget* t = f->StolarkaTree;
        QTreeWidgetItem* b1 = t->topLevelItem(0)->child(1);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(b1).center());
        QCOMPARE(TPolaEdytora(f->ElementStolarkiPanel).SymbolOknaEd->text(), QStringLiteral("B1"));
        QLineEdit* szer = TPolaEdytora(f->ElementStolarkiPanel).SzerokoscEd;
        szer->setFocus();
        szer->selectAll();
        QTest::keyClicks(szer, QStringLiteral("1234"));
        t->setFocus();
        if (klawisz)
            QTest::keyClick(t, Qt::Key(klawisz));
        else
            QTest::keyClicks(t, tekst);
        QCOMPARE(t->currentItem()->text(0), nastepny);
        QCOMPARE(f->Projekt()->GetOkno("B1")->Szerokosc, 1234.0);
        if (nastepny == QLatin1String("bez nazwy"))
            return;
        QCOMPARE(TPolaEdytora(f->ElementStolarkiPanel).SymbolOknaEd->text(), nastepny);
        d->odpowiedzi << O::Tak;
        QTest::keyClick(f.get(), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(Dzieci(t), (QStringList{"A1", "B1"}));
        QVERIFY(!f->Projekt()->GetOkno(nastepny));
        QCOMPARE(f->Projekt()->GetOkno("B1")->Szerokosc, 1234.0);
    }

    // The window opens at the classic size, its least; grows, and the panels
    // with it; opens next time where and as large as it was left.
    void rozmiarOkna() {
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Termivo"),
                  QStringLiteral("Termivo"))
            .remove(QStringLiteral("Okno"));
        f = std::make_unique<TMainForm>(*d);
        const QSize klasyczny = f->size();
        QCOMPARE(f->minimumSize(), klasyczny);
        QCOMPARE(klasyczny.width(), TMainForm::SZEROKOSC_KLIENTA);
        QVERIFY(f->maximumWidth() > 4000);
        NowyZOknami({"O1"});
        Wybierz(QStringLiteral("O1"));
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        const int edytor = f->ElementStolarkiPanel->width();
        const int drzewo = f->StolarkaTree->width();
        f->resize(1600, 1000);
        QTRY_COMPARE(f->size(), QSize(1600, 1000));
        QVERIFY(f->ElementStolarkiPanel->width() > edytor + 500);
        QVERIFY(f->StolarkaTree->width() > drzewo);
        QVERIFY(TPolaEdytora(f->ElementStolarkiPanel).UwagiMemo->width() > 700);
        f->setWindowState(Qt::WindowMaximized);
        QTRY_VERIFY(f->isMaximized());
        f->setWindowState(Qt::WindowNoState);
        f->resize(1300, 900);
        f->move(40, 30);
        QTRY_COMPARE(f->size(), QSize(1300, 900));
        const QRect bylo = f->geometry();
        d->odpowiedzi << O::Nie;
        QVERIFY(f->close());
        TMainForm drugi(*d);
        QCOMPARE(drugi.geometry(), bylo);
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Termivo"),
                  QStringLiteral("Termivo"))
            .remove(QStringLiteral("Okno"));
    }
};

QTEST_MAIN(TestGlowna)
#include "tst_glowna.moc"
