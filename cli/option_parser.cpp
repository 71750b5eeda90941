#include "cli/option_parser.h"

#include "common/text/number_text.h"

#include <algorithm>

namespace vorla::cli {

std::optional<std::string> ParsedOptions::Value(std::string_view name) const {
    const auto found = values_.find(std::string(name));
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::variant<ParsedOptions, std::string> ParseOptions(std::span<const std::string> args,
                                                      std::span<const OptionSpec> known) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.size() < 2 || word[0] != '-') {
            parsed.AddPositional(word);
            continue;
        }
        std::string name = word;
        std::optional<std::string> inlineValue;
        if (const auto equals = word.find('=');
            word.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = word.substr(0, equals);
            inlineValue = word.substr(equals + 1);
        }
        const auto option = std::find_if(known.begin(), known.end(),
                                         [&](const OptionSpec& s) { return s.name == name; });
        if (option == known.end()) {
            return "Unknown option " + name + ".";
        }
        if (!option->takesValue) {
            if (inlineValue) {
                return "The option " + name + " takes no value.";
            }
            parsed.Set(name, "");
            continue;
        }
        std::string value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return "The option " + name + " needs a value.";
        }
        const auto earlier = parsed.Value(name);
        parsed.Set(name, option->repeatable && earlier ? *earlier + "\n" + value : value);
    }
    return parsed;
}

OptionTexts TextsByName(const ParsedOptions& options) {
    OptionTexts texts;
    for (const auto& [name, value] : options.values_) {
        texts[name.substr(name.find_first_not_of('-'))] = value;
    }
    return texts;
}

std::optional<std::string> MultiLineRefusal(const OptionTexts& options,
                                            std::span<const std::string_view> names) {
    for (const std::string_view name : names) {
        const auto found = options.find(name);
        if (found != options.end() && found->second.find_first_of("\r\n") != std::string::npos) {
            const std::string dashes = name.size() == 1 ? "-" : "--";
            return "the value of " + dashes + std::string(name) + " must be one line.";
        }
    }
    return std::nullopt;
}

NumberOption ReadNumberOption(const ParsedOptions& options, std::string_view name) {
    const auto text = options.Value(name);
    if (!text) {
        return {};
    }
    const auto number = ParseWholeNumber(*text);
    if (!number && IsNumberOutOfRange(*text)) {
        return {std::nullopt,
                "The value of " + std::string(name) + " is out of range: \"" + *text + "\"."};
    }
    if (!number) {
        return {std::nullopt,
                "The value of " + std::string(name) + " is not a number: \"" + *text + "\"."};
    }
    return {number, std::nullopt};
}

} // namespace vorla::cli
