#include "common/key_results/key_criteria.h"

#include "common/text/number_text.h"
#include "common/text/round_trip_text.h"
#include "common/text/units.h"

#include <charconv>
#include <cmath>

namespace vorla {
namespace {

constexpr double kFeet = 0.3048;

// A criterion typed in U.S. units becomes a metric value with ten significant
// digits: 6 ft is 1.8288 m, not 1.8288000000000002, so its key text stays short.
double TenDigits(double value) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 10);
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

// The room's starting temperature as each unit system writes it: 294.26 K is
// 21.11 °C and, to the 0.01 K it is given to, 70 °F.
double AmbientIn(UnitSystem units) {
    return units == UnitSystem::US ? 70 : TenDigits(kAmbientTemperature - kKelvinAtZeroCelsius);
}

std::string_view TemperatureUnit(UnitSystem units) {
    return units == UnitSystem::US ? "\u00b0F" : "\u00b0C";
}

double ToMetres(double value, UnitSystem units) {
    return units == UnitSystem::US ? TenDigits(value * kFeet) : value;
}

double ToCelsius(double value, UnitSystem units) {
    return units == UnitSystem::US ? TenDigits((value - 32) * 5 / 9) : value;
}

std::variant<std::vector<double>, std::string> SplitNumbers(std::string_view text,
                                                            std::string_view option) {
    std::vector<double> values;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        const auto number = ParseWholeNumber(item);
        if (!number) {
            return "The value of " + std::string(option) + " is not a list of numbers: \"" +
                   std::string(text) + "\".";
        }
        values.push_back(*number);
        if (comma == std::string_view::npos) {
            return values;
        }
        start = comma + 1;
    }
}

std::string Repeated(std::string_view option, double value) {
    return "The value of " + std::string(option) + " lists " + TextOfNumber(value) + " twice.";
}

} // namespace

CriteriaList CheckCriteriaHeights(const std::vector<double>& values, UnitSystem units,
                                  std::string_view option) {
    if (values.empty()) {
        return "The value of " + std::string(option) + " needs at least one height.";
    }
    std::vector<double> metres;
    for (const double value : values) {
        if (!std::isfinite(value) || value <= 0) {
            return "The value of " + std::string(option) + " must be heights above 0, not " +
                   TextOfNumber(value) + ".";
        }
        const double height = ToMetres(value, units);
        for (const double earlier : metres) {
            if (earlier == height) {
                return Repeated(option, value);
            }
        }
        metres.push_back(height);
    }
    return metres;
}

CriteriaList CheckCriteriaTemperatures(const std::vector<double>& values, UnitSystem units,
                                       std::string_view option) {
    if (values.empty()) {
        return "The value of " + std::string(option) + " needs at least one temperature.";
    }
    std::vector<double> celsius;
    for (const double value : values) {
        // Judged as typed, so that 70 °F is ambient as 21.11 °C is.
        if (!std::isfinite(value) || value <= AmbientIn(units)) {
            return "The value of " + std::string(option) + " must be temperatures above ambient (" +
                   TextOfNumber(AmbientIn(units)) + " " + std::string(TemperatureUnit(units)) +
                   "), not " + TextOfNumber(value) + ".";
        }
        const double temperature = ToCelsius(value, units);
        for (const double earlier : celsius) {
            if (earlier == temperature) {
                return Repeated(option, value);
            }
        }
        celsius.push_back(temperature);
    }
    return celsius;
}

CriteriaList ParseCriteriaHeights(std::string_view text, UnitSystem units,
                                  std::string_view option) {
    auto numbers = SplitNumbers(text, option);
    if (auto* problem = std::get_if<std::string>(&numbers)) {
        return std::move(*problem);
    }
    return CheckCriteriaHeights(std::get<std::vector<double>>(numbers), units, option);
}

CriteriaList ParseCriteriaTemperatures(std::string_view text, UnitSystem units,
                                       std::string_view option) {
    auto numbers = SplitNumbers(text, option);
    if (auto* problem = std::get_if<std::string>(&numbers)) {
        return std::move(*problem);
    }
    return CheckCriteriaTemperatures(std::get<std::vector<double>>(numbers), units, option);
}

std::optional<std::string> WrittenHeightAboveTheCeiling(const std::vector<double>& heights,
                                                        double ceilingHeight, UnitSystem units,
                                                        std::string_view option) {
    // A criterion at the ceiling converted from feet, or a ceiling kept in
    // single precision, may differ from it in the last digits: that is not
    // outside the room.
    const double highest = ceilingHeight * (1 + 1e-6);
    for (const double height : heights) {
        if (height > highest) {
            return "The value of " + std::string(option) +
                   " must be heights inside the room, up to its ceiling height of " +
                   TextOfNumber(TenDigits(ceilingHeight)) +
                   (units == UnitSystem::US ? " ft" : " m") + ", not " +
                   TextOfNumber(TenDigits(height)) + ".";
        }
    }
    return std::nullopt;
}

std::optional<std::string> HeightAboveTheCeiling(const std::vector<double>& heightsM,
                                                 double ceilingHeightM, UnitSystem units,
                                                 std::string_view option) {
    const double metresPerUnit = units == UnitSystem::US ? kFeet : 1;
    std::vector<double> asTyped;
    for (const double height : heightsM) {
        asTyped.push_back(height / metresPerUnit);
    }
    return WrittenHeightAboveTheCeiling(asTyped, ceilingHeightM / metresPerUnit, units, option);
}

std::string CriterionText(double criterion) {
    return RoundTripText(criterion);
}

} // namespace vorla
