#include "fire_generator/curves/printed_columns.h"

#include "fire_generator/curves/fire_file_writer.h"
#include "common/text/format.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <vector>

namespace vorla::generator {
namespace {

constexpr double kFormsHeatOfCombustionLimit = 120000; // kJ/kg, the forms' limit
// Half the last printed digit of each column.
constexpr double kRateHalfDigit = 0.05;          // kW
constexpr double kBurningRateHalfDigit = 0.0005; // g/s
constexpr std::string_view kRatePattern = "#####0.0";
constexpr std::string_view kBurningRatePattern = "###0.000";

bool PrintsAs(float value, std::string_view pattern, double printed) {
    return ParseWholeNumber(Format(value, pattern)) == printed;
}

bool PrintsAsPoint(float rate, const PrintedPoint& point, float heatOfCombustion) {
    return PrintsAs(rate, kRatePattern, point.Rate) &&
           PrintsAs(BurningRateOf(rate, heatOfCombustion), kBurningRatePattern, point.BurningRate);
}

struct Range {
    double Low;
    double High;
};

// The rates (kW) that print as the point's rate and, under the heat of
// combustion, as its burning rate: empty (Low > High) when none does.
Range RatesOfPoint(const PrintedPoint& point, double heatOfCombustion) {
    return {std::max(point.Rate - kRateHalfDigit,
                     (point.BurningRate - kBurningRateHalfDigit) * heatOfCombustion / 1000),
            std::min(point.Rate + kRateHalfDigit,
                     (point.BurningRate + kBurningRateHalfDigit) * heatOfCombustion / 1000)};
}

bool FitsEveryPoint(std::span<const PrintedPoint> points, double heatOfCombustion) {
    return std::all_of(points.begin(), points.end(), [heatOfCombustion](const PrintedPoint& p) {
        const Range rates = RatesOfPoint(p, heatOfCombustion);
        // A hair of slack for the rounding of the bounds themselves.
        return rates.Low <= rates.High + 1e-9 * std::max(1.0, rates.High);
    });
}

int TrailingZeros(long long n) {
    int zeros = 0;
    while (n != 0 && n % 10 == 0) {
        n /= 10;
        ++zeros;
    }
    return zeros;
}

struct Candidate {
    float Value;
    int Zeros;
    double Distance;
};

} // namespace

std::optional<float> HeatOfCombustionOfColumns(std::span<const PrintedPoint> points,
                                               float current) {
    // The point that burns most narrows the heat of combustion most.
    const auto widest = std::max_element(
        points.begin(), points.end(),
        [](const PrintedPoint& a, const PrintedPoint& b) { return a.BurningRate < b.BurningRate; });
    if (widest == points.end() || !(widest->BurningRate > 0)) {
        return std::nullopt;
    }
    const PrintedPoint& top = *widest;
    const double low = std::max(1.0, 1000 * (top.Rate - kRateHalfDigit) /
                                         (top.BurningRate + kBurningRateHalfDigit));
    const double high =
        top.BurningRate > kBurningRateHalfDigit
            ? std::min(kFormsHeatOfCombustionLimit, 1000 * (top.Rate + kRateHalfDigit) /
                                                     (top.BurningRate - kBurningRateHalfDigit))
            : kFormsHeatOfCombustionLimit;
    if (low > high) {
        return std::nullopt;
    }
    if (current >= low && current <= high && FitsEveryPoint(points, current)) {
        return current;
    }

    const double ratio = 1000 * top.Rate / top.BurningRate;
    std::vector<Candidate> candidates;
    for (const UnitSystem system : {UnitSystem::SI, UnitSystem::US}) {
        const double factor = UnitTablesFor(system).HeatOfCombustion.ToSI;
        const auto first = static_cast<long long>(std::floor(low / factor));
        const auto last = static_cast<long long>(std::ceil(high / factor));
        for (long long n = std::max(1LL, first); n <= last; ++n) {
            // As the curve command reads a typed whole number.
            const float value = RoundToSingle(static_cast<double>(n) * factor);
            if (value >= low && value <= high) {
                candidates.push_back({value, TrailingZeros(n), std::abs(value - ratio)});
            }
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) {
                         return a.Zeros != b.Zeros ? a.Zeros > b.Zeros : a.Distance < b.Distance;
                     });
    for (const Candidate& candidate : candidates) {
        if (FitsEveryPoint(points, candidate.Value)) {
            return candidate.Value;
        }
    }
    return std::nullopt;
}

float RateOfColumns(const PrintedPoint& point, float heatOfCombustion) {
    const float printed = RoundToSingle(point.Rate);
    if (PrintsAsPoint(printed, point, heatOfCombustion)) {
        return printed;
    }
    const Range rates = RatesOfPoint(point, heatOfCombustion);
    if (rates.Low > rates.High) {
        return printed;
    }
    const float middle = RoundToSingle((rates.Low + rates.High) / 2);
    return PrintsAsPoint(middle, point, heatOfCombustion) ? middle : printed;
}

std::string HeatOfCombustionBoxText(float heatOfCombustion, const UnitTables& units) {
    const double factor = units.HeatOfCombustion.ToSI;
    const double shown = heatOfCombustion / factor;
    const auto readsBack = [heatOfCombustion, factor](const std::string& text) {
        return RoundToSingle(NumberOfText(text) * factor) == heatOfCombustion;
    };
    // The form's own whole number first, as txtHoC shows a value otherwise.
    std::string text = Format(shown, "######");
    for (int decimals = 1; decimals <= 9 && !readsBack(text); ++decimals) {
        char buffer[64];
        const auto written = std::to_chars(std::begin(buffer), std::end(buffer), shown,
                                           std::chars_format::fixed, decimals);
        text.assign(buffer, written.ptr);
    }
    return text;
}

} // namespace vorla::generator
