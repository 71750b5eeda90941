// The smoke and gases of the fire in the hot upper layer.
//
// The plume carries every product of the fire into the upper layer; products
// leave only with the layer gas that leaves the room (through the vent, or
// through the leaks once the room is full of smoke). The two-zone models have
// no mixing at the interface, so the lower layer stays ambient air: no soot,
// no CO, HCN or CO2 from the fire, 20.95 % oxygen, at the ambient temperature.
//
// With the yields fixed for a run, every product is its yield times one
// quantity: the mass of burned fuel whose products are still in the layer.
// The balance follows that one quantity,
//     dM/dt = m_f - (m_out / m_u) M,   m_f = Q / dHc,
// where m_u is the layer's gas mass and m_out the layer gas leaving, kg/s.
// Over each step the fuel rate and the removal rate are taken at their means,
// and the equation is solved exactly for them: the balance keeps mass to the
// last rounding (burned = in the layer + gone out), and a closed room gives
// the burned fuel exactly.
#pragma once

#include "life_safety/tenability/gas_properties.h"
#include "life_safety/tenability/yields.h"

namespace vorla::tenability {

// The layer and the fire at one end of a step.
struct LayerMoment {
    double HeatReleaseRate = 0; // kW
    double LayerGasMass = 0;    // kg in the upper layer
    double LayerGasOut = 0;     // kg/s of upper-layer gas leaving the room
};

class ProductBalance {
  public:
    explicit ProductBalance(double heatOfCombustion);

    // The balance over `seconds` from `start` to `end`. A negative heat
    // release rate (a fire table read before its first point) burns nothing.
    void Advance(const LayerMoment& start, const LayerMoment& end, double seconds);

    double ProductsInLayer() const { return inLayer_; } // kg of burned fuel
    double FuelBurned() const { return burned_; }       // kg
    double ProductsGoneOut() const { return goneOut_; } // kg of burned fuel

  private:
    double heatOfCombustion_;
    double inLayer_ = 0;
    double burned_ = 0;
    double goneOut_ = 0;
};

// What the upper layer holds, by mass and by volume.
struct LayerComposition {
    double SootMassFraction = 0;
    double SootConcentration = 0; // kg/m³
    double CarbonMonoxideMassFraction = 0;
    double HydrogenCyanideMassFraction = 0;
    double CarbonDioxideMassFraction = 0; // from the fire: the models' air holds none
    double OxygenMassFraction = kAmbientOxygenMassFraction;
    double CarbonMonoxideVolumeFraction = 0;
    double HydrogenCyanideVolumeFraction = 0;
    double CarbonDioxideVolumeFraction = 0;
    double OxygenVolumeFraction = kAmbientOxygenVolumeFraction;
};

// The composition of a layer of `layerGasMass` kg and `layerVolume` m³ that
// holds the products of `productsInLayer` kg of burned fuel. The oxygen used is
// the heat released over 13.1 MJ per kg of oxygen; a layer cannot give more
// oxygen than it holds, so its fraction stops at 0. A layer with no gas holds
// nothing.
LayerComposition CompositionOf(const FuelYields& yields, double productsInLayer,
                               double layerGasMass, double layerVolume);

// The lower layer, as the two-zone model has it: ambient air.
inline constexpr LayerComposition kAmbientAir{};

} // namespace vorla::tenability
