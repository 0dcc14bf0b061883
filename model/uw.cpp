// Thermal transmittance by the simplified method of PN-EN ISO 10077-1.

#include "liczby.h"
#include "powiadomienia.h"
#include "uwgeometria.h"
#include "zestawienie.h"

#include <algorithm>
#include <cmath>

namespace {

void ZglosBrakAlgorytmu() {
    Powiadom({TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
              QStringLiteral("Błąd krytyczny! Brak zdefiniowanego algorytmu dla Uw!")});
}

} // namespace

double TOkno::Uw() const {
    const double pole = Wysokosc * Szerokosc; // mm²
    const double aw = pole / 1000000.0;       // m²
    double f = 0;
    double krawedz = 0;
    if (pole > 0) {
        TWspolczynnikiPrzeszklenia w{};
        if (WspolczynnikiPrzeszklenia(TypOkna, &w)) {
            // The glazed share of a window cannot exceed the whole window;
            // the power law alone would pass 1 on large windows.
            f = std::min(w.k * std::pow(aw, w.p), 1.0);
        } else {
            ZglosBrakAlgorytmu();
        }
        krawedz = (LgObliczeniowe() / 1000.0) * Psi_g / aw;
    }
    const double u0 = f * Ug + (1 - f) * Uf + krawedz;
    const double uw = u0 / (u0 * dR + 1);
    // Only negative inputs can make the quotient undefined; such a window
    // has no meaningful Uw and is reported as 0 rather than inf or NaN.
    return std::isfinite(uw) ? uw : 0.0;
}

bool TOkno::MaDaneCieplne() const {
    return Szerokosc > 0 && Wysokosc > 0 && Ug > 0 && Uf > 0;
}

std::optional<double> TOkno::UwGeometryczny() const {
    const TGeometriaOkna geo = GeometriaOkna(TypOkna, Szerokosc, Wysokosc, dRamy);
    // A sash the profiles leave no glass in has no Uw to give.
    if (!geo.znana || !geo.szyby || !(geo.aw > 0))
        return std::nullopt;
    const double u0 = (geo.ag * Ug + geo.af * Uf + LgObliczeniowe() / 1000.0 * Psi_g) / geo.aw;
    const double uw = u0 / (u0 * dR + 1);
    return std::isfinite(uw) ? std::optional<double>(uw) : std::nullopt;
}

std::optional<double> TOkno::UwZDanymi() const {
    return UwZDanymi(TMetodaUw::Szacunkowa);
}

std::optional<double> TOkno::UwZDanymi(TMetodaUw metoda) const {
    if (!MaDaneCieplne())
        return std::nullopt;
    const double uw = metoda == TMetodaUw::Geometryczna ? UwGeometryczny().value_or(0) : Uw();
    // Only inputs no window has (a negative dR, say) give such a value.
    if (!std::isfinite(uw) || uw <= 0)
        return std::nullopt;
    return uw;
}

TZestawienieStolarki::TUsrednie TZestawienieStolarki::USrednieOkien() const {
    TUsrednie s;
    double licznik = 0;
    double mianownik = 0;
    for (const auto& o : Okna_) {
        const std::optional<double> u = UwOkna(*o);
        if (!u) {
            ++s.bezDanych;
            continue;
        }
        ++s.okien;
        const double a = o->Szerokosc * o->Wysokosc / 1000000.0;
        const double n = o->SumaOkien();
        licznik += n * a * *u;
        mianownik += n * a;
    }
    if (mianownik != 0 && std::isfinite(licznik / mianownik))
        s.u = licznik / mianownik;
    return s;
}

double TZestawienieStolarki::USrednie() const {
    return USrednieOkien().u.value_or(0);
}

double TZestawienieStolarki::PowierzchniaOkien() const {
    double suma = 0;
    for (const auto& o : Okna_)
        suma += o->SumaOkien() * o->Szerokosc * o->Wysokosc / 1000000.0;
    return ZaokraglijDoSetnych(suma);
}

QString TZestawienieStolarki::TekstZakresuUsr(const TUsrednie& u) {
    const int wszystkich = u.okien + u.bezDanych;
    if (wszystkich == 0)
        return QStringLiteral("(brak okien)");
    QString t = QStringLiteral("(%1 z %2 %3")
                    .arg(u.okien)
                    .arg(wszystkich)
                    .arg(wszystkich == 1 ? QStringLiteral("okna") : QStringLiteral("okien"));
    if (u.bezDanych > 0)
        t += QStringLiteral("; %1 bez danych").arg(u.bezDanych);
    return t + QLatin1Char(')');
}

QString TZestawienieStolarki::NazwaMetodyUw(TMetodaUw metoda) {
    return metoda == TMetodaUw::Geometryczna
               ? QStringLiteral("z geometrii okna (PN-EN ISO 10077-1)")
               : QStringLiteral("szacunkowa (z pola okna)");
}
