#include "model/obliczenia/dziesietne.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

__extension__ typedef __int128 M;

// 10^n for n of 0 to 38.
M Potega(int n) {
    static const auto potegi = [] {
        std::array<M, 39> p{};
        p[0] = 1;
        for (std::size_t i = 1; i < p.size(); ++i)
            p[i] = p[i - 1] * 10;
        return p;
    }();
    return potegi[static_cast<std::size_t>(n)];
}

M Abs(M x) {
    return x < 0 ? -x : x;
}

// The digits of |x|.
int Cyfr(M x) {
    x = Abs(x);
    int n = 1;
    while (x >= 10) {
        x /= 10;
        ++n;
    }
    return n;
}

// The most digits a mantissa keeps: 36 of the 38 an __int128 holds, so a
// sum of two never overflows.
constexpr int MAX_CYFR = 36;

// x / 10^n rounded to the nearest integer.
M Podziel(M x, int n, TDziesietna::TTryb tryb) {
    if (n <= 0)
        return x;
    if (n > 38)
        return 0;
    const M p = Potega(n);
    M q = x / p;
    const M r = Abs(x % p);
    const M dwaR = 2 * r;
    const bool wGore =
        dwaR > p || (dwaR == p && (tryb == TDziesietna::TTryb::PolowaWGore || (q % 2 != 0)));
    if (wGore)
        q += x < 0 ? -1 : 1;
    return q;
}

} // namespace

TDziesietna TDziesietna::Calkowita(long long n) {
    return TDziesietna(n, 0);
}

TDziesietna TDziesietna::Ulamek(long long m, int skala) {
    return TDziesietna(m, std::clamp(skala, 0, 18));
}

std::optional<TDziesietna> TDziesietna::Z(double x) {
    if (!std::isfinite(x) || std::fabs(x) >= 1e30)
        return std::nullopt;
    if (x == 0)
        return TDziesietna();
    // Lengths, money and shares as typed have a few decimals: the decimal
    // they stand for is m / 10^k when that gives the double back (and m has
    // fewer than 16 digits, so it is the shortest text too).
    double potega = 1;
    for (int k = 0; k <= 6; ++k, potega *= 10) {
        const double y = x * potega;
        if (std::fabs(y) < 1e15 && y == std::trunc(y) && y / potega == x)
            return TDziesietna(static_cast<M>(static_cast<long long>(y)), k);
    }
    char bufor[64];
    const auto w =
        std::to_chars(bufor, bufor + sizeof bufor - 1, x, std::chars_format::scientific, 14);
    *w.ptr = 0;
    M m = 0;
    int cyfr = 0;
    const char* p = bufor;
    const bool ujemna = *p == '-';
    if (ujemna)
        ++p;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') {
            m = m * 10 + (*p - '0');
            ++cyfr;
        }
    const int wykladnik = *p == 'e' ? std::atoi(p + 1) : 0;
    // m has `cyfr` digits, the first of them at 10^wykladnik.
    int skala = cyfr - 1 - wykladnik;
    while (skala > 0 && m % 10 == 0) {
        m /= 10;
        --skala;
    }
    if (skala < 0) {
        m *= Potega(-skala);
        skala = 0;
    }
    return TDziesietna(ujemna ? -m : m, skala);
}

