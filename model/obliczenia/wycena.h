#pragma once

#include <QString>

class TOkno;
class TZestawienieStolarki;

// Prices of the manufacturer's windows from the built-in price list.

// A price, or -1 with the reason why there is none.
struct TWycena {
    double Cena = -1;
    // Why there is no price; or, beside a price, what the user should know
    // about it (a list price of 0 zł for a rate of 0).
    QString Komunikat;
};

// The window's list price in euro, or -1 with the reason.
TWycena CenaZCennika(const TOkno& okno);
// The net price in złoty of one piece of a list-priced window, or -1 with
// the reason; from the list price already found, where it was.
TWycena CenaDV(const TZestawienieStolarki& projekt, const TOkno& okno);
TWycena CenaDV(const TZestawienieStolarki& projekt, const TOkno& okno, const TWycena& zCennika);
// CenaDV for a list-priced window, else the price typed for it (none: -1,
// or a price outside its range, with the reason).
TWycena CenaNetto(const TZestawienieStolarki& projekt, const TOkno& okno);
