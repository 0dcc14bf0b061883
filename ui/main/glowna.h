#pragma once

#include "model/powiadomienia.h"
#include "model/projekt/polecenia/ustawwszystkim.h"
#include "model/projekt/projektotwarty.h"
#include "ui/tables/tabele.h"
#include "uslugi/dialogi.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QPageLayout;
class QSplitter;
class TDrzewoProjektu;
class TEdytorOkna;
class TObslugaPliku;
class TOstatnieProjekty;
class TPanelProjektu;
class TPoleceniaGlowne;
class TStronaStartowa;
class TZestawieniaProjektu;

// TMainForm: the one main window, a view over the open project. The tree
// (the project and its windows) stands beside the panel of the selected
// node; the panels are buffers whose content reaches the project as a
// command when another node is selected, before saving, printing and the
// like (the commit step). Every change the project reports is shown at once.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(TDialogi& dialogi, QWidget* rodzic = nullptr);
    ~TMainForm() override;

    static constexpr int SZEROKOSC_KLIENTA = 794;
    static constexpr int WYSOKOSC_KLIENTA = 668;

    const TProjektOtwarty& Otwarty() const { return projekt_; }
    const TZestawienieStolarki* Projekt() const { return projekt_.Projekt(); }
    bool Zmieniony() const { return projekt_.Zmieniony(); }
    // The project's file, or "bez nazwy".
    QString NazwaPliku() const;
    const QPageLayout& UkladStrony() const;

    // The project's life: new, open (with its dialog, or a file given),
    // import, save, save as, close; false when the project stays open.
    void Nowy();
    void Otworz();
    bool OtworzPlik(const QString& sciezka);
    void Importuj();
    bool ImportujPlik(const QString& sciezka);
    void Zapisz();
    void ZapiszJako();
    bool Zamknij();
    // The windows: add, duplicate, delete, rename.
    void DodajOkno();
    void PowielOkno();
    void UsunOkno();
    void ZmienSymbol();
    // The page setup; true when the user confirmed it.
    bool UstawieniaStrony();
    // The report's preview window, modal; printing; the tables by storey
    // and direction; the overview (the window chosen there is shown); the
    // spreadsheet. Each commits the shown panel first.
    void PodgladWydruku();
    void DrukujZestawienie();
    void ZestawienieWgStron();
    void PrzegladOkien();
    void EksportujZestawienie();
    // The reference dialogs opened from the window editor.
    void UstawTabele(const TTabele& tabele);
    // The tree selection handling: commit the shown node, show the selected one.
    void ObsluzWybor();
    // The last step taken back, or made again (what was typed is committed first).
    void Cofnij();
    void Ponow();

    // The recovery copy, written every `ms` while the project differs from
    // its file, and when the system ends the program.
    void UstawOdstepOdzysku(int ms, int pierwszyMs = 5000);
    void ZapiszOdzysk();
    // The system asks the program to end (SIGTERM): the recovery copy is
    // written and the program ends without questions.
    void KoniecOdSystemu();
    // The recovery copies left by a program that did not end normally.
    void ZaproponujOdzysk();
    // At start-up: the recovery copies offered whatever the program was
    // started with, then the file it was given (none: ""), unless a copy
    // was restored instead.
    void PoUruchomieniu(const QString& plik);
    // A project file opens, an Arvo-K file is imported; an open project is
    // closed first (with its question).
    void OtworzLubImportuj(const QString& sciezka);
    // The recent projects, newest first (missing files are left out).
    QStringList OstatnieProjekty() const;

    TDrzewoProjektu* StolarkaTree;
    TPanelProjektu* StolarkaPanel;
    TEdytorOkna* ElementStolarkiPanel;
    TStronaStartowa* StronaStartowa;
    TPoleceniaGlowne* Polecenia;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    void dragEnterEvent(QDragEnterEvent* zdarzenie) override;
    void dropEvent(QDropEvent* zdarzenie) override;

private:
    void UtworzPanele();
    void PolaczPolecenia();
    // The window's least size (the classic one); its place, size and the
    // tree's width as the user left them.
    QSize NajmniejszyRozmiar() const;
    void PrzywrocUklad();
    void ZapamietajUklad();
    // The views after the project changed, after another was opened, and
    // after its name or state changed.
    void PoZmianie(const TZmiana& zmiana);
    void PoOtwarciu();
    void UstawStan();
    // The shown panel into the project as a command; false after a fatal
    // inconsistency (the tree names a window the project has not).
    bool Zatwierdz();
    std::unique_ptr<TPolecenie> PolecenieZPanelu(bool* fatalny = nullptr);
    // The selected node into its panel.
    void PokazWybrany();
    int32_t Wykonaj(std::unique_ptr<TPolecenie> polecenie);
    void PrzypiszWszystkim(TCoWszystkim co);
    void DodajLubPowiel(bool powiel);
    void DodajOknoZSymbolem(const QString& symbol, bool powiel);
    // A window symbol asked for with `etykieta`, offered `tekst`: trimmed,
    // asked again (with what was typed) while it is longer than the report
    // prints; nothing on Cancel.
    std::optional<QString> PodajSymbol(const QString& etykieta, QString tekst);
    void Blad(const QString& tresc);
    void BladFatalny();

    TDialogi& dialogi_;
    TOdbiorcaPowiadomien odbiorca_;
    TProjektOtwarty projekt_;
    QSplitter* podzial_ = nullptr; // the tree beside the panels
    TOstatnieProjekty* ostatnie_ = nullptr;
    TObslugaPliku* pliki_ = nullptr;
    TZestawieniaProjektu* zestawienia_ = nullptr;
    // The node whose data the shown panel holds: 0 the project, else a
    // window; nothing when no panel holds anything to commit.
    std::optional<TIdOkna> pokazany_;
    // A command's change is being committed: the selection moves on by itself.
    bool zatwierdzanie_ = false;
    // The node to show after the next command instead of the one it names.
    std::optional<TIdOkna> pokazPo_;
    bool koniecOdSystemu_ = false;
};
