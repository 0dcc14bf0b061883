#pragma once

#include <array>
#include <cmath>
#include <optional>

// Vectors of the building model's space, and placements (an origin and
// three axes) composed along an IFC placement chain.

using W3 = std::array<double, 3>;

inline W3 Plus(const W3& a, const W3& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
inline W3 Razy(const W3& a, double k) {
    return {a[0] * k, a[1] * k, a[2] * k};
}
inline double Iloczyn(const W3& a, const W3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
inline W3 Wektorowy(const W3& a, const W3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
// The vector of length 1 along `a`; nothing for a zero or non-finite one.
inline std::optional<W3> Jednostkowy(const W3& a) {
    const double d = std::sqrt(Iloczyn(a, a));
    if (!(d > 1e-12) || !std::isfinite(d))
        return std::nullopt;
    return Razy(a, 1 / d);
}

// A placement: its origin and axes in the model's coordinates.
struct TUklad {
    W3 o{0, 0, 0};
    W3 x{1, 0, 0};
    W3 y{0, 1, 0};
    W3 z{0, 0, 1};

    W3 Punkt(const W3& p) const {
        return Plus(o, Plus(Razy(x, p[0]), Plus(Razy(y, p[1]), Razy(z, p[2]))));
    }
    W3 Kierunek(const W3& k) const {
        return Plus(Razy(x, k[0]), Plus(Razy(y, k[1]), Razy(z, k[2])));
    }
    TUklad Zlozony(const TUklad& lokalny) const {
        return {Punkt(lokalny.o), Kierunek(lokalny.x), Kierunek(lokalny.y), Kierunek(lokalny.z)};
    }
};
