#pragma once

#include "okno.h"

#include <QDateTime>
#include <QString>

#include <variant>
#include <vector>

class TZestawienieStolarki;

// What a step of the edit history keeps of the project: only what the step
// changed, field by field, so that a change to every window of a large
// project costs little more than the values it replaced.

// The value of a window field (PolaOkna): a number, a text (names by their
// name), or the counts.
using TWartoscPola = std::variant<double, QString, TLiczbaOkien>;

struct TZmianaPola {
    int pole; // index in PolaOkna()
    TWartoscPola przed;
    TWartoscPola po;
};

// The changes of one window, and its symbol before and after (only its
// letter case may differ).
struct TZmianaOkna {
    QString symbolPrzed;
    QString symbolPo;
    std::vector<TZmianaPola> pola;
};

// Fields that differ between two states of one window.
TZmianaOkna RozniceOkna(const TOkno& przed, const TOkno& po);
// Puts a window back to the state before the changes (wstecz) or after.
void PrzywrocOkno(TZestawienieStolarki& projekt, const TZmianaOkna& zmiana, bool wstecz);

// Every window as it stands, in list order. The copies share their texts and
// counts with the windows until one of them changes.
std::vector<TOkno> StanOkien(const TZestawienieStolarki& projekt);
// The windows that changed since `przed` (the same windows, in the same order).
std::vector<TZmianaOkna> ZmianyOkien(const std::vector<TOkno>& przed,
                                     const TZestawienieStolarki& projekt);

// The project's header, levels and, when the levels differ between two
// states, every window's counts (which the levels shape).
struct TStanProjektu {
    std::vector<TWartoscPola> pola; // per PolaProjektu()
    QDateTime data;
    std::vector<TLiczbaOkien> liczby;
};
TStanProjektu StanProjektu(const TZestawienieStolarki& projekt);
bool RownyStan(const TStanProjektu& a, const TStanProjektu& b);
// Whether two states have the same levels (then the counts need no keeping).
bool TePoziomy(const TStanProjektu& a, const TStanProjektu& b);
void PrzywrocProjekt(TZestawienieStolarki& projekt, const TStanProjektu& stan);
