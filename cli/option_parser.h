// Command-line options of the `vorla` subcommands: "--name value",
// "--name=value" and "-o value", checked against the options a command knows.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::cli {

// Option texts by name without dashes: "loss-fraction" -> "0.7", "fire" -> path,
// "units" -> "si" or "us", "from" -> a saved report, "o" -> the output path.
using OptionTexts = std::map<std::string, std::string, std::less<>>;

struct OptionSpec {
    std::string_view name; // with its dashes: "--floor-area", "-o"
    bool takesValue = true;
    // Given more than once, its values are all kept, one a line in the order
    // given (`--device KEYS` repeated); otherwise the last one counts.
    bool repeatable = false;
};

class ParsedOptions {
    friend OptionTexts TextsByName(const ParsedOptions& options);

  public:
    bool Has(std::string_view name) const { return values_.count(std::string(name)) != 0; }
    // The value given, or nothing when the option was not given.
    std::optional<std::string> Value(std::string_view name) const;
    const std::vector<std::string>& Positional() const { return positional_; }

    void Set(std::string name, std::string value) { values_[std::move(name)] = std::move(value); }
    void AddPositional(std::string value) { positional_.push_back(std::move(value)); }

  private:
    std::map<std::string, std::string> values_;
    std::vector<std::string> positional_;
};

// The options, or a sentence saying what is wrong with them (an unknown option,
// a missing value). Words that do not start with "-" are kept as positional
// arguments for the command to judge; "-" alone is a value, not an option.
std::variant<ParsedOptions, std::string> ParseOptions(std::span<const std::string> args,
                                                      std::span<const OptionSpec> known);

// The options given, by name without dashes ("--floor-area" -> "floor-area").
OptionTexts TextsByName(const ParsedOptions& options);

// The sentence refusing the first of `names` (without dashes) whose value holds
// a line break, nothing when every one given is one line. A text the command
// writes as one line of a file would otherwise shift the lines after it, and a
// reader would take one value for another.
std::optional<std::string> MultiLineRefusal(const OptionTexts& options,
                                            std::span<const std::string_view> names);

// The number an option carries, or the sentence naming the option whose value is
// not a number or too large for one. Nothing and no error when the option was not given.
struct NumberOption {
    std::optional<double> value;
    std::optional<std::string> error;
};
NumberOption ReadNumberOption(const ParsedOptions& options, std::string_view name);

} // namespace vorla::cli
