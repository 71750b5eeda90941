// What the input form frmInput does, without its widgets: leaving a dimension
// box, changing the unit system, File New and Run. The window's handlers pass
// their boxes' texts here and show what comes back.
#pragma once

#include "common/unit_system.h"
#include "compartment/model/calculations.h"
#include "compartment/model/input_boxes.h"
#include "compartment/model/input_checks.h"

#include <optional>

namespace vorla::compartment {

inline constexpr int kLongestRunTitle = 60; // characters

// Leaving one of the six dimension boxes with a non-empty text stores its number
// in S.I. units (the soffit height rounded to single precision). Other boxes and
// empty texts change nothing: Run reads them.
void LeaveInputBox(InputBox box, const InputBoxes& boxes, Calculations& calc);

// Switches the unit tables and rewrites every non-empty dimension box from the
// S.I. inputs in the new units: "#####0.00#" for the area, "##0.00#" for the
// heights. The inputs themselves do not change, so switching back and forth
// adds no rounding.
void ChangeUnits(UnitSystem system, InputBoxes& boxes, Calculations& calc);

// File New: S.I. units, every box empty except the two fractions (0.35 and 0.6),
// and the inputs to match. The focus then goes to txtRunTitle.
void NewInputs(InputBoxes& boxes, Calculations& calc);

// Run's reading of every box into the inputs (the title cut to 60 characters,
// the run time rounded halves to even). Returns the run time's rounded number
// for the run time check.
double ReadInputBoxes(const InputBoxes& boxes, Calculations& calc);

// Run up to the opening of the report: reads the boxes, makes the 17 checks and,
// when they pass, sets the vent factor. Returns the first failed check.
std::optional<InputError> PrepareRun(const InputBoxes& boxes, Calculations& calc);

} // namespace vorla::compartment
