#include "life_safety/detection/ceiling_jet.h"

#include <algorithm>
#include <cmath>

namespace vorla::detection {

JetExcess AlpertCeilingJet(double heatReleaseRate, double height, double radius) {
    if (!(heatReleaseRate > 0) || !(height > 0)) {
        return {};
    }
    const double r = std::max(0.0, radius);
    const double ratio = r / height;
    const double cubeRootQ = std::cbrt(heatReleaseRate);
    JetExcess jet;
    // Q^(2/3)/H^(5/3) and (Q/r)^(2/3)/H from cube roots: one cbrt each
    // instead of pow, since every device is evaluated every second.
    const double cubeRootH = std::cbrt(height);
    if (ratio <= kNearFieldTemperatureRatio) {
        const double q23 = cubeRootQ * cubeRootQ;
        jet.TemperatureRise = 16.9 * q23 / (height * cubeRootH * cubeRootH);
    } else {
        const double qOverR = std::cbrt(heatReleaseRate / r);
        jet.TemperatureRise = 5.38 * qOverR * qOverR / height;
    }
    if (ratio <= kNearFieldVelocityRatio) {
        jet.Velocity = 0.96 * cubeRootQ / cubeRootH;
    } else {
        jet.Velocity = 0.195 * cubeRootQ * std::sqrt(height) / std::pow(r, 5.0 / 6.0);
    }
    return jet;
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

DeviceGas GasAtDevice(const JetSurroundings& room, double radius, double belowCeiling) {
    DeviceGas gas;
    const double height = room.CeilingAboveFire;
    if (!(height > 0)) {
        gas.Limits = JetLimit::NoCeilingAboveFire;
    } else {
        if (std::max(0.0, radius) / height > kLargestMeasuredRadiusRatio) {
            gas.Limits = gas.Limits | JetLimit::BeyondMeasuredRadius;
        }
        if (belowCeiling > CeilingJetThickness(height, radius)) {
            gas.Limits = gas.Limits | JetLimit::BelowJetThickness;
        }
    }
    const double ambient = room.AmbientTemperature;
    gas.InLayer = room.LayerDepth > belowCeiling && room.LayerTemperature > ambient;
    if (!gas.InLayer) {
        const JetExcess jet = AlpertCeilingJet(room.HeatReleaseRate, height, radius);
        gas.Temperature = ambient + jet.TemperatureRise;
        gas.Velocity = jet.Velocity;
        return gas;
    }
    const double layer = room.LayerTemperature;
    const double interfaceAboveFire = std::max(0.0, height - room.LayerDepth);
    const double warming = layer / ambient;
    const double substituteHeight =
        (height - interfaceAboveFire) + std::pow(warming, 0.6) * interfaceAboveFire;
    const JetExcess jet = AlpertCeilingJet(room.HeatReleaseRate, substituteHeight, radius);
    gas.Temperature = layer + jet.TemperatureRise * warming;
    gas.Velocity = jet.Velocity;
    return gas;
}

} // namespace vorla::detection
