#pragma once

#include <QString>

class TOkno;

// What the window drawing needs of a canvas. Coordinates are pixels, the
// origin top left; the pen is the canvas's own (black, one pixel).
class TKanwa {
public:
    virtual ~TKanwa() = default;
    virtual void UstawPedzel(int r, int g, int b) = 0;
    // Fills (l, t)–(r, b) with the brush, without an outline.
    virtual void WypelnijProstokat(int l, int t, int r, int b) = 0;
    // Outline in the pen, inside in the brush.
    virtual void Prostokat(int l, int t, int r, int b) = 0;
    virtual void PrzesunDo(int x, int y) = 0;
    // A line from the pen position to (x, y), the end point not painted.
    virtual void LiniaDo(int x, int y) = 0;
    // Text with its top left corner at (x, y).
    virtual void Tekst(int x, int y, const QString& tekst) = 0;
};

// The schematic elevation of a window on a bitmap of the given size: frame,
// sashes with their opening symbols, trickle vents and the "D&V" mark.
// False for a type with no sash layout to draw: the frame is drawn with
// KOMUNIKAT_BRAK_RYSUNKU inside it.
bool RysujOkno(const TOkno& okno, TKanwa& kanwa, int szerokosc, int wysokosc);
inline const QString KOMUNIKAT_BRAK_RYSUNKU =
    QStringLiteral("Brak zdefiniowanego algorytmu rysowania!");

// One sash rectangle with the symbol of its opening kind.
void RysujSkrzydlo(TKanwa& kanwa, int l, int t, int r, int b, int rodzaj);

// Nearest integer, an exact half to the even one.
int Najblizsza(double x);
