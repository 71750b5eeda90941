#include "cli/tenability_options.h"

#include "cli/command_output.h"
#include "cli/model_command.h"
#include "cli/vorla_command.h"
#include "common/text/round_trip_text.h"
#include "common/files/text_file.h"
#include "life_safety/tenability/tenability_texts.h"

#include <array>
#include <cmath>
#include <limits>

namespace vorla::cli {
namespace {

using tenability::TenabilityInputs;

constexpr std::array<OptionSpec, 14> kOptionSpecs{{
    {"--fuel"},
    {"--heat-of-combustion"},
    {"--soot-yield"},
    {"--co-yield"},
    {"--hcn-yield"},
    {"--co2-yield"},
    {"--head-height"},
    {"--sign"},
    {"--visibility-limit"},
    {"--fed-toxic-limit"},
    {"--fed-heat-limit"},
    {"--radiant-flux-limit"},
    {"--tenability-layer-height"},
    {"--tenability-temperature"},
}};

CommandStop Refused(std::string_view prefix, const std::string& sentence) {
    return {kExitInputRejected, std::string(prefix) + sentence + "\n"};
}

} // namespace

std::vector<OptionSpec> WithTenabilityOptions(std::span<const OptionSpec> options) {
    std::vector<OptionSpec> all(options.begin(), options.end());
    all.insert(all.end(), kOptionSpecs.begin(), kOptionSpecs.end());
    return all;
}

std::variant<TenabilityOptions, CommandStop> ReadTenabilityOptions(const OptionTexts& options,
                                                                   std::string_view prefix) {
    const auto units = UnitsOption(OptionText(options, "units"));
    if (const auto* problem = std::get_if<std::string>(&units)) {
        return CommandStop{kExitInputRejected, *problem};
    }
    auto read = tenability::ReadTenabilityTexts(options, std::get<UnitSystem>(units));
    if (const auto* problem = std::get_if<std::string>(&read)) {
        return Refused(prefix, *problem);
    }
    const auto& texts = std::get<tenability::TenabilityTexts>(read);
    TenabilityOptions given{texts.Inputs, texts.Given, texts.FuelKind, {},
                            texts.HeatOfCombustionGiven,
                            texts.HeatOfCombustionGiven ? tenability::HeatSource::Input
                                                        : tenability::HeatSource::Default};
    const auto from = OptionText(options, "from");
    if (from && !texts.Given) {
        // The tenability a saved report carries, unless options are given.
        // A report that cannot be read is refused where --from is read.
        const WholeFile file = ReadWholeFile(*from);
        if (!file.problem) {
            auto saved = tenability::ReadSavedTenability(file.text);
            if (const auto* problem = std::get_if<std::string>(&saved)) {
                return Refused(prefix, "--from: " + *from + ": " + *problem);
            }
            if (const auto& line = std::get<std::optional<tenability::SavedTenability>>(saved)) {
                // A saved line always names the heat of combustion it was run
                // with: the report keeps it.
                given = {line->Texts.Inputs,
                         true,
                         line->Texts.FuelKind,
                         "--from: " + *from + ": Line " + std::to_string(line->Line) + ": ",
                         line->Texts.HeatOfCombustionGiven,
                         line->Texts.HeatOfCombustionGiven ? tenability::HeatSource::Input
                                                           : tenability::HeatSource::Default};
            }
        }
    }
    return given;
}

std::optional<CommandStop> CheckTenabilityOptions(const TenabilityOptions& options,
                                                  double ceilingHeight, std::string_view prefix) {
    if (const auto problem = tenability::TenabilityProblem(options.Inputs, ceilingHeight)) {
        return Refused(prefix, options.ReadFrom + *problem);
    }
    return std::nullopt;
}

std::optional<std::string> TakeFireFileHeat(TenabilityOptions& options, const std::string& fireFile,
                                            const std::string& reportPath) {
    if (options.HeatOfCombustionGiven) {
        return TakeFireFileHeat(options, std::nullopt, fireFile);
    }
    std::optional<tenability::FireFileHeat> heat;
    if (const auto text = life_safety::FireFileTextOf(fireFile, reportPath)) {
        heat = tenability::HeatOfCombustionOfFireFile(*text);
    }
    return TakeFireFileHeat(options, heat, fireFile);
}

std::optional<std::string> TakeFireFileHeat(TenabilityOptions& options,
                                            const std::optional<tenability::FireFileHeat>& heat,
                                            const std::string& fireFile) {
    if (options.HeatOfCombustionGiven) {
        options.HeatSource = tenability::HeatSource::Input;
        return std::nullopt;
    }
    if (!heat) {
        return std::nullopt; // the model's reading of the file says why
    }
    const auto choice = tenability::ChooseHeatOfCombustion(std::nullopt, heat,
                                                           options.Inputs.Yields.HeatOfCombustion);
    options.Inputs.Yields.HeatOfCombustion = choice.HeatOfCombustion;
    options.HeatSource = choice.Source;
    if (choice.Source == tenability::HeatSource::Default && options.Given) {
        return tenability::FallbackNote(choice, fireFile);
    }
    return std::nullopt;
}

std::optional<tenability::TenabilityTexts> SavedTenabilityOf(const TenabilityOptions& options) {
    if (!options.Given) {
        return std::nullopt;
    }
    return tenability::TenabilityTexts{options.Inputs, options.FuelKind, true, true};
}

std::variant<std::unique_ptr<tenability::TenabilityRun>, CommandStop>
FollowTenability(const TenabilityOptions& options, double floorArea, double ceilingHeight,
                 std::string_view prefix) {
    if (auto stop = CheckTenabilityOptions(options, ceilingHeight, prefix)) {
        if (options.Given) {
            return std::move(*stop);
        }
        return std::unique_ptr<tenability::TenabilityRun>();
    }
    return std::make_unique<tenability::TenabilityRun>(
        options.Inputs, tenability::RoomGeometry{floorArea, ceilingHeight});
}

std::vector<RunInput> TenabilitySummaryInputs(const TenabilityInputs& inputs, double floorArea,
                                              tenability::HeatSource source) {
    const tenability::CriterionLimits limits = tenability::LimitsFor(inputs, floorArea);
    std::vector<RunInput> used;
    used.push_back({"sign", std::string(tenability::SignKindName(inputs.Sign))});
    for (const tenability::NumberOption& option : tenability::NumberOptions()) {
        used.push_back({std::string(option.SummaryKey), option.Used(inputs, limits)});
        if (option.Option == "heat-of-combustion") {
            used.push_back({"heat_of_combustion_source", std::string(HeatSourceWord(source))});
        }
    }
    return used;
}

const std::string_view kTenabilityHelp =
    "Tenability at head height (any of these adds four columns to --csv: visibility\n"
    "m, empty in clear air, FED toxic, FED heat, radiant flux kW/m²; the summary has\n"
    "aset_s, aset_criterion and tenability_reached_s unless the room is no higher\n"
    "than the head):\n"
    "  --fuel NAME              yields of a fuel burning well ventilated: red-oak,\n"
    "                           propane, heptane, pmma or polystyrene (default)\n"
    "  --heat-of-combustion X   heat released per kg of fuel burned, kJ/kg (default:\n"
    "                           the fire file's, from its burning-rate column, else\n"
    "                           the fuel's)\n"
    "  --soot-yield X           --co-yield X  --hcn-yield X  --co2-yield X\n"
    "                           kg of soot, CO, HCN, CO2 per kg of fuel burned\n"
    "                           (HCN: 0 unless given; the fuel's nitrogen is never assumed)\n"
    "  --head-height H          height of the head above the floor, m or ft (default 1.8 m)\n"
    "  --sign reflecting|lit    the exit signs the visibility is judged by (default\n"
    "                           reflecting: K = 3; lit: K = 8)\n"
    "  --visibility-limit L     m or ft (default 10 m, 5 m in a room of at most 100 m²)\n"
    "  --fed-toxic-limit X      --fed-heat-limit X  incapacitation doses (default 0.3)\n"
    "  --radiant-flux-limit X   kW/m² at head height (default 2.5)\n"
    "  --tenability-layer-height H  lowest tolerable interface, m or ft (default: the\n"
    "                           head height)\n"
    "  --tenability-temperature T  hottest tolerable gas at the head, °C, or °F with\n"
    "                           --units us (default 60 °C)\n";

} // namespace vorla::cli
