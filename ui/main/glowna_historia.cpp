// The main window's edit history, recovery copies, recent projects and the
// files dropped on it.

#include "glowna.h"

#include "edytorokna.h"
#include "historia.h"
#include "ikony.h"
#include "krokihistorii.h"
#include "odzysk.h"
#include "panelprojektu.h"
#include "stronastartowa.h"
#include "zestawienie.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>

namespace {

constexpr int LIMIT_KROKOW = 200;
constexpr int OSTATNICH = 8;
const QString KLUCZ_OSTATNICH = QStringLiteral("OstatnioOtwierane");

// The step's name in the command's caption and hint.
void Opisz(QAction* a, const QString& polecenie, const QString& krok) {
    const QString tekst = krok.isEmpty() ? polecenie : polecenie + QStringLiteral(": ") + krok;
    a->setText(QLatin1Char('&') + tekst);
    a->setToolTip(tekst);
    a->setStatusTip(tekst);
}

bool PlikProjektu(const QString& sciezka) {
    return sciezka.endsWith(QStringLiteral(".tmv"), Qt::CaseInsensitive);
}

bool PlikArvoK(const QString& sciezka) {
    return sciezka.endsWith(QStringLiteral(".avk"), Qt::CaseInsensitive);
}

// The local files of a drop that the program opens.
QStringList Upuszczone(const QMimeData* dane) {
    QStringList pliki;
    if (!dane || !dane->hasUrls())
        return pliki;
    for (const QUrl& u : dane->urls())
        if (u.isLocalFile() && (PlikProjektu(u.toLocalFile()) || PlikArvoK(u.toLocalFile())))
            pliki << u.toLocalFile();
    return pliki;
}

} // namespace

void TMainForm::UtworzHistorie() {
    historia_.setUndoLimit(LIMIT_KROKOW);
    EditUndo1 = new QAction(this);
    EditUndo1->setObjectName(QStringLiteral("EditUndo1"));
    EditUndo1->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    EditUndo1->setIcon(IkonaPolecenia(TIkona::Cofnij));
    EditRedo1 = new QAction(this);
    EditRedo1->setObjectName(QStringLiteral("EditRedo1"));
    EditRedo1->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    EditRedo1->setIcon(IkonaPolecenia(TIkona::Ponow));
    auto odswiez = [this] {
        Opisz(EditUndo1, QStringLiteral("Cofnij"), historia_.undoText());
        Opisz(EditRedo1, QStringLiteral("Ponów"), historia_.redoText());
        EditUndo1->setEnabled(projekt_ && historia_.canUndo());
        EditRedo1->setEnabled(projekt_ && historia_.canRedo());
    };
    connect(&historia_, &QUndoStack::indexChanged, this, odswiez);
    connect(&historia_, &QUndoStack::cleanChanged, this, odswiez);
    odswiez();
    connect(EditUndo1, &QAction::triggered, this, &TMainForm::Cofnij);
    connect(EditRedo1, &QAction::triggered, this, &TMainForm::Ponow);

    odzysk_ = std::make_unique<TOdzysk>();
    zegarOdzysku_ = new QTimer(this);
    zegarOdzysku_->setInterval(60 * 1000);
    connect(zegarOdzysku_, &QTimer::timeout, this, &TMainForm::ZapiszOdzysk);
    zegarOdzysku_->start();
    ustawienia_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                              QStringLiteral("Termivo"), QStringLiteral("Termivo"));
    setAcceptDrops(true);
}

bool TMainForm::Zmieniony() const {
    return projekt_ && (zmieniony_ || !historia_.isClean());
}

void TMainForm::NowaHistoria(bool zmieniony) {
    historia_.clear();
    zmieniony_ = zmieniony;
    if (!zmieniony)
        odzysk_->Usun();
}

void TMainForm::Zapisano() {
    historia_.setClean();
    zmieniony_ = false;
    odzysk_->Usun();
    DodajDoOstatnich(nazwaPliku_);
}

void TMainForm::Zapamietaj(std::unique_ptr<TKrok> krok) {
    if (wKroku_)
        return;
    historia_.push(krok.release()); // its first redo does nothing
}

void TMainForm::KrokOkien(const QString& nazwa, const std::function<void()>& zmiana) {
    if (!projekt_)
        return;
    const std::vector<TOkno> przed = StanOkien(*projekt_);
    zmiana();
    std::vector<TZmianaOkna> zmiany = ZmianyOkien(przed, *projekt_);
    if (zmiany.empty())
        return;
    const QTreeWidgetItem* wezel = StolarkaTree->currentItem();
    const QString pokazany = wezel && wezel->parent() ? wezel->text(0) : QString();
    Zapamietaj(std::make_unique<TKrokOkien>(
        nazwa, *projekt_, [this](const QString& w) { PokazPoKroku(w); }, pokazany,
        std::move(zmiany)));
}

