#include "model/obliczenia/zaokraglenia.h"

#include "model/obliczenia/dziesietne.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<TDziesietna> Zaokraglona(double x, int miejsc, TDziesietna::TTryb tryb) {
    const std::optional<TDziesietna> d = TDziesietna::Z(x);
    if (!d)
        return std::nullopt;
    return d->Zaokraglona(std::clamp(miejsc, 0, 18), tryb);
}

// The digits with exactly `miejsc` decimals.
std::string ZMiejscami(const TDziesietna& d, int miejsc) {
    std::string t = d.Tekst();
    const std::size_t kropka = t.find('.');
    const int jest = kropka == std::string::npos ? 0 : static_cast<int>(t.size() - kropka - 1);
    if (miejsc > 0 && kropka == std::string::npos)
        t += '.';
    t.append(static_cast<std::size_t>(std::max(miejsc - jest, 0)), '0');
    // No "-0.00": a value that rounds to zero has no sign.
    if (t[0] == '-' && t.find_first_of("123456789") == std::string::npos)
        t.erase(0, 1);
    return t;
}

} // namespace

double Zaokraglij(double x, int miejsc) {
    // Away from a half, the decimal of 15 digits and the double round alike:
    // the double's own hundredths, found at once.
    if (miejsc == 2 && std::fabs(x) < 1e6) {
        const double y = std::fabs(x) * 100;
        const double calosc = std::floor(y);
        if (std::fabs(y - calosc - 0.5) > 1e-6) {
            const double setne = y - calosc > 0.5 ? calosc + 1 : calosc;
            return std::copysign(setne / 100, x) + 0.0; // no -0
        }
    }
    const auto d = Zaokraglona(x, miejsc, TDziesietna::TTryb::PolowaWGore);
    return d ? d->Double() : x;
}

double ZaokraglijDoSetnych(double x) {
    const auto d = Zaokraglona(x, 2, TDziesietna::TTryb::PolowaDoParzystej);
    return d ? d->Double() : x;
}

std::optional<std::string> CyfryZaokraglone(double x, int miejsc) {
    const auto d = Zaokraglona(x, miejsc, TDziesietna::TTryb::PolowaWGore);
    if (!d)
        return std::nullopt;
    return ZMiejscami(*d, std::clamp(miejsc, 0, 18));
}

std::optional<std::string> CyfrySetnych(double x) {
    const auto d = Zaokraglona(x, 2, TDziesietna::TTryb::PolowaDoParzystej);
    if (!d)
        return std::nullopt;
    return ZMiejscami(*d, 2);
}
