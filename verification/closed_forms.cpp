#include "verification/closed_forms.h"

#include "common/text/units.h"

#include <algorithm>
#include <cmath>

namespace vorla::verification {
namespace {

constexpr double kEntrainment = 0.076; // kg/s per kW^(1/3) m^(5/3)
constexpr double kLayerDensity = 1.2;  // kg/m³, the layer at ambient density

double FillingConstant(double q, double area) {
    return 2 * (kEntrainment / kLayerDensity) * std::cbrt(q) / (3 * area);
}

} // namespace

double ClosedFormInterface(double q, double area, double z0, double t) {
    return std::pow(FillingConstant(q, area) * t + std::pow(z0, -2.0 / 3.0), -1.5);
}

double ClosedFormFillingTime(double q, double area, double z0, double z) {
    return (std::pow(z, -2.0 / 3.0) - std::pow(z0, -2.0 / 3.0)) / FillingConstant(q, area);
}

namespace {

// The two terms of the volume balance: a from the heat kept, b·z^(5/3) from
// the entrained gas, in m³/s.
struct HeatedBalance {
    double A = 0;
    double B = 0;
    double Volume(double z) const { return A + B * std::pow(z, 5.0 / 3.0); }
};

HeatedBalance BalanceOf(double q, double qc, double lossFraction) {
    constexpr double kAirHeatCapacity = 1.004;
    return {(1 - lossFraction) * q / (kAirHeatCapacity * kLayerDensity * kAmbientTemperature),
            kEntrainment * std::cbrt(qc) / kLayerDensity};
}

} // namespace

double HeatedFillingTime(double q, double qc, double lossFraction, double area, double z0,
                         double z) {
    const HeatedBalance balance = BalanceOf(q, qc, lossFraction);
    constexpr int kIntervals = 2000;
    const double h = (z0 - z) / kIntervals;
    double sum = 1 / balance.Volume(z) + 1 / balance.Volume(z0);
    for (int i = 1; i < kIntervals; ++i) {
        sum += (i % 2 == 1 ? 4 : 2) / balance.Volume(z + i * h);
    }
    return area * sum * h / 3;
}

double HeatedDescentRate(double q, double qc, double lossFraction, double area, double z) {
    return BalanceOf(q, qc, lossFraction).Volume(z) / area;
}

double Nfpa92SteadyInterface(double q, double height, double area, double t) {
    if (t <= 0) {
        return height;
    }
    const double share = 1.11 - 0.28 * std::log((t * std::cbrt(q) / std::pow(height, 4.0 / 3.0)) /
                                                (area / (height * height)));
    return std::min(share, 1.0) * height;
}

double Nfpa92SteadyFillingTime(double q, double height, double area, double share) {
    return std::exp((1.11 - share) / 0.28) * (area / (height * height)) *
           std::pow(height, 4.0 / 3.0) / std::cbrt(q);
}

double Nfpa92TSquaredInterface(double tg, double height, double area, double t) {
    if (t <= 0) {
        return height;
    }
    const double group =
        t * std::pow(height, -0.8) * std::pow(tg, -0.4) * std::pow(area / (height * height), -0.6);
    return std::min(0.91 * std::pow(group, -1.45), 1.0) * height;
}

double Nfpa92TSquaredFillingTime(double tg, double height, double area, double share) {
    const double group = std::pow(share / 0.91, -1 / 1.45);
    return group /
           (std::pow(height, -0.8) * std::pow(tg, -0.4) * std::pow(area / (height * height), -0.6));
}

double MqhTemperatureRise(double q, double ventArea, double ventHeight, double hkAt) {
    return 6.85 * std::cbrt(q * q / (ventArea * std::sqrt(ventHeight) * hkAt));
}

double MqhFlashoverRate(double ventArea, double ventHeight, double hkAt) {
    return 610 * std::sqrt(hkAt * ventArea * std::sqrt(ventHeight));
}

double BabrauskasFlashoverRate(double ventArea, double ventHeight) {
    return 750 * ventArea * std::sqrt(ventHeight);
}

double ThomasFlashoverRate(double ventArea, double ventHeight, double boundaryArea) {
    return 7.8 * boundaryArea + 378 * ventArea * std::sqrt(ventHeight);
}

double KawagoeAirInflow(double ventArea, double ventHeight) {
    return 0.5 * ventArea * std::sqrt(ventHeight);
}

double KawagoeHeatRelease(double ventArea, double ventHeight) {
    return 1500 * ventArea * std::sqrt(ventHeight);
}

} // namespace vorla::verification
