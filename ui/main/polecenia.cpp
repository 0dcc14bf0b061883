#include "ui/main/polecenia.h"

#include "ui/main/ikony.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>

#include <optional>

namespace {

// The clipboard commands act on the focused text field, whatever its kind.
template <typename Dzialanie> void NaPoluTekstowym(Dzialanie dzialanie) {
    QWidget* w = QApplication::focusWidget();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        dzialanie(e);
    else if (auto* t = qobject_cast<QPlainTextEdit*>(w))
        dzialanie(t);
    else if (auto* r = qobject_cast<QTextEdit*>(w))
        dzialanie(r);
}

// The step's name in the command's caption and hint.
void Opisz(QAction* a, const QString& polecenie, const QString& krok) {
    const QString tekst = krok.isEmpty() ? polecenie : polecenie + QStringLiteral(": ") + krok;
    a->setText(QLatin1Char('&') + tekst);
    a->setToolTip(tekst);
    a->setStatusTip(tekst);
}

} // namespace

TPoleceniaGlowne::TPoleceniaGlowne(QMainWindow& okno) : QObject(&okno) {
    UtworzPolecenia();
    UtworzMenuIPasek(okno);
    connect(qApp, &QApplication::focusChanged, this, &TPoleceniaGlowne::UstawSchowek);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TPoleceniaGlowne::UstawSchowek);
    UstawSchowek();
    UstawStan(false, false);
    UstawHistorie(QString(), QString());
}

void TPoleceniaGlowne::UstawStan(bool jest, bool okno) {
    for (QAction* a : {FileNewTA, FileOpenTA, FileImportArvoKTA})
        a->setEnabled(!jest);
    // With a project open, a new version of its model is merged into it.
    FileImportIfcTA->setEnabled(true);
    for (QAction* a :
         {FileSaveTA, FileSaveAsTA, FileCloseTA, FileExportTA, FileExportIfcTA, AddStolarkaTA,
          OrientacjeTA, PrzegladOkienTA, FilePrintPreviewTA, PrintDlgTA})
        a->setEnabled(jest);
    DelStolarkaTA->setEnabled(jest && okno);
    MulStolarkaTA->setEnabled(jest && okno);
}

void TPoleceniaGlowne::UstawHistorie(const QString& cofnij, const QString& ponow) {
    Opisz(EditUndo1, QStringLiteral("Cofnij"), cofnij);
    Opisz(EditRedo1, QStringLiteral("Ponów"), ponow);
    EditUndo1->setEnabled(!cofnij.isEmpty());
    EditRedo1->setEnabled(!ponow.isEmpty());
}

