#include "ui/main/glowna.h"

#include "model/projekt/polecenia/ustawpola.h"
#include "model/projekt/polecenia/ustawpoziomy.h"
#include "model/projekt/polecenia/ustawprojekt.h"
#include "ui/main/drzewoprojektu.h"
#include "ui/main/edytorokna.h"
#include "ui/main/komunikatykroku.h"
#include "ui/main/obslugapliku.h"
#include "ui/main/ostatnie.h"
#include "ui/main/panelprojektu.h"
#include "ui/main/polecenia.h"
#include "ui/main/strazpol.h"
#include "ui/main/stronastartowa.h"
#include "ui/main/ustawienia.h"
#include "ui/main/zestawienia.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>

TMainForm::TMainForm(TDialogi& dialogi, QWidget* rodzic)
    : QMainWindow(rodzic), dialogi_(dialogi), odbiorca_([this](const TKomunikat& k) {
          dialogi_.Komunikat(this, k.rodzaj, k.tytul, k.tresc);
      }) {
    setObjectName(QStringLiteral("MainForm"));
    projekt_.UzywajBlokady();
    projekt_.UzywajOdzysku();
    Polecenia = new TPoleceniaGlowne(*this);
    UtworzPanele();
    ostatnie_ = new TOstatnieProjekty(*Polecenia->OstatnieMI, *StronaStartowa, this);
    pliki_ = new TObslugaPliku(
        projekt_, dialogi_, *ostatnie_, *this, [this] { return Zatwierdz(); },
        [this] { return PolecenieZPanelu(); });
    zestawienia_ = new TZestawieniaProjektu(
        projekt_, dialogi_, *this, [this] { return Zatwierdz(); },
        [this](const QString& r) { return pliki_->ObokProjektu(r); });
    PolaczPolecenia();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    // The classic size is the one a first run opens with and the least the
    // window takes; after that it opens where and as large as it was left.
    setMinimumSize(NajmniejszyRozmiar());
    resize(NajmniejszyRozmiar());
    if (const QScreen* ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());
    PrzywrocUklad();
    connect(&projekt_, &TProjektOtwarty::zmieniono, this, &TMainForm::PoZmianie);
    connect(&projekt_, &TProjektOtwarty::otwarto, this, &TMainForm::PoOtwarciu);
    connect(&projekt_, &TProjektOtwarty::stanPliku, this, &TMainForm::UstawStan);
    setAcceptDrops(true);
    PoOtwarciu();
}

TMainForm::~TMainForm() {
    // Hiding the window on its way out moves the focus: that must not reach
    // a window half destroyed.
    disconnect(qApp, nullptr, Polecenia, nullptr);
    disconnect(&projekt_, nullptr, this, nullptr);
}

namespace {

const QString KLUCZ_GEOMETRII = QStringLiteral("Okno/Geometria");
const QString KLUCZ_PODZIALU = QStringLiteral("Okno/Podzial");

} // namespace

QSize TMainForm::NajmniejszyRozmiar() const {
    return {SZEROKOSC_KLIENTA, WYSOKOSC_KLIENTA + menuBar()->sizeHint().height()};
}

void TMainForm::PrzywrocUklad() {
    const auto u = UstawieniaProgramu();
    restoreGeometry(u->value(KLUCZ_GEOMETRII).toByteArray());
    podzial_->restoreState(u->value(KLUCZ_PODZIALU).toByteArray());
}

void TMainForm::ZapamietajUklad() {
    const auto u = UstawieniaProgramu();
    u->setValue(KLUCZ_GEOMETRII, saveGeometry());
    u->setValue(KLUCZ_PODZIALU, podzial_->saveState());
}

