// Thermal transmittance by the simplified method of PN-EN ISO 10077-1.

#include "model/obliczenia/uw.h"

#include "model/katalog.h"
#include "model/liczby.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/zakresy.h"
#include "model/okno.h"
#include "model/zestawienie.h"

#include <algorithm>
#include <cmath>

namespace {

// No window conducts 20 W/m²K: single glazing in a bare metal frame is
// below 7. Anything above is made of values no window has.
constexpr double MAX_UW = 20;

const QString BRAK_ALGORYTMU = QStringLiteral("Brak zdefiniowanego algorytmu dla Uw");

QString BezSzyby(double d) {
    return QStringLiteral("d = %1 mm nie zostawia szyby w skrzydle").arg(TekstOgolny(d));
}

// Why the window's own data give no Uw, whatever the method; empty when
// they do. A window of panels only needs no Ug, one with a panel needs Up.
QString BrakDanych(const TOkno& o) {
    const QStringList poza = CieplneSpozaZakresu(o);
    if (!poza.isEmpty())
        return poza.join(QStringLiteral("; "));
    const unsigned plyciny = PlycinyOkna(o);
    const bool tylkoPlyciny = TylkoPlyciny(o);
    QStringList brak;
    if (!(o.Szerokosc > 0) || !(o.Wysokosc > 0))
        brak << QStringLiteral("wymiarów");
    if (!tylkoPlyciny && !(o.Ug > 0))
        brak << QStringLiteral("Ug");
    if (plyciny && !(o.Up > 0))
        brak << QStringLiteral("Up płyciny");
    if (!(o.Uf > 0))
        brak << QStringLiteral("Uf");
    return brak.isEmpty() ? QString() : QStringLiteral("brak ") + brak.join(QStringLiteral(", "));
}

// The glass and frame by the estimate: f = k · Aw^p of the type family,
// never more than the whole window.
bool Szacunek(const TOkno& o, TSkladnikiUw& s) {
    TWspolczynnikiPrzeszklenia w{};
    if (!WspolczynnikiPrzeszklenia(o.TypOkna, &w))
        return false;
    const double f = std::min(w.k * std::pow(s.aw, w.p), 1.0);
    s.ag = f * s.aw;
    s.af = (1 - f) * s.aw;
    return true;
}

} // namespace

TUw ObliczUw(const TOkno& o, TMetodaUw metoda) {
    TUw wynik;
    wynik.zRoleta = o.dR > 0;
    wynik.brak = BrakDanych(o);
    if (!wynik.brak.isEmpty())
        return wynik;
    if (o.Okragle() && LiczbaSkrzydel(o.TypOkna) != 1) {
        wynik.brak = QStringLiteral("okno okrągłe: Uw tylko dla okna jednoskrzydłowego");
        return wynik;
    }
    TSkladnikiUw& s = wynik.skladniki;
    s.aw = PoleOkna(o);
    const std::optional<double> lg = LgOkna(o);
    if (!lg) {
        wynik.brak = BRAK_ALGORYTMU;
        return wynik;
    }
    s.lg = *lg / 1000;
    s.lgWpisane = o.Lg >= 0;
    if (metoda == TMetodaUw::Geometryczna) {
        // No frame is no data: the glass would be the whole window.
        if (!(o.dRamy > 0)) {
            wynik.brak = QStringLiteral("d = 0: brak ramy (metoda z geometrii okna)");
            return wynik;
        }
        const TGeometriaOkna g = GeometriaOkna(o);
        if (!g.znana) {
            wynik.brak = BRAK_ALGORYTMU;
            return wynik;
        }
        if (!g.szyby) {
            wynik.brak =
                o.dSlupka > 0
                    ? BezSzyby(o.dRamy) +
                          QStringLiteral(" przy słupkach %1 mm").arg(TekstOgolny(o.dSlupka))
                    : BezSzyby(o.dRamy);
            return wynik;
        }
        s.ag = g.ag;
        s.ap = g.ap;
        s.af = g.af;
        s.lp = g.obwodP / 1000;
        // A window of one sash has no mullion to name.
        s.slupek = g.komorek > 1 ? o.SzerokoscSlupka() : 0;
    } else if (PlycinyOkna(o)) {
        // The estimate knows a glazed share, not where the panels are.
        wynik.brak = QStringLiteral("płyciny: Uw tylko metodą z geometrii okna");
        return wynik;
    } else if (!Szacunek(o, s)) {
        wynik.brak = BRAK_ALGORYTMU;
        return wynik;
    }
    // A rule's edge below 0 is a window its profiles leave no glass in.
    if (s.lg < 0) {
        wynik.brak = BezSzyby(o.dRamy);
        return wynik;
    }
    // Panels add nothing to a window without them: the sum is as it was.
    const double u0 =
        (s.ag * o.Ug + s.ap * o.Up + s.af * o.Uf + s.lg * o.Psi_g + s.lp * o.Psi_p) / s.aw;
    const double uw = u0 / (u0 * o.dR + 1);
    auto fizyczna = [](double u) {
        return std::isfinite(u) && u > 0 && u <= MAX_UW;
    };
    if (!fizyczna(u0) || !fizyczna(uw)) {
        wynik.brak = QStringLiteral("Uw poza zakresem wartości fizycznych");
        return wynik;
    }
    wynik.uwOkna = u0;
    wynik.uw = uw;
    return wynik;
}

TUw ObliczUw(const TOkno& o, const TZestawienieStolarki& p) {
    return ObliczUw(o, p.Metoda());
}
