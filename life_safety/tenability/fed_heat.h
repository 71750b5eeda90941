// The fractional effective dose of heat, as ISO 13571:2012 defines it for
// incapacitation (and as the peer zone model CFAST 7 states it, Technical
// Reference Guide, NIST SP 1889v1, section "Tenability"): each minute adds
// 1 / t_Iconv + 1 / t_Irad, with the tolerance times in minutes
//
//     t_Iconv = 4.1e8 T^-3.61   (T the gas temperature in °C, clothed person),
//     t_Irad  = 4.2 q^-1.9      (q the radiant flux in kW/m²),
//
// and no radiant term below 2.5 kW/m², a flux ISO 13571 takes as tolerable
// for at least 30 minutes.
#pragma once

namespace vorla::tenability {

inline constexpr double kTolerableRadiantFlux = 2.5; // kW/m²

// Minutes of tolerance; +infinity where the formula gives no dose (at or
// below 0 °C, below 2.5 kW/m²).
double ConvectiveToleranceTime(double gasTemperatureC);
double RadiantToleranceTime(double radiantFlux);

// The two heat doses over `seconds` in which the gas temperature (°C) and the
// radiant flux (kW/m²) go from their start values to their end values, at the
// rates of the mean values.
struct HeatDoses {
    double Convective = 0;
    double Radiant = 0;
};
HeatDoses HeatDosesOver(double startGasC, double endGasC, double startFlux, double endFlux,
                        double seconds);

} // namespace vorla::tenability
