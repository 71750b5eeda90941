// The tenability inputs as texts, read one way for everyone: the batch
// command's options (cli/tenability_options.h), the windows' Smoke and
// Tenability dialog and the line a saved report carries them in. The same
// text gives the same inputs and the same sentence when it cannot be read.
#pragma once

#include "common/text/unit_system.h"
#include "life_safety/tenability/tenability_criteria.h"

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace vorla::tenability {

// How an option's number is typed.
enum class Typed {
    Plain,       // the same in both unit systems (kg/kg, kJ/kg, kW/m², a dose)
    Length,      // m, or ft in U.S. units
    Temperature, // °C, or °F in U.S. units
};

// One numeric tenability input: its option (without dashes), its key in the
// summary's inputs, how it is typed, where it goes and the value the run used.
struct NumberOption {
    std::string_view Option;
    std::string_view SummaryKey;
    Typed Kind;
    void (*Set)(TenabilityInputs&, double);
    double (*Used)(const TenabilityInputs&, const CriterionLimits&);
};

// The twelve numbers in the order the help, the summary and a saved report
// list them: heat of combustion, the four yields, head height, then the
// criteria in Criterion order.
std::span<const NumberOption> NumberOptions();

// The options' texts by name without dashes ("fuel", "soot-yield", ...);
// others are ignored.
using OptionValues = std::map<std::string, std::string, std::less<>>;

// What a set of tenability texts gives.
struct TenabilityTexts {
    TenabilityInputs Inputs;      // S.I.; the defaults for what was not given
    Fuel FuelKind = kDefaultFuel; // --fuel, whose yields the numbers override
    bool Given = false;           // at least one tenability option was given
    // --heat-of-combustion was given (a saved report's line always gives
    // it); without it a run takes the fire file's (fire_file_heat.h).
    bool HeatOfCombustionGiven = false;
};

// The inputs the texts give (typed in `units`), not yet checked, or the
// sentence naming the option whose value is not a number or not a known word:
// "The value of --soot-yield is not a number: \"x\"."
std::variant<TenabilityTexts, std::string> ReadTenabilityTexts(const OptionValues& values,
                                                               UnitSystem units);

// "red-oak, propane, heptane, pmma, polystyrene".
std::string FuelKeys();

// The options that give `inputs` back in S.I. units, each number its shortest
// round-trip text: "--fuel polystyrene --heat-of-combustion 27000 ... --sign
// reflecting ...", a criterion left to its default (visibility, layer height)
// not written.
std::string TenabilityOptionsText(Fuel fuel, const TenabilityInputs& inputs);

// A saved report's tenability: one line "Tenability: " and the options text,
// after the report's last line and before the sprinkler's suppression line and
// the devices' lines (which stay the file's last lines, as a report with
// devices alone has them).
inline constexpr std::string_view kSavedTenabilityPrefix = "Tenability: ";

// The report's text with the tenability line after it (in the report's own
// line ends); the text itself when tenability is not followed.
std::string WithSavedTenability(std::string report, const std::optional<TenabilityTexts>& followed);

// The tenability line of a saved report, read but not yet checked against
// the room: the texts it gives and its line number (from 1).
struct SavedTenability {
    TenabilityTexts Texts;
    std::size_t Line = 0;
};

// The tenability a saved report carries: nothing in a report saved without
// it; the sentence "Line N: ..." for a line that cannot be read (an unknown
// option, a value missing or not a number, a fuel or sign not known).
std::variant<std::optional<SavedTenability>, std::string>
ReadSavedTenability(std::string_view report);

// The sentence "--soot-yield: The soot yield must be ..." for inputs that
// cannot be used in a room `ceilingHeight` m high, as the batch command words
// it (without its program's name); nothing when they can.
std::optional<std::string> TenabilityProblem(const TenabilityInputs& inputs, double ceilingHeight);

} // namespace vorla::tenability
