// A tenability input that cannot be used: the input's name as the batch
// command and the study files spell it, and a sentence naming the value and
// what it must be.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla::tenability {

struct InputProblem {
    std::string Input;   // "soot-yield", "head-height", ...
    std::string Message; // "The soot yield must be ...; -0.1 was given."

    bool operator==(const InputProblem&) const = default;
};

// The numbers one input takes: finite, from Lowest (or above it, when Lowest
// itself is not allowed) up to Highest.
struct InputRange {
    std::string_view Input;
    std::string_view Caption; // "soot yield"
    double Lowest = 0;
    bool LowestAllowed = true;
    double Highest = 0;
    std::string_view Unit; // "kg/kg"
};

// Nothing when `value` is in the range, otherwise the sentence saying so:
// "The soot yield must be a number from 0 to 1 kg/kg; 1.5 was given."
std::optional<InputProblem> CheckRange(const InputRange& range, double value);

// `value` written so that the user recognises what was typed: up to 10
// significant digits, no trailing zeros ("0.0125", "1e-06", "nan").
std::string ValueText(double value);

} // namespace vorla::tenability
