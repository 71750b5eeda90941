#include "compartment/model/input_form.h"

#include "common/format.h"
#include "common/number_text.h"
#include "common/precision.h"
#include "common/utf8_text.h"

namespace vorla::compartment {
namespace {

constexpr std::string_view kAreaPattern = "#####0.00#";
constexpr std::string_view kHeightPattern = "##0.00#";

// The six boxes that hold a length or an area, with their inputs.
struct DimensionBox {
    InputBox box;
    int unit; // kLengthUnit or kAreaUnit
};
constexpr DimensionBox kDimensionBoxes[] = {
    {InputBox::txtFloorArea, kAreaUnit},      {InputBox::txtRoomHeight, kLengthUnit},
    {InputBox::txtVentWidth, kLengthUnit},    {InputBox::txtSillHeight, kLengthUnit},
    {InputBox::txtSoffitHeight, kLengthUnit}, {InputBox::txtFireHeight, kLengthUnit},
};

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

void LeaveInputBox(InputBox box, const InputBoxes& boxes, Calculations& calc) {
    for (const auto& dimension : kDimensionBoxes) {
        const std::string& text = boxes.Text(box);
        if (dimension.box == box && !text.empty()) {
            StoreDimension(box, NumberOfText(text) * calc.Units.UnitFactor[dimension.unit],
                           calc.Inputs);
        }
    }
}

void ChangeUnits(UnitSystem system, InputBoxes& boxes, Calculations& calc) {
    calc.Units = UnitTablesFor(system);
    for (const auto& dimension : kDimensionBoxes) {
        std::string& text = boxes.Text(dimension.box);
        if (text.empty()) {
            continue;
        }
        const double shown =
            DimensionOf(dimension.box, calc.Inputs) / calc.Units.UnitFactor[dimension.unit];
        text = Format(shown, dimension.unit == kAreaUnit ? kAreaPattern : kHeightPattern);
    }
}

void NewInputs(InputBoxes& boxes, Calculations& calc) {
    boxes.txtRunTitle.clear();
    boxes.txtOutputFile.clear();
    calc.Units = UnitTablesFor(UnitSystem::SI);
    for (const auto& dimension : kDimensionBoxes) {
        boxes.Text(dimension.box).clear();
        StoreDimension(dimension.box, 0, calc.Inputs);
    }
    boxes.txtRadiativeLossFraction = "0.35";
    calc.Inputs.RadiativeLossFraction = 0.35;
    boxes.txtTotalLossFraction = "0.6";
    calc.Inputs.TotalLossFraction = 0.6;
    boxes.txtRunTime.clear();
    boxes.txtFireFile.clear();
}

double ReadInputBoxes(const InputBoxes& boxes, Calculations& calc) {
    RunInputs& in = calc.Inputs;
    in.RunTitle = Utf8Left(boxes.txtRunTitle, kLongestRunTitle);
    in.OutputFile = boxes.txtOutputFile;
    in.FireFile = boxes.txtFireFile;
    for (const auto& dimension : kDimensionBoxes) {
        StoreDimension(
            dimension.box,
            NumberOfText(boxes.Text(dimension.box)) * calc.Units.UnitFactor[dimension.unit], in);
    }
    in.RadiativeLossFraction = NumberOfText(boxes.txtRadiativeLossFraction);
    in.TotalLossFraction = NumberOfText(boxes.txtTotalLossFraction);
    const double runTime = RoundHalfEven(NumberOfText(boxes.txtRunTime));
    // A value that does not fit 16 bits fails the run time check, which reads
    // the double; the field then holds 0, outside the valid range as well.
    in.RunTime = RoundHalfEvenToInt16(runTime).value_or(0);
    return runTime;
}

std::optional<InputError> PrepareRun(const InputBoxes& boxes, Calculations& calc) {
    const double runTime = ReadInputBoxes(boxes, calc);
    if (auto error = CheckRunInputs(calc.Inputs, runTime)) {
        return error;
    }
    calc.Inputs.VentFactor = VentFactorOf(calc.Inputs);
    return std::nullopt;
}

} // namespace vorla::compartment
