#include "life_safety/tenability/fire_file_heat.h"

#include "common/fire_files/fire_file_fields.h"
#include "common/fire_files/fire_table.h"
#include "common/text/number_text.h"
#include "life_safety/tenability/input_problem.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorla::tenability {
namespace {

// Half the last printed digit of each column.
constexpr double kRateHalfDigit = 0.05;          // kW
constexpr double kBurningRateHalfDigit = 0.0005; // g/s
// The two single-precision roundings of the burning rate, with room to spare.
constexpr double kSingleRounding = 1e-6;
// The highest heat of combustion a run takes (yields.cpp's range).
constexpr double kHighest = 150000; // kJ/kg
// Points that leave the value open by more than this share fix nothing.
constexpr double kWidestShare = 0.01;

struct Point {
    double Rate = 0;        // kW, as printed
    double BurningRate = 0; // g/s, as printed
    int Line = 0;
};

// The next record of three numbers, or nothing at the end of the points.
std::optional<Point> NextPoint(FireFileFieldReader& fields) {
    double values[3] = {};
    int line = 0;
    for (int f = 0; f < 3; ++f) {
        if (fields.AtEnd()) {
            return std::nullopt;
        }
        const auto value = ParseWholeNumber(fields.Next());
        if (f == 0) {
            line = fields.FieldLine();
        }
        if (!value || !std::isfinite(*value)) {
            return std::nullopt;
        }
        values[f] = *value;
    }
    if (values[1] < 0) {
        return std::nullopt; // the end marker
    }
    return Point{values[1], values[2], line};
}

// The roundest whole number of kJ/kg from `low` to `high`.
double RoundestIn(double low, double high) {
    const double middle = (low + high) / 2;
    for (double step = 100000; step >= 1; step /= 10) {
        const double first = std::ceil(low / step);
        const double last = std::floor(high / step);
        if (first <= last) {
            return std::clamp(std::round(middle / step), first, last) * step;
        }
    }
    return middle;
}

} // namespace

FireFileHeat HeatOfCombustionOfFireFile(std::string_view content) {
    FireFileFieldReader fields(content);
    double low = 0;
    double high = std::numeric_limits<double>::infinity();
    int lowLine = 0;
    int highLine = 0;
    bool burns = false;
    for (int count = 0; count < kFireTableCapacity; ++count) {
        const auto point = NextPoint(fields);
        if (!point) {
            break;
        }
        if (!(point->Rate > 0)) {
            continue;
        }
        burns = burns || point->BurningRate > 0;
        // The heats of combustion that print this point as it is printed:
        // 1000 r / b for r within half a digit of the printed rate and b of
        // the printed burning rate.
        const double rateLow = std::max(0.0, point->Rate - kRateHalfDigit);
        const double rateHigh = point->Rate + kRateHalfDigit;
        const double burnedLow = point->BurningRate - kBurningRateHalfDigit;
        const double burnedHigh = point->BurningRate + kBurningRateHalfDigit;
        const double pointLow = 1000 * rateLow / burnedHigh * (1 - kSingleRounding);
        const double pointHigh = burnedLow > 0
                                     ? 1000 * rateHigh / burnedLow * (1 + kSingleRounding)
                                     : std::numeric_limits<double>::infinity();
        if (pointLow > low) {
            low = pointLow;
            lowLine = point->Line;
        }
        if (pointHigh < high) {
            high = pointHigh;
            highLine = point->Line;
        }
    }
    if (!burns) {
        return {FireFileHeatFinding::NoBurningRate};
    }
    if (low > high || low > kHighest) {
        return {FireFileHeatFinding::RowsDisagree, 0, std::min(lowLine, highLine),
                std::max(lowLine, highLine)};
    }
    high = std::min(high, kHighest);
    if (!(high <= low * (1 + kWidestShare))) {
        return {FireFileHeatFinding::TooFewDigits};
    }
    return {FireFileHeatFinding::Found, RoundestIn(low, high)};
}

std::string_view HeatSourceWord(HeatSource source) {
    switch (source) {
    case HeatSource::FireFile:
        return "fire file";
    case HeatSource::Default:
        return "default";
    case HeatSource::Input:
        break;
    }
    return "input";
}

HeatOfCombustionChoice ChooseHeatOfCombustion(std::optional<double> given,
                                              const std::optional<FireFileHeat>& fireFile,
                                              double fallback) {
    if (given) {
        return {*given, HeatSource::Input, {}};
    }
    if (!fireFile) {
        return {fallback, HeatSource::Default, "cannot be read"};
    }
    const FireFileHeat& heat = *fireFile;
    switch (heat.Finding) {
    case FireFileHeatFinding::Found:
        return {heat.HeatOfCombustion, HeatSource::FireFile, {}};
    case FireFileHeatFinding::NoBurningRate:
        return {fallback, HeatSource::Default, "has no burning rate where the fire burns"};
    case FireFileHeatFinding::RowsDisagree:
        return {fallback, HeatSource::Default,
                "gives burning rates that fit no one heat of combustion (lines " +
                    std::to_string(heat.Line) + " and " + std::to_string(heat.OtherLine) + ")"};
    case FireFileHeatFinding::TooFewDigits:
        return {fallback, HeatSource::Default,
                "gives burning rates too small to fix a heat of combustion to 1 %"};
    }
    return {fallback, HeatSource::Default, {}};
}

std::string FallbackNote(const HeatOfCombustionChoice& choice, std::string_view fireFileName) {
    return "The fire file " + std::string(fireFileName) + " " + choice.Why +
           ": the tenability uses the default heat of combustion, " +
           ValueText(choice.HeatOfCombustion) + " kJ/kg.";
}

} // namespace vorla::tenability
