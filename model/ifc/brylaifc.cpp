// A product's body as faces in the model's axes, and the size of a window
// lying in a roof measured in its own plane: the model's height of such a
// window may be its vertical extent only.

#include "model/ifc/czytnikifc.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Beyond these a body is not measured: a window is a few hundred points.
constexpr std::size_t MAKS_PUNKTOW = 200000;
constexpr int MAKS_ZAGNIEZDZENIA = 8;
// Items visited: a map naming itself many times over is no window.
constexpr std::size_t MAKS_ELEMENTOW = 20000;

W3 Newell(const std::vector<W3>& w) {
    W3 n{0, 0, 0};
    for (std::size_t i = 0; i < w.size(); ++i) {
        const W3& a = w[i];
        const W3& b = w[(i + 1) % w.size()];
        n[0] += (a[1] - b[1]) * (a[2] + b[2]);
        n[1] += (a[2] - b[2]) * (a[0] + b[0]);
        n[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
    return n; // twice the area, along the normal
}

} // namespace

struct TCzytnikIfc::TZbieraczScian {
    std::vector<std::vector<W3>> sciany;
    std::size_t punktow = 0;
    std::size_t elementow = 0;
    bool zaDuzo = false;

    bool Dodaj(std::vector<W3> sciana) {
        punktow += sciana.size();
        if (punktow > MAKS_PUNKTOW) {
            zaDuzo = true;
            return false;
        }
        if (sciana.size() >= 3)
            sciany.push_back(std::move(sciana));
        return true;
    }
};

// A Cartesian transformation operator as a placement: its axes (the usual
// ones where it gives none) scaled by its scale.
TUklad TCzytnikIfc::Przeksztalcenie(int64_t numer) const {
    TUklad u;
    const auto a = p_.Atrybuty(numer);
    if (!a || a->size() < 4)
        return u;
    if (const auto o = Wspolrzedne(a->at(2)))
        u.o = Razy(*o, mm_);
    const W3 x = Jednostkowy(Wspolrzedne(a->at(0)).value_or(W3{1, 0, 0})).value_or(W3{1, 0, 0});
    W3 z = a->size() > 4 ? Wspolrzedne(a->at(4)).value_or(W3{0, 0, 1}) : W3{0, 0, 1};
    z = Jednostkowy(z).value_or(W3{0, 0, 1});
    W3 y = Wektorowy(z, x);
    if (const auto yy = Wspolrzedne(a->at(1)))
        y = Jednostkowy(*yy).value_or(y);
    double skala = a->at(3).Liczba().value_or(1);
    if (!(skala > 0) || !std::isfinite(skala) || skala > 1e6)
        skala = 1;
    u.x = Razy(x, skala);
    u.y = Razy(y, skala);
    u.z = Razy(z, skala);
    return u;
}

// The points of a loop of a face, placed.
std::vector<W3> TCzytnikIfc::PetlaSciany(int64_t petla, const TUklad& u) const {
    std::vector<W3> w;
    if (!p_.JestTypu(petla, "IFCPOLYLOOP"))
        return w;
    for (const TWartoscStep& e : p_.Atrybut(petla, 0).Elementy())
        if (const auto p = Wspolrzedne(e))
            w.push_back(u.Punkt(Razy(*p, mm_)));
    return w;
}

void TCzytnikIfc::ScianyElementu(int64_t element, const TUklad& u, TZbieraczScian& z,
                                 int glebokosc) const {
    if (z.zaDuzo || glebokosc > MAKS_ZAGNIEZDZENIA)
        return;
    if (++z.elementow > MAKS_ELEMENTOW) {
        z.zaDuzo = true;
        return;
    }
    const QByteArray typ = p_.Typ(element);
    auto sciany = [&](const TWartoscStep& lista) {
        for (const TWartoscStep& s : lista.Elementy()) {
            const auto sciana = s.Odwolanie();
            if (!sciana)
                continue;
            // The outer bound, else the first.
            const QVector<TWartoscStep> granice = p_.Atrybut(*sciana, 0).Elementy();
            std::optional<int64_t> granica;
            for (const TWartoscStep& g : granice)
                if (const auto n = g.Odwolanie(); n && p_.JestTypu(*n, "IFCFACEOUTERBOUND"))
                    granica = n;
            if (!granica && !granice.isEmpty())
                granica = granice.front().Odwolanie();
            if (const auto petla = granica ? p_.Atrybut(*granica, 0).Odwolanie() : std::nullopt)
                if (!z.Dodaj(PetlaSciany(*petla, u)))
                    return;
        }
    };
    if (typ == "IFCMAPPEDITEM") {
        const auto zrodlo = p_.Atrybut(element, 0).Odwolanie();
        const auto cel = p_.Atrybut(element, 1).Odwolanie();
        if (!zrodlo)
            return;
        const auto poczatek = p_.Atrybut(*zrodlo, 0).Odwolanie();
        const TUklad m = u.Zlozony(cel ? Przeksztalcenie(*cel) : TUklad())
                             .Zlozony(poczatek ? Osie(*poczatek) : TUklad());
        if (const auto r = p_.Atrybut(*zrodlo, 1).Odwolanie())
            for (const TWartoscStep& e : p_.Atrybut(*r, 3).Elementy())
                if (const auto n = e.Odwolanie())
                    ScianyElementu(*n, m, z, glebokosc + 1);
    } else if (typ == "IFCEXTRUDEDAREASOLID") {
        const auto profil = p_.Atrybut(element, 0).Odwolanie();
        const auto g = p_.Atrybut(element, 3).Liczba();
        if (!profil || !g || !std::isfinite(*g))
            return;
        const auto polozenie = p_.Atrybut(element, 1).Odwolanie();
        const TUklad b = u.Zlozony(polozenie ? Osie(*polozenie) : TUklad());
        std::vector<W3> dol;
        const QByteArray t = p_.Typ(*profil);
        if (t == "IFCRECTANGLEPROFILEDEF") {
            const auto x = p_.Atrybut(*profil, 3).Liczba();
            const auto y = p_.Atrybut(*profil, 4).Liczba();
            if (!x || !y)
                return;
            const auto pp = p_.Atrybut(*profil, 2).Odwolanie();
            const TUklad pr = b.Zlozony(pp ? Osie(*pp) : TUklad());
            for (const auto& [sx, sy] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}})
                dol.push_back(pr.Punkt({sx * *x * mm_ / 2, sy * *y * mm_ / 2, 0}));
        } else if (t == "IFCARBITRARYCLOSEDPROFILEDEF") {
            const auto krzywa = p_.Atrybut(*profil, 2).Odwolanie();
            if (krzywa && p_.JestTypu(*krzywa, "IFCPOLYLINE"))
                for (const TWartoscStep& e : p_.Atrybut(*krzywa, 0).Elementy())
                    if (const auto p = Wspolrzedne(e))
                        dol.push_back(b.Punkt(Razy(*p, mm_)));
        }
        if (dol.size() < 3)
            return;
        const W3 k = Jednostkowy(Wspolrzedne(p_.Atrybut(element, 2)).value_or(W3{0, 0, 1}))
                         .value_or(W3{0, 0, 1});
        const W3 przesuniecie = b.Kierunek(Razy(k, *g * mm_));
        std::vector<W3> gora;
        for (const W3& p : dol)
            gora.push_back(Plus(p, przesuniecie));
        for (std::size_t i = 0; i < dol.size(); ++i) {
            const std::size_t j = (i + 1) % dol.size();
            if (!z.Dodaj({dol[i], dol[j], gora[j], gora[i]}))
                return;
        }
        if (z.Dodaj(std::move(dol)))
            z.Dodaj(std::move(gora));
    } else if (typ == "IFCFACETEDBREP") {
        if (const auto skorupa = p_.Atrybut(element, 0).Odwolanie())
            sciany(p_.Atrybut(*skorupa, 0));
    } else if (typ == "IFCFACEBASEDSURFACEMODEL" || typ == "IFCSHELLBASEDSURFACEMODEL") {
        for (const TWartoscStep& e : p_.Atrybut(element, 0).Elementy())
            if (const auto n = e.Odwolanie())
                sciany(p_.Atrybut(*n, 0));
    } else if (typ == "IFCPOLYGONALFACESET" || typ == "IFCTRIANGULATEDFACESET") {
        const auto wsp = p_.Atrybut(element, 0).Odwolanie();
        if (!wsp)
            return;
        std::vector<W3> punkty;
        for (const TWartoscStep& e : p_.Atrybut(*wsp, 0).Elementy()) {
            const QVector<TWartoscStep> l = e.Elementy();
            if (l.size() != 3 || !l[0].Liczba() || !l[1].Liczba() || !l[2].Liczba())
                return;
            punkty.push_back(
                u.Punkt({*l[0].Liczba() * mm_, *l[1].Liczba() * mm_, *l[2].Liczba() * mm_}));
            if (punkty.size() > MAKS_PUNKTOW) {
                z.zaDuzo = true;
                return;
            }
        }
        auto sciana = [&](const TWartoscStep& indeksy) {
            std::vector<W3> w;
            for (const TWartoscStep& i : indeksy.Elementy()) {
                const auto k = i.Liczba();
                if (!k || *k < 1 || *k > static_cast<double>(punkty.size()))
                    return true; // a face of no points of the set: left out
                w.push_back(punkty[static_cast<std::size_t>(*k) - 1]);
            }
            return z.Dodaj(std::move(w));
        };
        if (typ == "IFCTRIANGULATEDFACESET") {
            for (const TWartoscStep& t : p_.Atrybut(element, 3).Elementy())
                if (!sciana(t))
                    return;
        } else {
            for (const TWartoscStep& e : p_.Atrybut(element, 2).Elementy())
                if (const auto n = e.Odwolanie())
                    if (!sciana(p_.Atrybut(*n, 0)))
                        return;
        }
    } else if (typ == "IFCBOOLEANRESULT" || typ == "IFCBOOLEANCLIPPINGRESULT") {
        // What is cut away leaves the first operand's extent as it is.
        if (const auto n = p_.Atrybut(element, 1).Odwolanie())
            ScianyElementu(*n, u, z, glebokosc + 1);
    }
}

