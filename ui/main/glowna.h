#pragma once

#include "dialogi.h"
#include "powiadomienia.h"
#include "tabele.h"

#include <QMainWindow>
#include <QPageLayout>

#include <memory>

class QAction;
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
    // The reference dialogs opened from the window editor.
    void UstawTabele(const TTabele& tabele);
    // The tree selection handling: commit the shown node, show the selected one.
    void ObsluzWybor();

    QTreeWidget* StolarkaTree;
    TPanelProjektu* StolarkaPanel;
    TEdytorOkna* ElementStolarkiPanel;

    QAction *FileNewTA, *FileOpenTA, *FileSaveTA, *FileSaveAsTA, *FileCloseTA, *FileImportArvoKTA,
        *FilePageSetup1, *FilePrintPreviewTA, *PrintDlgTA, *FileExitTA;
    QAction *EditCut1, *EditCopy1, *EditPaste1;
    QAction *AddStolarkaTA, *DelStolarkaTA, *MulStolarkaTA, *OrientacjeTA, *CalcStartTA;
    QAction *HelpContents1, *HelpWord1, *HelpPdf1, *HelpAbout1;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
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
};
