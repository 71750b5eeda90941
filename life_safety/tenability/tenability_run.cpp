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

// Each criterion's margin: below 0 while it holds, 0 or above once it fails.
TenabilityRun::Margins TenabilityRun::MarginsNow(double interfaceHeight) const {
    const TenabilityState& s = state_;
    Margins m{};
    m[static_cast<std::size_t>(Criterion::Visibility)] = s.Head.SootConcentration - criticalSoot_;
    m[static_cast<std::size_t>(Criterion::FedToxic)] = s.FedToxic - limits_.FedToxic;
    m[static_cast<std::size_t>(Criterion::FedHeat)] = s.FedHeat() - limits_.FedHeat;
    m[static_cast<std::size_t>(Criterion::RadiantFlux)] = s.Head.RadiantFlux - limits_.RadiantFlux;
    m[static_cast<std::size_t>(Criterion::LayerHeight)] = limits_.LayerHeight - interfaceHeight;
    m[static_cast<std::size_t>(Criterion::Temperature)] =
        s.Head.GasTemperature - kKelvinAtZeroCelsius - limits_.Temperature;
    return m;
}

void TenabilityRun::NoteFailures(double startTime, double endTime, const Margins& before,
                                 const Margins& after) {
    for (std::size_t c = 0; c < kCriterionCount; ++c) {
        if (outcome_.FailureTime[c] || !(after[c] >= 0)) {
            continue;
        }
        double time = endTime;
        if (before[c] < 0 && after[c] > before[c]) {
            const double share = -before[c] / (after[c] - before[c]);
            time = startTime + std::clamp(share, 0.0, 1.0) * (endTime - startTime);
        } else if (before[c] >= 0) {
            time = startTime; // failing from the start (a run's first state)
        }
        outcome_.FailureTime[c] = time;
        if (!outcome_.Aset || time < *outcome_.Aset) {
            outcome_.Aset = time;
            outcome_.Governing = static_cast<Criterion>(c);
        }
    }
}

void TenabilityRun::Start(const ZoneMoment& initial) {
    balance_ = SpeciesBalance(inputs_.Yields.HeatOfCombustion);
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
