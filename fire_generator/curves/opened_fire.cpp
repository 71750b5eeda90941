#include "fire_generator/curves/opened_fire.h"

#include "common/fire_files/fire_file_fields.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "common/text/text_columns.h"
#include "common/files/text_file.h"

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

// Every record of the file up to its end marker, not only the first 1801 the
// models read: how many points there are, whether a marker ends them, and
// the rate and burning rate of those the table holds.
struct FileRecords {
    int Points = 0;
    bool MarkerSeen = false;
    std::array<PrintedPoint, kFirePointCount> Printed{};
};

FileRecords ScanRecords(std::string_view content) {
    FireFileFieldReader fields(content);
    FileRecords records;
    while (!fields.AtEnd()) {
        double values[3] = {};
        for (double& value : values) {
            const auto number = fields.AtEnd() ? std::nullopt : ParseWholeNumber(fields.Next());
            if (!number) {
                return records; // the points end at a record that is not one
            }
            value = *number;
        }
        if (values[1] < 0) {
            records.MarkerSeen = true;
            return records;
        }
        if (records.Points < kFirePointCount) {
            records.Printed[records.Points] = {values[1], values[2]};
        }
        ++records.Points;
    }
    return records;
}

} // namespace

std::string DescribeTooManyFirePoints(const TooManyFirePoints& problem) {
    return "The fire file " + problem.Path + " has " + std::to_string(problem.Points) +
           " points; QDOT-XW holds at most " + std::to_string(kFirePointCount) +
           ", so it is not opened.";
}

FireFileForEditing ParseFireFileForEditing(std::string_view content, const std::string& path) {
    FireTable table;
    if (auto error = ParseFireFile(content, path, table)) {
        return std::move(*error);
    }
    const FileRecords records = ScanRecords(content);
    if (records.Points > kFirePointCount) {
        return TooManyFirePoints{path, records.Points};
    }
    if (!records.MarkerSeen) {
        return FireFileError{FireFileError::Kind::NoEndMarker, path, 0, {}};
    }
    OpenedFire fire;
    fire.Path = path;
    fire.Curve.LastPoint = table.LastIndex;
    for (int i = 0; i <= table.LastIndex; ++i) {
        // The reader has checked that every time fits 16 bits.
        fire.Curve.Time[i] = RoundHalfEvenToInt16Bounded(table.Points[i].Time);
        fire.Curve.Rate[i] = RoundToSingle(table.Points[i].Rate);
    }
    fire.Printed = records.Printed;
    fire.Description = DescriptionAfterMarker(content);
    return fire;
}

FireFileForEditing ReadFireFileForEditing(const std::string& path) {
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return FireFileError{FireFileError::Kind::CannotOpen, path, 0, *file.problem};
    }
    return ParseFireFileForEditing(file.text, path);
}

std::int16_t DelayOfCurve(const FireCurve& curve) {
    if (curve.LastPoint >= 1 && curve.Time[0] == 0 && curve.Rate[0] == 0 && curve.Rate[1] == 0 &&
        curve.Time[1] > 0) {
        return curve.Time[1];
    }
    return 0;
}

void UseOpenedFire(const OpenedFire& fire, DesignFireState& module) {
    const std::span<const PrintedPoint> printed(fire.Printed.data(),
                                                static_cast<std::size_t>(fire.Curve.LastPoint) + 1);
    if (const auto heatOfCombustion = HeatOfCombustionOfColumns(printed, module.HeatOfCombustion)) {
        module.HeatOfCombustion = *heatOfCombustion;
    }
    FireCurve curve = fire.Curve;
    for (int i = 0; i <= curve.LastPoint; ++i) {
        curve.Rate[i] = RateOfColumns(fire.Printed[i], module.HeatOfCombustion);
    }
    CommitCurve(curve, module);
    module.CurveKind = "Points of the fire file " + fire.Path;
    module.FireDescription = fire.Description;
    module.DelayTime = DelayOfCurve(fire.Curve);
    module.FireFileName = fire.Path;
    module.CustomStartsFromCurve = true;
}

} // namespace vorla::generator
