#include "smoke_filling/model/input_entry.h"

#include "common/format.h"
#include "common/number_text.h"
#include "common/precision.h"
#include "common/typed_number.h"
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

// The three dimension boxes, each with its input and the pattern a unit change
// shows it with.
struct DimensionBox {
    InputBox box;
    bool isArea;
    std::string_view pattern;
};
constexpr DimensionBox kDimensionBoxes[] = {
    {InputBox::txtFloorArea, true, "######.00#"},
    {InputBox::txtRoomHeight, false, "###.00#"},
    {InputBox::txtFireHeight, false, "##0.00#"},
};

double DimensionOf(InputBox box, const RunInputs& inputs) {
    switch (box) {
    case InputBox::txtFloorArea:
        return inputs.FloorArea;
    case InputBox::txtRoomHeight:
        return inputs.RoomHeight;
    default:
        return inputs.FireHeight;
    }
}

// A kept value is one LeaveInputBox stored, the fire height already a float.
void StoreDimension(InputBox box, double value, RunInputs& inputs) {
    switch (box) {
    case InputBox::txtFloorArea:
        inputs.FloorArea = value;
        break;
    case InputBox::txtRoomHeight:
        inputs.RoomHeight = value;
        break;
    default:
        inputs.FireHeight = static_cast<float>(value);
        break;
    }
}

double FactorOf(const DimensionBox& dimension, const UnitTables& units) {
    return dimension.isArea ? units.Area.ToSI : units.Length.ToSI;
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

void ChangeUnits(UnitSystem system, UnitTables& units, InputBoxes& boxes, KeptDimensions& kept) {
    const UnitTables before = units;
    units = UnitTablesFor(system);
    for (const auto& dimension : kDimensionBoxes) {
        std::string& text = boxes.Text(dimension.box);
        std::optional<double> value = kept.Of(dimension.box, text);
        if (!value && (text.empty() || !IsTypedNumber(text))) {
            kept.Forget(dimension.box);
            continue;
        }
        if (!value) {
            // As LeaveInputBox stores it, the fire height in single precision.
            RunInputs read;
            LeaveInputBox(dimension.box, boxes, before, read);
            value = DimensionOf(dimension.box, read);
        }
        text = Format(*value / FactorOf(dimension, units), dimension.pattern);
        kept.Keep(dimension.box, *value, text);
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

RunInputs ReadKeptInputBoxes(const InputBoxes& boxes, const UnitTables& units,
                             const KeptDimensions& kept) {
    RunInputs inputs = ReadInputBoxes(boxes, units);
    for (const auto& dimension : kDimensionBoxes) {
        if (const auto value = kept.Of(dimension.box, boxes.Text(dimension.box))) {
            StoreDimension(dimension.box, *value, inputs);
        }
    }
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
