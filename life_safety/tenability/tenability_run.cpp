#include "life_safety/tenability/tenability_run.h"

#include "life_safety/tenability/fed_heat.h"
#include "life_safety/tenability/radiation.h"

#include <algorithm>

namespace vorla::tenability {

TenabilityRun::TenabilityRun(const TenabilityInputs& inputs, const RoomGeometry& room)
    : inputs_(inputs), room_(room), limits_(LimitsFor(inputs, room.FloorArea)),
      criticalSoot_(SootConcentrationForVisibility(limits_.Visibility, inputs.Sign)),
      balance_(inputs.Yields.HeatOfCombustion) {}

double TenabilityRun::LayerGasMassAt(const ZoneMoment& moment) const {
    const double depth = std::max(0.0, room_.CeilingHeight - moment.InterfaceHeight);
    return LayerGasMass(room_.FloorArea * depth, moment.LayerTemperature);
}

void TenabilityRun::UpdateConditions(const ZoneMoment& moment) {
    TenabilityState& s = state_;
    s.Time = moment.Time;
    s.LayerTemperature = moment.LayerTemperature;
    s.LayerGasMass = LayerGasMassAt(moment);
    const double depth = std::max(0.0, room_.CeilingHeight - moment.InterfaceHeight);
    s.Layer = CompositionOf(inputs_.Yields, balance_.ProductsInLayer(), s.LayerGasMass,
                            room_.FloorArea * depth);
    s.LayerOpticalDensity = OpticalDensityPerMetre(s.Layer.SootConcentration);

    HeadConditions& head = s.Head;
    head.InLayer = moment.InterfaceHeight <= inputs_.HeadHeight;
    const LayerComposition& breathed = head.InLayer ? s.Layer : kAmbientAir;
    head.GasTemperature = head.InLayer ? moment.LayerTemperature : kAmbientTemperature;
    head.SootConcentration = breathed.SootConcentration;
    head.Visibility = Visibility(head.SootConcentration, inputs_.Sign);
    head.Gases = {breathed.CarbonMonoxideVolumeFraction, breathed.HydrogenCyanideVolumeFraction,
                  breathed.CarbonDioxideVolumeFraction};
    head.OxygenVolumeFraction = breathed.OxygenVolumeFraction;
    head.RadiantFlux =
        RadiantFluxAtHead({room_.FloorArea, room_.CeilingHeight, moment.InterfaceHeight,
                           moment.LayerTemperature, s.Layer.SootConcentration},
                          inputs_.HeadHeight);
}

namespace {

// The criteria a person meets only with the head in the upper layer: below it
// the air is clear and at the ambient temperature.
bool MetInTheLayerOnly(Criterion c) {
    return c == Criterion::Visibility || c == Criterion::Temperature;
}

// Where in [0, 1] a quantity going linearly from `before` to `after` reaches 0.
double CrossingShare(double before, double after) {
    if (!(before < 0)) {
        return 0;
    }
    return std::clamp(-before / (after - before), 0.0, 1.0);
}

} // namespace

TenabilityRun::Margins TenabilityRun::MarginsNow(double interfaceHeight) const {
    const TenabilityState& s = state_;
    Margins m;
    auto set = [&m](Criterion c, double value) { m.Values[static_cast<std::size_t>(c)] = value; };
    set(Criterion::Visibility, s.Layer.SootConcentration - criticalSoot_);
    set(Criterion::FedToxic, s.FedToxic - limits_.FedToxic);
    set(Criterion::FedHeat, s.FedHeat() - limits_.FedHeat);
    set(Criterion::RadiantFlux, s.Head.RadiantFlux - limits_.RadiantFlux);
    set(Criterion::LayerHeight, limits_.LayerHeight - interfaceHeight);
    set(Criterion::Temperature, s.LayerTemperature - kKelvinAtZeroCelsius - limits_.Temperature);
    m.HeadInLayer = s.Head.InLayer;
    m.InterfaceHeight = interfaceHeight;
    return m;
}

void TenabilityRun::NoteFailures(double startTime, double endTime, const Margins& before,
                                 const Margins& after) {
    const double seconds = endTime - startTime;
    for (std::size_t c = 0; c < kCriterionCount; ++c) {
        if (outcome_.FailureTime[c] || !(after.Values[c] >= 0)) {
            continue;
        }
        double share = CrossingShare(before.Values[c], after.Values[c]);
        if (MetInTheLayerOnly(static_cast<Criterion>(c))) {
            if (!after.HeadInLayer) {
                continue;
            }
            if (!before.HeadInLayer) {
                // The head entered the layer during the step, as the interface
                // came down past it.
                const double fall = before.InterfaceHeight - after.InterfaceHeight;
                const double above = before.InterfaceHeight - inputs_.HeadHeight;
                share = std::max(share, fall > 0 ? std::clamp(above / fall, 0.0, 1.0) : 1.0);
            }
        }
        const double time = startTime + share * seconds;
        outcome_.FailureTime[c] = time;
        if (!outcome_.Aset || time < *outcome_.Aset) {
            outcome_.Aset = time;
            outcome_.Governing = static_cast<Criterion>(c);
        }
    }
}

void TenabilityRun::Start(const ZoneMoment& initial) {
    balance_ = ProductBalance(inputs_.Yields.HeatOfCombustion);
    state_ = TenabilityState{};
    outcome_ = TenabilityOutcome{};
    series_.LastRow = -1;
    UpdateConditions(initial);
    margins_ = MarginsNow(initial.InterfaceHeight);
    NoteFailures(initial.Time, initial.Time, margins_, margins_);
}

void TenabilityRun::Advance(const ZoneMoment& start, const ZoneMoment& end) {
    const double seconds = end.Time - start.Time;
    const TenabilityState before = state_;
    balance_.Advance({start.HeatReleaseRate, before.LayerGasMass, start.LayerGasOut},
                     {end.HeatReleaseRate, LayerGasMassAt(end), end.LayerGasOut}, seconds);
    UpdateConditions(end);

    const HeadConditions& was = before.Head;
    const HeadConditions& now = state_.Head;
    state_.FedToxic = before.FedToxic + AsphyxiantDose(was.Gases, now.Gases, seconds);
    const HeatDoses heat = HeatDosesOver(was.GasTemperature - kKelvinAtZeroCelsius,
                                         now.GasTemperature - kKelvinAtZeroCelsius, was.RadiantFlux,
                                         now.RadiantFlux, seconds);
    state_.FedHeatConvective = before.FedHeatConvective + heat.Convective;
    state_.FedHeatRadiant = before.FedHeatRadiant + heat.Radiant;

    const Margins after = MarginsNow(end.InterfaceHeight);
    NoteFailures(start.Time, end.Time, margins_, after);
    margins_ = after;
}

void TenabilityRun::RecordRow(int row) {
    if (row < 0 || row >= kSeriesCapacity) {
        return;
    }
    const auto i = static_cast<std::size_t>(row);
    series_.Visibility[i] = state_.Head.Visibility;
    series_.FedToxic[i] = state_.FedToxic;
    series_.FedHeat[i] = state_.FedHeat();
    series_.RadiantFlux[i] = state_.Head.RadiantFlux;
    series_.LastRow = row;
}

} // namespace vorla::tenability
