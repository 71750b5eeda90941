#include "life_safety/tenability/yields.h"
#include "study/study_model.h"

namespace vorla::study {

// The options of `vorla compartment` and `vorla smoke` (cli/) that carry a
// number, and those with a text that a study's [base] may set.
const StudyModelOptions& CompartmentStudyOptions() {
    static const StudyModelOptions options = {
        ModelKind::Compartment,
        {"floor-area", "room-height", "vent-width", "sill-height", "soffit-height", "fire-height",
         "radiative-fraction", "loss-fraction", "run-time", "aspect-ratio"},
        {{"from", {}, true},
         {"title", {}, false},
         {"output-name", {}, false},
         {"fire", {}, true},
         {"flashover", {"stop", "continue"}, false},
         // `loss-fraction = "estimate"`: the estimator's value, with the
         // aspect-ratio and ceiling it reads.
         {"loss-fraction", {"estimate"}, false},
         {"ceiling", {"smooth", "moderately-rough", "irregular"}, false},
         {"fire-position", {"centre", "wall", "corner"}, false},
         {"plume", {"zukoski", "heskestad"}, false}},
        "vof",
    };
    return options;
}

const StudyModelOptions& SmokeStudyOptions() {
    static const StudyModelOptions options = {
        ModelKind::Smoke,
        {"floor-area", "room-height", "fire-height", "loss-fraction", "run-time"},
        {{"from", {}, true},
         {"title", {}, false},
         {"output-name", {}, false},
         {"fire", {}, true},
         {"fire-position", {"centre", "wall", "corner"}, false},
         {"plume", {"zukoski", "heskestad"}, false}},
        "sof",
    };
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
