#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// What a window list needs of a building model (IFC2x3, IFC4, IFC4x3):
// its storeys, and its windows (and glazed balcony doors) with their size,
// storey, place, the normal of their wall and their sash layout. Lengths
// are millimetres and angles degrees, whatever the model's units.

struct TKondygnacjaIfc {
    int64_t numer = 0;
    QString nazwa;
    double rzedna = 0; // m
    int okien = 0;     // windows found on it
};

// The names a model gives a window, while it is read: its symbol is made
// of them (NazwaOknaIfc) and only that is kept.
struct TNazwyIfc {
    QString odniesienie;    // Pset_WindowCommon.Reference
    QString znakTypu, znak; // Revit's "Type Mark" and "Mark"
    QString tag;            // Tag (ArchiCAD writes a GUID there)
    QString typ;            // the name of its type (style)
};
// A window's symbol: its reference, Revit's type mark or mark, its tag (a
// position number), its type's or its own name, in that order; never an
// identifier no person gave it (a GUID, an IFC GlobalId, an element
// number). Empty when it has none.
QString NazwaOknaIfc(const TNazwyIfc& nazwy, const QString& nazwa);

// Fields by size, the flags together: a model of half a million windows
// keeps one of these each.
struct TOknoIfc {
    int64_t numer = 0;
    QString nazwa;                              // Name
    QString globalId;                           // GlobalId
    QString symbol;                             // NazwaOknaIfc
    std::optional<int64_t> szerokosc, wysokosc; // mm; nothing when the model gives none
    double x = 0, y = 0, z = 0;                 // the window's middle in the model, mm
    std::array<double, 3> normalna{0, 1, 0};    // outwards, unit, model axes
    std::optional<double> uwModelu;             // Pset_WindowCommon.ThermalTransmittance
    // The width of its mullions and transoms as its type's lining gives it
    // (the wider of the two), mm.
    std::optional<double> slupek;
    int32_t kondygnacja = -1; // into TModelIfc::kondygnacje
    int32_t typOkna = 1001;
    // Pset_DoorCommon.GlazingAreaFraction: the glazed share of a door;
    // below 0 where the model gives none.
    float udzialSzyb = -1;
    std::array<uint8_t, 8> skrzydla{};
    // What decided its outside: 0 not yet, 1 the storey's spaces, 2 its
    // floor slabs or the building's footprint, 3 the middle of its walls
    // and windows (a fallback).
    uint8_t strona = 0;
    bool drzwi = false;           // a glazed balcony or terrace door
    bool drzwiZewnetrzne = false; // an exterior (entrance) door
    bool fasada = false;          // a glazed panel of a curtain wall
    // A roof window whose height the model gave as less than its body's in
    // its own plane (its vertical extent): the body's taken.
    bool wysokoscZBryly = false;
    // Round: the opening it fills (or, with none to read, every solid of
    // its body) swept from a circle or ellipse.
    bool okragle = false;
    bool bezKondygnacji = false; // on no storey in the model: placed by height
    bool dachowe = false;        // the normal more than 60° from horizontal, or in a roof
    bool bezUkladu = false;      // no sash layout in the model: one fixed sash given
    bool wewnetrzne = false;     // Pset_WindowCommon.IsExternal = false
    bool zewnetrzne = false;     // Pset_…Common.IsExternal = true
};

struct TModelIfc {
    QString schemat;
    QVector<TKondygnacjaIfc> kondygnacje; // by elevation, lowest first
    QVector<TOknoIfc> okna;
    int drzwiPominiete = 0;
    // Where true north is: degrees counterclockwise from the model's +Y
    // axis; from the 'Model' context's TrueNorth, 0 when it gives none.
    double polnoc = 0;
    bool polnocZModelu = false;
};

// Reads a model from a file's bytes; false with a reason (naming the line
// where reading stopped) when it cannot. `postep` as TPlikStep::Czytaj's.
bool CzytajModelIfc(const QByteArray& bajty, TModelIfc* model, QString* powod,
                    const std::function<bool(qint64, qint64)>& postep = {});
// The same for a file of up to 512 MiB (mapped, not copied).
bool CzytajModelIfcZPliku(const QString& sciezka, TModelIfc* model, QString* powod,
                          const std::function<bool(qint64, qint64)>& postep = {});

// The levels proposed for the storeys: below −0.5 m "podpiwniczenie", the
// lowest other "parter", then "1", "2", …, and a top storey named as an
// attic "poddasze".
QStringList ProponowanePoziomy(const QVector<TKondygnacjaIfc>& kondygnacje);
