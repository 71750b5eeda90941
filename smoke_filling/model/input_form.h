// What SKEVA-XW's input form does with its boxes, without the window: the texts
// of the boxes go in, the model inputs and the new texts come out, so the
// window's handlers only move text between widgets and these routines.
#pragma once

#include "common/unit_system.h"
#include "smoke_filling/model/smoke_fill_inputs.h"
#include "smoke_filling/model/smoke_fill_units.h"

#include <string>

namespace vorla::smoke {

// The text of each box of the form, named after the box.
struct SmokeFillFormTexts {
    std::string txtRunTitle;
    std::string txtOutputFile;
    std::string txtFloorArea;
    std::string txtRoomHeight;
    std::string txtFireHeight;
    std::string txtLossFraction = "0.6";
    std::string txtRunTime;
    std::string txtFireFile;
};

// The longest run title the report carries, in characters.
inline constexpr std::size_t kRunTitleLength = 60;

// Leaving one of the three dimension boxes: a non-empty text is converted from
// the shown unit and stored; an empty one changes nothing.
void StoreFloorArea(const std::string& text, const SmokeFillUnits& units, SmokeFillInputs& inputs);
void StoreRoomHeight(const std::string& text, const SmokeFillUnits& units, SmokeFillInputs& inputs);
void StoreFireHeight(const std::string& text, const SmokeFillUnits& units, SmokeFillInputs& inputs);

// A click that changes the unit system: the new tables, and the three dimension
// boxes that are not empty rewritten from the stored S.I. values (never from the
// shown texts, so switching back and forth adds no rounding).
void ChangeUnits(UnitSystem system, const SmokeFillInputs& inputs, SmokeFillUnits& units,
                 SmokeFillFormTexts& texts);

// File New: empty boxes, S.I. units, the default loss fraction, no dimensions.
void FileNew(SmokeFillFormTexts& texts, SmokeFillUnits& units, SmokeFillInputs& inputs);

// Run's reading of the whole form into the inputs, before the checks. The run
// time is rounded halves to even; one beyond 16 bits is kept at the nearest
// 16-bit bound, so the run time check refuses it with its own message.
void ReadForm(const SmokeFillFormTexts& texts, const SmokeFillUnits& units,
              SmokeFillInputs& inputs);

} // namespace vorla::smoke
