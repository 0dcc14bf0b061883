#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class TOkno;
class TZestawienieStolarki;

// The one range of every number a window or a project holds, by the key of
// its field. The editor refuses a value outside it; a file or an import keeps
// it and says so; the calculations give such a window no Uw (or no price, or
// no summer verdict) rather than a number made of it.
struct TZakresWartosci {
    QByteArrayView klucz;
    double min = 0;
    double max = 0;
    // −1 stands for none (no price, g unknown, fC of the shading device).
    bool minusJedenToBrak = false;
    // Every value below 0 is a marker (Lg: to be worked out by the rule).
    bool ujemnaToZnacznik = false;
    const char* etykieta = ""; // as messages name the field: "dR"
    const char* jednostka = "";
};

// The range of a field, or nullptr for a field without one.
const TZakresWartosci* ZakresWartosci(QByteArrayView klucz);
// Whether the value is one the field may hold (a marker included).
bool WZakresie(const TZakresWartosci& z, double x);
// "od 0 do 1 m²K/W".
QString OpisZakresu(const TZakresWartosci& z);
// "dR = -0,5 (dopuszczalne od 0 do 1 m²K/W)".
QString OpisWartosciSpozaZakresu(const TZakresWartosci& z, double x);

// What a window holds outside the ranges, field by field in the file's
// order: "dR = -0,5 (dopuszczalne od 0 do 1 m²K/W)". Empty for a sound window.
QStringList SpozaZakresu(const TOkno& okno);
// The same of the project's own data.
QStringList SpozaZakresu(const TZestawienieStolarki& projekt);
// The fields of a window that Uw is computed from, outside their ranges.
QStringList CieplneSpozaZakresu(const TOkno& okno);

// Every value of a project outside its range, named where it stands:
// "projekt – Stawka VAT = 230 (dopuszczalne od 0 do 100 %)", "okno O1 – dR =
// -0,5 (dopuszczalne od 0 do 1 m²K/W)".
QStringList WartosciSpozaZakresu(const TZestawienieStolarki& projekt);
// Tells the user, through the notifier, of such values a file or an import
// brought: they are kept, and what they would make is not computed. Nothing
// for an empty list.
void ZglosSpozaZakresu(const QStringList& wartosci);
