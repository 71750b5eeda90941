// The model options of a run that both input forms keep beside their boxes
// (File > Model Options…) and the batch command takes as --fire-position,
// --plume and --model-uncertainty: where the fire stands, the plume
// correlation, and whether the key results give the model uncertainty the
// validation measured (common/key_results/model_uncertainty.h).
//
// A saved report carries the options that are not the defaults in one line
// after its last one (and after VORLA-XW's "Loss fraction: " line of an
// estimated heat loss fraction, compartment/model/saved_loss_fraction.h),
// before the tenability, suppression and device lines:
//
//   Model options: --fire-position corner --plume heskestad --model-uncertainty
//
// A report with every default gets no line, so it is what it always was, and
// a report without the line reads back as the defaults.
#pragma once

#include "common/model_runs/fire_plumes.h"
#include "common/key_results/model_uncertainty.h"
#include "zone_models/run_report_contents.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vorla {

struct ModelOptions {
    FirePosition Position = FirePosition::Centre;
    PlumeCorrelation Plume = PlumeCorrelation::Zukoski;
    bool ShowUncertainty = false; // the key results give the model uncertainty

    bool operator==(const ModelOptions&) const = default;
};

inline constexpr std::string_view kSavedModelOptionsPrefix = "Model options: ";

// The batch command's options for the options that are not the defaults, in
// the order --fire-position, --plume, --model-uncertainty; empty for the defaults.
std::string ModelOptionsText(const ModelOptions& options);

// The report's text with the options' line after it, in the report's own line
// ends; the text unchanged for the defaults. Called on the report before the
// tenability and the devices are added.
std::string WithSavedModelOptions(std::string report, const ModelOptions& options);

// The options of a saved report's text: its line, found before the trailing
// "Tenability: ", "Suppression: " and "Device: " lines; the defaults without
// one. A line that cannot be read gives "Line N: " and the problem.
std::variant<ModelOptions, std::string> ReadSavedModelOptions(std::string_view report);

// A window's report of a run with these options: its saved texts gain the
// options' line, and, with `statistics`, its key results the model
// uncertainty of the run (for a room `roomHeightM` m high), as --summary with
// --model-uncertainty gives it. Called before the tenability and the devices
// are added to the saved texts.
void ApplyModelOptions(RunReport& report, const ModelOptions& options,
                       const std::optional<UncertaintyStatistics>& statistics, double roomHeightM);

} // namespace vorla
