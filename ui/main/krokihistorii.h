#pragma once

#include "historia.h"
#include "okno.h"

#include <QUndoCommand>

#include <functional>

class TZestawienieStolarki;

// The steps of the main window's edit history. A step is made after its
// change has happened: its first redo does nothing. Undoing or redoing it
// changes the model and then shows the node it touched (`pokaz`, with the
// window's symbol, or an empty one for the project).
class TKrok : public QUndoCommand {
public:
    using TPokaz = std::function<void(const QString& wezel)>;
    TKrok(const QString& nazwa, TZestawienieStolarki& projekt, TPokaz pokaz, QString wezel);

    void undo() override;
    void redo() override;

protected:
    virtual void Cofnij() = 0;
    virtual void Ponow() = 0;

    TZestawienieStolarki& projekt_;
    TPokaz pokaz_;
    QString wezelCofniety_; // shown after undo
    QString wezel_;         // shown after redo

private:
    bool pierwszy_ = true;
};

// Fields of one window or of many ("apply to all").
class TKrokOkien : public TKrok {
public:
    TKrokOkien(const QString& nazwa, TZestawienieStolarki& projekt, TPokaz pokaz,
               const QString& wezel, std::vector<TZmianaOkna> zmiany);

protected:
    void Cofnij() override;
    void Ponow() override;

private:
    std::vector<TZmianaOkna> zmiany_;
};

// The project's header and levels (with the counts the levels changed).
class TKrokProjektu : public TKrok {
public:
    TKrokProjektu(TZestawienieStolarki& projekt, TPokaz pokaz, TStanProjektu przed,
                  TStanProjektu po);

protected:
    void Cofnij() override;
    void Ponow() override;

private:
    TStanProjektu przed_, po_;
};

// A window added (undo takes it away) or deleted (undo puts it back), at
// its place in the list.
class TKrokListy : public TKrok {
public:
    TKrokListy(const QString& nazwa, TZestawienieStolarki& projekt, TPokaz pokaz, const TOkno& okno,
               int indeks, bool dodanie);

protected:
    void Cofnij() override;
    void Ponow() override;

private:
    void Wstaw();
    void Usun();

    TOkno okno_;
    int indeks_;
    bool dodanie_;
};

// A window's symbol changed.
class TKrokSymbolu : public TKrok {
public:
    TKrokSymbolu(TZestawienieStolarki& projekt, TPokaz pokaz, const QString& stary,
                 const QString& nowy);

protected:
    void Cofnij() override;
    void Ponow() override;

private:
    QString stary_, nowy_;
};
