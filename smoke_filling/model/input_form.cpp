#include "smoke_filling/model/input_form.h"

#include "common/format.h"
#include "common/number_text.h"
#include "common/precision.h"
#include "common/utf8_text.h"

#include <cstdint>
#include <limits>

namespace vorla::smoke {
namespace {

double AreaOf(const std::string& text, const SmokeFillUnits& units) {
    return NumberOfText(text) * units.UnitFactor[kArea];
}

double LengthOf(const std::string& text, const SmokeFillUnits& units) {
    return NumberOfText(text) * units.UnitFactor[kLength];
}

std::int16_t RunTimeOf(const std::string& text) {
    const double rounded = RoundHalfEven(NumberOfText(text));
    if (const auto fits = RoundHalfEvenToInt16(rounded)) {
        return *fits;
    }
    return rounded < 0 ? std::numeric_limits<std::int16_t>::min()
                       : std::numeric_limits<std::int16_t>::max();
}

} // namespace

void StoreFloorArea(const std::string& text, const SmokeFillUnits& units, SmokeFillInputs& inputs) {
    if (!text.empty()) {
        inputs.FloorArea = AreaOf(text, units);
    }
}

void StoreRoomHeight(const std::string& text, const SmokeFillUnits& units,
                     SmokeFillInputs& inputs) {
    if (!text.empty()) {
        inputs.RoomHeight = LengthOf(text, units);
    }
}

void StoreFireHeight(const std::string& text, const SmokeFillUnits& units,
                     SmokeFillInputs& inputs) {
    if (!text.empty()) {
        inputs.FireHeight = RoundToSingle(LengthOf(text, units));
    }
}

void ChangeUnits(UnitSystem system, const SmokeFillInputs& inputs, SmokeFillUnits& units,
                 SmokeFillFormTexts& texts) {
    SetUnits(units, system);
    const double area = units.UnitFactor[kArea];
    const double length = units.UnitFactor[kLength];
    if (!texts.txtFloorArea.empty()) {
        texts.txtFloorArea = Format(inputs.FloorArea / area, "######.00#");
    }
    if (!texts.txtRoomHeight.empty()) {
        texts.txtRoomHeight = Format(inputs.RoomHeight / length, "###.00#");
    }
    if (!texts.txtFireHeight.empty()) {
        texts.txtFireHeight = Format(inputs.FireHeight / length, "##0.00#");
    }
}

void FileNew(SmokeFillFormTexts& texts, SmokeFillUnits& units, SmokeFillInputs& inputs) {
    texts.txtRunTitle.clear();
    texts.txtOutputFile.clear();
    SetSIUnits(units);
    texts.txtFloorArea.clear();
    inputs.FloorArea = 0;
    texts.txtRoomHeight.clear();
    inputs.RoomHeight = 0;
    texts.txtFireHeight.clear();
    inputs.FireHeight = 0;
    texts.txtLossFraction = "0.6";
    texts.txtRunTime.clear();
    texts.txtFireFile.clear();
}

void ReadForm(const SmokeFillFormTexts& texts, const SmokeFillUnits& units,
              SmokeFillInputs& inputs) {
    inputs.RunTitle = Utf8Left(texts.txtRunTitle, kRunTitleLength);
    inputs.OutputFile = texts.txtOutputFile;
    inputs.FloorArea = AreaOf(texts.txtFloorArea, units);
    inputs.RoomHeight = LengthOf(texts.txtRoomHeight, units);
    inputs.FireHeight = RoundToSingle(LengthOf(texts.txtFireHeight, units));
    inputs.LossFraction = NumberOfText(texts.txtLossFraction);
    inputs.RunTime = RunTimeOf(texts.txtRunTime);
    inputs.FireFile = texts.txtFireFile;
}

} // namespace vorla::smoke
