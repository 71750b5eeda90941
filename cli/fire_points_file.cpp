#include "cli/fire_points_file.h"

#include "common/text/number_text.h"
#include "common/text/text_columns.h"
#include "common/files/text_file.h"

namespace vorla::cli {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The fields of a line split at blanks and at most one comma between them.
std::vector<std::string_view> FieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
        }
        if (pos >= line.size()) {
            break;
        }
        const std::size_t start = pos;
        while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != ',') {
            ++pos;
        }
        fields.push_back(line.substr(start, pos - start));
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
        }
        if (pos < line.size() && line[pos] == ',') {
            ++pos;
        }
    }
    return fields;
}

} // namespace

std::variant<std::vector<FirePointText>, std::string> ParseFirePoints(std::string_view text,
                                                                      const std::string& path) {
    std::vector<FirePointText> points;
    int lineNumber = 0;
    for (const std::string_view line : SplitLines(text)) {
        ++lineNumber;
        const auto fields = FieldsOf(line);
        if (fields.empty() || fields[0].front() == '#') {
            continue;
        }
        if (fields.size() != 2 || !ParseWholeNumber(fields[0]) || !ParseWholeNumber(fields[1])) {
            return "The points file " + path + " is not valid: line " + std::to_string(lineNumber) +
                   " is not two numbers (a time and a rate).";
        }
        points.push_back({std::string(fields[0]), std::string(fields[1]), lineNumber});
    }
    return points;
}

std::variant<std::vector<FirePointText>, std::string> ReadFirePointsFile(const std::string& path) {
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return "The points file " + path + " cannot be opened (" + *file.problem + ").";
    }
    return ParseFirePoints(file.text, path);
}

} // namespace vorla::cli
