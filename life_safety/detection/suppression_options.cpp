#include "life_safety/detection/suppression_options.h"

#include "common/text/number_text.h"
#include "common/text/round_trip_text.h"
#include "common/text/table_cells.h"
#include "life_safety/detection/device_options.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

namespace vorla::detection {
namespace {

std::optional<SuppressionRule> RuleOfWord(std::string_view word) {
    if (word == "unchanged") {
        return SuppressionRule::Unchanged;
    }
    if (word == "held") {
        return SuppressionRule::HeldAtActivation;
    }
    if (word == "decaying") {
        return SuppressionRule::Decaying;
    }
    return std::nullopt;
}

std::string_view WordOf(SuppressionRule rule) {
    switch (rule) {
    case SuppressionRule::HeldAtActivation:
        return "held";
    case SuppressionRule::Decaying:
        return "decaying";
    case SuppressionRule::Unchanged:
        break;
    }
    return "unchanged";
}

// The option CheckSuppression's sentence is about.
std::string OptionOfCheck(const std::string& sentence) {
    if (sentence.starts_with("The spray density")) {
        return "spray-density";
    }
    if (sentence.starts_with("The suppression constant")) {
        return "suppression-constant";
    }
    return "suppression-exponent";
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

} // namespace

std::variant<Suppression, SuppressionProblem> ReadSuppressionTexts(const SuppressionTexts& texts) {
    Suppression read;
    if (texts.Rule) {
        const auto rule = RuleOfWord(*texts.Rule);
        if (!rule) {
            return SuppressionProblem{"suppression",
                                      "--suppression must be unchanged, held or decaying, not \"" +
                                          *texts.Rule + "\"."};
        }
        read.Rule = *rule;
    }
    const std::tuple<std::string_view, const std::optional<std::string>*, double*> numbers[] = {
        {"spray-density", &texts.SprayDensity, &read.SprayDensity},
        {"suppression-constant", &texts.Constant, &read.Constant},
        {"suppression-exponent", &texts.Exponent, &read.Exponent},
    };
    for (const auto& [name, text, target] : numbers) {
        if (!*text) {
            continue;
        }
        const auto number = ParseWholeNumber(**text);
        if (!number) {
            return SuppressionProblem{std::string(name), "The value of --" + std::string(name) +
                                                             " is not a number: \"" + **text +
                                                             "\"."};
        }
        if (read.Rule != SuppressionRule::Decaying) {
            return SuppressionProblem{
                std::string(name), "--" + std::string(name) +
                                       " is for a decaying fire: give --suppression decaying too."};
        }
        *target = *number;
    }
    if (const auto problem = CheckSuppression(read)) {
        return SuppressionProblem{OptionOfCheck(*problem), "--suppression: " + *problem};
    }
    return read;
}

std::string SuppressionOptionText(const Suppression& suppression) {
    std::string text = "--suppression " + std::string(WordOf(suppression.Rule));
    if (suppression.Rule == SuppressionRule::Decaying) {
        text += " --spray-density " + RoundTripText(suppression.SprayDensity) +
                " --suppression-constant " + RoundTripText(suppression.Constant) +
                " --suppression-exponent " + RoundTripText(suppression.Exponent);
    }
    return text;
}

std::string WithSavedSuppression(std::string report, const Suppression& suppression) {
    if (suppression.Rule == SuppressionRule::Unchanged) {
        return report;
    }
    const std::string_view lineEnd = report.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    return report + std::string(kSavedSuppressionPrefix) + SuppressionOptionText(suppression) +
           std::string(lineEnd);
}

std::string WithSavedDetection(std::string report, const std::vector<Device>& devices,
                               const Suppression& suppression) {
    return WithSavedDevices(WithSavedSuppression(std::move(report), suppression), devices);
}

std::variant<Suppression, std::string> ReadSavedSuppression(std::string_view report) {
    const std::vector<std::string_view> lines = Lines(report);
    std::size_t last = lines.size();
    while (last > 0 && lines[last - 1].starts_with(kSavedDevicePrefix)) {
        --last;
    }
    if (last == 0 || !lines[last - 1].starts_with(kSavedSuppressionPrefix)) {
        return Suppression{};
    }
    const std::string_view line = lines[last - 1].substr(kSavedSuppressionPrefix.size());
    const std::string where = "Line " + std::to_string(last) + ": ";
    // The options as the batch command takes them: "--name value" pairs.
    SuppressionTexts texts;
    const std::vector<std::string> words = BlankSeparatedWords(line);
    if (words.size() % 2 != 0) {
        return where + "each option of the rule needs its value: \"" + std::string(line) + "\".";
    }
    for (std::size_t k = 0; k < words.size(); k += 2) {
        const std::string value(words[k + 1]);
        if (words[k] == "--suppression") {
            texts.Rule = value;
        } else if (words[k] == "--spray-density") {
            texts.SprayDensity = value;
        } else if (words[k] == "--suppression-constant") {
            texts.Constant = value;
        } else if (words[k] == "--suppression-exponent") {
            texts.Exponent = value;
        } else {
            return where + "\"" + std::string(words[k]) + "\" is not an option of the rule.";
        }
    }
    if (!texts.Rule) {
        return where + "the line gives no --suppression rule.";
    }
    auto read = ReadSuppressionTexts(texts);
    if (auto* problem = std::get_if<SuppressionProblem>(&read)) {
        return where + problem->Message;
    }
    return std::get<Suppression>(read);
}

} // namespace vorla::detection
