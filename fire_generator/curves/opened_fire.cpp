#include "fire_generator/curves/opened_fire.h"

#include "common/number_text.h"
#include "common/precision.h"
#include "common/text_columns.h"
#include "common/text_file.h"

namespace vorla::generator {
namespace {

// A fire file's end marker is the first line whose second field is negative;
// the generator writes the name line and then the description after it.
std::string DescriptionAfterMarker(std::string_view content) {
    const auto lines = SplitLines(content);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        std::string_view line = lines[k];
        std::size_t start = line.find_first_not_of(" \t,");
        if (start == std::string_view::npos) {
            continue;
        }
        const std::size_t firstEnd = line.find_first_of(" \t,", start);
        if (firstEnd == std::string_view::npos) {
            continue;
        }
        start = line.find_first_not_of(" \t,", firstEnd);
        if (start == std::string_view::npos) {
            continue;
        }
        const std::size_t secondEnd = line.find_first_of(" \t,\r", start);
        const auto rate = ParseWholeNumber(line.substr(start, secondEnd - start));
        if (rate && *rate < 0) {
            return k + 2 < lines.size() ? std::string(lines[k + 2]) : std::string();
        }
    }
    return {};
}

} // namespace

std::variant<OpenedFire, FireFileError> ParseFireFileForEditing(std::string_view content,
                                                                const std::string& path) {
    FireTable table;
    if (auto error = ParseFireFile(content, path, table)) {
        return std::move(*error);
    }
    OpenedFire fire;
    fire.Path = path;
    fire.Curve.LastPoint = table.N;
    for (int i = 0; i <= table.N; ++i) {
        // The reader has checked that every time fits 16 bits.
        fire.Curve.Time[i] = RoundHalfEvenToInt16Bounded(table.Points[i].Time);
        fire.Curve.Rate[i] = RoundToSingle(table.Points[i].Rate);
    }
    fire.Description = DescriptionAfterMarker(content);
    return fire;
}

std::variant<OpenedFire, FireFileError> ReadFireFileForEditing(const std::string& path) {
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return FireFileError{FireFileError::Kind::CannotOpen, path, 0, *file.problem};
    }
    return ParseFireFileForEditing(file.text, path);
}

void UseOpenedFire(const OpenedFire& fire, StandardModule& module) {
    CommitCurve(fire.Curve, module);
    module.FireDescription = fire.Description;
    module.FireFileName = fire.Path;
    module.CustomStartsFromCurve = true;
}

} // namespace vorla::generator
