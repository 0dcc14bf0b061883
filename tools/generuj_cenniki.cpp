// Builds the D&V price tables (resources/cenniki_dv.bin):
//   termivo-generuj-cenniki OUT.bin
//
// The manufacturer's list gives, per table and sash kind, the classes that
// are offered and the lowest and highest price, and a few whole rows. The
// remaining prices are filled in the way the list grows: rows between two
// known rows are interpolated, so prices rise with width and with height.
// Opening sashes ("within" regions) are not made tall and narrow: a cell
// whose relative height exceeds its relative width by more than 0.75 is not
// offered.

#include "model/dane/cennikidv.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace {

using Wiersz = std::vector<int>; // prices for width classes w0..w1

struct Obszar {
    int tabela;
    std::vector<int> rodzaje;
    int h0, h1, w0, w1;
    int pmin, pmax;
    bool wewnatrz;                 // priced cells do not fill the range
    std::map<int, Wiersz> wiersze; // known rows by height class
};

int Zaokraglij(double x) {
    return static_cast<int>(std::lround(x));
}

Wiersz Liniowo(int w0, int w1, double od, double do_) {
    Wiersz r;
    for (int w = w0; w <= w1; ++w)
        r.push_back(Zaokraglij(od + (do_ - od) * (w - w0) / (w1 - w0)));
    return r;
}

// Rows at h0 and h1 from the lowest to the highest price when none is known.
void UzupelnijSkrajne(Obszar& o) {
    const double srodek = o.pmin + (o.pmax - o.pmin) / 2.0;
    if (!o.wiersze.count(o.h0))
        o.wiersze[o.h0] = Liniowo(o.w0, o.w1, o.pmin, srodek);
    if (!o.wiersze.count(o.h1)) {
        const Wiersz& dol = o.wiersze[o.h0];
        const double doKonca = o.pmax - dol.back();
        Wiersz r;
        for (std::size_t i = 0; i < dol.size(); ++i)
            r.push_back(Zaokraglij(dol[i] + doKonca * (0.5 + 0.5 * i / (dol.size() - 1.0))));
        o.wiersze[o.h1] = r;
    }
}

void Wypelnij(std::vector<int32_t>& tabele, Obszar o) {
    UzupelnijSkrajne(o);
    for (int h = o.h0; h <= o.h1; ++h) {
        auto gora = o.wiersze.lower_bound(h);
        Wiersz r;
        if (gora->first == h) {
            r = gora->second;
        } else {
            auto dol = std::prev(gora);
            const double t = double(h - dol->first) / (gora->first - dol->first);
            for (std::size_t i = 0; i < dol->second.size(); ++i)
                r.push_back(Zaokraglij(dol->second[i] + t * (gora->second[i] - dol->second[i])));
        }
        for (int w = o.w0; w <= o.w1; ++w) {
            const double v = double(h - o.h0) / (o.h1 - o.h0);
            const double u = double(w - o.w0) / (o.w1 - o.w0);
            if (o.wewnatrz && v - u > 0.75)
                continue;
            for (int k : o.rodzaje)
                tabele[std::size_t(o.tabela * TCennikiDV::NA_TABELE +
                                   TCennikiDV::Pozycja(k, h, w))] = r[std::size_t(w - o.w0)];
        }
    }
}

