#pragma once

#include <functional>

#include "tabele.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
struct TOcenaWT;
class TDialogi;
class TListaSkrzydel;
class TOkno;
class TSiatkaPieter;
class TZestawienieStolarki;

// ElementStolarkiPanel: the editor of one window. A buffer like the project
// panel: Pokaz fills it from the window, Zatwierdz writes it back; what the
// user types reaches the window only then.
class TEdytorOkna : public QWidget {
    Q_OBJECT

public:
    explicit TEdytorOkna(TDialogi& dialogi, QWidget* rodzic = nullptr);

    void Pokaz(TZestawienieStolarki& projekt, TOkno& okno);
    void Zatwierdz(TZestawienieStolarki& projekt, TOkno& okno) const;
    void Resetuj();
    // Redraws the picture of the project's current window.
    void Rysuj(const TZestawienieStolarki& projekt);

    // The Lg suggestion and the vent rule on the editor's fields.
    void PodpowiedzLg();
    void RegulaNawiewnikow();
    // The reference dialogs that the editor's buttons open.
    void UstawTabele(const TTabele& tabele);
    // The buttons' actions: a dialog, and on OK its values into the fields.
    void WartosciUg();
    void WartosciUf();
    void WartosciPsig();
    void WartoscidR();
    void WybierzTyp();

    // Runs an "apply to all" change, named for the edit history; without
    // it the change simply runs.
    std::function<void(const QString& nazwa, const std::function<void()>& zmiana)> zmianaWszystkich;

    // Chooses the opening kind of row `wiersz` (0–7) as the drop-down does.
    void WybierzRodzajSkrzydla(int wiersz, const QString& nazwa);

    QLineEdit* SymbolOknaEd;
    QPushButton* ZmSymbBitBtn;
    QComboBox* RodzajCB; // the kind of element, for WT 2021
    QLabel* WT2021ST;    // the window's WT 2021 verdict, beside Uw
    QLineEdit *SzerokoscEd, *WysokoscEd;
    QComboBox* TypOknaCB;
    QPushButton* WybierzTypOknaBBtn;
    TListaSkrzydel* SkrzydlaVLE;
    QComboBox* SkrzydloCB;
    QLineEdit* UgEd;
    QLabel *DostawcaUgST, *SzkloKodIdST;
    QLineEdit* UfEd;
    QLabel *DostawcaUfST, *RamaKodIdST;
    QComboBox* MaterialRamyCB;
    QLineEdit *PsiGEd, *dRamyEd, *LgEd, *dREd;
    QPushButton *UgBBtn, *UfBBtn, *Psi_gBBtn, *dRBBtn, *PodpowLgBBtn;
    QPushButton *SetAllUgBBtn, *SetAllUfBBtn, *SetAllPsigBBtn, *SetAlldRBBtn, *SetAllTypOknaBBtn,
        *SetAllOtwSkrzBBtn, *SetAlldRamyBBtn;
    QSpinBox* LiczbaNawiewnikowSE;
    QLineEdit* SzerokoscNawiewnikaED;
    QLabel* SzerNawiewLabHelp;
    QWidget* WycenaPanel;
    QLineEdit* CenaEd;
    QPushButton* BrakWycenyBBtn;
    QLabel* DVImage;
    QPlainTextEdit* UwagiMemo;
    QLabel* OknoImage;
    QLineEdit* UwOknaEd;
    QPushButton* RefreshUwOkna;
    TSiatkaPieter* OknaNaKondSG;

    static constexpr int SZEROKOSC_RYSUNKU = 303;
    static constexpr int WYSOKOSC_RYSUNKU = 145;

signals:
    // Carried out by the main window: rename, commit and show, and the
    // commit and show that a change of type or opening kind asks for.
    void zmienSymbol();
    void przeliczUw();
    void zmienionoTyp();

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void UtworzPola();
    QWidget* UtworzWymiaryITyp();
    QWidget* UtworzParametry();
    QWidget* UtworzNawiewniki();
    void Polacz();
    void PrzypiszWszystkim(int znacznik);
    void PokazWT2021(const TOcenaWT& ocena);
    void PokazCene(TZestawienieStolarki& projekt, TOkno& okno);

    TDialogi& dialogi_;
    TTabele tabele_;
    TZestawienieStolarki* projekt_ = nullptr;
    bool ugEdytowane_ = false;
    bool ufEdytowane_ = false;
    bool dRamyEdytowane_ = false;
};
