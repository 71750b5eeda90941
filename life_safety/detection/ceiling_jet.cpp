#include "life_safety/detection/ceiling_jet.h"

#include <algorithm>
#include <cmath>

namespace vorla::detection {
namespace {

// Alpert's forms for a fire of Q^(1/3) = `cubeRootQ` under a height of
// powers `p`: Q^(2/3)/H^(5/3) as (Q^(1/3))²/(H·(H^(1/3))²).
CeilingJetField::Scales ScalesOf(const HeightPowers& p, double cubeRootQ) {
    CeilingJetField::Scales s;
    if (!(p.Value > 0) || !(cubeRootQ > 0)) {
        return s;
    }
    const double q23 = cubeRootQ * cubeRootQ;
    const double rootCubeRootQ = std::sqrt(cubeRootQ);
    // r ≤ 0.18 H rather than r/H ≤ 0.18, to spare a division per device;
    // the margin keeps a radius typed as exactly 0.18 H (or 0.15 H) in the
    // near field, as the ratio puts it, whatever the rounding of the product.
    constexpr double kTie = 1 + 1e-12;
    s.NearTemperatureRadius = kNearFieldTemperatureRatio * p.Value * kTie;
    s.NearVelocityRadius = kNearFieldVelocityRatio * p.Value * kTie;
    s.NearRise = 16.9 * q23 / (p.Value * p.CubeRoot * p.CubeRoot);
    s.FarRise = 5.38 * q23 / p.Value;
    s.NearVelocity = 0.96 * cubeRootQ / p.CubeRoot;
    s.FarVelocity = 0.195 * cubeRootQ * p.SquareRoot;
    s.NearRootVelocity = rootCubeRootQ * p.RootNearFactor;
    s.FarRootVelocity = rootCubeRootQ * p.RootFarFactor;
    return s;
}

double CubeRootOfFire(double heatReleaseRate) {
    return heatReleaseRate > 0 ? std::cbrt(heatReleaseRate) : 0;
}

} // namespace

HeightPowers PowersOf(double height) {
    if (!(height > 0)) {
        return {};
    }
    HeightPowers p{height, std::cbrt(height), std::sqrt(height), 0, 0};
    p.RootNearFactor = std::sqrt(0.96 / p.CubeRoot);
    p.RootFarFactor = std::sqrt(p.SquareRoot);
    return p;
}

DevicePlace PlaceOf(double radius, double belowCeiling) {
    const double r = std::max(0.0, radius);
    const double r23 = std::cbrt(r * r);
    const double r56 = std::pow(r, 5.0 / 6.0);
    if (!(r > 0)) {
        return {0, belowCeiling, 0, 0, 0, 0, 0};
    }
    return {r, belowCeiling, r23, r56, 1 / r23, 1 / r56, std::sqrt(0.195 / r56)};
}

JetExcess AlpertCeilingJet(double heatReleaseRate, double height, double radius) {
    const detail::JetAtDevice jet = detail::Excess(
        ScalesOf(PowersOf(height), CubeRootOfFire(heatReleaseRate)), PlaceOf(radius, 0));
    return {jet.Rise, jet.Velocity};
}

double CeilingJetThickness(double height, double radius) {
    if (!(height > 0)) {
        return 0;
    }
    // CFAST keeps the thickness at its r/H = 0.26 value nearer the axis,
    // where the plume turns into the jet.
    const double ratio = std::max(0.26, std::max(0.0, radius) / height);
    return height * 0.112 * (1.0 - std::exp(-2.24 * ratio));
}

JetLimit LimitsAt(double height, const DevicePlace& place) {
    if (!(height > 0)) {
        return JetLimit::NoCeilingAboveFire;
    }
    JetLimit limits = JetLimit::None;
    if (place.Radius / height > kLargestMeasuredRadiusRatio) {
        limits = limits | JetLimit::BeyondMeasuredRadius;
    }
    if (place.BelowCeiling > CeilingJetThickness(height, place.Radius)) {
        limits = limits | JetLimit::BelowJetThickness;
    }
    return limits;
}

CeilingJetField::CeilingJetField(const JetSurroundings& room)
    : CeilingJetField(room, PowersOf(room.CeilingAboveFire)) {}

CeilingJetField::CeilingJetField(const JetSurroundings& room, const HeightPowers& ceiling)
    : cubeRootQ_(CubeRootOfFire(room.HeatReleaseRate)), ambient_(room.AmbientTemperature),
      layerTemperature_(room.LayerTemperature), layerDepth_(room.LayerDepth),
      warmLayer_(room.LayerDepth > 0 && room.LayerTemperature > room.AmbientTemperature),
      clear_(ScalesOf(ceiling, cubeRootQ_)) {
    if (!warmLayer_) {
        return;
    }
    const double height = room.CeilingAboveFire;
    const double interfaceAboveFire = std::max(0.0, height - room.LayerDepth);
    warming_ = room.LayerTemperature / room.AmbientTemperature;
    substitute_ = interfaceAboveFire > 0
                      ? ScalesOf(PowersOf((height - interfaceAboveFire) +
                                          std::pow(warming_, 0.6) * interfaceAboveFire),
                                 cubeRootQ_)
                      : clear_;
}

DeviceGas GasAtDevice(const JetSurroundings& room, double radius, double belowCeiling) {
    const DevicePlace place = PlaceOf(radius, belowCeiling);
    DeviceGas gas = CeilingJetField(room).At(place);
    gas.Limits = LimitsAt(room.CeilingAboveFire, place);
    return gas;
}

} // namespace vorla::detection
