#include "glowna.h"

#include "edytorokna.h"
#include "eksport.h"
#include "historia.h"
#include "ikony.h"
#include "importavk.h"
#include "krokihistorii.h"
#include "odzysk.h"
#include "orientacjeform.h"
#include "panelprojektu.h"
#include "plikprojektu.h"
#include "prnprvform.h"
#include "przegladokien.h"
#include "raport.h"
#include "stronastartowa.h"
#include "tekst.h"
#include "wt2021.h"
#include "wydruk.h"
#include "zestawienie.h"
#include "znaki.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCollator>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

const QString BEZ_NAZWY = QStringLiteral("bez nazwy");
const QString FILTR_OTWIERANIA =
    QStringLiteral("Zestawienie stolarki (*.tmv);;Projekt Arvo-K (*.avk);;All Files (*.*)");
const QString FILTR_AVK = QStringLiteral("Projekt Arvo-K (*.avk)");
const QString FILTR_ZAPISU = QStringLiteral("Zestawienie stolarki (*.tmv);;All Files (*.*)");

QString BezKatalogu(const QString& sciezka) {
    return QFileInfo(sciezka).fileName();
}

} // namespace

TMainForm::TMainForm(TDialogi& dialogi, QWidget* rodzic)
    : QMainWindow(rodzic), dialogi_(dialogi), odbiorca_([this](const TKomunikat& k) {
          dialogi_.Komunikat(this, k.rodzaj, k.tytul, k.tresc);
      }),
      katalogOtwierania_(QCoreApplication::applicationDirPath()),
      ukladStrony_(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                   QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0)) {
    setObjectName(QStringLiteral("MainForm"));
    UtworzPolecenia();
    UtworzHistorie();
    UtworzMenuIPasek();
    UtworzPanele();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false); // the window keeps its size
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(SZEROKOSC_KLIENTA, WYSOKOSC_KLIENTA + menuBar()->sizeHint().height());
    if (const QScreen* ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());
    connect(qApp, &QApplication::focusChanged, this, &TMainForm::UstawSchowek);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::UstawSchowek);
    StanBezProjektu();
    UstawSchowek();
}

TMainForm::~TMainForm() {
    // Hiding the window on its way out moves the focus: that must not reach
    // a window half destroyed.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
}

