// Which side of a window is outside, from the building itself: the side
// that lies in none of its storey's spaces while the other lies in one
// (their extruded outlines, their bodies' floors, or their boundaries);
// where the model has no spaces there, the same against the outline of the
// storey's floor slabs. What neither decides is left to the walls' middle
// (kierunki.cpp) and counted.

#include "model/ifc/czytnikifc.h"

#include <algorithm>
#include <cmath>

namespace {

// How far from a window's place the two sides are tested, mm: beyond any
// wall, short of any room's depth.
constexpr double ODSUNIECIE = 750;

bool WWielokacie(const TObrysIfc& w, double x, double y) {
    bool wewnatrz = false;
    const qsizetype n = w.punkty.size();
    for (qsizetype i = 0, j = n - 1; i < n; j = i++) {
        const auto& a = w.punkty[i];
        const auto& b = w.punkty[j];
        if ((a[1] > y) != (b[1] > y) && x < (b[0] - a[0]) * (y - a[1]) / (b[1] - a[1]) + a[0])
            wewnatrz = !wewnatrz;
    }
    return wewnatrz;
}

// In any outline of the storey; of every storey (the building's footprint)
// for WSZYSTKIE.
constexpr int WSZYSTKIE = -1000;
bool WKtorymkolwiek(const QVector<TObrysIfc>& obrysy, int kondygnacja, double x, double y) {
    return std::any_of(obrysy.begin(), obrysy.end(), [&](const TObrysIfc& w) {
        return (kondygnacja == WSZYSTKIE || w.kondygnacja == kondygnacja) && WWielokacie(w, x, y);
    });
}

// The outlines of a body given as faces: its faces lying level at its
// lowest (a floor, or the triangles of one), mm in the model's plan.
QVector<TObrysIfc> ObrysyDolu(const std::vector<std::vector<W3>>& sciany) {
    double dol = INFINITY;
    for (const auto& s : sciany)
        for (const W3& p : s)
            dol = std::min(dol, p[2]);
    QVector<TObrysIfc> w;
    for (const auto& s : sciany) {
        W3 n{0, 0, 0};
        bool nisko = true;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const W3& a = s[i];
            const W3& b = s[(i + 1) % s.size()];
            n = Plus(n, Wektorowy(a, b));
            nisko = nisko && a[2] <= dol + 20;
        }
        const auto j = Jednostkowy(n);
        if (!nisko || !j || std::abs((*j)[2]) < 0.99)
            continue;
        TObrysIfc o;
        for (const W3& p : s)
            o.punkty.append({p[0], p[1]});
        w.append(o);
    }
    return w;
}

} // namespace

// The faces a space's boundaries draw around it, each boundary's surface
// on the space's side (planes bounded by a polyline or by a curve of
// polylines), in the model's axes: where a model's spaces have no body to
// read, their floor boundaries outline them.
QHash<int64_t, std::vector<std::vector<W3>>> TCzytnikIfc::ScianyGranic() {
    QHash<int64_t, std::vector<std::vector<W3>>> w;
    std::size_t punktow = 0;
    for (const char* typ :
         {"IFCRELSPACEBOUNDARY", "IFCRELSPACEBOUNDARY1STLEVEL", "IFCRELSPACEBOUNDARY2NDLEVEL"})
        for (int64_t r : p_.Instancje(typ)) {
            const auto przestrzen = p_.Atrybut(r, 4).Odwolanie();
            const auto geometria = p_.Atrybut(r, 6).Odwolanie();
            if (!przestrzen || !geometria ||
                !p_.JestTypu(*geometria, "IFCCONNECTIONSURFACEGEOMETRY"))
                continue;
            const auto plat = p_.Atrybut(*geometria, 0).Odwolanie();
            if (!plat || !p_.JestTypu(*plat, "IFCCURVEBOUNDEDPLANE"))
                continue;
            const auto plaszczyzna = p_.Atrybut(*plat, 0).Odwolanie();
            const auto polozenie =
                plaszczyzna ? p_.Atrybut(*plaszczyzna, 0).Odwolanie() : std::nullopt;
            const auto krzywa = p_.Atrybut(*plat, 1).Odwolanie();
            if (!polozenie || !krzywa)
                continue;
            std::vector<int64_t> linie;
            if (p_.JestTypu(*krzywa, "IFCPOLYLINE"))
                linie.push_back(*krzywa);
            else if (p_.JestTypu(*krzywa, "IFCCOMPOSITECURVE"))
                for (const TWartoscStep& e : p_.Atrybut(*krzywa, 0).Elementy())
                    if (const auto odcinek = e.Odwolanie())
                        if (const auto l = p_.Atrybut(*odcinek, 2).Odwolanie();
                            l && p_.JestTypu(*l, "IFCPOLYLINE"))
                            linie.push_back(*l);
            const TUklad u = UmieszczenieProduktu(*przestrzen).Zlozony(Osie(*polozenie));
            std::vector<W3> sciana;
            for (int64_t l : linie)
                for (const TWartoscStep& e : p_.Atrybut(l, 0).Elementy())
                    if (const auto p = Wspolrzedne(e))
                        sciana.push_back(u.Punkt({(*p)[0] * mm_, (*p)[1] * mm_, 0}));
            punktow += sciana.size();
            if (punktow > 5000000)
                return w;
            if (sciana.size() >= 3)
                w[*przestrzen].push_back(std::move(sciana));
        }
    return w;
}