void TMainForm::Cofnij() {
    if (!projekt_ || wKroku_)
        return;
    ObsluzWybor(); // what was typed becomes a step of its own first
    wKroku_ = true;
    historia_.undo();
    wKroku_ = false;
}

void TMainForm::Ponow() {
    if (!projekt_ || wKroku_)
        return;
    ObsluzWybor();
    // A commit that changed something ends what could be made again.
    wKroku_ = true;
    historia_.redo();
    wKroku_ = false;
}

// The model changed under the panels: the tree is built again and the node
// the step touched shown, with nothing of the stale panel committed.
void TMainForm::PokazPoKroku(const QString& wezel) {
    poprzedni_ = nullptr;
    ZbudujDrzewo(wezel);
    ObsluzWybor();
}

void TMainForm::ZbudujDrzewo(const QString& biezacy) {
    const QSignalBlocker cisza(StolarkaTree);
    QTreeWidgetItem* korzen = StolarkaTree->topLevelItem(0);
    if (!korzen)
        return;
    qDeleteAll(korzen->takeChildren());
    QTreeWidgetItem* wybrany = korzen;
    for (int i = 0; i < projekt_->LiczbaOkienWLiscie(); ++i) {
        QTreeWidgetItem* w = DodajWezel(projekt_->Okno(i)->Symbol());
        if (!biezacy.isEmpty() && w->text(0).compare(biezacy, Qt::CaseInsensitive) == 0)
            wybrany = w;
    }
    korzen->setExpanded(true);
    StolarkaTree->setCurrentItem(wybrany);
    SortujWezly();
}

// Ctrl+Z in a text field that can undo its own typing undoes there; in one
// that cannot, it reaches the history.
bool TMainForm::PoleCofaSamo(QObject* obiekt, QEvent* zdarzenie) const {
    if (zdarzenie->type() != QEvent::ShortcutOverride)
        return false;
    auto* k = static_cast<QKeyEvent*>(zdarzenie);
    const bool cofnij = k->matches(QKeySequence::Undo);
    const bool ponow = k->matches(QKeySequence::Redo) ||
                       (k->key() == Qt::Key_Y && k->modifiers() == Qt::ControlModifier);
    if (!cofnij && !ponow)
        return false;
    bool moze = true;
    if (auto* e = qobject_cast<QLineEdit*>(obiekt))
        moze = cofnij ? e->isUndoAvailable() : e->isRedoAvailable();
    else if (auto* t = qobject_cast<QPlainTextEdit*>(obiekt))
        moze = cofnij ? t->document()->isUndoAvailable() : t->document()->isRedoAvailable();
    return !moze;
}

// ---- recovery ------------------------------------------------------------

void TMainForm::UstawOdstepOdzysku(int ms) {
    zegarOdzysku_->start(ms);
}

void TMainForm::ZapiszOdzysk() {
    if (!projekt_)
        return;
    // What is typed in the shown panel counts too; the panel stays as it is.
    if (poprzedni_)
        Zatwierdz(poprzedni_);
    if (!Zmieniony())
        return;
    odzysk_->Zapisz(*projekt_, BezNazwy() ? QString() : nazwaPliku_,
                    StolarkaTree->topLevelItem(0) ? StolarkaTree->topLevelItem(0)->text(0)
                                                  : QString());
}

void TMainForm::KoniecOdSystemu() {
    ZapiszOdzysk();
    koniecOdSystemu_ = true;
    close();
}