void TMainForm::UtworzPanele() {
    auto* srodek = new QWidget(this);
    auto* uklad = new QHBoxLayout(srodek);
    uklad->setContentsMargins(0, 0, 0, 0);
    StolarkaTree = new QTreeWidget(srodek);
    StolarkaTree->setObjectName(QStringLiteral("StolarkaTree"));
    StolarkaTree->setFixedWidth(137);
    StolarkaTree->setHeaderHidden(true);
    StolarkaTree->setIndentation(15);
    StolarkaTree->setMouseTracking(true);
    StolarkaTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Delete in the tree deletes the window, as Ctrl+U does.
    auto* usun =
        new QShortcut(QKeySequence::Delete, StolarkaTree, nullptr, nullptr, Qt::WidgetShortcut);
    connect(usun, &QShortcut::activated, this, &TMainForm::UsunOkno);
    // Whatever moves the current node (a click, any key, type-ahead) commits
    // the shown panel and shows the new node, once per change. A click on the
    // node already shown commits and shows it again.
    connect(StolarkaTree, &QTreeWidget::currentItemChanged, this, &TMainForm::ObsluzWybor);
    StolarkaTree->viewport()->installEventFilter(this);
    connect(StolarkaTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* wezel) {
        if (wezel == wezelPrzedKliknieciem_)
            ObsluzWybor();
    });
    uklad->addWidget(StolarkaTree);

    StolarkaPanel = new TPanelProjektu(dialogi_);
    ElementStolarkiPanel = new TEdytorOkna(dialogi_);
    for (QWidget* panel :
         {static_cast<QWidget*>(StolarkaPanel), static_cast<QWidget*>(ElementStolarkiPanel)}) {
        auto* przewijanie = new QScrollArea(srodek);
        przewijanie->setWidgetResizable(true);
        przewijanie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        przewijanie->setWidget(panel);
        przewijanie->setVisible(false);
        uklad->addWidget(przewijanie, 1);
    }
    // With no project the start page stands where the panels do.
    StronaStartowa = new TStronaStartowa(srodek);
    uklad->addWidget(StronaStartowa, 1);
    connect(StronaStartowa, &TStronaStartowa::nowy, this, &TMainForm::Nowy);
    connect(StronaStartowa, &TStronaStartowa::otworz, this, &TMainForm::Otworz);
    connect(StronaStartowa, &TStronaStartowa::importuj, this, &TMainForm::Importuj);
    connect(StronaStartowa, &TStronaStartowa::otworzPlik, this, &TMainForm::OtworzLubImportuj);
    // With neither panel shown the tree stays at the left edge.
    uklad->addStretch(0);
    connect(StolarkaPanel, &TPanelProjektu::przeliczCeny, this, &TMainForm::ObsluzWybor);
    connect(ElementStolarkiPanel, &TEdytorOkna::przeliczUw, this, &TMainForm::ObsluzWybor);
    connect(ElementStolarkiPanel, &TEdytorOkna::zmienSymbol, this, &TMainForm::ZmienSymbol);
    ElementStolarkiPanel->zmianaWszystkich = [this](const QString& nazwa,
                                                    const std::function<void()>& zmiana) {
        KrokOkien(nazwa, zmiana);
    };
    // A new type or opening kind is stored, recomputed and drawn at once.
    connect(ElementStolarkiPanel, &TEdytorOkna::zmienionoTyp, this, [this] {
        ObsluzWybor();
        if (projekt_)
            ElementStolarkiPanel->Rysuj(*projekt_);
    });
    setCentralWidget(srodek);

    auto naPasek = [this](const QString& powod) {
        statusBar()->showMessage(powod, 5000);
    };
    for (QWidget* panel :
         {static_cast<QWidget*>(StolarkaPanel), static_cast<QWidget*>(ElementStolarkiPanel)}) {
        for (QLineEdit* e : panel->findChildren<QLineEdit*>()) {
            // The line edits inside spin fields and lists check their own text.
            if (!qobject_cast<QAbstractSpinBox*>(e->parentWidget()) &&
                !qobject_cast<QComboBox*>(e->parentWidget()))
                PilnujZnakow(e, naPasek);
        }
        for (QPlainTextEdit* t : panel->findChildren<QPlainTextEdit*>())
            PilnujZnakow(t, naPasek);
        // Ctrl+Z and Ctrl+Y reach the history where a field has nothing of
        // its own to undo.
        for (QWidget* w : panel->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
                w->installEventFilter(this);
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            // A control's hint also goes to the status bar while the mouse is over it.
            if (w->statusTip().isEmpty())
                w->setStatusTip(w->toolTip());
            // The wheel over a list or spin field that the user is not editing
            // scrolls the panel instead of changing the value.
            if (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w)) {
                w->setFocusPolicy(Qt::StrongFocus);
                w->installEventFilter(this);
            }
        }
    }
}

