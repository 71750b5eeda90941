#include "life_safety/tenability/product_balance.h"

#include <algorithm>
#include <cmath>

namespace vorla::tenability {
namespace {

// kg/s of fuel burned for a heat release rate of q kW.
double FuelRate(double q, double heatOfCombustion) {
    return q > 0 ? q / heatOfCombustion : 0;
}

// 1/s: the share of the layer's gas, and so of its products, leaving each second.
double RemovalRate(const LayerMoment& moment) {
    if (!(moment.LayerGasMass > 0) || !(moment.LayerGasOut > 0)) {
        return 0;
    }
    return moment.LayerGasOut / moment.LayerGasMass;
}

} // namespace

ProductBalance::ProductBalance(double heatOfCombustion) : heatOfCombustion_(heatOfCombustion) {}

void ProductBalance::Advance(const LayerMoment& start, const LayerMoment& end, double seconds) {
    const double source = 0.5 * (FuelRate(start.HeatReleaseRate, heatOfCombustion_) +
                                 FuelRate(end.HeatReleaseRate, heatOfCombustion_));
    const double removal = 0.5 * (RemovalRate(start) + RemovalRate(end));
    const double x = removal * seconds;
    const double burnedNow = source * seconds;
    double next;
    if (x == 0) {
        next = inLayer_ + burnedNow;
    } else {
        // M(t) = M0 e^-x + (S / k)(1 - e^-x), with 1 - e^-x taken without
        // cancellation for small x.
        const double kept = std::exp(-x);
        next = inLayer_ * kept + source * (-std::expm1(-x)) / removal;
    }
    goneOut_ += inLayer_ + burnedNow - next;
    burned_ += burnedNow;
    inLayer_ = next;
}

LayerComposition CompositionOf(const FuelYields& yields, double productsInLayer,
                               double layerGasMass, double layerVolume) {
    LayerComposition layer;
    if (!(layerGasMass > 0) || !(layerVolume > 0)) {
        return layer;
    }
    const double burnedShare = productsInLayer / layerGasMass; // kg of fuel per kg of layer gas
    layer.SootMassFraction = yields.Soot * burnedShare;
    layer.SootConcentration = yields.Soot * productsInLayer / layerVolume;
    layer.CarbonMonoxideMassFraction = yields.CarbonMonoxide * burnedShare;
    layer.HydrogenCyanideMassFraction = yields.HydrogenCyanide * burnedShare;
    layer.CarbonDioxideMassFraction = yields.CarbonDioxide * burnedShare;
    const double oxygenUsed = yields.HeatOfCombustion / kHeatPerKgOxygen * burnedShare;
    layer.OxygenMassFraction = std::max(0.0, kAmbientOxygenMassFraction - oxygenUsed);

    layer.CarbonMonoxideVolumeFraction =
        layer.CarbonMonoxideMassFraction * kAirMolarMass / kCarbonMonoxideMolarMass;
    layer.HydrogenCyanideVolumeFraction =
        layer.HydrogenCyanideMassFraction * kAirMolarMass / kHydrogenCyanideMolarMass;
    layer.CarbonDioxideVolumeFraction =
        layer.CarbonDioxideMassFraction * kAirMolarMass / kCarbonDioxideMolarMass;
    layer.OxygenVolumeFraction = layer.OxygenMassFraction * kAirMolarMass / kOxygenMolarMass;
    return layer;
}

} // namespace vorla::tenability
