// File Open of the input form: the inputs read back from a saved report.
#pragma once

#include "compartment/model/calculations.h"
#include "compartment/model/input_boxes.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorla::compartment {

inline constexpr std::string_view kWrongFileFormat = "Wrong file format.";

struct SavedReportError {
    enum class Kind {
        CannotOpen,  // the file cannot be opened or read
        WrongFormat, // not VORLA-XW's version line first, or fewer than 13 lines
    };
    Kind kind;
    std::string path;
    std::string detail; // the system's reason, for CannotOpen

    // The message for the user: "Wrong file format." or a sentence naming the
    // file that cannot be opened.
    std::string Describe() const;
};

// Selects S.I. units (rewriting the boxes as a unit change does), sets
// OutputFile to `path` and reads the report's first 13 lines into the boxes (the
// first must be VORLA-XW's version line):
// the title whole, the two file names from column 31, the area from columns
// 31-37 and the other values from columns 33-37. The six dimensions go into the
// inputs as well; the fractions and the run time are left for Run to read.
//
// On WrongFormat the form shows kWrongFileFormat and performs File New; on
// CannotOpen it says which file and empties txtOutputFile. Apart from the switch
// to S.I. units, a file that cannot be used leaves the boxes as they were.
std::optional<SavedReportError> ReadSavedReport(const std::string& path, InputBoxes& boxes,
                                                Calculations& calc);

// The same from the text of the file.
std::optional<SavedReportError> ReadSavedReportText(std::string_view content,
                                                    const std::string& path, InputBoxes& boxes,
                                                    Calculations& calc);

} // namespace vorla::compartment
