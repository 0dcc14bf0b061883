#include "model/ifc/kierunki.h"

#include "model/ifc/modelifc.h"

#include <cmath>
#include <numbers>

void ZwrocNaZewnatrz(TModelIfc& m, const QVector<std::pair<int, W3>>& sciany) {
    // The last place holds the whole building.
    const int wszystkie = static_cast<int>(m.kondygnacje.size());
    QVector<W3> srodki(wszystkie + 1, W3{0, 0, 0});
    QVector<int> liczby(wszystkie + 1, 0);
    auto dodaj = [&](int k, const W3& p) {
        for (int i : {k, wszystkie}) {
            if (i < 0 || i > wszystkie)
                continue;
            srodki[i] = Plus(srodki[i], p);
            ++liczby[i];
        }
    };
    for (const auto& [k, p] : sciany)
        dodaj(k, p);
    for (const TOknoIfc& o : m.okna)
        dodaj(o.kondygnacja, W3{o.x, o.y, o.z});
    for (TOknoIfc& o : m.okna) {
        // Decided by the building's spaces or slabs already.
        if (o.strona == 1 || o.strona == 2)
            continue;
        if (!o.dachowe)
            o.strona = 3;
        const int k = o.kondygnacja >= 0 && o.kondygnacja < wszystkie && liczby[o.kondygnacja] > 1
                          ? o.kondygnacja
                          : wszystkie;
        if (liczby[k] == 0)
            continue;
        const W3 c = Razy(srodki[k], 1.0 / liczby[k]);
        const double strona = (o.x - c[0]) * o.normalna[0] + (o.y - c[1]) * o.normalna[1];
        if (strona < 0 && !o.dachowe)
            o.normalna = Razy(o.normalna, -1);
        if (o.dachowe && o.normalna[2] < 0)
            o.normalna = Razy(o.normalna, -1);
    }
}

double Azymut(const std::array<double, 3>& n, double polnoc) {
    // North in the model's plane, and east a quarter turn clockwise from it.
    const double a = polnoc * std::numbers::pi / 180;
    const double nx = -std::sin(a), ny = std::cos(a);
    const double ex = ny, ey = -nx;
    double az = std::atan2(n[0] * ex + n[1] * ey, n[0] * nx + n[1] * ny) * 180 / std::numbers::pi;
    if (az < 0)
        az += 360;
    return az >= 360 ? 0 : az;
}

int KierunekNormalnej(const std::array<double, 3>& n, double polnoc) {
    if (!(std::hypot(n[0], n[1]) > 1e-9))
        return 0; // straight up: counted as north
    return static_cast<int>(std::floor((Azymut(n, polnoc) + 22.5) / 45)) % 8;
}
