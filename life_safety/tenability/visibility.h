// How far a sign can be seen through smoke, and the smoke's optical density
// that a smoke detector reads.
//
// Light through smoke falls as I/I0 = exp(-K_m m_s L): K_m = 8700 m²/kg is the
// mass specific extinction coefficient of flaming smoke (Mulholland and
// Croarkin, Fire and Materials 24 (2000) 227-230; the value the NRC's and
// NIST's tools use). A sign is seen up to S = K / (K_m m_s) (Jin), with K = 3
// for a sign that reflects light and 8 for one lit from within.
#pragma once

#include <optional>
#include <string_view>

namespace vorla::tenability {

inline constexpr double kSpecificExtinction = 8700; // m²/kg

enum class SignKind { Reflecting, Lit };

// "reflecting", "lit": the names the batch command takes.
std::string_view SignKindName(SignKind sign);
std::optional<SignKind> SignKindByName(std::string_view name);

// Jin's constant: 3 or 8.
double VisibilityConstant(SignKind sign);

// 1/m: the extinction coefficient K_m m_s of smoke holding `sootConcentration` kg/m³.
double ExtinctionCoefficient(double sootConcentration);

// m: the distance a sign stays visible; +infinity in clear air.
double Visibility(double sootConcentration, SignKind sign);

// kg/m³: the soot concentration at which the sign is seen no farther than
// `visibility` m (the inverse of Visibility).
double SootConcentrationForVisibility(double visibility, SignKind sign);

// 1/m: optical density per metre, base 10 (log10(I0/I) over one metre), the
// smoke density smoke detectors are rated in.
double OpticalDensityPerMetre(double sootConcentration);

// %/m: the obscuration over one metre of smoke of that optical density,
// 100 (1 - 10^-D).
double ObscurationPerMetre(double opticalDensityPerMetre);

} // namespace vorla::tenability