void TMainForm::ZaproponujOdzysk() {
    std::vector<TKopiaOdzysku> kopie = odzysk_->Pozostawione();
    if (kopie.empty())
        return;
    QDialog okno(this);
    okno.setObjectName(QStringLiteral("OdzyskForm"));
    okno.setWindowTitle(QStringLiteral("Odzyskiwanie projektów"));
    auto* uklad = new QGridLayout(&okno);
    uklad->addWidget(new QLabel(QStringLiteral("Program nie został poprawnie zamknięty. Te "
                                               "projekty miały niezapisane zmiany:"),
                                &okno),
                     0, 0, 1, 3);
    const TKopiaOdzysku* wybrana = nullptr;
    for (std::size_t i = 0; i < kopie.size(); ++i) {
        const TKopiaOdzysku& k = kopie[i];
        const int wiersz = static_cast<int>(i) + 1;
        const QString plik =
            k.plik.isEmpty() ? QStringLiteral("(nie zapisany)") : QDir::toNativeSeparators(k.plik);
        auto* opis =
            new QLabel(QStringLiteral("<b>%1</b><br>%2<br>kopia z %3")
                           .arg(k.nazwa.toHtmlEscaped(), plik.toHtmlEscaped(),
                                QLocale().toString(k.czas, QStringLiteral("yyyy-MM-dd HH:mm"))),
                       &okno);
        auto* przywroc = new QPushButton(QStringLiteral("Przywróć"), &okno);
        przywroc->setObjectName(QStringLiteral("PrzywrocBtn%1").arg(i));
        auto* odrzuc = new QPushButton(QStringLiteral("Odrzuć"), &okno);
        odrzuc->setObjectName(QStringLiteral("OdrzucBtn%1").arg(i));
        uklad->addWidget(opis, wiersz, 0);
        uklad->addWidget(przywroc, wiersz, 1);
        uklad->addWidget(odrzuc, wiersz, 2);
        connect(przywroc, &QPushButton::clicked, &okno, [&okno, &wybrana, &k] {
            wybrana = &k;
            okno.accept();
        });
        connect(odrzuc, &QPushButton::clicked, &okno, [this, &k, opis, przywroc, odrzuc] {
            odzysk_->Odrzuc(k);
            for (QWidget* w : std::initializer_list<QWidget*>{opis, przywroc, odrzuc})
                w->setEnabled(false);
        });
    }
    auto* zamknij = new QDialogButtonBox(&okno);
    zamknij->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::RejectRole);
    connect(zamknij, &QDialogButtonBox::rejected, &okno, &QDialog::reject);
    uklad->addWidget(zamknij, uklad->rowCount(), 0, 1, 3);
    dialogi_.Pokaz(okno);
    if (!wybrana || projekt_)
        return;
    // The copy opens as the changed project under its own file's name, so
    // that "Zapisz" writes it there.
    const TKopiaOdzysku kopia = *wybrana;
    if (!OtworzPlik(kopia.kopia))
        return;
    odzysk_->Przejmij(kopia);
    nazwaPliku_ = kopia.plik.isEmpty() ? QStringLiteral("bez nazwy") : kopia.plik;
    if (QTreeWidgetItem* korzen = StolarkaTree->topLevelItem(0))
        korzen->setText(0, kopia.nazwa.isEmpty() ? nazwaPliku_ : kopia.nazwa);
    zmieniony_ = true;
    UstawStan();
}

// ---- recent projects, the start page, dropped files ----------------------

QStringList TMainForm::OstatnieProjekty() const {
    QStringList ostatnie;
    for (const QString& s : ustawienia_->value(KLUCZ_OSTATNICH).toStringList())
        if (QFileInfo::exists(s))
            ostatnie << s;
    return ostatnie;
}

void TMainForm::DodajDoOstatnich(const QString& sciezka) {
    if (sciezka.isEmpty() || BezNazwy())
        return;
    const QString pelna = QFileInfo(sciezka).absoluteFilePath();
    QStringList ostatnie = ustawienia_->value(KLUCZ_OSTATNICH).toStringList();
    ostatnie.removeAll(pelna);
    ostatnie.prepend(pelna);
    while (ostatnie.size() > OSTATNICH)
        ostatnie.removeLast();
    ustawienia_->setValue(KLUCZ_OSTATNICH, ostatnie);
    ustawienia_->sync();
    OdswiezOstatnie();
}

void TMainForm::OdswiezOstatnie() {
    // Files that are gone leave the list.
    const QStringList ostatnie = OstatnieProjekty();
    if (ostatnie != ustawienia_->value(KLUCZ_OSTATNICH).toStringList())
        ustawienia_->setValue(KLUCZ_OSTATNICH, ostatnie);
    OstatnieMI->clear();
    for (const QString& s : ostatnie) {
        QAction* a = OstatnieMI->addAction(QFileInfo(s).fileName());
        a->setToolTip(QDir::toNativeSeparators(s));
        a->setStatusTip(a->toolTip());
        connect(a, &QAction::triggered, this, [this, s] { OtworzLubImportuj(s); });
    }
    OstatnieMI->setEnabled(!ostatnie.isEmpty());
    StronaStartowa->UstawOstatnie(ostatnie);
}

// A project file opens, an Arvo-K file is imported; an open project is
// closed first (with its question).
void TMainForm::OtworzLubImportuj(const QString& sciezka) {
    if (projekt_ && !Zamknij())
        return;
    if (PlikArvoK(sciezka))
        ImportujPlik(sciezka);
    else
        OtworzPlik(sciezka);
}

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
