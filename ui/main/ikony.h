#pragma once

#include <QIcon>

// The toolbar's and menus' pictures, drawn by the program itself so that they
// read the same on every desktop: in colour when a command can be used and in
// flat grey when it cannot.
enum class TIkona {
    Nowy,
    Otworz,
    Zapisz,
    Zamknij,
    Import,
    Podglad,
    Wytnij,
    Kopiuj,
    Wklej,
    DodajOkno,
    UsunOkno,
    PowielOkno,
    Kalkulator,
    Cofnij,
    Ponow,
    NieSpelniaWT,  // a window that fails WT 2021 (the tree)
    BrakDanychWT,  // a window without thermal data (the tree)
    SpelniaWT,     // a window that complies (the tree)
    BrakWymaganWT, // a window WT 2021 sets no limit for (the tree)
    Pomoc,         // the manual
};

QIcon IkonaPolecenia(TIkona ikona);
