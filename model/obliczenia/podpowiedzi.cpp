#include "model/obliczenia/podpowiedzi.h"

#include "model/obliczenia/geometria.h"

#include <algorithm>
#include <cmath>

namespace {

bool WCalychMilimetrach(std::optional<double> x, int64_t* lg) {
    if (!x)
        return false;
    // No window is a million kilometres round: bounded, it fits.
    *lg = static_cast<int64_t>(std::nearbyint(std::clamp(*x, -1e15, 1e15)));
    return true;
}

} // namespace

bool PodpowiedzLg(int32_t typ, double w, double h, double d, int64_t* lg) {
    return WCalychMilimetrach(DlugoscKrawedziSzyb(typ, w, h, d), lg);
}

bool PodpowiedzLg(const TOkno& okno, int64_t* lg) {
    return WCalychMilimetrach(KrawedzSzybOkna(okno), lg);
}

int64_t MaksSzerokoscNawiewnika(double w, double d, int n) {
    if (n < 1)
        return 0;
    const double miejsce = std::trunc(w - 2 * d);
    if (!(miejsce > 0))
        return 0;
    if (miejsce >= 9.0e18)
        return static_cast<int64_t>(9.0e18) / n;
    return static_cast<int64_t>(miejsce) / n;
}

int64_t RegulaNawiewnika(double w, double d, int n, int64_t szerokosc) {
    if (n < 1)
        return 0;
    const int64_t maks = MaksSzerokoscNawiewnika(w, d, n);
    return maks < szerokosc || szerokosc <= 0 ? maks : szerokosc;
}
