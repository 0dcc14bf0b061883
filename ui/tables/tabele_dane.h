#pragma once

// Constant values of the reference dialogs (annexes C, D, E and G of
// PN-EN ISO 10077-1, and the manufacturer's range).

namespace tabele_dane {

// Ug in W/(m²·K) by [glazing type 0–1][glass row 0–4][dimension row 0–4][gas 0–3],
// flattened as type·100 + glass·20 + dimension·4 + gas.
extern const double TablicaUg[200];

// Uf charts: x in mm, Uf in W/(m²·K).
extern const double UfDrewnoX[15];
extern const double UfDrewnoTwarde[15];
extern const double UfDrewnoMiekkie[15];
extern const double UfMetalX[17];
extern const double UfMetalPrzekladka[17];

// Psi_g in W/(m·K) by [frame material 0–2][glazing 0–1].
extern const double TablicaPsi_g[6];
// The manufacturer's Psi_g by [frame row 0–1][spacer 0–2].
extern const double Psi_gDV[6];

// The shutter's own thermal resistance by shutter type, m²·K/W.
extern const double Rsh[4];

} // namespace tabele_dane
