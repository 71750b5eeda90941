#include "smoke_filling/model/input_entry.h"

#include "common/format.h"
#include "common/number_text.h"
#include "common/precision.h"
#include "common/utf8_text.h"

#include <algorithm>

namespace vorla::smoke {
namespace {

double AreaOf(const std::string& text, const UnitTables& units) {
    return NumberOfText(text) * units.Area.ToSI;
}

double LengthOf(const std::string& text, const UnitTables& units) {
    return NumberOfText(text) * units.Length.ToSI;
}

} // namespace

void LeaveInputBox(InputBox box, const InputBoxes& boxes, const UnitTables& units,
                   RunInputs& inputs) {
    const std::string& text = boxes.Text(box);
    if (text.empty()) {
        return;
    }
    switch (box) {
    case InputBox::txtFloorArea:
        inputs.FloorArea = AreaOf(text, units);
        break;
    case InputBox::txtRoomHeight:
        inputs.RoomHeight = LengthOf(text, units);
        break;
    case InputBox::txtFireHeight:
        inputs.FireHeight = RoundToSingle(LengthOf(text, units));
        break;
    default:
        break;
    }
}

void ChangeUnits(UnitSystem system, const RunInputs& inputs, UnitTables& units, InputBoxes& boxes) {
    units = UnitTablesFor(system);
    const double area = units.Area.ToSI;
    const double length = units.Length.ToSI;
    if (!boxes.txtFloorArea.empty()) {
        boxes.txtFloorArea = Format(inputs.FloorArea / area, "######.00#");
    }
    if (!boxes.txtRoomHeight.empty()) {
        boxes.txtRoomHeight = Format(inputs.RoomHeight / length, "###.00#");
    }
    if (!boxes.txtFireHeight.empty()) {
        boxes.txtFireHeight = Format(inputs.FireHeight / length, "##0.00#");
    }
}

void NewInputs(InputBoxes& boxes, UnitTables& units, RunInputs& inputs) {
    boxes.txtRunTitle.clear();
    boxes.txtOutputFile.clear();
    units = UnitTablesFor(UnitSystem::SI);
    boxes.txtFloorArea.clear();
    inputs.FloorArea = 0;
    boxes.txtRoomHeight.clear();
    inputs.RoomHeight = 0;
    boxes.txtFireHeight.clear();
    inputs.FireHeight = 0;
    boxes.txtLossFraction = "0.6";
    boxes.txtRunTime.clear();
    boxes.txtFireFile.clear();
}

RunInputs ReadInputBoxes(const InputBoxes& boxes, const UnitTables& units) {
    RunInputs inputs;
    inputs.RunTitle = Utf8Left(boxes.txtRunTitle, kLongestRunTitle);
    inputs.OutputFile = boxes.txtOutputFile;
    inputs.FloorArea = AreaOf(boxes.txtFloorArea, units);
    inputs.RoomHeight = LengthOf(boxes.txtRoomHeight, units);
    inputs.FireHeight = RoundToSingle(LengthOf(boxes.txtFireHeight, units));
    inputs.LossFraction = NumberOfText(boxes.txtLossFraction);
    inputs.RunTime = RoundHalfEvenToInt16Bounded(NumberOfText(boxes.txtRunTime));
    inputs.FireFile = boxes.txtFireFile;
    return inputs;
}

RunInputs ReadTypedInputBoxes(const InputBoxes& boxes, const UnitTables& units,
                              std::span<const InputBox> typed, const RunInputs& kept) {
    RunInputs inputs = ReadInputBoxes(boxes, units);
    const auto keep = [&](InputBox box, auto RunInputs::*value) {
        if (std::find(typed.begin(), typed.end(), box) == typed.end()) {
            inputs.*value = kept.*value;
        }
    };
    keep(InputBox::txtFloorArea, &RunInputs::FloorArea);
    keep(InputBox::txtRoomHeight, &RunInputs::RoomHeight);
    keep(InputBox::txtFireHeight, &RunInputs::FireHeight);
    return inputs;
}

} // namespace vorla::smoke
