#pragma once

#include "model/okno.h"

#include <QString>

#include <memory>
#include <vector>

class TZestawienieStolarki;

// A command found nothing to change: it is not recorded.
constexpr int32_t WYNIK_BEZ_ZMIAN = 1;

// What a change touched, for the views to show it again.
struct TZmiana {
    bool projekt = false;       // the project's data or its levels
    bool lista = false;         // windows added, removed or given another symbol
    bool wszystkieOkna = false; // every window (the levels reshape their counts)
    std::vector<TIdOkna> okna;  // the windows whose fields changed
    // Set by the open project: whether the step was taken back or made
    // again, and the window to show after it (0: the project).
    bool zHistorii = false;
    TIdOkna wskazane = 0;
};

// TPolecenie: one change of the open project, able to take itself back.
// It addresses windows by their identity, never by their place in the list.
// The first Wykonaj finds what the change does to the project as it stands
// (Przygotuj) and keeps it; that and every later Wykonaj make the same
// change (Zastosuj), Cofnij takes it back.
class TPolecenie {
public:
    explicit TPolecenie(QString nazwa);
    virtual ~TPolecenie();
    TPolecenie(const TPolecenie&) = delete;
    TPolecenie& operator=(const TPolecenie&) = delete;

    // The step's name for the Edit menu ("zmiana okna O1").
    const QString& Nazwa() const { return nazwa_; }
    // WYNIK_OK when done, WYNIK_BEZ_ZMIAN when there was nothing to change,
    // or the reason it cannot be done (WYNIK_DUPLIKAT, WYNIK_BLAD); in the
    // last two cases the project is as it was.
    int32_t Wykonaj(TZestawienieStolarki& projekt);
    void Cofnij(TZestawienieStolarki& projekt);
    virtual TZmiana Zmiana() const = 0;
    // The window to show once the step is taken back or made again; 0 for
    // the project.
    virtual TIdOkna Wskazane(bool cofniete) const;

protected:
    virtual int32_t Przygotuj(TZestawienieStolarki& projekt) = 0;
    virtual void Zastosuj(TZestawienieStolarki& projekt, bool wstecz) = 0;

private:
    QString nazwa_;
    bool przygotowane_ = false;
};

// Several commands as one step, carried out in order and taken back in
// reverse; those that change nothing are left out.
class TGrupaPolecen : public TPolecenie {
public:
    TGrupaPolecen(QString nazwa, std::vector<std::unique_ptr<TPolecenie>> polecenia);
    ~TGrupaPolecen() override;
    TZmiana Zmiana() const override;
    TIdOkna Wskazane(bool cofniete) const override;

protected:
    int32_t Przygotuj(TZestawienieStolarki& projekt) override;
    void Zastosuj(TZestawienieStolarki& projekt, bool wstecz) override;

private:
    std::vector<std::unique_ptr<TPolecenie>> polecenia_;
};
