#include "podpowiedzi.h"

#include "podpowiedzi_dane.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace pd = podpowiedzi_dane;

bool PodpowiedzLg(int32_t typ, int64_t w, int64_t h, int64_t d, int64_t* lg) {
    // No window is a million kilometres wide; bounded, the sums cannot overflow.
    constexpr int64_t granica = 1000000000000LL;
    w = std::clamp(w, -granica, granica);
    h = std::clamp(h, -granica, granica);
    d = std::clamp(d, -granica, granica);
    for (std::size_t i = 0; i < pd::liczbaRegulLg; ++i) {
        const pd::RegulaLg& r = pd::regulyLg[i];
        if (std::find(r.kody.begin(), r.kody.end(), typ) == r.kody.end())
            continue;
        if (r.dW == 1 && r.dH == 1 && r.dD == 1) {
            *lg = r.aW * w + r.aH * h - r.aD * d;
        } else {
            const long double suma = static_cast<long double>(r.aW * w) / r.dW +
                                     static_cast<long double>(r.aH * h) / r.dH -
                                     static_cast<long double>(r.aD * d) / r.dD;
            *lg = static_cast<int64_t>(std::nearbyintl(suma));
        }
        return true;
    }
    return false;
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
