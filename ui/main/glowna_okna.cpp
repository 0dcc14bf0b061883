// The main window's commands on windows.

#include "ui/main/glowna.h"

#include "model/projekt/polecenia/dodajokno.h"
#include "model/projekt/polecenia/usunokno.h"
#include "model/projekt/polecenia/zmiensymbol.h"
#include "model/tekst.h"
#include "ui/main/drzewoprojektu.h"
#include "ui/main/edytorokna.h"

#include <QLineEdit>

std::optional<QString> TMainForm::PodajSymbol(const QString& etykieta, QString tekst) {
    for (;;) {
        const std::optional<QString> odp =
            dialogi_.Tekst(this, QStringLiteral("Symbol okna"), etykieta, tekst, 255);
        if (!odp)
            return std::nullopt;
        const QString symbol = PrzytnijSymbol(*odp);
        if (symbol.size() <= MAX_DLUGOSC_SYMBOLU)
            return symbol;
        // Asked again with what was typed: nothing of it is lost.
        Blad(QStringLiteral("Symbol okna może mieć najwyżej %1 znaków (ma %2).")
                 .arg(MAX_DLUGOSC_SYMBOLU)
                 .arg(symbol.size()));
        tekst = *odp;
    }
}

void TMainForm::DodajLubPowiel(bool powiel) {
    if (!Projekt())
        return;
    // The next free symbol offered; a symbol that exists is asked again.
    QString proponowany = WolnySymbol(*Projekt());
    for (;;) {
        const std::optional<QString> symbol =
            PodajSymbol(QStringLiteral("Podaj symbol nowego okna:"), proponowany);
        if (!symbol || symbol->isEmpty())
            return;
        if (Projekt()->GetOkno(*symbol)) {
            Blad(QStringLiteral("Istnieje już okno o podanej nazwie!"));
            proponowany = *symbol;
            continue;
        }
        DodajOknoZSymbolem(*symbol, powiel);
        return;
    }
}

void TMainForm::DodajOknoZSymbolem(const QString& symbol, bool powiel) {
    if (!Zatwierdz())
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
    const TOkno* wybrane = Projekt()->OknoId(*pokazany_);
    // The question names the window it is about.
    if (dialogi_.Pytanie(this, QStringLiteral("Pytanie"),
                         QStringLiteral("Czy chcesz usunąć wybrane okno?") +
                             (wybrane ? QStringLiteral("\n\n„%1”").arg(wybrane->Symbol())
                                      : QString())) != TDialogi::Odpowiedz::Tak)
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
    const TIdOkna id = *pokazany_;
    QString tekst = stary;
    for (;;) {
        const std::optional<QString> nowy =
            PodajSymbol(QStringLiteral("Podaj nowy symbol okna:"), tekst);
        if (!nowy)
            return;
        if (nowy->isEmpty()) {
            Blad(QStringLiteral("Symbol okna nie może pozostać pusty!"));
            return;
        }
        // Another window's symbol: asked again with what was typed.
        const TOkno* inne = Projekt()->GetOkno(*nowy);
        if (inne && inne->Id() != id) {
            Blad(QStringLiteral("Istnieje już okno o podanej nazwie!"));
            tekst = *nowy;
            continue;
        }
        // What the editor holds is kept: it is committed before the window is
        // shown again.
        if (!Zatwierdz())
            return;
        if (Wykonaj(std::make_unique<TZmienSymbol>(id, stary, *nowy)) == WYNIK_DUPLIKAT)
            Blad(QStringLiteral("Istnieje już okno o podanej nazwie!"));
        return;
    }
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
