// File Open of the input form: the inputs read back from a saved report (its
// first 13 lines give the form back its title, file names and nine numbers, in
// S.I. units).
#pragma once

#include "common/files/file_problem.h"
#include "compartment/model/input_boxes.h"
#include "compartment/model/run_inputs.h"
#include "compartment/model/unit_tables.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorla::compartment {

// Selects S.I. units (rewriting the boxes as a unit change does), sets
// OutputFile to `path` and reads the report's first 13 lines into the boxes (the
// first must be VORLA-XW's version line):
// the title whole, the two file names from column 31, the area from columns
// 31-37 and the other values from columns 33-37. The six dimensions go into the
// inputs as well; the fractions and the run time are left for Run to read.
//
// A file shorter than 13 lines is WrongFormat (the form then shows
// kWrongFileFormat and stays as it was); one that cannot be read is
// CannotOpen (the form names it and empties txtOutputFile). Apart from the
// switch to S.I. units, such a file leaves the boxes as they were.
std::optional<FileProblem> ReadSavedReport(const std::string& path, InputBoxes& boxes,
                                           UnitTables& units, RunInputs& inputs);

// The same from the text of the file.
std::optional<FileProblem> ReadSavedReportText(std::string_view content, const std::string& path,
                                               InputBoxes& boxes, UnitTables& units,
                                               RunInputs& inputs);

} // namespace vorla::compartment