// A space's or slab's plan outlines: its body's lowest level faces (an
// extrusion's profile, a brep's floor), else (given) its floor boundaries.
QVector<TObrysIfc> TCzytnikIfc::Obrysy(int64_t produkt,
                                       const std::vector<std::vector<W3>>* granice) {
    QVector<TObrysIfc> w = ObrysyDolu(ScianyBryly(produkt, UmieszczenieProduktu(produkt)));
    if (w.isEmpty() && granice)
        w = ObrysyDolu(*granice);
    const int kondygnacja = KondygnacjaCzesci(produkt);
    for (TObrysIfc& o : w)
        o.kondygnacja = kondygnacja;
    return w;
}

// The storey of a space or slab: the storey it is part of, else the one
// containing it.
int TCzytnikIfc::KondygnacjaCzesci(int64_t element) const {
    int64_t e = element;
    for (int i = 0; e && i < 8; ++i, e = nadrzedne_.value(e, 0)) {
        const auto k = kondygnacje_.constFind(e);
        if (k != kondygnacje_.constEnd())
            return *k;
    }
    return Kondygnacja(element);
}

void TCzytnikIfc::StronyZWnetrza(TModelIfc& m) {
    QVector<TObrysIfc> pomieszczenia, stropy;
    // The boundaries are read only when a space has no body to outline it.
    std::optional<QHash<int64_t, std::vector<std::vector<W3>>>> granice;
    for (int64_t s : p_.Instancje("IFCSPACE")) {
        QVector<TObrysIfc> o = Obrysy(s);
        if (o.isEmpty()) {
            if (!granice)
                granice = ScianyGranic();
            if (const auto g = granice->constFind(s); g != granice->constEnd())
                o = Obrysy(s, &*g);
        }
        pomieszczenia += o;
    }
    for (const char* typ : {"IFCSLAB", "IFCSLABSTANDARDCASE"})
        for (int64_t s : p_.Instancje(typ)) {
            const QString rodzaj = p_.Atrybut(s, 8).Tekst();
            if (!RowneStep(rodzaj, "FLOOR") && !RowneStep(rodzaj, "BASESLAB"))
                continue;
            stropy += Obrysy(s);
        }
    for (TOknoIfc& o : m.okna) {
        if (o.dachowe)
            continue;
        const auto n = Jednostkowy(W3{o.normalna[0], o.normalna[1], 0});
        if (!n)
            continue;
        const double px = o.x + (*n)[0] * ODSUNIECIE, py = o.y + (*n)[1] * ODSUNIECIE;
        const double mx = o.x - (*n)[0] * ODSUNIECIE, my = o.y - (*n)[1] * ODSUNIECIE;
        // The storey's spaces, its slabs, then the footprint every storey's
        // spaces and slabs make together.
        const std::pair<const QVector<TObrysIfc>*, int> proby[] = {{&pomieszczenia, o.kondygnacja},
                                                                   {&stropy, o.kondygnacja},
                                                                   {&pomieszczenia, WSZYSTKIE},
                                                                   {&stropy, WSZYSTKIE}};
        for (std::size_t k = 0; k < std::size(proby); ++k) {
            const auto& [obrysy, kondygnacja] = proby[k];
            const bool przod = WKtorymkolwiek(*obrysy, kondygnacja, px, py);
            const bool tyl = WKtorymkolwiek(*obrysy, kondygnacja, mx, my);
            if (przod != tyl) {
                if (przod)
                    o.normalna = Razy(o.normalna, -1);
                o.strona = k == 0 ? 1 : 2;
                break;
            }
        }
    }
}
