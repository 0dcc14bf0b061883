#include "model/liczby.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"
#include "report/raport/kanwaqpainter.h"
#include "tests/common/dialogiskrypt.h"
#include "tests/common/polaedytora.h"
#include "tests/common/polapanelu.h"
#include "tests/common/projektytestowe.h"
#include "tests/common/zdarzenia.h"
#include "ui/main/drzewoprojektu.h"
#include "ui/main/edytorokna.h"
#include "ui/main/glowna.h"
#include "ui/main/ikony.h"
#include "ui/main/importifcform.h"
#include "ui/main/orientacjeform.h"
#include "ui/main/panelprojektu.h"
#include "ui/main/polecenia.h"
#include "ui/main/przegladokien.h"
#include "ui/main/siatkapieter.h"
#include "ui/tables/listaskrzydel.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using O = TDialogi::Odpowiedz;

QStringList Dzieci(const QTreeWidget* t) {
    QStringList l;
    const QTreeWidgetItem* k = t->topLevelItem(0);
    for (int i = 0; k && i < k->childCount(); ++i)
        l << k->child(i)->text(0);
    return l;
}

} // namespace

class TestGlowna : public QObject {
    Q_OBJECT

    std::unique_ptr<TDialogiSkrypt> d;
    std::unique_ptr<TMainForm> f;
    QTemporaryDir katalog;

    // A new project with the given windows.
    void NowyZOknami(const QStringList& symbole) {
        f->Nowy();
        for (const QString& s : symbole) {
            d->teksty << s;
            f->DodajOkno();
        }
    }
    // A project as `zbuduj` makes it, saved under `nazwa` and opened.
    void Otwarty(const QString& nazwa, const std::function<void(TZestawienieStolarki&)>& zbuduj) {
        const QString plik = ZapiszTestowy(katalog.filePath(nazwa), zbuduj);
        QVERIFY(!plik.isEmpty() && f->OtworzPlik(plik));
    }
    void NowyZOknamiBezNowego(const QStringList& symbole) {
        for (const QString& s : symbole) {
            d->teksty << s;
            f->DodajOkno();
        }
    }
    void Wybierz(const QString& tekst) {
        QTreeWidgetItem* k = f->StolarkaTree->topLevelItem(0);
        if (k->text(0) == tekst) {
            f->StolarkaTree->setCurrentItem(k);
        } else {
            for (int i = 0; i < k->childCount(); ++i)
                if (k->child(i)->text(0) == tekst)
                    f->StolarkaTree->setCurrentItem(k->child(i));
        }
        f->ObsluzWybor();
    }
    bool PanelProjektuWidoczny() const { return f->StolarkaPanel->isVisibleTo(f.get()); }
    bool EdytorWidoczny() const { return f->ElementStolarkiPanel->isVisibleTo(f.get()); }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(katalog.isValid());
    }
    void init() {
        d = std::make_unique<TDialogiSkrypt>();
        f = std::make_unique<TMainForm>(*d);
    }
    void cleanup() {
        f.reset();
        d.reset();
    }

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

    void siatkaPieter() {
        NowyZOknami({"O1"});
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
        QCOMPARE(d->pytania.last(), QStringLiteral("Pytanie: Czy chcesz usunąć wybrane okno?"));
        d->odpowiedzi << O::Tak;
        f->UsunOkno();
        QCOMPARE(f->Projekt()->LiczbaOkienWLiscie(), 1);
        QCOMPARE(Dzieci(f->StolarkaTree), QStringList{"O1"});
        QVERIFY(f->StolarkaTree->currentItem());
        QVERIFY(!d->zakonczono);
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

    // A symbol with no-break spaces around it, as pasted from a spreadsheet,
    // is the symbol itself.
    void symbolZeSpacjami() {
        NowyZOknami({QStringLiteral("\u00A0O3\u2009")});
        QCOMPARE(Dzieci(f->StolarkaTree), QStringList{"O3"});
        d->teksty << QStringLiteral(" O3\u00A0");
        f->DodajOkno();
        QCOMPARE(d->OstatniKomunikat(), QStringLiteral("Istnieje już okno o podanej nazwie!"));
    }

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
        for (int i = 0; i < 22; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            droga << nazwa(QApplication::focusWidget());
        }
        const QStringList oczekiwana{"SymbolOknaEd",
                                     "RodzajCB",
                                     "SzerokoscEd",
                                     "WysokoscEd",
                                     "TypOknaCB",
                                     "SkrzydlaVLE",
                                     "UgEd",
                                     "UfEd",
                                     "MaterialRamyCB",
                                     "PsiGEd",
                                     "dRamyEd",
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
        QCOMPARE(d->pytania.last(), QStringLiteral("Pytanie: Czy chcesz usunąć wybrane okno?"));
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
        // A file that is no model: its reason, and no project.
        d->odpowiedzi << O::Nie;
        QVERIFY(f->Zamknij());
        const QString zly = katalog.filePath(QStringLiteral("zly.ifc"));
        QFile f2(zly);
        QVERIFY(f2.open(QIODevice::WriteOnly));
        f2.write("ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n#1=IFCWALL(");
        f2.close();
        d->pliki << zly;
        f->Polecenia->FileImportIfcTA->trigger();
        QVERIFY(!f->Projekt());
        QCOMPARE(d->komunikaty.last().tytul, QStringLiteral("Import z IFC"));
        QVERIFY2(d->OstatniKomunikat().contains(QStringLiteral("wiersz 6")),
                 qPrintable(d->OstatniKomunikat()));
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

    // "Eksportuj zestawienie..." commits what the editor holds and writes
    // the workbook under the name chosen; a CSV when the name says so.
    void eksportZestawienia() {
        NowyZOknami({"O1"});
        f->show();
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

QTEST_MAIN(TestGlowna)
#include "tst_glowna.moc"
