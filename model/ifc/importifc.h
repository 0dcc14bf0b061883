#pragma once

#include "model/ifc/modelifc.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class TZestawienieStolarki;

// What the user sets before windows of a model become a schedule.
struct TOpcjeImportuIfc {
    // True north, degrees counterclockwise from the model's +Y axis;
    // nothing: the model's own.
    std::optional<double> polnoc;
    // The level of every storey ("podpiwniczenie", "parter", "1", …,
    // "poddasze"; empty: the proposed one).
    QStringList poziomy;
    // Given to every imported window, since a model rarely holds them.
    double ug = 0, uf = 0, psi = 0, d = 0;
    // Mullions and transoms where the model gives none (0: as wide as d).
    double slupek = 0;
    // The entries (by the symbol the import gives them) the user left out.
    QSet<QString> pominiete;
    QString material = QStringLiteral("PCV");
};

struct TWynikImportuIfc {
    int okien = 0;   // windows (and glazed doors) imported, pieces
    int pozycji = 0; // entries of the schedule they make
    int bezWymiarow = 0;
    QStringList bezWymiarowSymbole; // the entries of windows with no size at all
    int bezUkladu = 0;
    // Roof windows whose height was taken from their body (the model's
    // was its vertical extent).
    int wysokoscZBryly = 0;
    // Round windows (their area a circle's or an ellipse's).
    int okraglych = 0;
    int drzwiPominiete = 0;
    // Windows on no storey of the model (placed by their height), and
    // windows the model calls inner (IsExternal = false: Umax 1,1), which
    // on a façade is the model's error.
    int bezKondygnacji = 0;
    // Doors taken: balcony and terrace doors, and entrance doors (exterior
    // doors of the model, judged at 1,3).
    int drzwiBalkonowych = 0;
    int drzwiZewnetrznych = 0;
    // Glazed panels of curtain walls, taken as fixed glazing.
    int paneliFasad = 0;
    // Windows whose outside no space of their storey decided: by the floor
    // slabs' outline, or by the middle of the storey's walls and windows.
    int stronaWgStropu = 0;
    int stronaWgSrodka = 0;
    int wewnetrznych = 0;
    // Symbols whose computed Uw differs from the model's by more than 0.1.
    QStringList rozneUw;
    // Symbols with no Uw (a d of 0 in the geometric method, say), and why
    // the first of them has none.
    QStringList bezUw;
    QString powodBezUw;
};

// The windows of a model as a new project: identical windows (size to the
// millimetre, layout, sash kinds, kind, mullions, the model's Uw) are one
// entry with their pieces per level and direction, whatever their names;
// symbols from the reference, marks, tag or names, never an identifier,
// shortened and made unique, else O1, O2, ….
TWynikImportuIfc UtworzProjektZIfc(const TModelIfc& model, const TOpcjeImportuIfc& opcje,
                                   TZestawienieStolarki& projekt);

inline const QString TYTUL_IMPORTU_IFC = QStringLiteral("Import z IFC");
inline const QString KOMUNIKAT_IMPORT_IFC_NIEUDANY =
    QStringLiteral("Nie udało się odczytać modelu budynku z pliku.");

// "zaimportowano 24 okna jako 11 pozycji; 2 bez wymiarów; 3 drzwi pominięto"
QString TekstImportuIfc(const TWynikImportuIfc& wynik);

// The pieces of each direction (0 N … 7 NW), true north as given.
std::array<int, 8> OknaWgKierunkow(const TModelIfc& model, double polnoc);
