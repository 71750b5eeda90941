// What SKEVA-XW's input form does with its boxes, without the window: leaving a
// dimension box, changing the unit system, File New and Run's reading of every
// box. The window's handlers pass their boxes' texts here and show what comes
// back; the batch command types its options into the same boxes.
#pragma once

#include "zone_models/kept_values.h"
#include "common/text/unit_system.h"
#include "smoke_filling/model/input_boxes.h"
#include "smoke_filling/model/run_inputs.h"
#include "smoke_filling/model/unit_tables.h"
#include "zone_models/input_table.h"

#include <cstddef>
#include <span>

namespace vorla::smoke {

// The longest run title the report carries, in characters.
inline constexpr std::size_t kLongestRunTitle = 60;

// Leaving one of the three dimension boxes with a non-empty text stores its
// number in S.I. units (the fire height rounded to single precision). Other
// boxes and empty texts change nothing: Run reads them.
void LeaveInputBox(InputBox box, const InputBoxes& boxes, const UnitTables& units,
                   RunInputs& inputs);

// A click that changes the unit system: the new tables, and the three dimension
// boxes that are not empty rewritten from the stored S.I. values (never from the
// shown texts, so switching back and forth adds no rounding).
void ChangeUnits(UnitSystem system, const RunInputs& inputs, UnitTables& units, InputBoxes& boxes);

// The S.I. values the form keeps for the dimension boxes a unit change rewrote.
using KeptDimensions = KeptValues<InputBox>;

// The form's unit change: the new tables, and every dimension box that holds a
// number shown in the new units as the other ChangeUnits shows it, from the
// value kept for it or, the first time, from its text read in the old units as
// Run reads it (which is then kept). A box whose text is not a number keeps its
// text, so Run still refuses it. Switching back and forth changes no value.
void ChangeUnits(UnitSystem system, UnitTables& units, InputBoxes& boxes, KeptDimensions& kept);

// File New: empty boxes, S.I. units, the default loss fraction, no dimensions.
void NewInputs(InputBoxes& boxes, UnitTables& units, RunInputs& inputs);

// Run's reading of every box into the inputs, before the checks. The run time
// is rounded halves to even; one beyond 16 bits is kept at the nearest 16-bit
// bound, so the run time check refuses it with its own message.
RunInputs ReadInputBoxes(const InputBoxes& boxes, const UnitTables& units);

// The form's reading for Run and Explore: ReadInputBoxes, with each kept
// dimension's S.I. value in place of its box's rounded conversion.
RunInputs ReadKeptInputBoxes(const InputBoxes& boxes, const UnitTables& units,
                             const KeptDimensions& kept);

// A value the batch command or a study gives one box: a number in S.I. units
// or a text.
using InputValue = zone::InputValue<InputBox>;

// The batch command's and a study's reading: `inputs` (File New's or a saved
// results file's, as ReadInputBoxes reads them) with each value stored as
// Run's reading stores its box's number in S.I. units, or its text (the title
// cut to 60 characters, the fire height rounded to single precision, the run
// time rounded halves to even and kept at the nearest 16-bit bound). No value
// passes through a text, so a value keeps every digit it was given.
RunInputs WithInputValues(RunInputs inputs, std::span<const InputValue> values);

} // namespace vorla::smoke
