#include "krokihistorii.h"

#include "zestawienie.h"

TKrok::TKrok(const QString& nazwa, TZestawienieStolarki& projekt, TPokaz pokaz, QString wezel)
    : QUndoCommand(nazwa), projekt_(projekt), pokaz_(std::move(pokaz)), wezelCofniety_(wezel),
      wezel_(std::move(wezel)) {}

void TKrok::undo() {
    Cofnij();
    if (pokaz_)
        pokaz_(wezelCofniety_);
}

void TKrok::redo() {
    if (pierwszy_) {
        pierwszy_ = false; // the change has happened already
        return;
    }
    Ponow();
    if (pokaz_)
        pokaz_(wezel_);
}

TKrokOkien::TKrokOkien(const QString& nazwa, TZestawienieStolarki& projekt, TPokaz pokaz,
                       const QString& wezel, std::vector<TZmianaOkna> zmiany)
    : TKrok(nazwa, projekt, std::move(pokaz), wezel), zmiany_(std::move(zmiany)) {
    // One window changed: its symbol as it was before the step and after.
    if (zmiany_.size() == 1) {
        wezelCofniety_ = zmiany_.front().symbolPrzed;
        wezel_ = zmiany_.front().symbolPo;
    }
}

void TKrokOkien::Cofnij() {
    for (const TZmianaOkna& z : zmiany_)
        PrzywrocOkno(projekt_, z, true);
}

void TKrokOkien::Ponow() {
    for (const TZmianaOkna& z : zmiany_)
        PrzywrocOkno(projekt_, z, false);
}

TKrokProjektu::TKrokProjektu(TZestawienieStolarki& projekt, TPokaz pokaz, TStanProjektu przed,
                             TStanProjektu po)
    : TKrok(QStringLiteral("zmiana danych projektu"), projekt, std::move(pokaz), QString()),
      przed_(std::move(przed)), po_(std::move(po)) {
    // The counts are kept only when the levels changed them.
    if (TePoziomy(przed_, po_)) {
        przed_.liczby.clear();
        po_.liczby.clear();
    }
}

void TKrokProjektu::Cofnij() {
    PrzywrocProjekt(projekt_, przed_);
}

void TKrokProjektu::Ponow() {
    PrzywrocProjekt(projekt_, po_);
}

TKrokListy::TKrokListy(const QString& nazwa, TZestawienieStolarki& projekt, TPokaz pokaz,
                       const TOkno& okno, int indeks, bool dodanie)
    : TKrok(nazwa, projekt, std::move(pokaz), okno.Symbol()), okno_(okno), indeks_(indeks),
      dodanie_(dodanie) {
    (dodanie ? wezelCofniety_ : wezel_) = QString();
}

void TKrokListy::Wstaw() {
    projekt_.WstawOkno(indeks_, okno_);
}

void TKrokListy::Usun() {
    projekt_.DelOkno(okno_.Symbol());
}

void TKrokListy::Cofnij() {
    dodanie_ ? Usun() : Wstaw();
}

void TKrokListy::Ponow() {
    dodanie_ ? Wstaw() : Usun();
}

TKrokSymbolu::TKrokSymbolu(TZestawienieStolarki& projekt, TPokaz pokaz, const QString& stary,
                           const QString& nowy)
    : TKrok(QStringLiteral("zmiana symbolu okna %1 na %2").arg(stary, nowy), projekt,
            std::move(pokaz), nowy),
      stary_(stary), nowy_(nowy) {
    wezelCofniety_ = stary;
}

void TKrokSymbolu::Cofnij() {
    projekt_.RenameOkno(nowy_, stary_);
}

void TKrokSymbolu::Ponow() {
    projekt_.RenameOkno(stary_, nowy_);
}