std::vector<Obszar> Obszary() {
    using T = TCennikiDV;
    std::vector<Obszar> o;

    // PCV. Kind 0: the first row is the list's own; the row of height class
    // 23 has the same shape from 96 to 274.
    const Wiersz pcv0h4 = {32, 35, 38, 42, 45, 48, 52,  55,  58,  62,  65,  68,  72, 75,
                           79, 82, 85, 89, 92, 96, 101, 106, 111, 116, 121, 126, 131};
    Wiersz pcv0h23;
    for (int p : pcv0h4)
        pcv0h23.push_back(Zaokraglij(96 + (p - 32) * 178.0 / 99.0));
    o.push_back({T::PCV, {0}, 4, 23, 4, 30, 32, 274, false, {{4, pcv0h4}, {23, pcv0h23}}});
    o.push_back({T::PCV, {1}, 4, 23, 4, 30, 43, 364, false, {}});
    o.push_back({T::PCV, {2, 3}, 5, 25, 4, 16, 64, 249, true, {}});
    o.push_back({T::PCV, {4}, 4, 12, 5, 20, 65, 247, true, {}});
    // Kind 5 and 6: the list's row at height class 12, and the row of class
    // 14 that the list prices 128 at width class 5 and 168 at class 10.
    const Wiersz pcv5h12 = {116, 126, 132, 140, 147, 155, 162, 169, 176, 185, 192, 200};
    Wiersz pcv5h5, pcv5h14, pcv5h25;
    for (int i = 0; i < 12; ++i) {
        pcv5h5.push_back(pcv5h12[std::size_t(i)] - 41);
        pcv5h14.push_back(pcv5h12[std::size_t(i)] + 12 + Zaokraglij(i / 5.0));
    }
    for (int i = 0; i < 12; ++i)
        pcv5h25.push_back(pcv5h14[std::size_t(i)] + Zaokraglij(42.0 * (i + 11) / 22.0));
    o.push_back({T::PCV,
                 {5, 6},
                 5,
                 25,
                 5,
                 16,
                 75,
                 256,
                 true,
                 {{5, pcv5h5}, {12, pcv5h12}, {14, pcv5h14}, {25, pcv5h25}}});

    // Wood. Kind 0: the first row runs from 54 to 111.
    o.push_back({T::Drewno,
                 {0},
                 4,
                 23,
                 4,
                 23,
                 54,
                 283,
                 false,
                 {{4, Liniowo(4, 23, 54, 111)}, {23, Liniowo(4, 23, 140, 283)}}});
    o.push_back({T::Drewno, {1}, 4, 23, 4, 23, 98, 407, false, {}});
    o.push_back({T::Drewno, {2, 3}, 5, 23, 4, 13, 119, 298, true, {}});
    o.push_back({T::Drewno, {4}, 4, 9, 4, 23, 109, 279, true, {}});
    o.push_back({T::Drewno, {5, 6}, 5, 22, 5, 13, 128, 296, true, {}});

    // Aluminium.
    o.push_back({T::Aluminium28, {0}, 5, 25, 5, 25, 43, 295, false, {}});
    o.push_back({T::Aluminium28, {5, 6}, 6, 22, 5, 12, 81, 268, true, {}});
    o.push_back({T::Aluminium27, {0}, 5, 25, 5, 25, 59, 380, false, {}});
    const Wiersz alu27h6 = {114, 123, 128, 137, 145, 154, 162, 170, 179, 214};
    Wiersz alu27h22;
    for (int p : alu27h6)
        alu27h22.push_back(p + 214);
    o.push_back(
        {T::Aluminium27, {5, 6}, 6, 22, 5, 14, 114, 428, true, {{6, alu27h6}, {22, alu27h22}}});
    o.push_back({T::Aluminium26, {0}, 5, 25, 5, 25, 68, 409, false, {}});
    o.push_back({T::Aluminium26, {5, 6}, 6, 22, 5, 14, 170, 456, true, {}});
    // Aluminium 25 offers nothing.
    return o;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("Usage: termivo-generuj-cenniki OUT.bin\n", stderr);
        return 2;
    }
    std::vector<int32_t> tabele(std::size_t(TCennikiDV::LICZBA_TABEL * TCennikiDV::NA_TABELE), -1);
    for (const Obszar& o : Obszary())
        Wypelnij(tabele, o);

    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f)
        return 1;
    for (int32_t c : tabele) {
        const auto u = static_cast<uint32_t>(c);
        const unsigned char b[4] = {
            static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
            static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
        if (std::fwrite(b, 1, 4, f) != 4) {
            std::fclose(f);
            return 1;
        }
    }
    return std::fclose(f) == 0 ? 0 : 1;
}