void TPoleceniaGlowne::UtworzPolecenia() {
    // The hint's part before the bar is the tooltip, the part after it goes
    // to the status bar.
    auto polecenie = [this](const char* nazwa, const QString& tytul, const QString& podpowiedz,
                            QKeySequence skrot = QKeySequence(),
                            std::optional<TIkona> ikona = std::nullopt) {
        auto* a = new QAction(tytul, parent());
        a->setObjectName(QLatin1String(nazwa));
        const qsizetype kreska = podpowiedz.indexOf(QLatin1Char('|'));
        a->setToolTip(kreska < 0 ? podpowiedz : podpowiedz.left(kreska));
        a->setStatusTip(kreska < 0 ? podpowiedz : podpowiedz.mid(kreska + 1));
        a->setShortcut(skrot);
        if (ikona)
            a->setIcon(IkonaPolecenia(*ikona));
        return a;
    };
    FileNewTA =
        polecenie("FileNewTA", QStringLiteral("&Nowy"), QStringLiteral("Nowy|Tworzy nowy projekt"),
                  QKeySequence(QStringLiteral("Ctrl+N")), TIkona::Nowy);
    FileOpenTA = polecenie("FileOpenTA", QStringLiteral("&Otwórz..."),
                           QStringLiteral("Otwórz|Otwiera projekt z dysku"),
                           QKeySequence(QStringLiteral("Ctrl+O")), TIkona::Otworz);
    FileSaveTA = polecenie("FileSaveTA", QStringLiteral("&Zapisz"),
                           QStringLiteral("Zapisz|Zapisuje bieżący projekt"),
                           QKeySequence(QStringLiteral("Ctrl+S")), TIkona::Zapisz);
    FileSaveAsTA = polecenie("FileSaveAsTA", QStringLiteral("Zapisz &jako..."),
                             QStringLiteral("Zapisz jako|Zapisuje bieżący projekt pod nową nazwą"));
    FileCloseTA = polecenie("FileCloseTA", QStringLiteral("Za&mknij"),
                            QStringLiteral("Zamknij|Zamyka aktualnie otwarty projekt"),
                            QKeySequence(), TIkona::Zamknij);
    FileImportArvoKTA = polecenie(
        "FileImportArvoKTA", QStringLiteral("Import z Arvo-K..."),
        QStringLiteral("Import z Arvo-K|Import pliku projektu z programu Arvo-K Kalkulator "
                       "powierzchni ścian, okien i drzwi"),
        QKeySequence(QStringLiteral("Ctrl+I")), TIkona::Import);
    FileImportIfcTA = polecenie(
        "FileImportIfcTA", QStringLiteral("Import z IFC..."),
        QStringLiteral("Import z IFC|Okna z modelu budynku IFC (ArchiCAD, Revit, Allplan, "
                       "Bonsai) jako nowy projekt: wymiary, kondygnacje, strony świata i "
                       "skrzydła"));
    FileExportTA = polecenie(
        "FileExportTA", QStringLiteral("Eksportuj zestawienie..."),
        QStringLiteral("Eksportuj zestawienie|Zapisuje zestawienie okien jako arkusz kalkulacyjny "
                       "XLSX lub CSV"));
    FileExportIfcTA = polecenie(
        "FileExportIfcTA", QStringLiteral("Eksport do IFC..."),
        QStringLiteral("Eksport do IFC|Zapisuje kopię modelu budynku IFC z obliczonymi Uw i "
                       "oceną WT 2021 okien zaimportowanych z niego"));
    FilePageSetup1 = polecenie("FilePageSetup1", QStringLiteral("&Ustawienia strony..."),
                               QStringLiteral("Ustawienia strony"));
    FilePrintPreviewTA =
        polecenie("FilePrintPreviewTA", QStringLiteral("Podgląd wydruku..."),
                  QStringLiteral("Podgląd wydruku"), QKeySequence(), TIkona::Podglad);
    // In the File menu, where a user looks for it; not on the toolbar.
    PrintDlgTA = polecenie("PrintDlgTA", QStringLiteral("&Drukuj..."), QStringLiteral("Drukuj"),
                           QKeySequence(QStringLiteral("Ctrl+P")));
    FileExitTA = polecenie("FileExitTA", QStringLiteral("&Koniec"),
                           QStringLiteral("Koniec|Koniec pracy z programem"),
                           QKeySequence(QStringLiteral("Ctrl+K")));
    EditCut1 = polecenie("EditCut1", QStringLiteral("&Wytnij"),
                         QStringLiteral("Wytnij|Wycina zaznaczenie i umieszcza je w schowku"),
                         QKeySequence(QStringLiteral("Ctrl+X")), TIkona::Wytnij);
    EditCopy1 =
        polecenie("EditCopy1", QStringLiteral("&Kopiuj"),
                  QStringLiteral("Kopiuj|Kopiuje zaznaczony fragment i umieszcza go w schowku"),
                  QKeySequence(QStringLiteral("Ctrl+C")), TIkona::Kopiuj);
    EditPaste1 = polecenie("EditPaste1", QStringLiteral("W&klej"),
                           QStringLiteral("Wklej|Wstawia zawartość schowka"),
                           QKeySequence(QStringLiteral("Ctrl+V")), TIkona::Wklej);
    AddStolarkaTA = polecenie("AddStolarkaTA", QStringLiteral("&Dodaj"),
                              QStringLiteral("Dodaj okno|Dodaje nowe okno do zestawienia stolarki"),
                              QKeySequence(QStringLiteral("Ctrl+D")), TIkona::DodajOkno);
    DelStolarkaTA = polecenie("DelStolarkaTA", QStringLiteral("&Usuń"),
                              QStringLiteral("Usuń okno|Usuwa wybrane okno z zestawienia stolarki"),
                              QKeySequence(QStringLiteral("Ctrl+U")), TIkona::UsunOkno);
    MulStolarkaTA = polecenie(
        "MulStolarkaTA", QStringLiteral("&Powiel"),
        QStringLiteral("Powiel okno|Powiela wybrane okno tworząc nowe okno z identycznymi "
                       "parametrami"),
        QKeySequence(QStringLiteral("Ctrl+M")), TIkona::PowielOkno);
    OrientacjeTA = polecenie(
        "OrientacjeTA", QStringLiteral("Zestawienie wg stron świata..."),
        QStringLiteral("Zestawienie wg stron świata|Liczba okien, ich pole i średni Uw według "
                       "kondygnacji i stron świata"));
    PrzegladOkienTA = polecenie(
        "PrzegladOkienTA", QStringLiteral("Przegląd okien..."),
        QStringLiteral("Przegląd okien|Wszystkie okna w jednej tabeli, z oceną zgodności z "
                       "WT 2021"));
    CalcStartTA = polecenie("CalcStartTA", QString(), QStringLiteral("Uruchamia kalkulator"),
                            QKeySequence(), TIkona::Kalkulator);
    // F1 opens the program's manual (the start-up connects it).
    HelpContents1 =
        polecenie("HelpContents1", QStringLiteral("&Pomoc"), QStringLiteral("Pomoc do programu"),
                  QKeySequence(QStringLiteral("F1")), TIkona::Pomoc);
    HelpWord1 = polecenie("HelpWord1", QStringLiteral("Opis programu - MS Word"),
                          QStringLiteral("Opis programu - MS Word"));
    HelpPdf1 = polecenie("HelpPdf1", QStringLiteral("Opis programu - Adobe Acrobat"),
                         QStringLiteral("Opis programu - Adobe Acrobat"));
    HelpAbout1 = polecenie(
        "HelpAbout1", QStringLiteral("&O programie..."),
        QStringLiteral("O programie|Wyświetla informacje o programie, numer wersji i prawa "
                       "autorskie"));
    EditUndo1 = polecenie("EditUndo1", QString(), QString(), QKeySequence(QStringLiteral("Ctrl+Z")),
                          TIkona::Cofnij);
    EditRedo1 = polecenie("EditRedo1", QString(), QString(), QKeySequence(QStringLiteral("Ctrl+Y")),
                          TIkona::Ponow);
    EditRedo1->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});

    connect(CalcStartTA, &QAction::triggered, this, &TPoleceniaGlowne::UruchomKalkulator);
    connect(EditCut1, &QAction::triggered, this,
            [] { NaPoluTekstowym([](auto* pole) { pole->cut(); }); });
    connect(EditCopy1, &QAction::triggered, this,
            [] { NaPoluTekstowym([](auto* pole) { pole->copy(); }); });
    connect(EditPaste1, &QAction::triggered, this,
            [] { NaPoluTekstowym([](auto* pole) { pole->paste(); }); });
}

