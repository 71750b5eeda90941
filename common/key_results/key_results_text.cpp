#include "common/key_results/key_results_text.h"

#include "common/text/format.h"
#include "common/text/units.h"

#include <cmath>

namespace vorla {
namespace {

// One quantity in both unit systems: the shown one first, the other in brackets.
struct BothUnits {
    std::string Si;
    std::string Us;
};

std::string InShownOrder(const BothUnits& value, UnitSystem shown) {
    return shown == UnitSystem::US ? value.Us + " (" + value.Si + ")"
                                   : value.Si + " (" + value.Us + ")";
}

double Feet(double metres) {
    return metres / kMetresPerFoot;
}

double Fahrenheit(double celsius) {
    return celsius * 9 / 5 + 32;
}

// The report's columns: temperatures in whole degrees, heights to the
// centimetre, rates to a tenth, vent flows to the gram.
BothUnits Temperature(double celsius) {
    return {Format(celsius, "0") + " \u00b0C", Format(Fahrenheit(celsius), "0") + " \u00b0F"};
}

BothUnits Height(double metres) {
    return {Format(metres, "0.00") + " m", Format(Feet(metres), "0.00") + " ft"};
}

BothUnits HeatReleaseRate(double kw) {
    return {Format(kw, "0.0") + " kW", Format(kw / kKilowattsPerBtuPerSecond, "0.0") + " Btu/s"};
}

BothUnits VentFlow(double kgS) {
    return {Format(kgS, "0.000") + " kg/s", Format(kgS * kPoundsPerKilogram, "0.000") + " lb/s"};
}

BothUnits HeatReleased(double mj) {
    return {Format(mj, "0.0") + " MJ", Format(mj * 1000 / kKilowattsPerBtuPerSecond, "0") + " Btu"};
}

BothUnits CriterionHeight(double metres) {
    return {ShownHeight(metres, UnitSystem::SI) + " m",
            ShownHeight(metres, UnitSystem::US) + " ft"};
}

BothUnits CriterionTemperature(double celsius) {
    return {ShownTemperature(celsius, UnitSystem::SI) + " \u00b0C",
            ShownTemperature(celsius, UnitSystem::US) + " \u00b0F"};
}

// Format keeps the point of a pattern whose decimals are all optional: "60.".
std::string WithoutTrailingPoint(std::string text) {
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string Seconds(double s) {
    return Format(s, "0.0") + " s";
}

// "<what> at <time>" or "<what>: <otherwise>".
std::string AtTime(const std::string& what, const std::optional<double>& timeS,
                   const char* otherwise = "not reached") {
    return timeS ? what + " at " + Seconds(*timeS) : what + ": " + otherwise;
}

template <class Shown>
std::string Joined(const std::vector<double>& values, UnitSystem shown, Shown show) {
    std::string text;
    for (const double value : values) {
        if (!text.empty()) {
            text += ", ";
        }
        text += show(value, shown);
    }
    return text;
}

// The criteria's keys in words, for the Tenability block.
std::string CriterionWords(const std::string& key) {
    static const std::pair<const char*, const char*> kWords[] = {
        {"visibility", "visibility"},     {"fed_toxic", "toxic dose (FED)"},
        {"fed_heat", "heat dose (FED)"},  {"radiant_flux", "radiant heat flux"},
        {"layer_height", "layer height"}, {"temperature", "gas temperature"},
    };
    for (const auto& [k, words] : kWords) {
        if (key == k) {
            return words;
        }
    }
    return key;
}

void AddTenabilityLines(const TenabilityKeys& keys, std::vector<std::string>& lines) {
    if (keys.TimesNotComputed) {
        lines.emplace_back(
            "Tenability (not computed: its inputs and fire file now give other rows)");
        return;
    }
    lines.push_back(keys.AsetS ? "Tenability: ASET " + Seconds(*keys.AsetS) + ", " +
                                     CriterionWords(keys.AsetCriterion) + " governs"
                               : std::string("Tenability: every criterion held to the end"));
    for (const auto& reached : keys.ReachedS) {
        lines.push_back(
            AtTime("  Limit of " + CriterionWords(reached.Criterion), reached.TimeS, "held"));
    }
}

// The margin the devices give: from the first detection to ASET, negative
// when the room was untenable before anything detected it.
void AddDetectionToAsetLine(const DetectionKeys& detection, const TenabilityKeys& tenability,
                            std::vector<std::string>& lines) {
    if (detection.FirstDetectionS && tenability.AsetS) {
        const double margin =
            std::round((*tenability.AsetS - *detection.FirstDetectionS) * 10) / 10;
        lines.push_back("Detection to ASET: " + Seconds(margin));
    }
}

void AddDetectionLines(const DetectionKeys& keys, std::vector<std::string>& lines) {
    if (keys.TimesNotComputed) {
        lines.emplace_back("Devices (not computed from saved results: use File Open and Run):");
        for (const auto& device : keys.Devices) {
            lines.push_back("  " + device.Name + " (" + device.Kind + ")");
        }
        if (!keys.Suppression.empty()) {
            lines.push_back("Fire " + keys.Suppression + " by the first sprinkler");
        }
        return;
    }
    lines.push_back(AtTime("First detection", keys.FirstDetectionS, "none"));
    lines.push_back(AtTime("First sprinkler", keys.FirstSprinklerS, "none"));
    for (const auto& device : keys.Devices) {
        const std::string what = "  " + device.Name + " (" + device.Kind + ")";
        lines.push_back(device.ActivationTimeS
                            ? what + " operated at " + Seconds(*device.ActivationTimeS)
                            : what + " did not operate");
    }
    if (!keys.Suppression.empty() && keys.SuppressedFromS) {
        lines.push_back("Fire " + keys.Suppression + " from " + Seconds(*keys.SuppressedFromS) +
                        " by the first sprinkler");
    }
}

// Q*_H with three significant digits whatever its size: "0.0523", "0.00106".
std::string FroudeNumberText(double value) {
    std::string pattern = "0.00";
    for (double scaled = value; scaled > 0 && scaled < 1 && pattern.size() < 12; scaled *= 10) {
        pattern += '0';
    }
    return Format(value, pattern);
}

// "Validity limit: flames reach the ceiling from 12.0 s", one line a limit.
void AddValidityLines(const std::vector<ValidityLimitKey>& limits,
                      std::vector<std::string>& lines) {
    for (const auto& limit : limits) {
        std::string what;
        if (limit.Limit == "flames_reach_ceiling") {
            what = "flames reach the ceiling from " + Seconds(limit.FromS);
        } else if (limit.Limit == "plume_within_flames") {
            what = "plume relation used within the flames from " + Seconds(limit.FromS);
        } else if (limit.Limit == "outside_tested_range") {
            what = "Q*_H " + FroudeNumberText(limit.PeakFroudeNumber) + " at " +
                   Seconds(limit.FromS) + ", tested " + FroudeNumberText(limit.TestedLowest) +
                   " to " + FroudeNumberText(limit.TestedHighest);
        } else if (limit.Limit == "entrainment_cap_active") {
            what = "plume at its entrainment cap from " + Seconds(limit.FromS);
        } else {
            what = limit.Limit + " from " + Seconds(limit.FromS);
        }
        lines.push_back("Validity limit: " + what);
    }
}

// "Peak layer temperature rise 180 K (324 °F), bias-corrected 179 K (322 °F)"
// then "  95 % range 124 K (223 °F) to 260 K (468 °F)", and the same for the
// deepest layer.
void AddModelUncertaintyLines(const std::vector<ModelUncertaintyKey>& keys, UnitSystem shown,
                              std::vector<std::string>& lines) {
    for (const auto& key : keys) {
        const bool isRise = key.Quantity == "layer_temperature_rise";
        const auto value = [&](double v) {
            return InShownOrder(
                isRise ? BothUnits{Format(v, "0") + " K", Format(v * 9 / 5, "0") + " \u00b0F"}
                       : Height(v),
                shown);
        };
        lines.push_back(std::string(isRise ? "Peak layer temperature rise " : "Deepest layer ") +
                        value(key.Predicted) + ", bias-corrected " + value(key.Corrected));
        lines.push_back("  95 % range " + value(key.Low95) + " to " + value(key.High95));
    }
}

} // namespace

std::string RunEndWords(RunEnd end) {
    switch (end) {
    case RunEnd::Complete:
        return "run complete";
    case RunEnd::FlashoverStop:
        return "flashover, run stopped by the user";
    case RunEnd::FireEnded:
        return "end of input fire";
    case RunEnd::LayerAtSill:
        return "layer interface dropped below vent sill";
    case RunEnd::LayerAtFuelSurface:
        return "layer interface dropped below fuel surface";
    case RunEnd::Unstable:
        return "calculation became unstable";
    }
    return "calculation became unstable";
}

std::string ShownHeight(double metres, UnitSystem shown) {
    return WithoutTrailingPoint(Format(shown == UnitSystem::US ? Feet(metres) : metres, "0.###"));
}

std::string ShownTemperature(double celsius, UnitSystem shown) {
    return WithoutTrailingPoint(
        Format(shown == UnitSystem::US ? Fahrenheit(celsius) : celsius, "0.#"));
}

std::string ShownHeights(const std::vector<double>& metres, UnitSystem shown) {
    return Joined(metres, shown, ShownHeight);
}

std::string ShownTemperatures(const std::vector<double>& celsius, UnitSystem shown) {
    return Joined(celsius, shown, ShownTemperature);
}

std::vector<std::string> KeyResultLines(const KeyResults& keys, UnitSystem shown) {
    const auto both = [shown](const BothUnits& value) { return InShownOrder(value, shown); };
    std::vector<std::string> lines;
    if (keys.Model == ModelKind::Compartment) {
        lines.push_back(AtTime("Flashover", keys.FlashoverTimeS));
    }
    for (const auto& reach : keys.InterfaceReachesS) {
        lines.push_back(
            AtTime("Layer down to " + both(CriterionHeight(reach.Criterion)), reach.TimeS));
    }
    for (const auto& reach : keys.LayerTemperatureReachesS) {
        lines.push_back(
            AtTime("Layer at " + both(CriterionTemperature(reach.Criterion)), reach.TimeS));
    }
    lines.push_back("Peak layer temperature " + both(Temperature(keys.PeakLayerTemperatureC)) +
                    " at " + Seconds(keys.PeakLayerTemperatureTimeS));
    lines.push_back("Lowest interface height " + both(Height(keys.LowestInterfaceHeightM)) +
                    " at " + Seconds(keys.LowestInterfaceHeightTimeS));
    lines.push_back("Peak heat release rate " + both(HeatReleaseRate(keys.PeakHeatReleaseRateKw)));
    lines.push_back("Heat released " + both(HeatReleased(keys.HeatReleasedMj)));
    // What qualifies the numbers above: their model uncertainty when asked for,
    // and the validity limits the run left.
    AddModelUncertaintyLines(keys.ModelUncertainty, shown, lines);
    AddValidityLines(keys.ValidityLimits, lines);
    if (keys.Model == ModelKind::Compartment) {
        if (keys.PeakVentFlowKgS) {
            lines.push_back("Peak vent flow " + both(VentFlow(*keys.PeakVentFlowKgS)));
        }
        lines.push_back(AtTime("Fire limited by oxygen", keys.OxygenLimitedTimeS, "never"));
    } else {
        lines.push_back(AtTime("Layer at fire base", keys.LayerAtFireBaseTimeS));
    }
    if (keys.Detection) {
        AddDetectionLines(*keys.Detection, lines);
    }
    if (keys.Tenability) {
        AddTenabilityLines(*keys.Tenability, lines);
        if (keys.Detection && !keys.Detection->TimesNotComputed) {
            AddDetectionToAsetLine(*keys.Detection, *keys.Tenability, lines);
        }
    }
    lines.push_back("Run ended at " + Seconds(keys.EndTimeS) + ": " + RunEndWords(keys.End));
    return lines;
}

std::string KeyResultsText(const KeyResults& keys, UnitSystem shown) {
    std::string text;
    for (const auto& line : KeyResultLines(keys, shown)) {
        if (!text.empty()) {
            text += '\n';
        }
        text += line;
    }
    return text;
}

} // namespace vorla
