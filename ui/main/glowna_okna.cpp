// The main window's commands on windows.

#include "ui/main/glowna.h"

#include "model/projekt/polecenia/dodajokno.h"
#include "model/projekt/polecenia/usunokno.h"
#include "model/projekt/polecenia/zmiensymbol.h"
#include "model/tekst.h"
#include "ui/main/drzewoprojektu.h"
#include "ui/main/edytorokna.h"

#include <QLineEdit>

void TMainForm::DodajLubPowiel(bool powiel) {
    if (!Projekt())
        return;
    const std::optional<QString> odp =
        dialogi_.Tekst(this, QStringLiteral("Symbol okna"),
                       QStringLiteral("Podaj symbol nowego okna:"), QString(), 255);
    if (!odp)
        return;
    const QString symbol = PrzytnijSymbol(*odp);
    if (symbol.isEmpty() || !Zatwierdz())
        return;
    TIdOkna wzor = 0;
    QString symbolWzoru;
    if (powiel) {
        wzor = StolarkaTree->WybraneOkno();
        const TOkno* o = Projekt()->OknoId(wzor);
        if (!o)
            return;
        symbolWzoru = o->Symbol();
    }
    const int32_t wynik = Wykonaj(std::make_unique<TDodajOkno>(symbol, wzor, symbolWzoru));
    if (wynik == WYNIK_DUPLIKAT)
        Blad(QStringLiteral("Istnieje już okno o podanej nazwie!"));
    else if (wynik != WYNIK_OK)
        Blad(QStringLiteral("Wystąpił nieznany błąd podczas tworzenia nowego okna!"));
}

void TMainForm::DodajOkno() {
    DodajLubPowiel(false);
}

void TMainForm::PowielOkno() {
    DodajLubPowiel(true);
}

void TMainForm::UsunOkno() {
    // The window whose editor is shown is the one deleted.
    if (!Projekt() || !pokazany_ || *pokazany_ == 0)
        return;
    if (dialogi_.Pytanie(this, QStringLiteral("Pytanie"),
                         QStringLiteral("Czy chcesz usunąć wybrane okno?")) !=
        TDialogi::Odpowiedz::Tak)
        return;
    const TOkno* okno = Projekt()->OknoId(*pokazany_);
    if (!okno) {
        BladFatalny();
        return;
    }
    // Nothing is committed for the deleted window; its neighbour in the
    // tree is shown next.
    const TIdOkna id = okno->Id();
    pokazany_.reset();
    pokazPo_ = StolarkaTree->Sasiad(id);
    if (Wykonaj(std::make_unique<TUsunOkno>(id, okno->Symbol())) != WYNIK_OK) {
        pokazPo_.reset();
        BladFatalny();
    }
}

void TMainForm::ZmienSymbol() {
    if (!Projekt() || !pokazany_ || *pokazany_ == 0)
        return;
    const TOkno* okno = Projekt()->OknoId(*pokazany_);
    if (!okno)
        return;
    const QString stary = okno->Symbol();
    const std::optional<QString> odp = dialogi_.Tekst(
        this, QStringLiteral("Symbol okna"), QStringLiteral("Podaj nowy symbol okna:"), stary, 255);
    if (!odp)
        return;
    const QString nowy = PrzytnijSymbol(*odp);
    if (nowy.isEmpty()) {
        Blad(QStringLiteral("Symbol okna nie może pozostać pusty!"));
        return;
    }
    // What the editor holds is kept: it is committed before the window is shown again.
    const TIdOkna id = *pokazany_;
    if (!Zatwierdz())
        return;
    if (Wykonaj(std::make_unique<TZmienSymbol>(id, stary, nowy)) == WYNIK_DUPLIKAT)
        Blad(QStringLiteral("Istnieje już okno o podanej nazwie!"));
}

// "Przypisz wszystkim": the shown window committed, then its value given to
// every window, as one step; the result is shown.
void TMainForm::PrzypiszWszystkim(TCoWszystkim co) {
    if (!Projekt() || !pokazany_ || *pokazany_ == 0)
        return;
    const TIdOkna wzor = *pokazany_;
    bool fatalny = false;
    std::unique_ptr<TPolecenie> panel = PolecenieZPanelu(&fatalny);
    if (fatalny)
        return;
    std::vector<std::unique_ptr<TPolecenie>> kroki;
    if (panel)
        kroki.push_back(std::move(panel));
    kroki.push_back(std::make_unique<TPrzypiszWszystkim>(co, wzor));
    if (Wykonaj(std::make_unique<TGrupaPolecen>(TPrzypiszWszystkim::NazwaKroku(co),
                                                std::move(kroki))) == WYNIK_BEZ_ZMIAN)
        PokazWybrany();
}
