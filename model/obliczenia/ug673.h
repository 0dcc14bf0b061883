#pragma once

#include <QString>

#include <map>
#include <optional>
#include <vector>

// Ug of a glazing from its build-up, by PN-EN 673: the panes and gaps from
// outside, their gases, the low-emissivity coatings and the gas fill.

enum class TGazSzyby { Powietrze, Argon, Krypton };

struct TSzczelinaSzyby {
    double mm = 0;
    TGazSzyby gaz = TGazSzyby::Powietrze;
};

struct TBudowaSzyby {
    std::vector<double> szyby;              // pane thicknesses, mm, from outside
    std::vector<TSzczelinaSzyby> szczeliny; // the gaps between them
    std::map<int, double> powloki;          // surface (1… from outside) → emissivity
    double wypelnienie = 90;                // % of a gap filled with its gas (air the rest)
};

// The most panes a build-up may have.
constexpr int MAX_SZYB_673 = 10;
// The emissivity of uncoated glass.
constexpr double EMISYJNOSC_SZKLA = 0.837;

// Reads a build-up as Polish offices write it: panes and gaps in
// millimetres from outside, a gap's gas after its width ("4/16Ar/4",
// "4/12Kr/4/12Kr/4", "6/16/4": no letters, air); a decimal comma or point.
// Nothing, with the reason in Polish, for what it cannot read.
std::optional<TBudowaSzyby> CzytajBudoweSzyby(const QString& tekst, QString* blad = nullptr);
// A coating "3:0,03" (surface:emissivity) into the build-up; false with the
// reason for one it cannot take (no such surface, an emissivity not in
// (0, 1]).
bool DodajPowloke(TBudowaSzyby& budowa, const QString& tekst, QString* blad = nullptr);
// The build-up written back in the same notation ("4/16Ar/4"), and its
// coatings ("3:0,03;5:0,05").
QString TekstBudowySzyby(const TBudowaSzyby& budowa);
QString TekstPowlok(const TBudowaSzyby& budowa);

struct TUg673 {
    double ug = 0;          // W/m²K, as computed
    double deklarowane = 0; // rounded to 0,1 W/m²K, as declared
    // Per gap: the temperature difference across it (K), its radiation and
    // gas conductances and their sum (W/m²K).
    std::vector<double> dT, hr, hg, hs;
};

// Ug of a build-up that reads (one pane is single glazing). Nothing, with
// the reason, for a fill outside 0–100 %.
std::optional<TUg673> ObliczUg673(const TBudowaSzyby& budowa, QString* blad = nullptr);
