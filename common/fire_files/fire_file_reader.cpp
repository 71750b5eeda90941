#include "common/fire_files/fire_file_reader.h"

#include "common/fire_files/fire_file_fields.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "common/files/text_file.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace vorla {
namespace {

struct Record {
    double time = 0;
    double rate = 0;
    int line = 0;
};

enum class RecordResult { Read, EndOfFile, NotNumbers };

RecordResult ReadRecord(FireFileFieldReader& fields, Record& record) {
    if (fields.AtEnd()) {
        return RecordResult::EndOfFile;
    }
    double values[3] = {};
    for (int f = 0; f < 3; ++f) {
        const bool missing = fields.AtEnd();
        const std::string_view field = missing ? std::string_view{} : fields.Next();
        if (f == 0) {
            record.line = fields.FieldLine();
        }
        const auto value = ParseWholeNumber(field);
        if (missing || field.empty() || !value) {
            record.line = missing ? record.line : fields.FieldLine();
            return RecordResult::NotNumbers;
        }
        values[f] = *value;
    }
    record.time = values[0];
    record.rate = values[1];
    return RecordResult::Read;
}

// A point the fire files' columns cannot hold; the end marker (a negative
// rate) is never used as a point and is not judged.
std::optional<FireFileError::Kind> RangeProblem(const Record& record) {
    if (record.rate < 0) {
        return std::nullopt;
    }
    if (!(record.time >= std::numeric_limits<std::int16_t>::min() &&
          record.time <= std::numeric_limits<std::int16_t>::max())) {
        return FireFileError::Kind::TimeOutOfRange;
    }
    if (!std::isfinite(RoundToSingle(record.rate))) {
        return FireFileError::Kind::RateTooLarge;
    }
    return std::nullopt;
}

} // namespace

std::string DescribeFireFileError(const FireFileError& error) {
    const std::string file = "The fire file " + error.path;
    switch (error.kind) {
    case FireFileError::Kind::CannotOpen:
        return file + " cannot be opened" +
               (error.detail.empty() ? "" : " (" + error.detail + ")") + ".";
    case FireFileError::Kind::NotThreeNumbers:
        return file + " is not valid: line " + std::to_string(error.line) +
               " is not three numbers.";
    case FireFileError::Kind::NoEndMarker:
        return file + " is not valid: it ends before the end marker (a line of -9 values).";
    case FireFileError::Kind::TooFewPoints:
        return file + " is not valid: it has fewer than two points.";
    case FireFileError::Kind::TimesGoBackwards:
        return file + " is not valid: the time on line " + std::to_string(error.line) +
               " is earlier than the time before it.";
    case FireFileError::Kind::TimeOutOfRange:
        return file + " is not valid: the time on line " + std::to_string(error.line) +
               " is outside -32768 to 32767 s.";
    case FireFileError::Kind::RateTooLarge:
        return file + " is not valid: the heat release rate on line " + std::to_string(error.line) +
               " is too large.";
    }
    return file + " is not valid.";
}

std::optional<FireFileError> ParseFireFile(std::string_view content, const std::string& path,
                                           FireTable& table) {
    FireFileFieldReader fields(content);
    auto& points = table.Points;
    int lastPointLine = 0;
    int count = 0; // records stored
    bool markerSeen = false;

    while (count < kFireTableCapacity) {
        Record record;
        switch (ReadRecord(fields, record)) {
        case RecordResult::EndOfFile:
            return FireFileError{FireFileError::Kind::NoEndMarker, path, fields.Line(), {}};
        case RecordResult::NotNumbers:
            return FireFileError{FireFileError::Kind::NotThreeNumbers, path, record.line, {}};
        case RecordResult::Read:
            break;
        }
        if (const auto outOfRange = RangeProblem(record)) {
            return FireFileError{*outOfRange, path, record.line, {}};
        }
        points[count] = {record.time, record.rate};
        ++count;
        if (record.rate < 0) {
            markerSeen = true;
            break;
        }
        // Record count - 1 is a point unless it turns out to be the last of a
        // full table without a marker, which is only known later.
        if (count >= 2 && points[count - 1].Time < points[count - 2].Time &&
            count < kFireTableCapacity) {
            return FireFileError{FireFileError::Kind::TimesGoBackwards, path, record.line, {}};
        }
        lastPointLine = record.line;
    }

    int n = count - 2;
    if (!markerSeen) {
        // A full table: its last record is a point only when an end marker follows.
        Record next;
        if (ReadRecord(fields, next) == RecordResult::Read && next.rate < 0) {
            n = kFireTableCapacity - 1;
            if (points[n].Time < points[n - 1].Time) {
                return FireFileError{
                    FireFileError::Kind::TimesGoBackwards, path, lastPointLine, {}};
            }
        }
    }
    if (n < 1) {
        return FireFileError{FireFileError::Kind::TooFewPoints, path, 0, {}};
    }
    table.LastIndex = static_cast<std::int16_t>(n);
    return std::nullopt;
}

std::optional<FireFileError> ReadFireFile(const std::string& path, FireTable& table) {
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return FireFileError{FireFileError::Kind::CannotOpen, path, 0, *file.problem};
    }
    return ParseFireFile(file.text, path, table);
}

} // namespace vorla
