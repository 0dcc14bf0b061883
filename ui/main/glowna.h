#pragma once

#include "dialogi.h"
#include "powiadomienia.h"
#include "tabele.h"

#include <QMainWindow>
#include <QPageLayout>
#include <QUndoStack>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSettings;
class QTimer;
class TKrok;
class TOdzysk;
class TStronaStartowa;
class QTreeWidget;
class QTreeWidgetItem;
class TEdytorOkna;
class TOkno;
class TPanelProjektu;
class TZestawienieStolarki;

// TMainForm: the one main window. It holds at most one project, shows it as
// a tree (the project and its windows) beside the panel of the selected
// node, and carries the project's life cycle: new, open, save, close.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(TDialogi& dialogi, QWidget* rodzic = nullptr);
    ~TMainForm() override;

    static constexpr int SZEROKOSC_KLIENTA = 794;
    static constexpr int WYSOKOSC_KLIENTA = 668;

    TZestawienieStolarki* Projekt() const { return projekt_.get(); }
    QUndoStack& Historia() { return historia_; }
    // Changed since it was opened or saved (or never saved: imported, or
    // read from a damaged file).
    bool Zmieniony() const;
    const QString& NazwaPliku() const { return nazwaPliku_; }
    const QPageLayout& UkladStrony() const { return ukladStrony_; }

    // Commands.
    void Nowy();
    void Otworz();
    // Opens the given file as the open command does after its dialog.
    bool OtworzPlik(const QString& sciezka);
    // Imports an Arvo-K project as a new, unnamed project.
    void Importuj();
    bool ImportujPlik(const QString& sciezka);
    void Zapisz();
    void ZapiszJako();
    // False when the project stays open (Cancel, or the save did not happen).
    bool Zamknij();
    void DodajOkno();
    void PowielOkno();
    void UsunOkno();
    void ZmienSymbol();
    // The page setup; true when the user confirmed it.
    bool UstawieniaStrony();
    // Commit, sort, and the report's preview window, modal.
    void PodgladWydruku();
    // Commit, sort, the print dialog, and the report printed.
    void DrukujZestawienie();
    // Commit, and the table of windows by storey and direction.
    void ZestawienieWgStron();
    // Commit, and every window in one table; the window chosen there shown.
    void PrzegladOkien();
    // Commit, and the schedule as an XLSX or CSV file.
    void EksportujZestawienie();
    // The reference dialogs opened from the window editor.
    void UstawTabele(const TTabele& tabele);
    // The tree selection handling: commit the shown node, show the selected one.
    void ObsluzWybor();
    // The last step of the edit history taken back, or made again (pending
    // edits are committed first).
    void Cofnij();
    void Ponow();

    // The recovery copy of a changed project, written every `ms` and when
    // the system ends the program.
    void UstawOdstepOdzysku(int ms);
    void ZapiszOdzysk();
    // The system asks the program to end (SIGTERM): the recovery copy is
    // written and the program ends without questions.
    void KoniecOdSystemu();
    // At start-up: the recovery copies left by a program that did not end
    // normally, offered one by one.
    void ZaproponujOdzysk();
    // The recent projects, newest first (missing files are left out).
    QStringList OstatnieProjekty() const;

    QTreeWidget* StolarkaTree;
    TPanelProjektu* StolarkaPanel;
    TEdytorOkna* ElementStolarkiPanel;

    QAction *FileNewTA, *FileOpenTA, *FileSaveTA, *FileSaveAsTA, *FileCloseTA, *FileImportArvoKTA,
        *FileExportTA, *FilePageSetup1, *FilePrintPreviewTA, *PrintDlgTA, *FileExitTA;
    QAction *EditUndo1, *EditRedo1, *EditCut1, *EditCopy1, *EditPaste1;
    QMenu* OstatnieMI;
    TStronaStartowa* StronaStartowa;
    QAction *AddStolarkaTA, *DelStolarkaTA, *MulStolarkaTA, *OrientacjeTA, *PrzegladOkienTA,
        *CalcStartTA;
    QAction *HelpContents1, *HelpWord1, *HelpPdf1, *HelpAbout1;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    void dragEnterEvent(QDragEnterEvent* zdarzenie) override;
    void dropEvent(QDropEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    // How the last save question ended; closing the main window reads it.
    enum class Wynik { Brak, Tak, Nie, Anuluj, ZapiszJakoAnulowane, Nieudany };

    void UtworzPolecenia();
    void UtworzMenuIPasek();
    void UtworzPanele();
    void UstawStan();
    void StanBezProjektu();
    void Zatwierdz(QTreeWidgetItem* wezel);
    void Pokaz(QTreeWidgetItem* wezel);
    TOkno* OknoWezla(QTreeWidgetItem* wezel);
    void BladFatalny();
    void SortujWezly();
    QTreeWidgetItem* DodajWezel(const QString& symbol);
    void ZapiszDoPliku();
    void DodajLubPowiel(bool powiel);
    void Blad(const QString& tresc);
    void UruchomKalkulator();
    void UstawSchowek();
    // Every window that fails WT 2021 or lacks thermal data carries a mark.
    void OznaczWezly();
    // The edit history: its commands, a step made after its change, and the
    // view after a step was taken back or made again.
    void UtworzHistorie();
    void Zapamietaj(std::unique_ptr<TKrok> krok);
    // A change to many windows (apply to all) as one step.
    void KrokOkien(const QString& nazwa, const std::function<void()>& zmiana);
    void PokazPoKroku(const QString& wezel);
    void ZbudujDrzewo(const QString& biezacy);
    // A project opened, created or closed starts a history of its own.
    void NowaHistoria(bool zmieniony);
    void Zapisano();
    // Recent projects and the start page.
    void DodajDoOstatnich(const QString& sciezka);
    void OdswiezOstatnie();
    void OtworzLubImportuj(const QString& sciezka);
    // A text field that cannot undo (or redo) its own typing leaves Ctrl+Z
    // (or Ctrl+Y) to the history.
    bool PoleCofaSamo(QObject* obiekt, QEvent* zdarzenie) const;

    TDialogi& dialogi_;
    TOdbiorcaPowiadomien odbiorca_;
    std::unique_ptr<TZestawienieStolarki> projekt_;
    QString nazwaPliku_;
    QTreeWidgetItem* poprzedni_ = nullptr;
    QTreeWidgetItem* wezelPrzedKliknieciem_ = nullptr;
    Wynik wynik_ = Wynik::Brak;
    // Read from a file cut short: its first save asks for the file's name.
    bool uszkodzony_ = false;
    QString katalogOtwierania_;
    QString katalogZapisu_;
    // The project has not been saved under a name of its own yet.
    bool BezNazwy() const;
    // The project's file, or "bez nazwy" in the save dialog's folder.
    QString SciezkaProjektu() const;
    // The project's path with another extension.
    QString ObokProjektu(const QString& rozszerzenie) const;
    QPageLayout ukladStrony_;
    QUndoStack historia_;
    bool wKroku_ = false;    // a step is being taken back or made again
    bool zmieniony_ = false; // changed without a step (imported, damaged)
    std::unique_ptr<TOdzysk> odzysk_;
    QTimer* zegarOdzysku_ = nullptr;
    bool koniecOdSystemu_ = false;
    std::unique_ptr<QSettings> ustawienia_;
};
