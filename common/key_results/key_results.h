// The key results of a run: the few numbers a design question is answered
// with (flashover, when the layer comes down to head height, peaks), computed
// from a run's rows and its fire table the same way for both models.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/key_results/key_criteria.h"
#include "common/model_runs/run_outcome.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorla {

// The model a run belongs to: it decides which model-specific keys exist.
enum class ModelKind { Compartment, Smoke };

// "complete", "flashover_stop", "fire_ended", "layer_at_sill",
// "layer_at_fuel_surface", "unstable": the texts the files write.
std::string_view RunEndName(RunEnd end);
std::string_view ModelKindName(ModelKind model); // "compartment", "smoke"

// One result row in S.I. units, whichever model wrote it.
struct RunRow {
    double TimeS = 0;
    double LayerTemperatureC = 0;
    double InterfaceHeightM = 0;
    double HeatReleaseRateKw = 0;
    double VentFlowKgS = 0;
    bool OxygenLimited = false; // compartment: the row's air-supply flag says "starved"
};

// A finished run as the key results see it.
struct RunView {
    ModelKind Model = ModelKind::Compartment;
    std::span<const RunRow> Rows; // in time order; at least row 0
    RunEnd End = RunEnd::Complete;
    // Compartment: the index in Rows of the row the run detected flashover at.
    std::optional<std::size_t> FlashoverRow;
};

// The first time a criterion is reached, empty when the run never reached it.
struct CriterionTime {
    double Criterion = 0; // m or °C
    std::optional<double> TimeS;
};

// When the room stopped being tenable at head height, when the run followed
// its tenability: the first failure of any criterion (the available safe egress
// time) and the criterion that governs it, and each criterion's own time.
struct TenabilityKeys {
    std::optional<double> AsetS;
    std::string AsetCriterion; // the governing criterion's key; empty when all held
    struct Reached {
        std::string Criterion; // "visibility", "fed_toxic", ...
        std::optional<double> TimeS;
    };
    std::vector<Reached> ReachedS; // every criterion, in a fixed order
    // A saved report opened as results (Open Results) whose tenability could
    // not be worked out again: the model run once more on the report's inputs
    // and fire file does not print the report's rows (the fire file changed,
    // or the inputs as printed are not those it was run with). No time is
    // given, and none is written to a file.
    bool TimesNotComputed = false;
    // Where the heat of combustion the run burned came from, as the windows'
    // Key Results panel names it (the summaries write it from their inputs):
    // "input", "fire file" or "default" (empty: the run does not say), the
    // value (kJ/kg) and, when the fire file's could not be used, the note
    // saying why.
    std::string HeatOfCombustionSource{};
    double HeatOfCombustionKjKg = 0;
    std::string HeatOfCombustionNote{};
};

// When the devices of a run operated, when the run had any.
struct DetectionKeys {
    struct DeviceResult {
        std::string Name;
        std::string Kind; // "heat", "sprinkler", "smoke"
        std::optional<double> ActivationTimeS;
        double LinkTemperatureC = 0; // at the end of the run
    };
    std::vector<DeviceResult> Devices; // in the order given
    std::optional<double> FirstDetectionS;
    std::optional<double> FirstSprinklerS;
    // "held" or "decaying" when the first sprinkler changed the fire from
    // SuppressedFromS on; empty when the fire followed its curve.
    std::string Suppression;
    std::optional<double> SuppressedFromS;
    // The devices of a saved report opened as results (Open Results): its
    // rows, printed every few seconds and rounded, are not the run's steps,
    // so no time is worked out from them and none is written to a file. The
    // devices are named, with Suppression the rule the report was run with.
    bool TimesNotComputed = false;
};

// A validity limit the run left (common/key_results/validity_limits.h), from the time of
// the first row that left it: "flames_reach_ceiling", "plume_within_flames",
// "outside_tested_range" (with the run's peak Q*_H and the tested range) and
// "entrainment_cap_active".
struct ValidityLimitKey {
    std::string Limit;
    double FromS = 0;
    double PeakFroudeNumber = 0; // outside_tested_range only
    double TestedLowest = 0;     // outside_tested_range only
    double TestedHighest = 0;    // outside_tested_range only

    bool operator==(const ValidityLimitKey&) const = default;
};

// A key result corrected for the model's measured bias δ, with the 95 % range
// of the true value, (M/δ)·exp(±2σ̃_M), from the validation statistics of the
// model variant and heat loss fraction rule the run used.
struct ModelUncertaintyKey {
    std::string Quantity;   // "layer_temperature_rise", "layer_depth"
    std::string Statistics; // the statistics' model row: "VORLA-XW", "SKEVA-XW Heskestad plume"
    std::string ChiRule;    // "estimate" or "0.6"
    double Bias = 1;
    double SigmaM = 0;
    double Predicted = 0; // K for the rise, m for the depth
    double Corrected = 0;
    double Low95 = 0;
    double High95 = 0;
};

struct KeyResults {
    ModelKind Model = ModelKind::Compartment;
    double EndTimeS = 0;
    RunEnd End = RunEnd::Complete;
    std::optional<double> FlashoverTimeS; // compartment
    double PeakLayerTemperatureC = 0;
    double PeakLayerTemperatureTimeS = 0;
    double LowestInterfaceHeightM = 0;
    double LowestInterfaceHeightTimeS = 0;
    std::vector<CriterionTime> InterfaceReachesS;        // one per criterion height
    std::vector<CriterionTime> LayerTemperatureReachesS; // one per criterion temperature
    double PeakHeatReleaseRateKw = 0;
    double HeatReleasedMj = 0;
    std::optional<double> PeakVentFlowKgS;      // compartment (always set there)
    std::optional<double> OxygenLimitedTimeS;   // compartment
    std::optional<double> LayerAtFireBaseTimeS; // smoke
    std::optional<TenabilityKeys> Tenability;   // runs that followed it
    std::optional<DetectionKeys> Detection;     // runs with devices
    // Empty when the run stayed within every validity limit.
    std::vector<ValidityLimitKey> ValidityLimits;
    // Empty unless asked for (`--model-uncertainty`).
    std::vector<ModelUncertaintyKey> ModelUncertainty;
};

// The key results of a run with at least one row. Crossing times are
// interpolated linearly in time between the two rows that straddle the
// criterion and rounded to 0.1 s; a criterion already met by row 0 is reached at
// row 0's time. Peaks and lowest values take the first row that has them. The
// heat released is the integral of the fire table from 0 to the end time, as
// FireRateAt reads the table (end segments extended), in MJ.
KeyResults ComputeKeyResults(const RunView& run, const FireTable& fire,
                             const KeyCriteria& criteria);

// The integral in kJ of FireRateAt(fire, t) for t from 0 to endS, exact for its
// straight segments and steps.
double FireEnergyKj(const FireTable& fire, double endS);

} // namespace vorla