void TMainForm::UtworzPanele() {
    podzial_ = new QSplitter(Qt::Horizontal, this);
    podzial_->setObjectName(QStringLiteral("PodzialOkna"));
    podzial_->setChildrenCollapsible(false);
    StolarkaTree = new TDrzewoProjektu(podzial_);
    connect(StolarkaTree, &TDrzewoProjektu::wybrano, this, &TMainForm::ObsluzWybor);
    connect(StolarkaTree, &TDrzewoProjektu::usun, this, &TMainForm::UsunOkno);
    auto* srodek = new QWidget(podzial_);
    auto* uklad = new QHBoxLayout(srodek);
    uklad->setContentsMargins(0, 0, 0, 0);

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
        new TStrazPol(*panel,
                      [this](const QString& powod) { statusBar()->showMessage(powod, 5000); });
    }
    // With no project the start page stands where the panels do.
    StronaStartowa = new TStronaStartowa(srodek);
    uklad->addWidget(StronaStartowa, 1);
    // The panels take most of what the window gains, the tree some of it
    // for long symbols.
    podzial_->setStretchFactor(0, 1);
    podzial_->setStretchFactor(1, 5);
    podzial_->setSizes({StolarkaTree->minimumWidth(), SZEROKOSC_KLIENTA});
    connect(StolarkaPanel, &TPanelProjektu::przeliczCeny, this, &TMainForm::ObsluzWybor);
    connect(ElementStolarkiPanel, &TEdytorOkna::przeliczUw, this, &TMainForm::ObsluzWybor);
    connect(ElementStolarkiPanel, &TEdytorOkna::zmienSymbol, this, &TMainForm::ZmienSymbol);
    connect(ElementStolarkiPanel, &TEdytorOkna::przypiszWszystkim, this,
            &TMainForm::PrzypiszWszystkim);
    // A new type, kind or opening kind is stored, recomputed and drawn at once.
    connect(ElementStolarkiPanel, &TEdytorOkna::zmienionoTyp, this, &TMainForm::ObsluzWybor);
    setCentralWidget(podzial_);
}

void TMainForm::PolaczPolecenia() {
    const TPoleceniaGlowne& p = *Polecenia;
    connect(p.FileNewTA, &QAction::triggered, this, &TMainForm::Nowy);
    connect(p.FileOpenTA, &QAction::triggered, this, &TMainForm::Otworz);
    connect(p.FileSaveTA, &QAction::triggered, this, &TMainForm::Zapisz);
    connect(p.FileSaveAsTA, &QAction::triggered, this, &TMainForm::ZapiszJako);
    connect(p.FileCloseTA, &QAction::triggered, this, [this] { Zamknij(); });
    connect(p.FileImportArvoKTA, &QAction::triggered, this, &TMainForm::Importuj);
    connect(p.FileImportIfcTA, &QAction::triggered, this, [this] {
        const TKomunikatyKroku krok(dialogi_, this);
        pliki_->ImportujIfc();
    });
    connect(p.FileExportTA, &QAction::triggered, this, &TMainForm::EksportujZestawienie);
    connect(p.FileExportIfcTA, &QAction::triggered, this, [this] {
        const TKomunikatyKroku krok(dialogi_, this);
        pliki_->EksportujIfc();
    });
    connect(p.FilePageSetup1, &QAction::triggered, this, [this] { UstawieniaStrony(); });
    connect(p.FilePrintPreviewTA, &QAction::triggered, this, &TMainForm::PodgladWydruku);
    connect(p.PrintDlgTA, &QAction::triggered, this, &TMainForm::DrukujZestawienie);
    connect(p.FileExitTA, &QAction::triggered, this, &QWidget::close);
    connect(p.EditUndo1, &QAction::triggered, this, &TMainForm::Cofnij);
    connect(p.EditRedo1, &QAction::triggered, this, &TMainForm::Ponow);
    connect(p.AddStolarkaTA, &QAction::triggered, this, &TMainForm::DodajOkno);
    connect(p.DelStolarkaTA, &QAction::triggered, this, &TMainForm::UsunOkno);
    connect(p.MulStolarkaTA, &QAction::triggered, this, &TMainForm::PowielOkno);
    connect(p.OrientacjeTA, &QAction::triggered, this, &TMainForm::ZestawienieWgStron);
    connect(p.PrzegladOkienTA, &QAction::triggered, this, &TMainForm::PrzegladOkien);
    connect(StronaStartowa, &TStronaStartowa::nowy, this, &TMainForm::Nowy);
    connect(StronaStartowa, &TStronaStartowa::otworz, this, &TMainForm::Otworz);
    connect(StronaStartowa, &TStronaStartowa::importuj, this, &TMainForm::Importuj);
    connect(StronaStartowa, &TStronaStartowa::importujIfc, this, [this] {
        const TKomunikatyKroku krok(dialogi_, this);
        pliki_->ImportujIfc();
    });
    connect(ostatnie_, &TOstatnieProjekty::otworz, this, &TMainForm::OtworzLubImportuj);
}

