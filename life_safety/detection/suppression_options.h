// The suppression rule as text: the batch command's options (`--suppression
// unchanged|held|decaying`, `--spray-density W`, `--suppression-constant A`,
// `--suppression-exponent B`), read once here for the batch command, the
// windows' Detectors and Sprinklers dialog and a saved report's line, so all
// three refuse the same values with the same sentences.
//
// A saved report whose fire a sprinkler may change carries the rule on one
// line after its last line and before its devices' lines (device_options.h):
//
//   Suppression: --suppression decaying --spray-density 0.07 --suppression-constant 3 ...
//
// written only when the rule is not "unchanged", so every other report is
// what it always was.
#pragma once

#include "life_safety/detection/device.h"
#include "life_safety/detection/suppression.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::detection {

// The options' texts as given; nothing for an option not given.
struct SuppressionTexts {
    std::optional<std::string> Rule;         // --suppression
    std::optional<std::string> SprayDensity; // --spray-density, mm/s
    std::optional<std::string> Constant;     // --suppression-constant
    std::optional<std::string> Exponent;     // --suppression-exponent
};

// What cannot be used: the option without its dashes ("suppression",
// "spray-density", "suppression-constant", "suppression-exponent") and the
// batch command's sentence.
struct SuppressionProblem {
    std::string Option;
    std::string Message;

    bool operator==(const SuppressionProblem&) const = default;
};

// The rule the texts give (unchanged when no rule is given), each number
// read whole and the rule checked (CheckSuppression); or the first problem.
std::variant<Suppression, SuppressionProblem> ReadSuppressionTexts(const SuppressionTexts& texts);

// The batch command's options of a rule, each number its shortest
// round-trip text: "--suppression held", "--suppression decaying
// --spray-density 0.07 --suppression-constant 3 --suppression-exponent 1.85".
std::string SuppressionOptionText(const Suppression& suppression);

inline constexpr std::string_view kSavedSuppressionPrefix = "Suppression: ";

// A saved report's text with the rule's line after it, in the report's own
// line ends; the text itself when the rule is "unchanged". The devices'
// lines (WithSavedDevices) go after it.
std::string WithSavedSuppression(std::string report, const Suppression& suppression);

// A saved report's text with the rule's line (when not "unchanged") and the
// devices' lines after it: what the windows' Save and the batch command's -o
// write.
std::string WithSavedDetection(std::string report, const std::vector<Device>& devices,
                               const Suppression& suppression);

// The rule of a saved report's text: the kSavedSuppressionPrefix line just
// before the devices' lines at its end; "unchanged" when there is none (every
// older report). A line that cannot be read gives "Line N: " and the problem.
std::variant<Suppression, std::string> ReadSavedSuppression(std::string_view report);

} // namespace vorla::detection