std::optional<TDziesietna> TDziesietna::Razy(const TDziesietna& b) const {
    // The usual case: two factors of at most 18 digits make at most 36.
    constexpr M GRANICA = static_cast<M>(1000000000000000000LL);
    if (Abs(m_) < GRANICA && Abs(b.m_) < GRANICA && skala_ + b.skala_ <= MAX_CYFR) {
        TDziesietna wynik(m_ * b.m_, skala_ + b.skala_);
        while (wynik.skala_ > 0 && wynik.m_ % 10 == 0) {
            wynik.m_ /= 10;
            --wynik.skala_;
        }
        return wynik;
    }
    TDziesietna x = *this;
    TDziesietna y = b;
    // Digits after the point are given up first, from the longer factor.
    while (Cyfr(x.m_) + Cyfr(y.m_) > MAX_CYFR) {
        TDziesietna& dluzszy = Cyfr(x.m_) >= Cyfr(y.m_) ? x : y;
        TDziesietna& inny = &dluzszy == &x ? y : x;
        TDziesietna& tnij = dluzszy.skala_ > 0 ? dluzszy : inny;
        if (tnij.skala_ == 0)
            return std::nullopt;
        tnij.m_ = Podziel(tnij.m_, 1, TTryb::PolowaDoParzystej);
        --tnij.skala_;
    }
    TDziesietna wynik(x.m_ * y.m_, x.skala_ + y.skala_);
    while (wynik.skala_ > MAX_CYFR) {
        wynik.m_ = Podziel(wynik.m_, 1, TTryb::PolowaDoParzystej);
        --wynik.skala_;
    }
    // Zeros after the last digit that counts are no digits to carry.
    while (wynik.skala_ > 0 && wynik.m_ % 10 == 0) {
        wynik.m_ /= 10;
        --wynik.skala_;
    }
    return wynik;
}

std::optional<TDziesietna> TDziesietna::Plus(const TDziesietna& b) const {
    TDziesietna x = *this;
    TDziesietna y = b;
    if (x.skala_ < y.skala_)
        std::swap(x, y);
    // The usual case: y brought to x's scale at once, both well within the
    // digits kept.
    const int roznica = x.skala_ - y.skala_;
    static const M GRANICA = Potega(MAX_CYFR - 1);
    if (roznica <= 18 && Abs(x.m_) < GRANICA && Abs(y.m_) < Potega(MAX_CYFR - 1 - roznica))
        return TDziesietna(x.m_ + y.m_ * Potega(roznica), x.skala_);
    // y to x's scale, or x down to y's where that would not fit.
    while (y.skala_ < x.skala_ && Cyfr(y.m_) < MAX_CYFR) {
        y.m_ *= 10;
        ++y.skala_;
    }
    while (x.skala_ > y.skala_) {
        x.m_ = Podziel(x.m_, 1, TTryb::PolowaDoParzystej);
        --x.skala_;
    }
    const TDziesietna wynik(x.m_ + y.m_, x.skala_);
    if (Cyfr(wynik.m_) > MAX_CYFR)
        return std::nullopt;
    return wynik;
}

TDziesietna TDziesietna::Minus() const {
    return TDziesietna(-m_, skala_);
}

TDziesietna TDziesietna::Zaokraglona(int miejsc, TTryb tryb) const {
    miejsc = std::clamp(miejsc, 0, 18);
    if (skala_ <= miejsc)
        return *this;
    return TDziesietna(Podziel(m_, skala_ - miejsc, tryb), miejsc);
}

int TDziesietna::Porownaj(const TDziesietna& b) const {
    const std::optional<TDziesietna> roznica = Plus(b.Minus());
    if (!roznica) // too far apart for a sum: the signs and sizes tell
        return std::fabs(Double()) > std::fabs(b.Double()) ? Znak() : -b.Znak();
    return roznica->Znak();
}

std::string TDziesietna::Tekst() const {
    // No zeros after the last digit that counts.
    M m = m_;
    int skala = skala_;
    while (skala > 0 && m % 10 == 0) {
        m /= 10;
        --skala;
    }
    std::string cyfry;
    M x = Abs(m);
    do {
        cyfry.insert(cyfry.begin(), static_cast<char>('0' + static_cast<int>(x % 10)));
        x /= 10;
    } while (x > 0);
    if (skala > 0) {
        if (static_cast<int>(cyfry.size()) <= skala)
            cyfry.insert(0, static_cast<std::size_t>(skala + 1) - cyfry.size(), '0');
        cyfry.insert(cyfry.size() - static_cast<std::size_t>(skala), 1, '.');
    }
    return m < 0 ? "-" + cyfry : cyfry;
}

double TDziesietna::Double() const {
    // Both exact in a double: one division, correctly rounded.
    static constexpr double POTEGI[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (Abs(m_) < (static_cast<M>(1) << 53) && skala_ <= 22)
        return static_cast<double>(static_cast<long long>(m_)) / POTEGI[skala_];
    const std::string t = Tekst();
    double x = 0;
    std::from_chars(t.data(), t.data() + t.size(), x);
    return x;
}