QString TMainForm::NazwaPliku() const {
    return projekt_.BezNazwy() ? QStringLiteral("bez nazwy") : projekt_.Sciezka();
}

void TMainForm::UstawStan() {
    const bool jest = projekt_.Otwarty();
    Polecenia->UstawStan(jest, jest && StolarkaTree->WybraneOkno() != 0);
    Polecenia->UstawHistorie(projekt_.Historia().NazwaCofniecia(),
                             projekt_.Historia().NazwaPonowienia());
    StronaStartowa->setVisible(!jest);
    StolarkaTree->UstawNazwe(projekt_.Nazwa());
    // Unsaved changes mark the title the platform's way: "[dom.tmv]*".
    QString tytul = QStringLiteral("Termivo - [%1][*]").arg(projekt_.Nazwa());
    if (projekt_.TylkoDoOdczytu())
        tytul += QStringLiteral(" (tylko do odczytu)");
    setWindowTitle(tytul);
    setWindowModified(jest && projekt_.Zmieniony());
}

void TMainForm::Blad(const QString& tresc) {
    dialogi_.Komunikat(this, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"), tresc);
}

void TMainForm::BladFatalny() {
    Blad(QStringLiteral("Błąd fatalny! Nie znaleziono okna o podanym symbolu!"));
    dialogi_.Zakoncz();
}

// Another project, or none: the tree and the panels start again.
void TMainForm::PoOtwarciu() {
    pokazany_.reset();
    StolarkaTree->Zbuduj(Projekt(), projekt_.Nazwa(), 0);
    if (!Projekt()) {
        StolarkaPanel->parentWidget()->parentWidget()->setVisible(false);
        ElementStolarkiPanel->parentWidget()->parentWidget()->setVisible(false);
        StolarkaPanel->Resetuj();
        ElementStolarkiPanel->Resetuj();
        ostatnie_->Odswiez();
    } else {
        PokazWybrany();
    }
    UstawStan();
}

// The project changed: the tree follows, and the node the change names is
// shown as it now stands (the panel held nothing uncommitted: every command
// commits it first).
void TMainForm::PoZmianie(const TZmiana& z) {
    if (zatwierdzanie_) {
        // A commit on the way to another node: that node is shown next.
        if (z.lista)
            StolarkaTree->Zbuduj(Projekt(), projekt_.Nazwa(), StolarkaTree->WybraneOkno());
        else
            StolarkaTree->Oznacz(*Projekt());
        return;
    }
    TIdOkna cel = z.wskazane;
    if (pokazPo_) {
        cel = *pokazPo_;
        pokazPo_.reset();
    }
    if (z.lista)
        StolarkaTree->Zbuduj(Projekt(), projekt_.Nazwa(), cel);
    else if (!StolarkaTree->Wybierz(cel))
        StolarkaTree->Wybierz(0);
    StolarkaTree->Oznacz(*Projekt());
    PokazWybrany();
}

int32_t TMainForm::Wykonaj(std::unique_ptr<TPolecenie> polecenie) {
    return projekt_.Wykonaj(std::move(polecenie));
}

std::unique_ptr<TPolecenie> TMainForm::PolecenieZPanelu(bool* fatalny) {
    if (fatalny)
        *fatalny = false;
    if (!pokazany_ || !Projekt())
        return nullptr;
    if (*pokazany_ == 0) {
        TDaneProjektu dane;
        TPoziomyBudynku poziomy;
        StolarkaPanel->Zatwierdz(*Projekt(), dane, poziomy);
        std::vector<std::unique_ptr<TPolecenie>> kroki;
        kroki.push_back(std::make_unique<TUstawPoziomy>(poziomy));
        kroki.push_back(std::make_unique<TUstawDaneProjektu>(dane));
        return std::make_unique<TGrupaPolecen>(QStringLiteral("zmiana danych projektu"),
                                               std::move(kroki));
    }
    const TOkno* okno = Projekt()->OknoId(*pokazany_);
    if (!okno) {
        if (fatalny)
            *fatalny = true;
        BladFatalny();
        return nullptr;
    }
    return std::make_unique<TUstawPolaOkna>(okno->Id(),
                                            ElementStolarkiPanel->Zatwierdz(*Projekt(), *okno));
}

bool TMainForm::Zatwierdz() {
    bool fatalny = false;
    std::unique_ptr<TPolecenie> polecenie = PolecenieZPanelu(&fatalny);
    if (fatalny)
        return false;
    if (polecenie) {
        zatwierdzanie_ = true;
        Wykonaj(std::move(polecenie));
        zatwierdzanie_ = false;
    }
    return true;
}

void TMainForm::PokazWybrany() {
    if (!Projekt() || !StolarkaTree->JestWybrany())
        return;
    const bool korzen = StolarkaTree->WybranyKorzen();
    const TIdOkna id = StolarkaTree->WybraneOkno();
    const TOkno* okno = korzen ? nullptr : Projekt()->OknoId(id);
    if (!korzen && !okno) {
        pokazany_.reset();
        BladFatalny();
        return;
    }
    pokazany_ = id;
    StolarkaPanel->parentWidget()->parentWidget()->setVisible(korzen);
    ElementStolarkiPanel->parentWidget()->parentWidget()->setVisible(!korzen);
    if (korzen)
        StolarkaPanel->Pokaz(*Projekt());
    else
        ElementStolarkiPanel->Pokaz(*Projekt(), *okno);
    UstawStan();
}

void TMainForm::ObsluzWybor() {
    const TKomunikatyKroku krok(dialogi_, this);
    if (!Projekt() || !StolarkaTree->JestWybrany())
        return;
    if (Zatwierdz())
        PokazWybrany();
}

void TMainForm::Cofnij() {
    const TKomunikatyKroku krok(dialogi_, this);
    // What was typed becomes a step of its own first.
    if (Projekt() && Zatwierdz())
        projekt_.Cofnij();
}

void TMainForm::Ponow() {
    const TKomunikatyKroku krok(dialogi_, this);
    // A commit that changed something ends what could be made again.
    if (Projekt() && Zatwierdz())
        projekt_.Ponow();
}

void TMainForm::UstawTabele(const TTabele& tabele) {
    ElementStolarkiPanel->UstawTabele(tabele);
}

// ---- the project's life and what is made of it, as their classes do it --

void TMainForm::Nowy() {
    const TKomunikatyKroku krok(dialogi_, this);
    pliki_->Nowy();
}
void TMainForm::Otworz() {
    const TKomunikatyKroku krok(dialogi_, this);
    pliki_->Otworz();
}
bool TMainForm::OtworzPlik(const QString& sciezka) {
    const TKomunikatyKroku krok(dialogi_, this);
    return pliki_->OtworzPlik(sciezka);
}
void TMainForm::Importuj() {
    const TKomunikatyKroku krok(dialogi_, this);
    pliki_->Importuj();
}
bool TMainForm::ImportujPlik(const QString& sciezka) {
    const TKomunikatyKroku krok(dialogi_, this);
    return pliki_->ImportujPlik(sciezka);
}
void TMainForm::Zapisz() {
    const TKomunikatyKroku krok(dialogi_, this);
    pliki_->Zapisz();
}
void TMainForm::ZapiszJako() {
    const TKomunikatyKroku krok(dialogi_, this);
    pliki_->ZapiszJako();
}
bool TMainForm::Zamknij() {
    const TKomunikatyKroku krok(dialogi_, this);
    return pliki_->Zamknij();
}
void TMainForm::OtworzLubImportuj(const QString& sciezka) {
    const TKomunikatyKroku krok(dialogi_, this);
    pliki_->OtworzLubImportuj(sciezka);
}
void TMainForm::UstawOdstepOdzysku(int ms, int pierwszyMs) {
    pliki_->UstawOdstepOdzysku(ms, pierwszyMs);
}
void TMainForm::ZapiszOdzysk() {
    pliki_->ZapiszOdzysk();
}
void TMainForm::ZaproponujOdzysk() {
    const TKomunikatyKroku krok(dialogi_, this);
    pliki_->ZaproponujOdzysk();
}
void TMainForm::PoUruchomieniu(const QString& plik) {
    const TKomunikatyKroku krok(dialogi_, this);
    pliki_->ZaproponujOdzysk();
    if (!plik.isEmpty() && !projekt_.Otwarty())
        pliki_->OtworzLubImportuj(plik);
}
QStringList TMainForm::OstatnieProjekty() const {
    return ostatnie_->Lista();
}
bool TMainForm::UstawieniaStrony() {
    return zestawienia_->UstawieniaStrony();
}
const QPageLayout& TMainForm::UkladStrony() const {
    return zestawienia_->UkladStrony();
}
void TMainForm::PodgladWydruku() {
    const TKomunikatyKroku krok(dialogi_, this);
    zestawienia_->PodgladWydruku();
}
void TMainForm::DrukujZestawienie() {
    const TKomunikatyKroku krok(dialogi_, this);
    zestawienia_->DrukujZestawienie();
}
void TMainForm::ZestawienieWgStron() {
    const TKomunikatyKroku krok(dialogi_, this);
    zestawienia_->ZestawienieWgStron();
}
void TMainForm::EksportujZestawienie() {
    const TKomunikatyKroku krok(dialogi_, this);
    zestawienia_->EksportujZestawienie();
}

void TMainForm::PrzegladOkien() {
    const TKomunikatyKroku krok(dialogi_, this);
    // The window chosen is shown, as a click in the tree shows it.
    if (const TIdOkna id = zestawienia_->PrzegladOkien(); id && StolarkaTree->Wybierz(id))
        PokazWybrany();
}

// ---- the window's own events ----------------------------------------------

void TMainForm::closeEvent(QCloseEvent* zdarzenie) {
    const TKomunikatyKroku krok(dialogi_, this);
    // Ended by the system: the recovery copy is written, nothing is asked.
    if (koniecOdSystemu_ || !projekt_.Otwarty() || Zamknij()) {
        ZapamietajUklad();
        zdarzenie->accept();
    } else
        zdarzenie->ignore();
}

void TMainForm::KoniecOdSystemu() {
    ZapiszOdzysk();
    koniecOdSystemu_ = true;
    close();
}

namespace {

// The local files of a drop that the program opens.
QStringList Upuszczone(const QMimeData* dane) {
    QStringList pliki;
    if (!dane || !dane->hasUrls())
        return pliki;
    for (const QUrl& u : dane->urls()) {
        const QString plik = u.toLocalFile();
        if (u.isLocalFile() && (plik.endsWith(QStringLiteral(".tmv"), Qt::CaseInsensitive) ||
                                plik.endsWith(QStringLiteral(".avk"), Qt::CaseInsensitive) ||
                                plik.endsWith(QStringLiteral(".ifc"), Qt::CaseInsensitive)))
            pliki << plik;
    }
    return pliki;
}

} // namespace

void TMainForm::dragEnterEvent(QDragEnterEvent* zdarzenie) {
    if (!Upuszczone(zdarzenie->mimeData()).isEmpty())
        zdarzenie->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* zdarzenie) {
    const QStringList pliki = Upuszczone(zdarzenie->mimeData());
    if (pliki.isEmpty())
        return;
    zdarzenie->acceptProposedAction();
    // The drop ends before the questions of opening are asked.
    const QString plik = pliki.first();
    QTimer::singleShot(0, this, [this, plik] { OtworzLubImportuj(plik); });
}
