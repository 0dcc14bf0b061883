#pragma once

// The constants of PN-EN 673 for glazing in buildings: the surface
// conductances, the glass, and the gases' properties at 10 °C.

struct TWlasciwosciGazu {
    const char* symbol; // as the build-up writes it after a gap ("Ar"), "" for air
    double gestosc;     // ρ, kg/m³
    double lepkosc;     // μ, kg/(m·s)
    double przewodnosc; // λ, W/(m·K)
    double cieplo;      // c, J/(kg·K)
};

// Air, argon, krypton, in the order of TGazSzyby.
extern const TWlasciwosciGazu GAZY_673[3];

extern const double HE_673;             // external surface, W/m²K
extern const double HI_673;             // internal surface, W/m²K
extern const double LAMBDA_SZKLA_673;   // glass, W/(m·K)
extern const double TM_673;             // mean temperature, K
extern const double DT_673;             // temperature difference across the glazing, K
extern const double SIGMA_673;          // Stefan–Boltzmann, W/(m²·K⁴)
extern const double NU_A_673, NU_N_673; // Nu = A (Gr·Pr)^n, vertical glazing
extern const double G_673;              // m/s²
