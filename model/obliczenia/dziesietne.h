#pragma once

#include <optional>
#include <string>

// An exact decimal number, m · 10^−skala: what the user typed, as typed, and
// products and sums of such values without the binary noise of a double
// (3,50 × 1,23 is 4,305 exactly, which a double holds as 4,30499…). Money,
// areas and the values a verdict compares are worked out with it.
class TDziesietna {
public:
    enum class TTryb {
        PolowaDoParzystej, // the program's rounding to hundredths: 0,125 → 0,12
        PolowaWGore,       // the VAT act's: half a grosz and more up, 4,305 → 4,31
    };

    TDziesietna() = default;
    static TDziesietna Calkowita(long long n);
    // The decimal a double stands for: its shortest text of at most 15
    // significant digits, so 0.1 is 1/10 and 4.305 is 4305/1000. Nothing for
    // a value that is not finite or is beyond 10^30.
    static std::optional<TDziesietna> Z(double x);
    // m · 10^−skala for a scale of 0 to 18.
    static TDziesietna Ulamek(long long m, int skala);

    // Exact where the result has at most 36 digits; beyond that the factor
    // with more digits loses its last ones (far below anything shown).
    // Nothing when even that cannot hold the result.
    std::optional<TDziesietna> Razy(const TDziesietna& b) const;
    std::optional<TDziesietna> Plus(const TDziesietna& b) const;
    TDziesietna Minus() const;

    // To `miejsc` decimals (0…18).
    TDziesietna Zaokraglona(int miejsc, TTryb tryb = TTryb::PolowaDoParzystej) const;

    int Znak() const { return m_ > 0 ? 1 : m_ < 0 ? -1 : 0; }
    int Porownaj(const TDziesietna& b) const; // −1, 0, 1
    // The double nearest to it.
    double Double() const;
    // Its digits with a point, every digit it has ("-4.305", "12", "0.05").
    std::string Tekst() const;

private:
    __extension__ typedef __int128 Mantysa;
    TDziesietna(Mantysa m, int skala) : m_(m), skala_(skala) {}
    Mantysa m_ = 0;
    int skala_ = 0;
};
