#pragma once

#include <QPoint>
#include <QRect>
#include <QSizeF>

// The units in which a client of the page view gives every size and
// position, each defined by how many of it make one inch.
enum TUnits {
    mmPixel,     // the device's pixels (for the screen: its setting)
    mmLoMetric,  // 0.1 mm
    mmHiMetric,  // 0.01 mm
    mmLoEnglish, // 0.01 in
    mmHiEnglish, // 0.001 in
    mmTWIPS,     // 1/1440 in
    mmPoints     // 1/72 in
};

// The screen's pixels per inch, horizontally and vertically (96 where the
// program has no screen, as on a server).
int EkranPpiX();
int EkranPpiY();

// How many units make one inch; `ppi` stands for the pixels of mmPixel.
int JednostekNaCal(TUnits jednostka, int ppi);

// value × (units per inch of `do_`) / (units per inch of `z`), multiplied in
// 64 bits and rounded to the nearest integer (a half away from zero), kept
// within the 32-bit range. 0.1 mm → 0.01 mm, 0.01 in → 0.001 in and points →
// twips multiply exactly; the reverse ways divide and drop the remainder.
// Pixels are the screen's, unless `ppiZrodla` gives the pixels per inch of
// the device the value comes from.
// The same between two units of a device of `ppi` pixels per inch.
int PrzeliczJednostki(int wartosc, TUnits z, TUnits do_, int ppi);
int ConvertX(int wartosc, TUnits z, TUnits do_, int ppiZrodla = 0);
int ConvertY(int wartosc, TUnits z, TUnits do_, int ppiZrodla = 0);
// `ile` coordinate pairs in place (a rectangle is two).
void ConvertPoints(QPoint* punkty, int ile, TUnits z, TUnits do_);
QRect ConvertRect(const QRect& r, TUnits z, TUnits do_);

// A size in millimetres in a unit (pixels are the screen's), each side
// rounded through hundredths of a millimetre; and back.
QSize MmNaJednostki(const QSizeF& mm, TUnits do_);
QSizeF JednostkiNaMm(const QSize& rozmiar, TUnits z);
// Millimetres in hundredths, rounded: the unit sizes of paper and margins.
int Setne(double mm);

// The mouse wheel in notches: amounts are summed and every full notch of 120
// is given back, the remainder kept. Positive: turning away from the user.
class TKolkoMyszy {
public:
    // The whole notches that this event completes.
    int Zapadki(int kat);
    void Wyzeruj() { reszta_ = 0; }

private:
    int reszta_ = 0;
};
