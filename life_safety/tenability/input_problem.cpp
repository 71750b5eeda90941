#include "life_safety/tenability/input_problem.h"

#include <cmath>
#include <cstdio>

namespace vorla::tenability {

std::optional<InputProblem> CheckRange(const InputRange& range, double value) {
    const bool aboveLowest = range.LowestAllowed ? value >= range.Lowest : value > range.Lowest;
    if (std::isfinite(value) && aboveLowest && value <= range.Highest) {
        return std::nullopt;
    }
    std::string message = "The ";
    message += range.Caption;
    message += range.LowestAllowed ? " must be a number from " : " must be a number above ";
    message += ValueText(range.Lowest);
    message += range.LowestAllowed ? " to " : " and at most ";
    message += ValueText(range.Highest);
    if (!range.Unit.empty()) {
        message += " ";
        message += range.Unit;
    }
    message += "; " + ValueText(value) + " was given.";
    return InputProblem{std::string(range.Input), std::move(message)};
}

std::string ValueText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

} // namespace vorla::tenability
