#include "compartment/model/input_entry.h"

#include "common/text/format.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "common/inputs/typed_number.h"
#include "common/text/utf8_text.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_table.h"

#include <algorithm>

namespace vorla::compartment {
namespace {

// The boxes that hold a length or an area, in the table's order.
bool IsDimension(const InputRow& row) {
    return zone::IsDimensionRow(row);
}

double FactorOf(const InputRow& dimension, const UnitTables& units) {
    return dimension.Unit == zone::InputUnit::Area ? units.Area.ToSI : units.Length.ToSI;
}

void StoreDimension(InputBox box, double siValue, RunInputs& in) {
    switch (box) {
    case InputBox::txtFloorArea:
        in.FloorArea = siValue;
        break;
    case InputBox::txtRoomHeight:
        in.RoomHeight = siValue;
        break;
    case InputBox::txtVentWidth:
        in.VentWidth = siValue;
        break;
    case InputBox::txtSillHeight:
        in.SillHeight = siValue;
        break;
    case InputBox::txtSoffitHeight:
        in.SoffitHeight = RoundToSingle(siValue);
        break;
    case InputBox::txtFireHeight:
        in.FireHeight = siValue;
        break;
    default:
        break;
    }
}

double DimensionOf(InputBox box, const RunInputs& in) {
    switch (box) {
    case InputBox::txtFloorArea:
        return in.FloorArea;
    case InputBox::txtRoomHeight:
        return in.RoomHeight;
    case InputBox::txtVentWidth:
        return in.VentWidth;
    case InputBox::txtSillHeight:
        return in.SillHeight;
    case InputBox::txtSoffitHeight:
        return in.SoffitHeight;
    case InputBox::txtFireHeight:
        return in.FireHeight;
    default:
        return 0;
    }
}

} // namespace

void LeaveInputBox(InputBox box, const InputBoxes& boxes, const UnitTables& units,
                   RunInputs& inputs) {
    for (const InputRow& dimension : InputTable()) {
        const std::string& text = boxes.Text(box);
        if (IsDimension(dimension) && dimension.Box == box && !text.empty()) {
            StoreDimension(box, NumberOfText(text) * FactorOf(dimension, units), inputs);
        }
    }
}

void ChangeUnits(UnitSystem system, const RunInputs& inputs, UnitTables& units, InputBoxes& boxes) {
    units = UnitTablesFor(system);
    for (const InputRow& dimension : InputTable()) {
        if (!IsDimension(dimension)) {
            continue;
        }
        std::string& text = boxes.Text(dimension.Box);
        if (text.empty()) {
            continue;
        }
        const double shown = DimensionOf(dimension.Box, inputs) / FactorOf(dimension, units);
        text = Format(shown, dimension.Pattern);
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
            RunInputs read;
            StoreDimension(dimension.Box, NumberOfText(text) * FactorOf(dimension, before), read);
            value = DimensionOf(dimension.Box, read);
        }
        text = Format(*value / FactorOf(dimension, units), dimension.Pattern);
        kept.Keep(dimension.Box, *value, text);
    }
}

void NewInputs(InputBoxes& boxes, UnitTables& units, RunInputs& inputs) {
    units = UnitTablesFor(UnitSystem::SI);
    // Every box its default text (empty but for the two fractions), and the
    // dimensions and fractions their inputs to match.
    for (const InputRow& row : InputTable()) {
        boxes.Text(row.Box) = row.Default;
        if (IsDimension(row)) {
            StoreDimension(row.Box, 0, inputs);
        }
    }
    inputs.RadiativeLossFraction = NumberOfText(boxes.txtRadiativeLossFraction);
    inputs.LossFraction = NumberOfText(boxes.txtTotalLossFraction);
}

RunInputs ReadInputBoxes(const InputBoxes& boxes, const UnitTables& units) {
    RunInputs in;
    in.RunTitle = Utf8Left(boxes.txtRunTitle, kLongestRunTitle);
    in.OutputFile = boxes.txtOutputFile;
    in.FireFile = boxes.txtFireFile;
    for (const InputRow& dimension : InputTable()) {
        if (!IsDimension(dimension)) {
            continue;
        }
        StoreDimension(dimension.Box,
                       NumberOfText(boxes.Text(dimension.Box)) * FactorOf(dimension, units), in);
    }
    in.RadiativeLossFraction = NumberOfText(boxes.txtRadiativeLossFraction);
    in.LossFraction = NumberOfText(boxes.txtTotalLossFraction);
    in.RunTime = RoundHalfEvenToInt16Bounded(NumberOfText(boxes.txtRunTime));
    in.VentFactor = VentFactorOf(in);
    return in;
}

RunInputs ReadKeptInputBoxes(const InputBoxes& boxes, const UnitTables& units,
                             const KeptDimensions& kept) {
    RunInputs in = ReadInputBoxes(boxes, units);
    for (const InputRow& dimension : InputTable()) {
        if (!IsDimension(dimension)) {
            continue;
        }
        if (const auto value = kept.Of(dimension.Box, boxes.Text(dimension.Box))) {
            StoreDimension(dimension.Box, *value, in);
        }
    }
    in.VentFactor = VentFactorOf(in);
    return in;
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
        } else if (value.Box == InputBox::txtRadiativeLossFraction) {
            inputs.RadiativeLossFraction = number;
        } else if (value.Box == InputBox::txtTotalLossFraction) {
            inputs.LossFraction = number;
        } else if (value.Box == InputBox::txtRunTime) {
            inputs.RunTime = RoundHalfEvenToInt16Bounded(number);
        }
    }
    inputs.VentFactor = VentFactorOf(inputs);
    return inputs;
}

} // namespace vorla::compartment
