#pragma once

#include "model/ifc/modelifc.h"
#include "model/ifc/step.h"
#include "model/ifc/wektory.h"

#include <QHash>

// Reads what a window list needs out of a STEP file's instances: the
// length unit and true north, the relations (containment, aggregation,
// openings, types, property sets), the storeys and the windows with their
// placements, properties and sash layout.

// A plan outline (mm, the model's X and Y) and the storey it is on.
struct TObrysIfc {
    int kondygnacja = -1;
    QVector<std::array<double, 2>> punkty;
};

class TCzytnikIfc {
public:
    explicit TCzytnikIfc(const TPlikStep& p) : p_(p) {}

    // Storeys, windows and glazed balcony doors, into `m`. It cannot fail:
    // what the model leaves out or writes unreadably stays unknown.
    void Czytaj(TModelIfc& m);

private:
    // The coordinates of a point or a direction (3 of them, missing ones 0).
    std::optional<W3> Wspolrzedne(const TWartoscStep& odwolanie) const;
    TUklad Osie(int64_t numer) const;

    // The chain of local placements, each relative to the one it names.
    TUklad Umieszczenie(int64_t numer, int glebokosc = 0);
    // A product's placement (its ObjectPlacement).
    TUklad UmieszczenieProduktu(int64_t produkt);

    void Jednostki();
    void Polnoc(TModelIfc& m);
    void Relacje();
    void WlasciwosciTypu(int64_t typ, TOknoIfc& o, TNazwyIfc& n);
    void Wlasciwosci(int64_t element, TOknoIfc& o, TNazwyIfc& n);
    void UkladSkrzydel(int64_t element, const QByteArray& typElementu, TOknoIfc& o);
    int Kondygnacja(int64_t element) const;
    // Whether the element fills an opening in a roof (or a roof slab).
    bool WDachu(int64_t element) const;
    QVector<std::pair<QString, QString>> ZestawWlasciwosci(int64_t zestaw) const;
    std::optional<double> DlugoscIlosci(int64_t element, const char* nazwa) const;
    // Each window's outside from the spaces, else the floor slabs, of its
    // storey (wnetrzeifc.cpp).
    void StronyZWnetrza(TModelIfc& m);
    QHash<int64_t, std::vector<std::vector<W3>>> ScianyGranic();
    QVector<TObrysIfc> Obrysy(int64_t produkt,
                              const std::vector<std::vector<W3>>* granice = nullptr);
    int KondygnacjaCzesci(int64_t element) const;
    // The glazed panels of curtain walls as fixed glazing (fasadyifc.cpp).
    void PaneleFasad(TModelIfc& m);
    // The extruded solids of a product's shape, through mapped items too.
    std::vector<int64_t> BrylyWyciagniete(int64_t produkt) const;
    // A solid's rectangle (X, Y) and depth, in the model's unit; nothing
    // for another profile.
    std::optional<std::array<double, 3>> ProstokatBryly(int64_t bryla) const;
    std::optional<std::array<double, 3>> WymiaryBryly(int64_t produkt) const;
    std::optional<std::pair<double, double>> WymiaryWidoku(int64_t produkt);
    // The width and height (mm) of a product swept from a circle or ellipse
    // (every solid of it), nothing for another shape; `ksztalt` says
    // whether it has extruded solids at all.
    std::optional<std::pair<double, double>> Okrag(int64_t produkt, bool* ksztalt = nullptr) const;
    // A body as faces, and a roof window's size in its own plane (brylaifc.cpp).
    struct TZbieraczScian;
    TUklad Przeksztalcenie(int64_t numer) const;
    std::vector<W3> PetlaSciany(int64_t petla, const TUklad& u) const;
    void ScianyElementu(int64_t element, const TUklad& u, TZbieraczScian& z, int glebokosc) const;
    std::vector<std::vector<W3>> ScianyBryly(int64_t produkt, const TUklad& u) const;
    std::optional<std::pair<double, double>> WymiaryWPlaszczyznie(int64_t produkt,
                                                                  const TUklad& u) const;

    const TPlikStep& p_;
    double mm_ = 1000; // millimetres in the model's length unit
    QHash<int64_t, TUklad> umieszczenia_;
    QHash<int64_t, int64_t> zawarte_;              // element → spatial structure
    QHash<int64_t, int64_t> nadrzedne_;            // part → whole (aggregation)
    QHash<int64_t, int64_t> otworDlaWypelnienia_;  // window → opening
    QHash<int64_t, int64_t> elementDlaOtworu_;     // opening → wall
    QHash<int64_t, int64_t> typy_;                 // element → its type
    QHash<int64_t, QVector<int64_t>> wlasciwosci_; // element → property sets
    QHash<int64_t, int> kondygnacje_;              // storey instance → index
    QHash<QString, QString> teksty_;               // one copy of each name met
    QString Wspolny(const QString& tekst);
};
