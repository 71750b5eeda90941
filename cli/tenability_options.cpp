#include "cli/tenability_options.h"

#include "cli/command_output.h"
#include "cli/model_command.h"
#include "cli/vorla_command.h"
#include "common/number_text.h"
#include "common/round_trip_text.h"
#include "common/units.h"

#include <array>
#include <cmath>
#include <limits>

namespace vorla::cli {
namespace {

using tenability::TenabilityInputs;

// How an option's number is typed.
enum class Typed {
    Plain,       // the same in both unit systems (kg/kg, kJ/kg, kW/m², a dose)
    Length,      // m, or ft with --units us
    Temperature, // °C, or °F with --units us
};

// One numeric tenability input: its option, its key in the summary's inputs,
// how it is typed, where it goes and the value the run used.
struct TenabilityNumber {
    std::string_view Option;
    std::string_view SummaryKey;
    Typed Kind;
    void (*Set)(TenabilityInputs&, double);
    double (*Used)(const TenabilityInputs&, const tenability::CriterionLimits&);
};

constexpr std::array<TenabilityNumber, 12> kNumberOptions{{
    {"heat-of-combustion", "heat_of_combustion_kj_kg", Typed::Plain,
     [](TenabilityInputs& in, double v) { in.Yields.HeatOfCombustion = v; },
     [](const TenabilityInputs& in, const auto&) { return in.Yields.HeatOfCombustion; }},
    {"soot-yield", "soot_yield", Typed::Plain,
     [](TenabilityInputs& in, double v) { in.Yields.Soot = v; },
     [](const TenabilityInputs& in, const auto&) { return in.Yields.Soot; }},
    {"co-yield", "co_yield", Typed::Plain,
     [](TenabilityInputs& in, double v) { in.Yields.CarbonMonoxide = v; },
     [](const TenabilityInputs& in, const auto&) { return in.Yields.CarbonMonoxide; }},
    {"hcn-yield", "hcn_yield", Typed::Plain,
     [](TenabilityInputs& in, double v) { in.Yields.HydrogenCyanide = v; },
     [](const TenabilityInputs& in, const auto&) { return in.Yields.HydrogenCyanide; }},
    {"co2-yield", "co2_yield", Typed::Plain,
     [](TenabilityInputs& in, double v) { in.Yields.CarbonDioxide = v; },
     [](const TenabilityInputs& in, const auto&) { return in.Yields.CarbonDioxide; }},
    {"head-height", "head_height_m", Typed::Length,
     [](TenabilityInputs& in, double v) { in.HeadHeight = v; },
     [](const TenabilityInputs& in, const auto&) { return in.HeadHeight; }},
    {"visibility-limit", "visibility_limit_m", Typed::Length,
     [](TenabilityInputs& in, double v) { in.Criteria.Visibility = v; },
     [](const TenabilityInputs&, const auto& limits) { return limits.Visibility; }},
    {"fed-toxic-limit", "fed_toxic_limit", Typed::Plain,
     [](TenabilityInputs& in, double v) { in.Criteria.FedToxic = v; },
     [](const TenabilityInputs&, const auto& limits) { return limits.FedToxic; }},
    {"fed-heat-limit", "fed_heat_limit", Typed::Plain,
     [](TenabilityInputs& in, double v) { in.Criteria.FedHeat = v; },
     [](const TenabilityInputs&, const auto& limits) { return limits.FedHeat; }},
    {"radiant-flux-limit", "radiant_flux_limit_kw_m2", Typed::Plain,
     [](TenabilityInputs& in, double v) { in.Criteria.RadiantFlux = v; },
     [](const TenabilityInputs&, const auto& limits) { return limits.RadiantFlux; }},
    {"tenability-layer-height", "tenability_layer_height_m", Typed::Length,
     [](TenabilityInputs& in, double v) { in.Criteria.LayerHeight = v; },
     [](const TenabilityInputs&, const auto& limits) { return limits.LayerHeight; }},
    {"tenability-temperature", "tenability_temperature_c", Typed::Temperature,
     [](TenabilityInputs& in, double v) { in.Criteria.Temperature = v; },
     [](const TenabilityInputs&, const auto& limits) { return limits.Temperature; }},
}};

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

double ToSI(double value, Typed kind, UnitSystem units) {
    if (units != UnitSystem::US) {
        return value;
    }
    switch (kind) {
    case Typed::Length:
        return value * kMetresPerFoot;
    case Typed::Temperature:
        return (value - 32) * 5 / 9;
    case Typed::Plain:
        break;
    }
    return value;
}

std::string FuelKeys() {
    std::string keys;
    for (const auto& fuel : tenability::FuelTable()) {
        keys += keys.empty() ? "" : ", ";
        keys += fuel.Key;
    }
    return keys;
}

double RoundedToTenth(double seconds) {
    return std::round(seconds * 10) / 10;
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
    TenabilityOptions read;
    // The fuel first: its yields are the defaults the other options override.
    if (const auto fuel = OptionText(options, "fuel")) {
        const auto kind = tenability::FuelByKey(*fuel);
        if (!kind) {
            return Refused(prefix,
                           "--fuel must be one of " + FuelKeys() + ", not \"" + *fuel + "\".");
        }
        read.Inputs.Yields = tenability::DefaultsOf(*kind).Yields;
        read.Given = true;
    }
    if (const auto sign = OptionText(options, "sign")) {
        const auto kind = tenability::SignKindByName(*sign);
        if (!kind) {
            return Refused(prefix, "--sign must be reflecting or lit, not \"" + *sign + "\".");
        }
        read.Inputs.Sign = *kind;
        read.Given = true;
    }
    for (const TenabilityNumber& option : kNumberOptions) {
        const auto text = OptionText(options, option.Option);
        if (!text) {
            continue;
        }
        const auto number = ParseWholeNumber(*text);
        if (!number) {
            return Refused(prefix, "The value of --" + std::string(option.Option) +
                                       " is not a number: \"" + *text + "\".");
        }
        option.Set(read.Inputs, ToSI(*number, option.Kind, std::get<UnitSystem>(units)));
        read.Given = true;
    }
    return read;
}

std::optional<CommandStop> CheckTenabilityOptions(const TenabilityOptions& options,
                                                  double ceilingHeight, std::string_view prefix) {
    if (const auto problem = tenability::CheckTenabilityInputs(options.Inputs, ceilingHeight)) {
        return Refused(prefix, "--" + problem->Input + ": " + problem->Message);
    }
    return std::nullopt;
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

std::vector<RunInput> TenabilitySummaryInputs(const TenabilityInputs& inputs, double floorArea) {
    const tenability::CriterionLimits limits = tenability::LimitsFor(inputs, floorArea);
    std::vector<RunInput> used;
    used.push_back({"sign", std::string(tenability::SignKindName(inputs.Sign))});
    for (const TenabilityNumber& option : kNumberOptions) {
        used.push_back({std::string(option.SummaryKey), option.Used(inputs, limits)});
    }
    return used;
}

TenabilityKeys TenabilityKeysOf(const tenability::TenabilityOutcome& outcome) {
    TenabilityKeys keys;
    if (outcome.Aset) {
        keys.AsetS = RoundedToTenth(*outcome.Aset);
    }
    if (outcome.Governing) {
        keys.AsetCriterion = std::string(tenability::CriterionKey(*outcome.Governing));
    }
    for (const tenability::Criterion criterion : tenability::kCriteria) {
        const auto& time = outcome.FailureTimeOf(criterion);
        keys.ReachedS.push_back({std::string(tenability::CriterionKey(criterion)),
                                 time ? std::optional(RoundedToTenth(*time)) : std::nullopt});
    }
    return keys;
}

std::string WithTenabilityColumns(std::string_view csv,
                                  const tenability::TenabilitySeries& series) {
    constexpr std::string_view kLineEnd = "\r\n";
    std::string text;
    text.reserve(csv.size() + static_cast<std::size_t>(series.LastRow + 2) * 80);
    int row = -1; // the header line
    std::size_t start = 0;
    while (start < csv.size()) {
        const std::size_t end = csv.find(kLineEnd, start);
        const std::size_t lineEnd = end == std::string_view::npos ? csv.size() : end;
        text.append(csv.substr(start, lineEnd - start));
        if (row < 0) {
            text += ",visibility_m,fed_toxic,fed_heat,radiant_flux_kW_m2";
        } else if (row <= series.LastRow) {
            const auto i = static_cast<std::size_t>(row);
            // Clear air has no visibility limit: its cell stays empty.
            const double visibility = series.Visibility[i];
            text += ',';
            text += std::isfinite(visibility) ? RoundTripText(visibility) : "";
            for (const double value :
                 {series.FedToxic[i], series.FedHeat[i], series.RadiantFlux[i]}) {
                text += ',';
                text += RoundTripText(value);
            }
        }
        text += kLineEnd;
        ++row;
        start = lineEnd + kLineEnd.size();
    }
    return text;
}

const std::string_view kTenabilityHelp =
    "Tenability at head height (any of these adds four columns to --csv: visibility\n"
    "m, empty in clear air, FED toxic, FED heat, radiant flux kW/m²; the summary has\n"
    "aset_s, aset_criterion and tenability_reached_s unless the room is no higher\n"
    "than the head):\n"
    "  --fuel NAME              yields of a fuel burning well ventilated: red-oak,\n"
    "                           propane, heptane, pmma or polystyrene (default)\n"
    "  --heat-of-combustion X   heat released per kg of fuel burned, kJ/kg\n"
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
