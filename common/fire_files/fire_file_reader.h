// Reading a fire file into the fire table, with the file's problems reported as
// values the windows and the batch command turn into messages.
#pragma once

#include "common/fire_files/fire_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

struct FireFileError {
    enum class Kind {
        CannotOpen,       // the file cannot be opened or read
        NotThreeNumbers,  // a record whose fields are not three numbers
        NoEndMarker,      // the file ends before a record with a negative rate
        TooFewPoints,     // fewer than two points before the end marker
        TimesGoBackwards, // a point earlier than the one before it
        TimeOutOfRange,   // a point's time outside the 16-bit seconds of a fire file
        RateTooLarge,     // a point's rate beyond the largest single-precision value
    };
    Kind kind;
    std::string path;
    int line = 0;       // the line concerned, counted from 1 (0 when none)
    std::string detail; // the system's reason, for CannotOpen
};

// One sentence naming the file and what is wrong with it.
std::string DescribeFireFileError(const FireFileError& error);

// Reads records of three numbers (time in s, heat release rate in kW, a third
// value that is not used) until a record whose rate is negative, the end marker.
// Fields are separated by blanks, commas or line ends. Returns the problem when
// the file cannot be used; the table is then not to be used either.
//
// A table of 1801 records without a marker has N = 1799 (its last record counts
// as the marker); 1801 records followed by a marker are read whole (N = 1800).
// Equal consecutive times are a step and are accepted. A point's time must lie
// within -32768 to 32767 s and its rate within single precision, as a fire file
// written by the generator always does: beyond them the interpolation of the
// models overflows.
std::optional<FireFileError> ReadFireFile(const std::string& path, FireTable& table);

// The same, from the text of a file; `path` only names the file in errors.
std::optional<FireFileError> ParseFireFile(std::string_view content, const std::string& path,
                                           FireTable& table);

} // namespace vorla
