// File Open of the input form: the inputs read back from a saved report (the
// first nine lines give the form back its title, file names and five numbers,
// in S.I. units).
#pragma once

#include "common/files/file_problem.h"
#include "smoke_filling/model/input_boxes.h"
#include "smoke_filling/model/run_inputs.h"
#include "smoke_filling/model/unit_tables.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorla::smoke {

// Switches to S.I. units (converting the boxes as a click on "S.I. Units" does
// when that changes the selection), sets OutputFile to `path`, then reads lines
// 2 to 9 into the boxes by position: the title whole, the two file names from
// column 31, the area from columns 31-37 and the other values from columns
// 33-37. The three dimensions go into the inputs as well; the loss fraction and
// the run time are left for Run to read.
//
// A file shorter than 9 lines is WrongFormat (the form then shows
// kWrongFileFormat and stays as it was); one that cannot be read is
// CannotOpen (the form names it and empties txtOutputFile). Apart from the
// switch to S.I. units, such a file leaves the boxes as they were.
std::optional<FileProblem> ReadSavedReport(const std::string& path, InputBoxes& boxes,
                                           UnitTables& units, RunInputs& inputs);

// The same from the text of the file.
std::optional<FileProblem> ReadSavedReportText(std::string_view content, const std::string& path,
                                               InputBoxes& boxes, UnitTables& units,
                                               RunInputs& inputs);

} // namespace vorla::smoke
