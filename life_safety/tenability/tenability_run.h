// Tenability alongside a zone model's run: the model calls the observer after
// each one-second step with the room at the step's two ends; the observer
// follows the smoke and gases of the upper layer, the conditions a person at
// head height meets, the doses they accumulate, and the time each criterion
// fails. It keeps the values at the run's result rows for the report, the CSV
// and the graphs. Nothing is allocated once it is made, and nothing it does
// changes the run.
//
// At head height the occupant breathes the lower layer while the interface
// is above the head, and the upper layer once it is at or below it. The
// lower layer of a two-zone model is ambient air (see product_balance.h).
#pragma once

#include "common/model_runs/zone_step.h"
#include "life_safety/tenability/fed_toxic.h"
#include "life_safety/tenability/product_balance.h"
#include "life_safety/tenability/tenability_criteria.h"

#include <array>
#include <optional>

namespace vorla::tenability {

// The larger of the two models' result tables (the compartment model's 1803
// rows; the smoke filling model has 1801).
inline constexpr int kSeriesCapacity = 1803;

struct RoomGeometry {
    double FloorArea = 0;     // m²
    double CeilingHeight = 0; // m
};

// The room at one end of a step, as the model hands it over.
using vorla::ZoneMoment;

// What a person at head height meets.
struct HeadConditions {
    bool InLayer = false;
    double GasTemperature = kAmbientTemperature; // K
    double SootConcentration = 0;                // kg/m³
    double Visibility = 0;                       // m, +infinity in clear air
    BreathedGases Gases;
    double OxygenVolumeFraction = kAmbientOxygenVolumeFraction;
    double RadiantFlux = 0; // kW/m²
};

// The state at the end of the last step.
struct TenabilityState {
    double Time = 0;                               // s
    double LayerTemperature = kAmbientTemperature; // K
    double LayerGasMass = 0;                       // kg
    LayerComposition Layer;
    double LayerOpticalDensity = 0; // 1/m, base 10: what a smoke detector in the layer reads
    HeadConditions Head;
    double FedToxic = 0;
    double FedHeatConvective = 0;
    double FedHeatRadiant = 0;
    // ISO 13571's heat dose: the convective and the radiant parts together.
    double FedHeat() const { return FedHeatConvective + FedHeatRadiant; }
};

// The values at the run's result rows 0 to LastRow.
struct TenabilitySeries {
    std::array<double, kSeriesCapacity> Visibility{}; // m at head height, +infinity when clear
    std::array<double, kSeriesCapacity> FedToxic{};
    std::array<double, kSeriesCapacity> FedHeat{};
    std::array<double, kSeriesCapacity> RadiantFlux{}; // kW/m² at head height
    int LastRow = -1;
};

// The time each criterion first failed (nothing when it held to the last
// step), interpolated linearly within the step it failed in; the first of
// them is the available safe egress time, and the criterion that failed then
// governs.
struct TenabilityOutcome {
    std::array<std::optional<double>, kCriterionCount> FailureTime;
    std::optional<double> Aset;
    std::optional<Criterion> Governing;

    const std::optional<double>& FailureTimeOf(Criterion c) const {
        return FailureTime[static_cast<std::size_t>(c)];
    }
};

class TenabilityRun final : public ZoneStepObserver {
  public:
    // `inputs` must have passed CheckTenabilityInputs for this room.
    TenabilityRun(const TenabilityInputs& inputs, const RoomGeometry& room);

    // Begins a run at `initial` (row 0's state), forgetting any earlier one.
    void Start(const ZoneMoment& initial) override;
    // One step: `start` is the last step's end.
    void Advance(const ZoneMoment& start, const ZoneMoment& end) override;
    // Keeps the current values as result row `row` (0 to kSeriesCapacity - 1;
    // others are ignored), and LastRow becomes `row`.
    void RecordRow(int row) override;

    const TenabilityState& State() const { return state_; }
    const TenabilityOutcome& Outcome() const { return outcome_; }
    const TenabilitySeries& Series() const { return series_; }
    const CriterionLimits& Limits() const { return limits_; }
    double FuelBurned() const { return balance_.FuelBurned(); }           // kg
    double ProductsInLayer() const { return balance_.ProductsInLayer(); } // kg of fuel
    double ProductsGoneOut() const { return balance_.ProductsGoneOut(); } // kg of fuel

  private:
    // Each criterion's margin, below 0 while it holds; the visibility and the
    // temperature criteria take the upper layer's values, which the head meets
    // only once it is in the layer.
    struct Margins {
        std::array<double, kCriterionCount> Values{};
        bool HeadInLayer = false;
        double InterfaceHeight = 0;
    };

    double LayerGasMassAt(const ZoneMoment& moment) const;
    void UpdateConditions(const ZoneMoment& moment);
    Margins MarginsNow(double interfaceHeight) const;
    void NoteFailures(double startTime, double endTime, const Margins& before,
                      const Margins& after);

    TenabilityInputs inputs_;
    RoomGeometry room_;
    CriterionLimits limits_;
    double criticalSoot_; // kg/m³ at which visibility falls to its limit
    ProductBalance balance_;
    TenabilityState state_;
    Margins margins_;
    TenabilityOutcome outcome_;
    TenabilitySeries series_;
};

} // namespace vorla::tenability
