// The closed-form solutions and correlations the cases compare with, each
// written as its source gives it. Units: kW, m, s, kg.
#pragma once

namespace vorla::verification {

// Zukoski's plume in a closed room with a leak at floor level, the layer at
// ambient density (k = 0.076 / 1.2): the interface height after t s for a
// steady heat release q (kW) feeding the plume, floor area A, interface z0 at
// t = 0 (Yamana & Tanaka, 1985).
double ClosedFormInterface(double q, double area, double z0, double t);
// Its inverse: the time for the interface to fall from z0 to z.
double ClosedFormFillingTime(double q, double area, double z0, double z);

// The same closed room when the layer keeps a share 1 − χ of the heat q (kW),
// the plume taking the convective q_c: the volume balance
//   A·dz/dt = −(ṁ/ρ∞ + (1 − χ)·q/(c_p·ρ∞·T∞)),  ṁ = 0.076·q_c^(1/3)·z^(5/3),
// holds whatever the layer's temperature (an ideal gas at ambient pressure:
// the entrained gas brings its volume, the heat kept expands it), so it
// separates: t(z) = A·∫_z^z0 dζ / (a + b·ζ^(5/3)), evaluated by Simpson's rule
// on 2000 intervals. Heights are above the fire; ρ∞ = 1.2 kg/m³,
// c_p = 1.004 kJ/(kg·K), T∞ = 294.26 K.
double HeatedFillingTime(double q, double qc, double lossFraction, double area, double z0,
                         double z);
// The rate of descent −dz/dt (m/s) at interface z of that balance.
double HeatedDescentRate(double q, double qc, double lossFraction, double area, double z);

// NFPA 92 (2012) 5.5: the interface height for a steady fire q (kW), and for a
// t-squared fire of growth time tg (s to 1055 kW), in a room of height H and
// floor area A; and the time to reach z / H = share.
inline constexpr double kNfpa92SmallestAreaRatio = 0.9;
inline constexpr double kNfpa92LargestAreaRatio = 14;
double Nfpa92SteadyInterface(double q, double height, double area, double t);
double Nfpa92SteadyFillingTime(double q, double height, double area, double share);
double Nfpa92TSquaredInterface(double tg, double height, double area, double t);
double Nfpa92TSquaredFillingTime(double tg, double height, double area, double share);

// McCaffrey, Quintiere & Harkleroad (1981): the upper layer temperature rise
// in K for a fire q (kW), vent area A0 (m²) and height H0 (m), and the
// boundaries' effective conductance hk·AT (kW/K).
double MqhTemperatureRise(double q, double ventArea, double ventHeight, double hkAt);
// MQH's flashover heat release rate (kW) at a rise of 500 K: 610·(hk·AT·A0·√H0)^½.
double MqhFlashoverRate(double ventArea, double ventHeight, double hkAt);
// Babrauskas (1980): 750·A0·√H0.
double BabrauskasFlashoverRate(double ventArea, double ventHeight);
// Thomas (1981): 7.8·AT + 378·A0·√H0.
double ThomasFlashoverRate(double ventArea, double ventHeight, double boundaryArea);

// Kawagoe (1958): the air inflow of a ventilation-controlled fire, 0.5·A0·√H0
// kg/s, and the heat release it supports, 1500·A0·√H0 kW (3000 kJ per kg of air).
double KawagoeAirInflow(double ventArea, double ventHeight);
double KawagoeHeatRelease(double ventArea, double ventHeight);

} // namespace vorla::verification
