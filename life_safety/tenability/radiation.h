// The heat the hot layer radiates to a person below it or in it.
//
// The layer is a grey gas whose emissivity comes from its soot alone:
// absorption coefficient a = k f_v T with k = 1195.5 1/(m K) and soot of
// density 1800 kg/m³ (Tien, Lee and Stretton, SFPE Handbook; the constants of
// the peer zone model CFAST 7, radiation.f90), over the layer's mean beam
// length 3.6 V / A_s (Hottel's rule, as CFAST takes it), for a room of square
// plan. The lower layer is clear air and absorbs nothing; the person's skin and
// clothes, and everything but the layer they see, are at the ambient
// temperature. Below the layer, the person's head at the middle of the room
// faces up at the layer's underside, a square the size of the floor; in the
// layer, the layer fills the whole view.
#pragma once

namespace vorla::tenability {

inline constexpr double kSootAbsorptionConstant = 1195.5; // 1/(m K)
inline constexpr double kSootDensity = 1800;              // kg/m³

// 1/m, for `sootConcentration` kg/m³ at `temperature` K.
double SootAbsorptionCoefficient(double sootConcentration, double temperature);

// m: 3.6 V / A_s of a layer `depth` m deep over a square floor of `floorArea` m²
// (its top, bottom and four sides). 0 for a layer of no depth.
double MeanBeamLength(double floorArea, double depth);

// 1 - exp(-a L).
double GreyEmissivity(double absorptionCoefficient, double pathLength);

// The configuration factor from a small surface facing a parallel square of
// side `side` m, `distance` m away on the square's axis; 1 when the distance
// is 0.
double ViewFactorToSquareAbove(double side, double distance);

// What the radiation needs of the room and the layer.
struct RadiatingLayer {
    double FloorArea = 0;         // m²
    double CeilingHeight = 0;     // m
    double InterfaceHeight = 0;   // m
    double Temperature = 0;       // K
    double SootConcentration = 0; // kg/m³
};

// The layer's emissivity.
double LayerEmissivity(const RadiatingLayer& layer);

// kW/m²: the net radiant flux from the layer to a person whose head is at
// `headHeight` m, F eps sigma (T^4 - T_amb^4), 0 when the layer is no hotter
// than the room.
double RadiantFluxAtHead(const RadiatingLayer& layer, double headHeight);

} // namespace vorla::tenability
