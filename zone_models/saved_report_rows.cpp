#include "zone_models/saved_report_rows.h"

#include "common/text/number_text.h"
#include "common/text/text_columns.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace vorla {
namespace {

constexpr std::size_t kColumns = 9;
// The rule is 68 characters long in both reports; a shorter run of '=' in a
// title or a file name is not it.
constexpr std::size_t kShortestRule = 20;

bool IsRule(std::string_view line) {
    return line.size() >= kShortestRule &&
           std::all_of(line.begin(), line.end(), [](char c) { return c == '='; });
}

// The blank-separated fields of a line, at most `count`.
std::vector<std::string_view> Fields(std::string_view line, std::size_t count) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (fields.size() < count) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
        fields.push_back(line.substr(at, end - at));
        at = end;
    }
    return fields;
}

} // namespace

std::optional<std::vector<SavedReportRow>> ReadSavedReportRows(std::string_view content) {
    const auto lines = SplitLines(content);
    const auto rule = std::find_if(lines.begin(), lines.end(), IsRule);
    if (rule == lines.end()) {
        return std::nullopt;
    }
    std::vector<SavedReportRow> rows;
    bool ended = false;
    for (auto line = rule + 1; line != lines.end(); ++line) {
        const auto fields = Fields(*line, kColumns);
        if (fields.empty()) {
            break; // no report has a blank line before its end message
        }
        if (!ParseWholeNumber(fields[0])) {
            ended = true; // the end message
            break;
        }
        if (fields.size() < kColumns) {
            return std::nullopt;
        }
        std::array<double, kColumns> values{};
        for (std::size_t k = 0; k < kColumns; ++k) {
            const auto value = ParseWholeNumber(fields[k]);
            if (!value) {
                return std::nullopt;
            }
            values[k] = *value;
        }
        if (!rows.empty() && values[0] < rows.back().Seconds) {
            return std::nullopt;
        }
        rows.push_back({values[0], values[1], values[2], values[3], values[4], values[5], values[6],
                        values[7], values[8]});
    }
    // Every report ends its table with the run's end message: without it the
    // file was cut short, and its last row may be cut in the middle of a
    // number that still reads as one ("1.4" of "1.405").
    if (rows.empty() || !ended) {
        return std::nullopt;
    }
    return rows;
}

} // namespace vorla