// The faces of a product's body (its 'Body' representations, or any
// representation where it names none) in the model's axes, mm; nothing
// for a body too large to be a window's.
std::vector<std::vector<W3>> TCzytnikIfc::ScianyBryly(int64_t produkt, const TUklad& u) const {
    TZbieraczScian z;
    const auto ksztalt = p_.Atrybut(produkt, 6).Odwolanie();
    if (!ksztalt)
        return {};
    const QVector<TWartoscStep> reprezentacje = p_.Atrybut(*ksztalt, 2).Elementy();
    bool saBryly = false;
    for (const TWartoscStep& r : reprezentacje)
        if (const auto n = r.Odwolanie())
            saBryly = saBryly || RowneStep(p_.Atrybut(*n, 1).Tekst(), "Body");
    for (const TWartoscStep& r : reprezentacje) {
        const auto n = r.Odwolanie();
        if (!n || (saBryly && !RowneStep(p_.Atrybut(*n, 1).Tekst(), "Body")))
            continue;
        for (const TWartoscStep& e : p_.Atrybut(*n, 3).Elementy())
            if (const auto i = e.Odwolanie())
                ScianyElementu(*i, u, z, 0);
    }
    if (z.zaDuzo)
        return {};
    return std::move(z.sciany);
}

// A window's width and height (mm) in its own plane, from its body: the
// plane the most of its faces' area lies in; the width along the plane's
// horizontal line (the window's own X where the plane is level), the
// height across it, up the slope.
std::optional<std::pair<double, double>> TCzytnikIfc::WymiaryWPlaszczyznie(int64_t produkt,
                                                                           const TUklad& u) const {
    const std::vector<std::vector<W3>> sciany = ScianyBryly(produkt, u);
    // Area by direction (n and −n alike), in steps of about 3°.
    std::map<std::array<int, 3>, std::pair<double, W3>> kierunki;
    for (const auto& s : sciany) {
        W3 n = Newell(s);
        const double pole = std::sqrt(Iloczyn(n, n));
        if (!(pole > 1e-9) || !std::isfinite(pole))
            continue;
        n = Razy(n, 1 / pole);
        const bool odwroc = n[2] < -1e-6 || (std::abs(n[2]) <= 1e-6 && n[1] < -1e-6) ||
                            (std::abs(n[2]) <= 1e-6 && std::abs(n[1]) <= 1e-6 && n[0] < 0);
        if (odwroc)
            n = Razy(n, -1);
        const std::array<int, 3> klucz{static_cast<int>(std::lround(n[0] * 20)),
                                       static_cast<int>(std::lround(n[1] * 20)),
                                       static_cast<int>(std::lround(n[2] * 20))};
        auto& [suma, kierunek] = kierunki[klucz];
        suma += pole;
        kierunek = Plus(kierunek, Razy(n, pole));
    }
    if (kierunki.empty())
        return std::nullopt;
    const auto najwiekszy =
        std::max_element(kierunki.begin(), kierunki.end(), [](const auto& a, const auto& b) {
            return a.second.first < b.second.first;
        });
    const auto n = Jednostkowy(najwiekszy->second.second);
    if (!n)
        return std::nullopt;
    std::optional<W3> poziom = Jednostkowy(Wektorowy(W3{0, 0, 1}, *n));
    if (!poziom || std::abs((*n)[2]) > 0.999)
        poziom = Jednostkowy(Plus(u.x, Razy(*n, -Iloczyn(u.x, *n))));
    if (!poziom)
        return std::nullopt;
    const W3 wzdluz = Wektorowy(*n, *poziom);
    double a0 = INFINITY, a1 = -INFINITY, b0 = INFINITY, b1 = -INFINITY;
    for (const auto& s : sciany)
        for (const W3& p : s) {
            const double a = Iloczyn(p, *poziom), b = Iloczyn(p, wzdluz);
            a0 = std::min(a0, a);
            a1 = std::max(a1, a);
            b0 = std::min(b0, b);
            b1 = std::max(b1, b);
        }
    const double szer = a1 - a0, wys = b1 - b0;
    if (!(szer > 0) || !(wys > 0) || !std::isfinite(szer) || !std::isfinite(wys))
        return std::nullopt;
    return std::pair{szer, wys};
}
