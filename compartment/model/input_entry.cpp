#include "compartment/model/input_entry.h"

#include "common/format.h"
#include "common/number_text.h"
#include "common/precision.h"
#include "common/typed_number.h"
#include "common/utf8_text.h"
#include "compartment/model/input_checks.h"

#include <algorithm>

namespace vorla::compartment {
namespace {

constexpr std::string_view kAreaPattern = "#####0.00#";
constexpr std::string_view kHeightPattern = "##0.00#";

// The six boxes that hold a length or an area.
struct DimensionBox {
    InputBox box;
    bool isArea;
};
constexpr DimensionBox kDimensionBoxes[] = {
    {InputBox::txtFloorArea, true},     {InputBox::txtRoomHeight, false},
    {InputBox::txtVentWidth, false},    {InputBox::txtSillHeight, false},
    {InputBox::txtSoffitHeight, false}, {InputBox::txtFireHeight, false},
};

double FactorOf(const DimensionBox& dimension, const UnitTables& units) {
    return dimension.isArea ? units.Area.ToSI : units.Length.ToSI;
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
    for (const auto& dimension : kDimensionBoxes) {
        const std::string& text = boxes.Text(box);
        if (dimension.box == box && !text.empty()) {
            StoreDimension(box, NumberOfText(text) * FactorOf(dimension, units), inputs);
        }
    }
}

void ChangeUnits(UnitSystem system, const RunInputs& inputs, UnitTables& units, InputBoxes& boxes) {
    units = UnitTablesFor(system);
    for (const auto& dimension : kDimensionBoxes) {
        std::string& text = boxes.Text(dimension.box);
        if (text.empty()) {
            continue;
        }
        const double shown = DimensionOf(dimension.box, inputs) / FactorOf(dimension, units);
        text = Format(shown, dimension.isArea ? kAreaPattern : kHeightPattern);
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
            RunInputs read;
            StoreDimension(dimension.box, NumberOfText(text) * FactorOf(dimension, before), read);
            value = DimensionOf(dimension.box, read);
        }
        text = Format(*value / FactorOf(dimension, units),
                      dimension.isArea ? kAreaPattern : kHeightPattern);
        kept.Keep(dimension.box, *value, text);
    }
}

void NewInputs(InputBoxes& boxes, UnitTables& units, RunInputs& inputs) {
    boxes.txtRunTitle.clear();
    boxes.txtOutputFile.clear();
    units = UnitTablesFor(UnitSystem::SI);
    for (const auto& dimension : kDimensionBoxes) {
        boxes.Text(dimension.box).clear();
        StoreDimension(dimension.box, 0, inputs);
    }
    boxes.txtRadiativeLossFraction = "0.35";
    inputs.RadiativeLossFraction = 0.35;
    boxes.txtTotalLossFraction = "0.6";
    inputs.TotalLossFraction = 0.6;
    boxes.txtRunTime.clear();
    boxes.txtFireFile.clear();
}

RunInputs ReadInputBoxes(const InputBoxes& boxes, const UnitTables& units) {
    RunInputs in;
    in.RunTitle = Utf8Left(boxes.txtRunTitle, kLongestRunTitle);
    in.OutputFile = boxes.txtOutputFile;
    in.FireFile = boxes.txtFireFile;
    for (const auto& dimension : kDimensionBoxes) {
        StoreDimension(dimension.box,
                       NumberOfText(boxes.Text(dimension.box)) * FactorOf(dimension, units), in);
    }
    in.RadiativeLossFraction = NumberOfText(boxes.txtRadiativeLossFraction);
    in.TotalLossFraction = NumberOfText(boxes.txtTotalLossFraction);
    in.RunTime = RoundHalfEvenToInt16Bounded(NumberOfText(boxes.txtRunTime));
    in.VentFactor = VentFactorOf(in);
    return in;
}

RunInputs ReadKeptInputBoxes(const InputBoxes& boxes, const UnitTables& units,
                             const KeptDimensions& kept) {
    RunInputs in = ReadInputBoxes(boxes, units);
    for (const auto& dimension : kDimensionBoxes) {
        if (const auto value = kept.Of(dimension.box, boxes.Text(dimension.box))) {
            StoreDimension(dimension.box, *value, in);
        }
    }
    in.VentFactor = VentFactorOf(in);
    return in;
}

RunInputs ReadTypedInputBoxes(const InputBoxes& boxes, const UnitTables& units,
                              std::span<const InputBox> typed, const RunInputs& kept) {
    RunInputs in = ReadInputBoxes(boxes, units);
    for (const auto& dimension : kDimensionBoxes) {
        if (std::find(typed.begin(), typed.end(), dimension.box) == typed.end()) {
            StoreDimension(dimension.box, DimensionOf(dimension.box, kept), in);
        }
    }
    in.VentFactor = VentFactorOf(in);
    return in;
}

} // namespace vorla::compartment
