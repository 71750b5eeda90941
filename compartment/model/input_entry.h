// What VORLA-XW's input form does with its boxes, without the window: leaving a
// dimension box, changing the unit system, File New and Run's reading of every
// box. The window's handlers pass their boxes' texts here and show what comes
// back; the batch command types its options into the same boxes.
#pragma once

#include "zone_models/kept_values.h"
#include "common/text/unit_system.h"
#include "compartment/model/input_boxes.h"
#include "compartment/model/run_inputs.h"
#include "compartment/model/unit_tables.h"
#include "zone_models/input_table.h"

#include <cstddef>
#include <span>

namespace vorla::compartment {

// The longest run title the report carries, in characters.
inline constexpr std::size_t kLongestRunTitle = 60;

// Leaving one of the six dimension boxes with a non-empty text stores its number
// in S.I. units (the soffit height rounded to single precision). Other boxes and
// empty texts change nothing: Run reads them.
void LeaveInputBox(InputBox box, const InputBoxes& boxes, const UnitTables& units,
                   RunInputs& inputs);

// Switches the unit tables and rewrites every non-empty dimension box from the
// S.I. inputs in the new units: "#####0.00#" for the area, "##0.00#" for the
// heights. The inputs themselves do not change, so switching back and forth
// adds no rounding.
void ChangeUnits(UnitSystem system, const RunInputs& inputs, UnitTables& units, InputBoxes& boxes);

// The S.I. values the form keeps for the dimension boxes a unit change rewrote.
using KeptDimensions = KeptValues<InputBox>;

// The form's unit change: the new tables, and every dimension box that holds a
// number shown in the new units as the other ChangeUnits shows it, from the
// value kept for it or, the first time, from its text read in the old units as
// Run reads it (which is then kept). A box whose text is not a number keeps its
// text, so Run still refuses it. Switching back and forth changes no value.
void ChangeUnits(UnitSystem system, UnitTables& units, InputBoxes& boxes, KeptDimensions& kept);

// File New: S.I. units, every box empty except the two fractions (0.35 and 0.6),
// and the inputs to match. The focus then goes to txtRunTitle.
void NewInputs(InputBoxes& boxes, UnitTables& units, RunInputs& inputs);

// Run's reading of every box into the inputs, before the checks: the title cut
// to 60 characters, the run time rounded halves to even (one beyond 16 bits kept
// at the nearest 16-bit bound, so the run time check refuses it with its own
// message), and the vent factor of the vent read.
RunInputs ReadInputBoxes(const InputBoxes& boxes, const UnitTables& units);

// The form's reading for Run, the estimator and Explore: ReadInputBoxes, with
// each kept dimension's S.I. value in place of its box's rounded conversion.
RunInputs ReadKeptInputBoxes(const InputBoxes& boxes, const UnitTables& units,
                             const KeptDimensions& kept);

// A value the batch command or a study gives one box: a number in S.I. units
// or a text.
using InputValue = zone::InputValue<InputBox>;

// The batch command's and a study's reading: `inputs` (File New's or a saved
// report's, as ReadInputBoxes reads them) with each value stored as Run's
// reading stores its box's number in S.I. units, or its text (the title cut
// to 60 characters, the soffit height rounded to single precision, the run
// time rounded halves to even and kept at the nearest 16-bit bound), and the
// vent factor of the vent then read. No value passes through a text, so a
// value keeps every digit it was given.
RunInputs WithInputValues(RunInputs inputs, std::span<const InputValue> values);

} // namespace vorla::compartment
