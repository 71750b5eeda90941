#include "cli/key_results_options.h"

#include "cli/command_output.h"
#include "cli/model_command.h"
#include "cli/vorla_command.h"
#include "zone_models/model_options.h"
#include "common/files/text_file.h"

namespace vorla::cli {
namespace {

CommandStop Refused(std::string_view prefix, const std::string& sentence) {
    return {kExitInputRejected, std::string(prefix) + sentence + "\n"};
}

} // namespace

std::variant<KeyResultsOptions, CommandStop> ReadKeyResultsOptions(const OptionTexts& options,
                                                                   std::string_view prefix) {
    const auto units = UnitsOption(OptionText(options, "units"));
    if (const auto* problem = std::get_if<std::string>(&units)) {
        return CommandStop{kExitInputRejected, *problem};
    }
    const UnitSystem system = std::get<UnitSystem>(units);
    KeyResultsOptions request;
    request.Units = system;
    // Empty names and collisions were refused with the command's other files.
    request.JsonPath = OptionText(options, "summary");
    request.CsvPath = OptionText(options, "summary-csv");
    if (const auto text = OptionText(options, "criteria-height")) {
        auto heights = ParseCriteriaHeights(*text, system, "--criteria-height");
        if (const auto* problem = std::get_if<std::string>(&heights)) {
            return Refused(prefix, *problem);
        }
        request.Criteria.InterfaceHeightsM = std::get<std::vector<double>>(std::move(heights));
        request.HeightsGiven = true;
    }
    if (const auto text = OptionText(options, "criteria-temperature")) {
        auto temperatures = ParseCriteriaTemperatures(*text, system, "--criteria-temperature");
        if (const auto* problem = std::get_if<std::string>(&temperatures)) {
            return Refused(prefix, *problem);
        }
        request.Criteria.LayerTemperaturesC =
            std::get<std::vector<double>>(std::move(temperatures));
    }
    return request;
}

std::optional<CommandStop> RefuseHeightsOutsideTheRoom(const KeyResultsOptions& request,
                                                       double roomHeightM,
                                                       std::string_view prefix) {
    if (!request.HeightsGiven) {
        return std::nullopt;
    }
    if (const auto outside = HeightAboveTheCeiling(request.Criteria.InterfaceHeightsM, roomHeightM,
                                                   request.Units, "--criteria-height")) {
        return Refused(prefix, *outside);
    }
    return std::nullopt;
}

std::optional<std::string> UnusedCriteriaNote(const OptionTexts& options,
                                              const KeyResultsOptions& request) {
    if (request.JsonPath || request.CsvPath) {
        return std::nullopt;
    }
    for (const char* name : {"criteria-height", "criteria-temperature", "model-uncertainty"}) {
        if (OptionText(options, name)) {
            return std::string("--") + name +
                   " only changes the key results of --summary and --summary-csv, and neither "
                   "was given; it is not used.\n";
        }
    }
    return std::nullopt;
}

std::variant<std::optional<UncertaintyStatistics>, CommandStop>
ReadModelUncertainty(const OptionTexts& options, const UncertaintyRule& rule,
                     std::string_view prefix) {
    const bool typedOn = OptionText(options, "model-uncertainty").has_value();
    const bool typedOff = OptionText(options, "no-model-uncertainty").has_value();
    if (typedOn && typedOff) {
        return Refused(prefix, "--model-uncertainty and --no-model-uncertainty cannot both be "
                               "given.");
    }
    // Neither typed: the saved report of --from decides, as File Open's
    // Model Options do. Its line was read with the inputs, so a problem here
    // is a file changed or gone since.
    std::optional<std::string> savedIn;
    if (!typedOn && !typedOff) {
        if (const auto from = OptionText(options, "from")) {
            const WholeFile file = ReadWholeFile(*from);
            if (file.problem) {
                return CommandStop{kExitFileProblem,
                                   std::string(prefix) + *from + ": " + *file.problem + "\n"};
            }
            auto read = ReadSavedModelOptions(file.text);
            if (const auto* problem = std::get_if<std::string>(&read)) {
                return CommandStop{kExitFileProblem,
                                   std::string(prefix) + *from + ": " + *problem + "\n"};
            }
            if (std::get<ModelOptions>(read).ShowUncertainty) {
                savedIn = *from;
            }
        }
    }
    if (!typedOn && !savedIn) {
        return std::optional<UncertaintyStatistics>();
    }
    auto found = FindUncertaintyStatistics(rule);
    if (const auto* problem = std::get_if<std::string>(&found)) {
        if (savedIn) {
            return Refused(prefix, "--model-uncertainty (the model options of " + *savedIn +
                                       "): " + *problem +
                                       " Give --no-model-uncertainty to run without it.");
        }
        return Refused(prefix, "--model-uncertainty: " + *problem);
    }
    return std::optional<UncertaintyStatistics>(std::get<UncertaintyStatistics>(found));
}

void AddKeyResultsOutputs(const KeyResultsOptions& request, const KeyResults& keys,
                          std::span<const RunInput> inputs, std::vector<CommandOutput>& outputs) {
    if (request.JsonPath) {
        outputs.push_back({"summary", *request.JsonPath, KeyResultsJson(keys, inputs)});
    }
    if (request.CsvPath) {
        outputs.push_back({"summary-csv", *request.CsvPath, KeyResultsCsv(keys)});
    }
}

} // namespace vorla::cli
