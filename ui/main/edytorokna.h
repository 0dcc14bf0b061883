#pragma once

#include "model/okno.h"
#include "model/projekt/polecenia/ustawwszystkim.h"
#include "ui/main/buforokna.h"
#include "ui/tables/tabele.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TDialogi;
class TEtykietaSkracana;
class TListaSkrzydel;
class TOkno;
class TSiatkaPieter;
class TZestawienieStolarki;

// ElementStolarkiPanel: the editor of one window, over a buffer (TBuforOkna):
// Pokaz fills it from the window, the controls show and edit it, Zatwierdz
// gives the window with what the user changed; that reaches the project only
// as the command made of it. Showing a window never changes it: what the
// show step fills in by itself (a suggested Lg, the vent rule) and every
// value the user has not changed stay the window's own. The controls are
// found by their object names ("UgEd", "TypOknaCB", …), as the tests do.
// The most trickle vents the editor offers.
constexpr int MAX_NAWIEWNIKOW = 20;

class TEdytorOkna : public QWidget {
    Q_OBJECT

public:
    explicit TEdytorOkna(TDialogi& dialogi, QWidget* rodzic = nullptr);

    void Pokaz(const TZestawienieStolarki& projekt, const TOkno& okno);
    // The project's window with what the user changed in the editor (a
    // field still being typed in included).
    TOkno Zatwierdz(const TZestawienieStolarki& projekt, const TOkno& okno);
    void Resetuj();
    // Redraws the picture of a window.
    void Rysuj(const TOkno& okno);

    // The Lg suggestion and the vent rule, as the user asks for them.
    void PodpowiedzLg() { PodpowiedzLg(true); }
    void RegulaNawiewnikow() { RegulaNawiewnikow(true); }
    // The reference dialogs that the editor's buttons open.
    void UstawTabele(const TTabele& tabele);
    // The buttons' actions: a dialog, and on OK its values into the fields.
    void WartosciUg();
    void WartosciUf();
    void WartosciPsig();
    void WartoscidR();
    void WybierzTyp();

    // Chooses the opening kind of row `wiersz` (0–7) as the drop-down does.
    void WybierzRodzajSkrzydla(int wiersz, const QString& nazwa);

    static constexpr int SZEROKOSC_RYSUNKU = 303;
    static constexpr int WYSOKOSC_RYSUNKU = 132;

signals:
    // Carried out by the main window: rename, commit and show, the commit
    // and show that a change of type or opening kind asks for, and "apply
    // to all" once the user said yes.
    void zmienSymbol();
    void przeliczUw();
    void zmienionoTyp();
    void przypiszWszystkim(TCoWszystkim co);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    // The rule and the suggestion: shown, and the user's (so committed)
    // when the user's step asked for them rather than the show step.
    void PodpowiedzLg(bool zUzytkownika);
    void RegulaNawiewnikow(bool zUzytkownika);
    // The value typed into a number field, into the copy; false when the
    // field was not typed in or holds no value the window may take.
    bool Przenies(QLineEdit* pole);
    // Every field still being typed in, into the copy.
    void PrzeniesWszystko();
    void PokazUg();
    void PokazUf();
    void UtworzPola();
    void UstawKolejnosc();
    QWidget* UtworzWymiaryITyp();
    QWidget* UtworzParametry();
    QWidget* UtworzNawiewniki();
    void Polacz();
    void PrzypiszWszystkim(int znacznik);
    void PokazGeometrie(const TZestawienieStolarki& projekt, const TOkno& okno);
    void PokazGeometrieTekst(const QStringList& krotko, const QStringList& pelny);
    // A verdict's text, green when it complies, red when it fails, grey
    // otherwise (no data, exempt, no requirement).
    void PokazOcene(QLabel* etykieta, const QString& tekst, bool spelnia, bool nieSpelnia,
                    const QString& pelny = QString());
    void PokazCene(const TZestawienieStolarki& projekt, const TOkno& okno);

    TDialogi& dialogi_;
    TTabele tabele_;
    TBuforOkna bufor_;

    // The controls: they show the copy and edit it, nothing else.
    QLineEdit* SymbolOknaEd;
    QPushButton* ZmSymbBitBtn;
    QComboBox* RodzajCB;         // the kind of element, for WT 2021
    TEtykietaSkracana* WT2021ST; // the window's WT 2021 verdict, beside Uw
    // How Uw was worked out: the other method's value, the glass and frame
    // areas, and Lg against the glass edge of the geometry.
    QLabel* GeometriaST;
    QLineEdit *SzerokoscEd, *WysokoscEd;
    QCheckBox* OkragleCB; // a round window (the circle or ellipse in W × H)
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
    QLineEdit* dSlupkaEd;     // mullions and transoms; 0: as d
    QLineEdit *UpEd, *PsiPEd; // opaque panels
    QWidget* PlycinyPanel;    // their row: shown for a window with a panel,
    QLabel* NaglowekRoletyST; // in place of the shutter's heading
    QLineEdit *gEd, *fCEd;    // the summer rule's gn and a typed fC
    QComboBox* OslonaCB;      // the shading device
    QLabel* Lato2021ST;       // the window's verdict of the summer rule
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
};
