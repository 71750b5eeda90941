#include "smoke_filling/model/input_entry.h"

#include "common/text/format.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "common/inputs/typed_number.h"
#include "common/text/utf8_text.h"
#include "smoke_filling/model/input_table.h"

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
// shows it with, are the table's rows of a length or an area.
bool IsDimension(const InputRow& row) {
    return zone::IsDimensionRow(row);
}

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

double FactorOf(const InputRow& dimension, const UnitTables& units) {
    return dimension.Unit == zone::InputUnit::Area ? units.Area.ToSI : units.Length.ToSI;
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
    for (const InputRow& dimension : InputTable()) {
        std::string& text = boxes.Text(dimension.Box);
        if (IsDimension(dimension) && !text.empty()) {
            text = Format(DimensionOf(dimension.Box, inputs) / FactorOf(dimension, units),
                          dimension.Pattern);
        }
    }
}

void ChangeUnits(UnitSystem system, UnitTables& units, InputBoxes& boxes, KeptDimensions& kept) {
    const UnitTables before = units;
    units = UnitTablesFor(system);
    for (const InputRow& dimension : InputTable()) {
        if (!IsDimension(dimension)) {
            continue;
        }
        std::string& text = boxes.Text(dimension.Box);
        std::optional<double> value = kept.Of(dimension.Box, text);
        if (!value && (text.empty() || !IsTypedNumber(text))) {
            kept.Forget(dimension.Box);
            continue;
        }
        if (!value) {
            // As LeaveInputBox stores it, the fire height in single precision.
            RunInputs read;
            LeaveInputBox(dimension.Box, boxes, before, read);
            value = DimensionOf(dimension.Box, read);
        }
        text = Format(*value / FactorOf(dimension, units), dimension.Pattern);
        kept.Keep(dimension.Box, *value, text);
    }
}

void NewInputs(InputBoxes& boxes, UnitTables& units, RunInputs& inputs) {
    units = UnitTablesFor(UnitSystem::SI);
    // Every box its default text (empty but for the loss fraction), and the
    // dimensions zero.
    for (const InputRow& row : InputTable()) {
        boxes.Text(row.Box) = row.Default;
        if (IsDimension(row)) {
            StoreDimension(row.Box, 0, inputs);
        }
    }
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
    for (const InputRow& dimension : InputTable()) {
        if (!IsDimension(dimension)) {
            continue;
        }
        if (const auto value = kept.Of(dimension.Box, boxes.Text(dimension.Box))) {
            StoreDimension(dimension.Box, *value, inputs);
        }
    }
    return inputs;
}

RunInputs WithInputValues(RunInputs inputs, std::span<const InputValue> values) {
    for (const InputValue& value : values) {
        if (const auto* text = std::get_if<std::string>(&value.Value)) {
            if (value.Box == InputBox::txtRunTitle) {
                inputs.RunTitle = Utf8Left(*text, kLongestRunTitle);
            } else if (value.Box == InputBox::txtOutputFile) {
                inputs.OutputFile = *text;
            } else if (value.Box == InputBox::txtFireFile) {
                inputs.FireFile = *text;
            }
            continue;
        }
        const double number = std::get<double>(value.Value);
        if (IsDimension(RowOf(value.Box))) {
            StoreDimension(value.Box, number, inputs);
        } else if (value.Box == InputBox::txtLossFraction) {
            inputs.LossFraction = number;
        } else if (value.Box == InputBox::txtRunTime) {
            inputs.RunTime = RoundHalfEvenToInt16Bounded(number);
        }
    }
    return inputs;
}

} // namespace vorla::smoke
