// File Open of the smoke filling form: the first nine lines of a saved results
// file give the form back its title, file names and five numbers, in S.I. units.
#pragma once

#include "smoke_filling/model/input_form.h"
#include "smoke_filling/model/smoke_fill_inputs.h"
#include "smoke_filling/model/smoke_fill_units.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorla::smoke {

inline constexpr std::string_view kWrongFileFormatMessage = "Wrong file format.";

struct ResultsFileError {
    enum class Kind {
        CannotOpen,  // the file cannot be opened or read
        WrongFormat, // not SKEVA-XW's version line first, or fewer than 9 lines
    };
    Kind kind;
    std::string path;
    std::string detail; // the system's reason, for CannotOpen
};

// What the form shows for the error: "Wrong file format." for a short file, a
// sentence naming the file for one that cannot be opened.
std::string DescribeResultsFileError(const ResultsFileError& error);

// Refills the form from the text of a saved results file chosen as `path`:
// switches to S.I. units (converting the boxes as a click on "S.I. Units" does),
// sets OutputFile to `path`, then reads lines 2 to 9 by position. A file shorter than 9 lines,
// or whose first line is not SKEVA-XW's version line, leaves the form as File New does and is
// reported as WrongFormat.
std::optional<ResultsFileError> OpenResultsText(std::string_view content, const std::string& path,
                                                SmokeFillFormTexts& texts, SmokeFillUnits& units,
                                                SmokeFillInputs& inputs);

// The same, reading the file. When it cannot be opened the form is left in S.I.
// units with the output file box emptied.
std::optional<ResultsFileError> OpenResultsFile(const std::string& path, SmokeFillFormTexts& texts,
                                                SmokeFillUnits& units, SmokeFillInputs& inputs);

} // namespace vorla::smoke
