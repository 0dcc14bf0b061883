#include "model/obliczenia/pieniadze.h"

#include "model/obliczenia/dziesietne.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/zaokraglenia.h"
#include "model/okno.h"
#include "model/zestawienie.h"

#include <cmath>

namespace {

using T = TDziesietna::TTryb;

std::optional<TDziesietna> Grosze(double x) {
    const std::optional<TDziesietna> d = TDziesietna::Z(x);
    return d ? std::optional<TDziesietna>(d->Zaokraglona(2)) : std::nullopt;
}

std::optional<TDziesietna> BruttoDz(const TDziesietna& netto, double stawkaVat) {
    const std::optional<TDziesietna> vat = TDziesietna::Z(stawkaVat);
    if (!vat)
        return std::nullopt;
    const auto mnoznik = TDziesietna::Calkowita(100).Plus(*vat);
    const auto brutto = mnoznik ? netto.Razy(*mnoznik) : std::nullopt;
    const auto wynik = brutto ? brutto->Razy(TDziesietna::Ulamek(1, 2)) : std::nullopt;
    return wynik ? std::optional<TDziesietna>(wynik->Zaokraglona(2, T::PolowaWGore)) : std::nullopt;
}

std::optional<TDziesietna> WartoscNettoDz(double cena, long long sztuk) {
    const std::optional<TDziesietna> c = TDziesietna::Z(cena);
    const auto w = c ? c->Razy(TDziesietna::Calkowita(sztuk)) : std::nullopt;
    return w ? std::optional<TDziesietna>(w->Zaokraglona(2)) : std::nullopt;
}

std::optional<double> NaDouble(const std::optional<TDziesietna>& d) {
    return d ? std::optional<double>(d->Double()) : std::nullopt;
}

} // namespace

std::optional<double> Brutto(double netto, double stawkaVat) {
    const std::optional<TDziesietna> n = Grosze(netto);
    return n ? NaDouble(BruttoDz(*n, stawkaVat)) : std::nullopt;
}

std::optional<double> WartoscNetto(double cena, long long sztuk) {
    return NaDouble(WartoscNettoDz(cena, sztuk));
}

TCenaOkna CenaOkna(const TZestawienieStolarki& p, const TOkno& o) {
    TCenaOkna c;
    c.netto = CenaNetto(p, o);
    if (!c.Jest())
        return c;
    c.brutto = Brutto(c.netto.Cena, p.StawkaVat);
    c.wartoscNetto = WartoscNetto(c.netto.Cena, o.SumaOkien());
    if (c.wartoscNetto)
        c.wartoscBrutto = Brutto(*c.wartoscNetto, p.StawkaVat);
    return c;
}

namespace {

// A sum of exact decimals, with the sum of doubles standing in once a term
// has no decimal (values far outside every range, named when read).
class TSumaKwot {
public:
    void Dodaj(const std::optional<TDziesietna>& x, double przyblizona) {
        przyblizona_ += przyblizona;
        dokladna_ = dokladna_ && x ? dokladna_->Plus(*x) : std::nullopt;
    }
    // In units of 10^−skala złoty, to the grosz.
    double Zlotych(int skala) const {
        const auto x = dokladna_ ? dokladna_->Razy(TDziesietna::Ulamek(1, skala)) : std::nullopt;
        return x ? x->Zaokraglona(2).Double()
                 : ZaokraglijDoSetnych(przyblizona_ / std::pow(10.0, skala));
    }

private:
    std::optional<TDziesietna> dokladna_ = TDziesietna();
    double przyblizona_ = 0;
};

std::optional<TDziesietna> Iloczyn(std::initializer_list<std::optional<TDziesietna>> czynniki) {
    std::optional<TDziesietna> wynik = TDziesietna::Calkowita(1);
    for (const auto& c : czynniki)
        wynik = wynik && c ? wynik->Razy(*c) : std::nullopt;
    return wynik;
}

} // namespace

TSumyCen SumyCen(const TZestawienieStolarki& p) {
    TSumaKwot okna, montaz;
    const std::optional<TDziesietna> cenaMetra = TDziesietna::Z(p.CenaMontazuOkna);
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
        const TOkno& o = *p.Okno(i);
        const long long n = o.SumaOkien();
        const TWycena cena = CenaNetto(p, o);
        if (cena.Cena != -1)
            okna.Dodaj(WartoscNettoDz(cena.Cena, n), cena.Cena * static_cast<double>(n));
        // Installation by the metre of every window's perimeter, priced or
        // not: n · 2 (W + H) mm · zł/m, in thousandths of a złoty.
        const auto w = TDziesietna::Z(o.Szerokosc);
        const auto h = TDziesietna::Z(o.Wysokosc);
        const auto obwod = w && h ? w->Plus(*h) : std::nullopt;
        montaz.Dodaj(Iloczyn({obwod, TDziesietna::Calkowita(2 * n), cenaMetra}),
                     2.0 * static_cast<double>(n) * (o.Szerokosc + o.Wysokosc) * p.CenaMontazuOkna);
    }
    TSumyCen s;
    s.SumaCenOkien = okna.Zlotych(0);
    s.SumaCenMontazu = montaz.Zlotych(3);
    s.SumaCenOkienBrutto = Brutto(s.SumaCenOkien, p.StawkaVat).value_or(s.SumaCenOkien);
    s.SumaCenMontazuBrutto = Brutto(s.SumaCenMontazu, p.StawkaVat).value_or(s.SumaCenMontazu);
    // The price per square metre counts the area of unpriced windows too.
    const double pole = PowierzchniaOkien(p);
    if (pole != 0) {
        s.CenaZaM2Netto = ZaokraglijDoSetnych((s.SumaCenMontazu + s.SumaCenOkien) / pole);
        s.CenaZaM2Brutto =
            ZaokraglijDoSetnych((s.SumaCenMontazuBrutto + s.SumaCenOkienBrutto) / pole);
    }
    return s;
}
