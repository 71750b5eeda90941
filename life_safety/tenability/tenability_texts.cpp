#include "life_safety/tenability/tenability_texts.h"

#include "common/text/number_text.h"
#include "common/text/round_trip_text.h"
#include "common/text/units.h"

#include <array>
#include <vector>

namespace vorla::tenability {
namespace {

constexpr std::array<NumberOption, 12> kNumberOptions{{
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

const std::string* Find(const OptionValues& values, std::string_view name) {
    const auto found = values.find(name);
    return found == values.end() ? nullptr : &found->second;
}

bool KnownOption(std::string_view name) {
    if (name == "fuel" || name == "sign") {
        return true;
    }
    for (const NumberOption& option : kNumberOptions) {
        if (option.Option == name) {
            return true;
        }
    }
    return false;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        at = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

// The options of one line, or the sentence saying what is wrong with it.
std::variant<OptionValues, std::string> LineOptions(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at) {
            words.push_back(text.substr(at, end - at));
        }
        at = end + 1;
    }
    OptionValues values;
    for (std::size_t k = 0; k < words.size(); k += 2) {
        const std::string_view word = words[k];
        if (!word.starts_with("--") || !KnownOption(word.substr(2))) {
            return "\"" + std::string(word) + "\" is not a tenability option.";
        }
        if (k + 1 >= words.size()) {
            return std::string(word) + " has no value.";
        }
        values[std::string(word.substr(2))] = std::string(words[k + 1]);
    }
    return values;
}

} // namespace

std::span<const NumberOption> NumberOptions() {
    return kNumberOptions;
}

std::string FuelKeys() {
    std::string keys;
    for (const auto& fuel : FuelTable()) {
        keys += keys.empty() ? "" : ", ";
        keys += fuel.Key;
    }
    return keys;
}

std::variant<TenabilityTexts, std::string> ReadTenabilityTexts(const OptionValues& values,
                                                               UnitSystem units) {
    TenabilityTexts read;
    // The fuel first: its yields are the defaults the other options override.
    if (const std::string* fuel = Find(values, "fuel")) {
        const auto kind = FuelByKey(*fuel);
        if (!kind) {
            return "--fuel must be one of " + FuelKeys() + ", not \"" + *fuel + "\".";
        }
        read.FuelKind = *kind;
        read.Inputs.Yields = DefaultsOf(*kind).Yields;
        read.Given = true;
    }
    if (const std::string* sign = Find(values, "sign")) {
        const auto kind = SignKindByName(*sign);
        if (!kind) {
            return "--sign must be reflecting or lit, not \"" + *sign + "\".";
        }
        read.Inputs.Sign = *kind;
        read.Given = true;
    }
    for (const NumberOption& option : kNumberOptions) {
        const std::string* text = Find(values, option.Option);
        if (!text) {
            continue;
        }
        const auto number = ParseWholeNumber(*text);
        if (!number) {
            return "The value of --" + std::string(option.Option) + " is not a number: \"" + *text +
                   "\".";
        }
        option.Set(read.Inputs, ToSI(*number, option.Kind, units));
        read.Given = true;
        read.HeatOfCombustionGiven = read.HeatOfCombustionGiven || option.Option == "heat-of-combustion";
    }
    return read;
}

std::optional<std::string> TenabilityProblem(const TenabilityInputs& inputs, double ceilingHeight) {
    if (const auto problem = CheckTenabilityInputs(inputs, ceilingHeight)) {
        return "--" + problem->Input + ": " + problem->Message;
    }
    return std::nullopt;
}

std::string TenabilityOptionsText(Fuel fuel, const TenabilityInputs& inputs) {
    std::string text = "--fuel " + std::string(DefaultsOf(fuel).Key);
    const auto add = [&](std::string_view option, double value) {
        text += " --" + std::string(option) + " " + RoundTripText(value);
    };
    const CriterionLimits limits = LimitsFor(inputs, 0);
    for (const NumberOption& option : kNumberOptions) {
        // A criterion left to its default follows the room and the head.
        if ((option.Option == "visibility-limit" && !inputs.Criteria.Visibility) ||
            (option.Option == "tenability-layer-height" && !inputs.Criteria.LayerHeight)) {
            continue;
        }
        add(option.Option, option.Used(inputs, limits));
        if (option.Option == "head-height") {
            text += " --sign " + std::string(SignKindName(inputs.Sign));
        }
    }
    return text;
}

std::string WithSavedTenability(std::string report,
                                const std::optional<TenabilityTexts>& followed) {
    if (!followed) {
        return report;
    }
    const std::string_view lineEnd = report.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    return report + std::string(kSavedTenabilityPrefix) +
           TenabilityOptionsText(followed->FuelKind, followed->Inputs) + std::string(lineEnd);
}

std::variant<std::optional<SavedTenability>, std::string>
ReadSavedTenability(std::string_view report) {
    const std::vector<std::string_view> lines = Lines(report);
    // The devices' lines are the file's last, after the sprinkler's
    // suppression rule when it changes the fire; the tenability line is just
    // before them.
    constexpr std::string_view kDevicePrefix = "Device: ";
    constexpr std::string_view kSuppressionPrefix = "Suppression: ";
    std::size_t end = lines.size();
    while (end > 0 && lines[end - 1].starts_with(kDevicePrefix)) {
        --end;
    }
    if (end > 0 && lines[end - 1].starts_with(kSuppressionPrefix)) {
        --end;
    }
    if (end == 0 || !lines[end - 1].starts_with(kSavedTenabilityPrefix)) {
        return std::optional<SavedTenability>();
    }
    const std::size_t line = end; // from 1
    const auto fail = [line](const std::string& problem) {
        return "Line " + std::to_string(line) + ": " + problem;
    };
    auto options = LineOptions(lines[end - 1].substr(kSavedTenabilityPrefix.size()));
    if (const auto* problem = std::get_if<std::string>(&options)) {
        return fail(*problem);
    }
    auto read = ReadTenabilityTexts(std::get<OptionValues>(options), UnitSystem::SI);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        return fail(*problem);
    }
    SavedTenability saved{std::get<TenabilityTexts>(std::move(read)), line};
    // A line is written for a followed run only: even one that gives every
    // default says tenability is followed.
    saved.Texts.Given = true;
    return std::optional<SavedTenability>(std::move(saved));
}

} // namespace vorla::tenability
