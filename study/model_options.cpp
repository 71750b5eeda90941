#include "compartment/model/input_table.h"
#include "life_safety/tenability/yields.h"
#include "smoke_filling/model/input_table.h"
#include "study/study_model.h"

#include <span>

namespace vorla::study {

namespace {

// The options of a model's input table (header-only: the study engine links no
// model): the numbers a study may vary, and the texts its [base] may set.
template <class Row> void AddInputOptions(std::span<const Row> table, StudyModelOptions& options) {
    for (const Row& row : table) {
        if (row.Option.empty()) {
            continue;
        }
        const std::string key(zone::OptionKey(row.Option));
        if (zone::IsNumberRow(row)) {
            options.NumericOptions.push_back(key);
        } else {
            options.TextOptions.push_back({key, {}, row.Unit == zone::InputUnit::File});
        }
    }
}

} // namespace

// The options of `vorla compartment` and `vorla smoke` (cli/) that carry a
// number, and those with a text that a study's [base] may set: the input
// table's, and those the commands read beside it.
const StudyModelOptions& CompartmentStudyOptions() {
    static const StudyModelOptions options = [] {
        StudyModelOptions model = {
            ModelKind::Compartment,
            {"aspect-ratio"},
            {{"from", {}, true},
             {"flashover", {"stop", "continue"}, false},
             // `loss-fraction = "estimate"`: the estimator's value, with the
             // aspect-ratio and ceiling it reads.
             {"loss-fraction", {"estimate"}, false},
             {"ceiling", {"smooth", "moderately-rough", "irregular"}, false},
             {"fire-position", {"centre", "wall", "corner"}, false},
             {"plume", {"zukoski", "heskestad"}, false}},
            "vof",
        };
        AddInputOptions(compartment::InputTable(), model);
        return model;
    }();
    return options;
}

const StudyModelOptions& SmokeStudyOptions() {
    static const StudyModelOptions options = [] {
        StudyModelOptions model = {
            ModelKind::Smoke,
            {},
            {{"from", {}, true},
             {"fire-position", {"centre", "wall", "corner"}, false},
             {"plume", {"zukoski", "heskestad"}, false}},
            "sof",
        };
        AddInputOptions(smoke::InputTable(), model);
        return model;
    }();
    return options;
}

const std::vector<std::string>& LifeSafetyNumericOptions() {
    // cli/tenability_options.cpp and cli/detection_options.cpp read them.
    static const std::vector<std::string> options = {"heat-of-combustion",
                                                     "soot-yield",
                                                     "co-yield",
                                                     "hcn-yield",
                                                     "co2-yield",
                                                     "head-height",
                                                     "visibility-limit",
                                                     "fed-toxic-limit",
                                                     "fed-heat-limit",
                                                     "radiant-flux-limit",
                                                     "tenability-layer-height",
                                                     "tenability-temperature",
                                                     "spray-density",
                                                     "suppression-constant",
                                                     "suppression-exponent"};
    return options;
}

const std::vector<TextOption>& LifeSafetyTextOptions() {
    static const std::vector<TextOption> options = [] {
        std::vector<std::string> fuels;
        for (const auto& fuel : tenability::FuelTable()) {
            fuels.emplace_back(fuel.Key);
        }
        return std::vector<TextOption>{{"fuel", fuels, false},
                                       {"sign", {"reflecting", "lit"}, false},
                                       {"suppression", {"unchanged", "held", "decaying"}, false},
                                       {"devices", {}, true}};
    }();
    return options;
}

std::string_view RunStatusName(RunStatus status) {
    switch (status) {
    case RunStatus::Ok:
        return "ok";
    case RunStatus::Rejected:
        return "rejected";
    case RunStatus::FireFileError:
        return "fire_file_error";
    }
    return "rejected";
}

} // namespace vorla::study