void TPoleceniaGlowne::UtworzMenuIPasek(QMainWindow& okno) {
    QMenu* plik = okno.menuBar()->addMenu(QStringLiteral("&Plik"));
    plik->addActions({FileNewTA, FileOpenTA, FileSaveTA, FileSaveAsTA, FileCloseTA});
    plik->addSeparator();
    OstatnieMI = plik->addMenu(QStringLiteral("Ostatnio otwierane"));
    OstatnieMI->setObjectName(QStringLiteral("OstatnieMI"));
    OstatnieMI->setToolTipsVisible(true);
    plik->addSeparator();
    plik->addActions({FileImportArvoKTA, FileImportIfcTA, FileExportTA, FileExportIfcTA});
    plik->addSeparator();
    plik->addActions({FilePageSetup1, FilePrintPreviewTA, PrintDlgTA});
    plik->addSeparator();
    plik->addAction(FileExitTA);
    QMenu* edycja = okno.menuBar()->addMenu(QStringLiteral("&Edycja"));
    edycja->addActions({EditUndo1, EditRedo1});
    edycja->addSeparator();
    edycja->addActions({EditCut1, EditCopy1, EditPaste1});
    QMenu* stolarka = okno.menuBar()->addMenu(QStringLiteral("&Stolarka"));
    stolarka->addActions({AddStolarkaTA, DelStolarkaTA, MulStolarkaTA});
    stolarka->addSeparator();
    stolarka->addActions({OrientacjeTA, PrzegladOkienTA});
    QMenu* pomoc = okno.menuBar()->addMenu(QStringLiteral("Po&moc"));
    pomoc->addActions({HelpContents1, HelpWord1, HelpPdf1});
    pomoc->addSeparator();
    pomoc->addAction(HelpAbout1);

    QToolBar* pasek = okno.addToolBar(QStringLiteral("ToolBar1"));
    pasek->setObjectName(QStringLiteral("ToolBar1"));
    pasek->setMovable(false);
    pasek->addActions({FileNewTA, FileOpenTA, FileSaveTA, FileCloseTA});
    pasek->addSeparator();
    pasek->addAction(FileImportArvoKTA);
    pasek->addSeparator();
    pasek->addAction(FilePrintPreviewTA);
    pasek->addSeparator();
    pasek->addActions({EditCut1, EditCopy1, EditPaste1});
    pasek->addActions({EditUndo1, EditRedo1});
    pasek->addSeparator();
    pasek->addActions({AddStolarkaTA, DelStolarkaTA, MulStolarkaTA});
    pasek->addSeparator();
    pasek->addActions({CalcStartTA, HelpContents1});
}

void TPoleceniaGlowne::UruchomKalkulator() {
    for (const char* program :
         {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"}) {
        const QString sciezka = QStandardPaths::findExecutable(QLatin1String(program));
        if (!sciezka.isEmpty()) {
            QProcess::startDetached(sciezka, {});
            return;
        }
    }
}

void TPoleceniaGlowne::UstawSchowek() {
    QWidget* w = QApplication::focusWidget();
    bool zaznaczenie = false, edycja = false;
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        zaznaczenie = e->hasSelectedText();
        edycja = !e->isReadOnly();
        connect(e, &QLineEdit::selectionChanged, this, &TPoleceniaGlowne::UstawSchowek,
                Qt::UniqueConnection);
    } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
        zaznaczenie = t->textCursor().hasSelection();
        edycja = !t->isReadOnly();
    }
    const bool tekstWSchowku = !QGuiApplication::clipboard()->text().isEmpty();
    EditCut1->setEnabled(zaznaczenie && edycja);
    EditCopy1->setEnabled(zaznaczenie);
    EditPaste1->setEnabled(edycja && tekstWSchowku);
}
