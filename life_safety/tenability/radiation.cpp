#include "life_safety/tenability/radiation.h"

#include "life_safety/tenability/gas_properties.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorla::tenability {
namespace {

// From a small surface to a parallel a x b rectangle with a corner on its
// normal, c away (Siegel and Howell, Thermal Radiation Heat Transfer,
// configuration factor catalogue; the same in the SFPE Handbook's appendix).
double ViewFactorToCornerRectangle(double a, double b, double c) {
    const double x = a / c;
    const double y = b / c;
    const double rx = std::sqrt(1 + x * x);
    const double ry = std::sqrt(1 + y * y);
    return (x / rx * std::atan(y / rx) + y / ry * std::atan(x / ry)) / (2 * std::numbers::pi);
}

} // namespace

double SootAbsorptionCoefficient(double sootConcentration, double temperature) {
    return kSootAbsorptionConstant * (sootConcentration / kSootDensity) * temperature;
}

double MeanBeamLength(double floorArea, double depth) {
    if (!(depth > 0) || !(floorArea > 0)) {
        return 0;
    }
    const double side = std::sqrt(floorArea);
    const double volume = floorArea * depth;
    const double surface = 2 * floorArea + 4 * side * depth;
    return 3.6 * volume / surface;
}

double GreyEmissivity(double absorptionCoefficient, double pathLength) {
    return -std::expm1(-absorptionCoefficient * pathLength);
}

double ViewFactorToSquareAbove(double side, double distance) {
    if (!(distance > 0)) {
        return 1;
    }
    // The square seen from its centre: four rectangles half a side square.
    return std::min(1.0, 4 * ViewFactorToCornerRectangle(side / 2, side / 2, distance));
}

double LayerEmissivity(const RadiatingLayer& layer) {
    const double depth = layer.CeilingHeight - layer.InterfaceHeight;
    const double a = SootAbsorptionCoefficient(layer.SootConcentration, layer.Temperature);
    return GreyEmissivity(a, MeanBeamLength(layer.FloorArea, depth));
}

double RadiantFluxAtHead(const RadiatingLayer& layer, double headHeight) {
    if (!(layer.Temperature > kAmbientTemperature)) {
        return 0;
    }
    const double distance = std::max(0.0, layer.InterfaceHeight - headHeight);
    const double view = ViewFactorToSquareAbove(std::sqrt(layer.FloorArea), distance);
    const double t4 = layer.Temperature * layer.Temperature * layer.Temperature * layer.Temperature;
    const double a4 =
        kAmbientTemperature * kAmbientTemperature * kAmbientTemperature * kAmbientTemperature;
    return view * LayerEmissivity(layer) * kStefanBoltzmann * (t4 - a4);
}

} // namespace vorla::tenability