bool TMainForm::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (PoleCofaSamo(obiekt, zdarzenie)) {
        zdarzenie->ignore(); // not the field's: the window's shortcut acts
        return true;
    }
    if (obiekt == StolarkaTree->viewport() && zdarzenie->type() == QEvent::MouseButtonPress)
        wezelPrzedKliknieciem_ = StolarkaTree->currentItem();
    if (zdarzenie->type() == QEvent::Wheel) {
        auto* w = qobject_cast<QWidget*>(obiekt);
        if (w && !w->hasFocus() &&
            (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w))) {
            // Ignored and filtered: the event goes on to the scrolling panel.
            zdarzenie->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void TMainForm::UstawStan() {
    const bool jest = projekt_ != nullptr;
    for (QAction* a : {FileNewTA, FileOpenTA, FileImportArvoKTA})
        a->setEnabled(!jest);
    for (QAction* a : {FileSaveTA, FileSaveAsTA, FileCloseTA, FileExportTA, AddStolarkaTA,
                       OrientacjeTA, PrzegladOkienTA, FilePrintPreviewTA, PrintDlgTA})
        a->setEnabled(jest);
    const QTreeWidgetItem* wezel = StolarkaTree->currentItem();
    const bool okno = jest && wezel && wezel->parent();
    DelStolarkaTA->setEnabled(okno);
    MulStolarkaTA->setEnabled(okno);
    EditUndo1->setEnabled(jest && historia_.canUndo());
    EditRedo1->setEnabled(jest && historia_.canRedo());
    StronaStartowa->setVisible(!jest);
    const QString nazwa = nazwaPliku_.isEmpty() ? BEZ_NAZWY : BezKatalogu(nazwaPliku_);
    setWindowTitle(
        QStringLiteral("Termivo - [%1]").arg(nazwaPliku_ == BEZ_NAZWY ? BEZ_NAZWY : nazwa));
}

void TMainForm::StanBezProjektu() {
    projekt_.reset();
    poprzedni_ = nullptr;
    wynik_ = Wynik::Brak;
    nazwaPliku_ = BEZ_NAZWY;
    uszkodzony_ = false;
    wezelPrzedKliknieciem_ = nullptr;
    StolarkaTree->clear();
    StolarkaPanel->parentWidget()->parentWidget()->setVisible(false);
    ElementStolarkiPanel->parentWidget()->parentWidget()->setVisible(false);
    StolarkaPanel->Resetuj();
    ElementStolarkiPanel->Resetuj();
    NowaHistoria(false);
    OdswiezOstatnie();
    UstawStan();
}

void TMainForm::Blad(const QString& tresc) {
    dialogi_.Komunikat(this, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"), tresc);
}

void TMainForm::BladFatalny() {
    Blad(QStringLiteral("Błąd fatalny! Nie znaleziono okna o podanym symbolu!"));
    dialogi_.Zakoncz();
}

TOkno* TMainForm::OknoWezla(QTreeWidgetItem* wezel) {
    TOkno* okno = projekt_->GetOkno(wezel->text(0));
    if (!okno)
        BladFatalny();
    return okno;
}

// The panel into the model; what it changed is a step of the history.
void TMainForm::Zatwierdz(QTreeWidgetItem* wezel) {
    auto pokaz = [this](const QString& w) {
        PokazPoKroku(w);
    };
    if (!wezel->parent()) {
        TStanProjektu przed = StanProjektu(*projekt_);
        StolarkaPanel->Zatwierdz(*projekt_);
        TStanProjektu po = StanProjektu(*projekt_);
        if (!RownyStan(przed, po))
            Zapamietaj(
                std::make_unique<TKrokProjektu>(*projekt_, pokaz, std::move(przed), std::move(po)));
    } else if (TOkno* okno = OknoWezla(wezel)) {
        const TOkno przed = *okno;
        ElementStolarkiPanel->Zatwierdz(*projekt_, *okno);
        TZmianaOkna zmiana = RozniceOkna(przed, *okno);
        if (!zmiana.pola.empty() || zmiana.symbolPrzed != zmiana.symbolPo)
            Zapamietaj(std::make_unique<TKrokOkien>(
                QStringLiteral("zmiana okna %1").arg(okno->Symbol()), *projekt_, pokaz,
                okno->Symbol(), std::vector<TZmianaOkna>{std::move(zmiana)}));
    }
}

void TMainForm::Pokaz(QTreeWidgetItem* wezel) {
    if (!wezel->parent()) {
        StolarkaPanel->Pokaz(*projekt_);
    } else if (TOkno* okno = OknoWezla(wezel)) {
        ElementStolarkiPanel->Pokaz(*projekt_, *okno);
    }
}

void TMainForm::ObsluzWybor() {
    QTreeWidgetItem* wezel = StolarkaTree->currentItem();
    if (!wezel || !projekt_)
        return;
    if (poprzedni_)
        Zatwierdz(poprzedni_);
    poprzedni_ = wezel;
    const bool korzen = wezel->parent() == nullptr;
    StolarkaPanel->parentWidget()->parentWidget()->setVisible(korzen);
    ElementStolarkiPanel->parentWidget()->parentWidget()->setVisible(!korzen);
    UstawStan();
    Pokaz(wezel);
    OznaczWezly();
}

void TMainForm::OznaczWezly() {
    const QTreeWidgetItem* korzen = StolarkaTree->topLevelItem(0);
    if (!korzen || !projekt_)
        return;
    static const QIcon nieSpelnia = IkonaPolecenia(TIkona::NieSpelniaWT);
    static const QIcon bezDanych = IkonaPolecenia(TIkona::BrakDanychWT);
    for (int i = 0; i < korzen->childCount(); ++i) {
        QTreeWidgetItem* w = korzen->child(i);
        const TOkno* o = projekt_->GetOkno(w->text(0));
        const TWynikWT wynik =
            o ? OcenWT2021(*o, projekt_->TemperaturaWewnetrzna).wynik : TWynikWT::Spelnia;
        const QIcon& znak = wynik == TWynikWT::NieSpelnia   ? nieSpelnia
                            : wynik == TWynikWT::BrakDanych ? bezDanych
                                                            : QIcon();
        if (w->icon(0).cacheKey() != znak.cacheKey())
            w->setIcon(0, znak);
        const QString podpowiedz =
            o ? QStringLiteral("WT 2021: %1").arg(TekstWynikuWT(wynik)) : QString();
        if (w->toolTip(0) != podpowiedz)
            w->setToolTip(0, podpowiedz);
    }
}

void TMainForm::SortujWezly() {
    QTreeWidgetItem* korzen = StolarkaTree->topLevelItem(0);
    if (!korzen)
        return;
    // Taking the nodes out moves the current node for a moment: that is no
    // selection of the user's.
    const QSignalBlocker cisza(StolarkaTree);
    QTreeWidgetItem* biezacy = StolarkaTree->currentItem();
    QList<QTreeWidgetItem*> dzieci = korzen->takeChildren();
    QCollator porownanie;
    porownanie.setCaseSensitivity(Qt::CaseSensitive);
    porownanie.setNumericMode(false);
    std::stable_sort(dzieci.begin(), dzieci.end(),
                     [&porownanie](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
                         return porownanie.compare(a->text(0), b->text(0)) < 0;
                     });
    korzen->addChildren(dzieci);
    korzen->setExpanded(true);
    if (biezacy)
        StolarkaTree->setCurrentItem(biezacy);
}

QTreeWidgetItem* TMainForm::DodajWezel(const QString& symbol) {
    auto* wezel = new QTreeWidgetItem(StolarkaTree->topLevelItem(0), {symbol});
    return wezel;
}

void TMainForm::Nowy() {
    if (projekt_)
        return;
    katalogZapisu_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (katalogZapisu_.isEmpty())
        katalogZapisu_ = QDir::currentPath();
    nazwaPliku_ = BEZ_NAZWY;
    projekt_ = std::make_unique<TZestawienieStolarki>();
    {
        const QSignalBlocker cisza(StolarkaTree); // the nodes are built first, then shown once
        auto* korzen = new QTreeWidgetItem(StolarkaTree, {BEZ_NAZWY});
        StolarkaTree->setCurrentItem(korzen);
    }
    NowaHistoria(false);
    UstawStan();
    ObsluzWybor();
}

void TMainForm::Otworz() {
    if (projekt_)
        return;
    const QString sciezka =
        dialogi_.PlikDoOtwarcia(this, FILTR_OTWIERANIA, QString(), katalogOtwierania_);
    if (sciezka.isEmpty())
        return;
    katalogOtwierania_.clear();
    OtworzPlik(sciezka);
}

bool TMainForm::OtworzPlik(const QString& sciezka) {
    if (projekt_)
        return false;
    auto projekt = std::make_unique<TZestawienieStolarki>();
    TOdczytProjektu odczyt;
    if (WczytajProjekt(*projekt, sciezka, QLocale(), &odczyt) != WYNIK_OK) {
        Blad(KOMUNIKAT_BLAD_ODCZYTU);
        StanBezProjektu();
        nazwaPliku_.clear();
        return false;
    }
    projekt_ = std::move(projekt);
    nazwaPliku_ = sciezka;
    // A file cut short is not saved over by a plain "Zapisz".
    uszkodzony_ = odczyt.niekompletny;
    {
        const QSignalBlocker cisza(StolarkaTree);
        auto* korzen = new QTreeWidgetItem(StolarkaTree, {BezKatalogu(sciezka)});
        for (int i = 0; i < projekt_->LiczbaOkienWLiscie(); ++i)
            DodajWezel(projekt_->Okno(i)->Symbol());
        StolarkaTree->expandAll();
        StolarkaTree->setCurrentItem(korzen);
        SortujWezly();
    }
    NowaHistoria(odczyt.niekompletny);
    DodajDoOstatnich(sciezka);
    UstawStan();
    ObsluzWybor();
    return true;
}

void TMainForm::Importuj() {
    if (projekt_)
        return;
    const QString sciezka =
        dialogi_.PlikDoOtwarcia(this, FILTR_OTWIERANIA, FILTR_AVK, katalogOtwierania_);
    if (!sciezka.isEmpty())
        ImportujPlik(sciezka);
}

bool TMainForm::ImportujPlik(const QString& sciezka) {
    if (projekt_)
        return false;
    Nowy();
    projekt_->SetParter(true);
    StolarkaPanel->ParterCB->setChecked(true);
    if (ImportujArvoKZPliku(*projekt_, sciezka) != WYNIK_OK) {
        dialogi_.Komunikat(this, TRodzajKomunikatu::Blad, TYTUL_IMPORTU, KOMUNIKAT_IMPORT_NIEUDANY);
        StanBezProjektu();
        return false;
    }
    dialogi_.Komunikat(this, TRodzajKomunikatu::Informacja, TYTUL_IMPORTU, KOMUNIKAT_IMPORT_UDANY);
    NowaHistoria(true); // imported, not saved yet
    {
        const QSignalBlocker cisza(StolarkaTree);
        for (QString s = projekt_->FirstSymbol(); !s.isEmpty(); s = projekt_->NextSymbol())
            DodajWezel(s);
        StolarkaTree->expandAll();
        SortujWezly();
    }
    ObsluzWybor();
    return true;
}

void TMainForm::ZapiszDoPliku() {
    QString powod;
    if (ZapiszProjekt(*projekt_, nazwaPliku_, QLocale(), &powod) != WYNIK_OK) {
        // A text the file cannot store was reported already; the system's
        // reason is told here, with the file.
        Blad(powod.isEmpty() ? KOMUNIKAT_BLAD_ZAPISU
                             : KOMUNIKAT_BLAD_ZAPISU + QLatin1Char('\n') +
                                   QStringLiteral("Pliku %1 nie można zapisać: %2. Zapisz projekt "
                                                  "w innym miejscu poleceniem „Zapisz jako...”.")
                                       .arg(QDir::toNativeSeparators(nazwaPliku_), powod));
        wynik_ = Wynik::Nieudany;
        return;
    }
    uszkodzony_ = false;
    Zapisano();
}

void TMainForm::Zapisz() {
    if (!projekt_)
        return;
    if (BezNazwy() || uszkodzony_) {
        ZapiszJako();
        return;
    }
    ObsluzWybor();
    ZapiszDoPliku();
}

void TMainForm::ZapiszJako() {
    if (!projekt_)
        return;
    wynik_ = Wynik::ZapiszJakoAnulowane;
    const QString sciezka =
        dialogi_.PlikDoZapisu(this, FILTR_ZAPISU, SciezkaProjektu(), QStringLiteral("tmv"));
    if (sciezka.isEmpty())
        return;
    wynik_ = Wynik::Tak;
    nazwaPliku_ = sciezka;
    if (QTreeWidgetItem* korzen = StolarkaTree->topLevelItem(0))
        korzen->setText(0, BezKatalogu(sciezka));
    UstawStan();
    ObsluzWybor();
    ZapiszDoPliku();
}

bool TMainForm::Zamknij() {
    if (!projekt_)
        return true;
    // What is typed counts as a change; an unchanged project closes at once.
    ObsluzWybor();
    if (!Zmieniony()) {
        StanBezProjektu();
        return true;
    }
    const TDialogi::Odpowiedz odp = dialogi_.Potwierdzenie(
        this, QStringLiteral("Confirm"),
        QStringLiteral("Czy chcesz zapisać zmiany wprowadzone do projektu?"));
    if (odp == TDialogi::Odpowiedz::Anuluj) {
        wynik_ = Wynik::Anuluj;
        return false;
    }
    if (odp == TDialogi::Odpowiedz::Tak) {
        wynik_ = Wynik::Brak;
        Zapisz();
        // A save that did not happen keeps the project and its work open.
        if (wynik_ == Wynik::ZapiszJakoAnulowane || wynik_ == Wynik::Nieudany)
            return false;
    }
    odzysk_->Usun(); // "Nie": the changes are given up
    StanBezProjektu();
    return true;
}

void TMainForm::closeEvent(QCloseEvent* zdarzenie) {
    // Ended by the system: the recovery copy is written, nothing is asked.
    if (koniecOdSystemu_) {
        zdarzenie->accept();
        return;
    }
    if (projekt_ && !Zamknij()) {
        zdarzenie->ignore();
        return;
    }
    zdarzenie->accept();
}

void TMainForm::DodajLubPowiel(bool powiel) {
    if (!projekt_)
        return;
    const std::optional<QString> odp =
        dialogi_.Tekst(this, QStringLiteral("Symbol okna"),
                       QStringLiteral("Podaj symbol nowego okna:"), QString(), 255);
    if (!odp)
        return;
    const QString symbol = PrzytnijSymbol(*odp);
    if (symbol.isEmpty())
        return;
    ObsluzWybor();
    QString zrodlo;
    if (powiel) {
        const QTreeWidgetItem* wezel = StolarkaTree->currentItem();
        if (!wezel || !wezel->parent())
            return;
        zrodlo = wezel->text(0);
    }
    const int32_t wynik = projekt_->AddOkno(symbol);
    if (wynik == WYNIK_DUPLIKAT) {
        Blad(QStringLiteral("Istnieje już okno o podanej nazwie!"));
        return;
    }
    if (wynik != WYNIK_OK) {
        Blad(QStringLiteral("Wystąpił nieznany błąd podczas tworzenia nowego okna!"));
        return;
    }
    if (powiel)
        projekt_->CopyOknoParams(zrodlo, symbol);
    if (const TOkno* nowe = projekt_->GetOkno(symbol))
        Zapamietaj(std::make_unique<TKrokListy>(
            powiel ? QStringLiteral("powielenie okna %1 jako %2").arg(zrodlo, nowe->Symbol())
                   : QStringLiteral("dodanie okna %1").arg(nowe->Symbol()),
            *projekt_, [this](const QString& w) { PokazPoKroku(w); }, *nowe,
            projekt_->IndeksOkna(symbol), true));
    {
        const QSignalBlocker cisza(StolarkaTree);
        QTreeWidgetItem* wezel = DodajWezel(symbol);
        StolarkaTree->setCurrentItem(wezel);
        SortujWezly();
    }
    ObsluzWybor();
}

void TMainForm::DodajOkno() {
    DodajLubPowiel(false);
}

void TMainForm::PowielOkno() {
    DodajLubPowiel(true);
}

void TMainForm::UsunOkno() {
    // The window whose editor is shown is the one deleted.
    QTreeWidgetItem* wezel = poprzedni_;
    if (!projekt_ || !wezel || !wezel->parent())
        return;
    if (dialogi_.Pytanie(this, QStringLiteral("Pytanie"),
                         QStringLiteral("Czy chcesz usunąć wybrane okno?")) !=
        TDialogi::Odpowiedz::Tak)
        return;
    const TOkno* okno = projekt_->GetOkno(wezel->text(0));
    if (!okno) {
        BladFatalny();
        return;
    }
    auto krok = std::make_unique<TKrokListy>(
        QStringLiteral("usunięcie okna %1").arg(okno->Symbol()), *projekt_,
        [this](const QString& w) { PokazPoKroku(w); }, *okno, projekt_->IndeksOkna(okno->Symbol()),
        false);
    if (projekt_->DelOkno(wezel->text(0)) != WYNIK_OK) {
        BladFatalny();
        return;
    }
    Zapamietaj(std::move(krok));
    // Nothing is committed for the deleted window; the tree picks a
    // neighbour, which is then shown once.
    poprzedni_ = nullptr;
    wezelPrzedKliknieciem_ = nullptr;
    {
        const QSignalBlocker cisza(StolarkaTree);
        delete wezel;
        if (!StolarkaTree->currentItem())
            StolarkaTree->setCurrentItem(StolarkaTree->topLevelItem(0));
    }
    ObsluzWybor();
}

void TMainForm::ZmienSymbol() {
    if (!projekt_ || !poprzedni_ || !poprzedni_->parent())
        return;
    const QString stary = ElementStolarkiPanel->SymbolOknaEd->text();
    const std::optional<QString> odp = dialogi_.Tekst(
        this, QStringLiteral("Symbol okna"), QStringLiteral("Podaj nowy symbol okna:"), stary, 255);
    if (!odp)
        return;
    const QString nowy = PrzytnijSymbol(*odp);
    if (nowy.isEmpty()) {
        Blad(QStringLiteral("Symbol okna nie może pozostać pusty!"));
        return;
    }
    if (projekt_->RenameOkno(stary, nowy) == WYNIK_DUPLIKAT) {
        Blad(QStringLiteral("Istnieje już okno o podanej nazwie!"));
        return;
    }
    if (!RowneBezWielkosci(stary, nowy))
        Zapamietaj(std::make_unique<TKrokSymbolu>(
            *projekt_, [this](const QString& w) { PokazPoKroku(w); }, stary, nowy));
    ElementStolarkiPanel->SymbolOknaEd->setText(nowy);
    poprzedni_->setText(0, nowy);
    SortujWezly();
}

void TMainForm::UstawTabele(const TTabele& tabele) {
    ElementStolarkiPanel->UstawTabele(tabele);
}

bool TMainForm::UstawieniaStrony() {
    return dialogi_.UstawieniaStrony(this, ukladStrony_);
}

void TMainForm::PodgladWydruku() {
    if (!projekt_)
        return;
    ObsluzWybor();
    projekt_->SortBySymbol();
    TPrnPrvForm okno(dialogi_, this);
    okno.UstawUstawieniaStrony([this] { return UstawieniaStrony(); },
                               [this] { return ukladStrony_; });
    okno.UstawProjekt(projekt_.get());
    okno.UstawProponowanyPdf(ObokProjektu(QStringLiteral("pdf")));
    dialogi_.Pokaz(okno);
}

bool TMainForm::BezNazwy() const {
    return nazwaPliku_ == BEZ_NAZWY || nazwaPliku_.isEmpty();
}

QString TMainForm::SciezkaProjektu() const {
    return BezNazwy() ? QDir(katalogZapisu_).filePath(BEZ_NAZWY) : nazwaPliku_;
}

QString TMainForm::ObokProjektu(const QString& rozszerzenie) const {
    const QFileInfo info(SciezkaProjektu());
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('.') + rozszerzenie);
}

void TMainForm::ZestawienieWgStron() {
    if (!projekt_)
        return;
    ObsluzWybor();
    TOrientacjeForm okno(::ZestawienieWgStron(*projekt_), dialogi_,
                         ObokProjektu(QStringLiteral("csv")), this);
    dialogi_.Pokaz(okno);
}

void TMainForm::EksportujZestawienie() {
    if (!projekt_)
        return;
    ObsluzWybor();
    const QString sciezka = dialogi_.PlikDoZapisu(
        this, QStringLiteral("Skoroszyt Excel (*.xlsx);;CSV – arkusz (*.csv)"),
        ObokProjektu(QStringLiteral("xlsx")), QStringLiteral("xlsx"));
    if (sciezka.isEmpty())
        return;
    TFormatEksportu format = TFormatEksportu::Xlsx;
    if (!FormatZNazwy(sciezka, &format))
        format = TFormatEksportu::Xlsx;
    QString powod;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ::EksportujZestawienie(*projekt_, sciezka, format, &powod);
    QApplication::restoreOverrideCursor();
    // The list was put in the report's order: the tree follows.
    SortujWezly();
    if (!ok)
        Blad(QStringLiteral("Nie udało się zapisać zestawienia do pliku %1: %2.")
                 .arg(QDir::toNativeSeparators(sciezka), powod));
}

void TMainForm::PrzegladOkien() {
    if (!projekt_)
        return;
    ObsluzWybor();
    TPrzegladOkienForm okno(*projekt_, this);
    dialogi_.Pokaz(okno);
    if (okno.Wybrane().isEmpty())
        return;
    // The window chosen is shown, as a click in the tree shows it.
    const QList<QTreeWidgetItem*> wezly =
        StolarkaTree->findItems(okno.Wybrane(), Qt::MatchFixedString | Qt::MatchRecursive);
    for (QTreeWidgetItem* w : wezly)
        if (w->parent()) {
            StolarkaTree->setCurrentItem(w);
            break;
        }
}

void TMainForm::DrukujZestawienie() {
    if (!projekt_)
        return;
    ObsluzWybor();
    projekt_->SortBySymbol();
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setPageLayout(ukladStrony_);
    drukarka.setFullPage(true);
    drukarka.setDocName(TRaport::TYTUL_DOKUMENTU);
    if (!dialogi_.Drukuj(this, drukarka))
        return;
    // The report with the preview's options at opening.
    TOpcjeRaportu opcje;
    opcje.Czcionka = DomyslnaCzcionkaRaportu();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TWynikRaportu wynik =
        DrukujRaport(*projekt_, opcje, ukladStrony_.margins(QPageLayout::Millimeter), drukarka);
    QApplication::restoreOverrideCursor();
    if (wynik == TWynikRaportu::Blad)
        Blad(QStringLiteral("Nie udało się wydrukować zestawienia!"));
}
