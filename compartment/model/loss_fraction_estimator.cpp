#include "compartment/model/loss_fraction_estimator.h"

#include "common/text/format.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"

#include <cmath>

namespace vorla::compartment {
namespace {

// The five-decimal value the estimate has always used.
constexpr double kPi = 3.14159;
constexpr double kConvectiveShare = 0.47;
constexpr double kDecayCoefficient = -0.69;
constexpr double kModeratelyRoughAddition = 0.05;
constexpr double kIrregularAddition = 0.1;

} // namespace

void RefreshEstimatorInputs(const InputBoxes& boxes, Calculations& calc) {
    RunInputs& in = calc.Inputs;
    const double length = calc.Units.Length.ToSI;
    in.FloorArea = NumberOfText(boxes.txtFloorArea) * calc.Units.Area.ToSI;
    in.RoomHeight = NumberOfText(boxes.txtRoomHeight) * length;
    in.VentWidth = NumberOfText(boxes.txtVentWidth) * length;
    in.FireHeight = NumberOfText(boxes.txtFireHeight) * length;
    in.SoffitHeight = RoundToSingle(NumberOfText(boxes.txtSoffitHeight) * length);
    in.RadiativeLossFraction = NumberOfText(boxes.txtRadiativeLossFraction);
}

void RefreshEstimatorInputs(const InputBoxes& boxes, const KeptDimensions& kept,
                            Calculations& calc) {
    RefreshEstimatorInputs(boxes, calc);
    const RunInputs read = ReadKeptInputBoxes(boxes, calc.Units, kept);
    RunInputs& in = calc.Inputs;
    in.FloorArea = read.FloorArea;
    in.RoomHeight = read.RoomHeight;
    in.VentWidth = read.VentWidth;
    in.FireHeight = read.FireHeight;
    in.SoffitHeight = read.SoffitHeight;
}

bool RadiativeFractionNeedsConfirming(const RunInputs& in) {
    return in.RadiativeLossFraction == 0;
}

std::optional<RejectedInput> CheckEstimatorInputs(const RunInputs& in) {
    using enum InputBox;
    if (in.FloorArea <= 0) {
        return Rejected("You must first specify a valid floor area.", txtFloorArea);
    }
    if (in.RoomHeight == 0) {
        return Rejected("You must first specify a valid room height.", txtRoomHeight);
    }
    if (in.SoffitHeight >= in.RoomHeight) {
        return Rejected("You must first specify a valid soffit height.", txtSoffitHeight);
    }
    if (in.FireHeight >= in.RoomHeight) {
        return Rejected("You must first specify a valid fire height.", txtFireHeight);
    }
    if (in.RadiativeLossFraction >= 1) {
        return Rejected("You must first specify a valid radiative heat loss fraction.",
                        txtRadiativeLossFraction);
    }
    return std::nullopt;
}

bool AspectRatioIsValid(double aspectRatio) {
    return aspectRatio >= 1;
}

char CeilingRoughnessOfOption(int option) {
    if (option == 2) {
        return 'R';
    }
    return option == 1 ? 'M' : 'S';
}

double EstimateLossFraction(const RunInputs& in, double aspectRatio, char ceilingRoughness) {
    const double area = in.FloorArea;
    const double heightAboveFire = in.RoomHeight - in.FireHeight;
    const float width = RoundToSingle(std::sqrt(area / aspectRatio));
    const double length = area / width;
    const double perimeter = 2 * (length + width);
    const double heatedSurface = area + perimeter * heightAboveFire;
    const double radius = std::sqrt(heatedSurface / kPi);
    const double convective = ((1 - in.RadiativeLossFraction) * kConvectiveShare) *
                              (1 - std::exp((kDecayCoefficient * radius) / heightAboveFire));
    double estimate = in.RadiativeLossFraction + convective;
    if (ceilingRoughness == 'M') {
        estimate += kModeratelyRoughAddition;
    } else if (ceilingRoughness == 'R') {
        estimate += kIrregularAddition;
    }
    return estimate > 1 ? 1 : estimate;
}

std::optional<std::string> EstimateFromEntries(std::string_view aspectRatioText,
                                               int roughnessOption, const RunInputs& inputs) {
    const double aspectRatio = NumberOfText(aspectRatioText);
    if (!AspectRatioIsValid(aspectRatio)) {
        return std::nullopt;
    }
    return LossFractionText(
        EstimateLossFraction(inputs, aspectRatio, CeilingRoughnessOfOption(roughnessOption)));
}

std::string LossFractionText(double estimate) {
    return RightAlign(estimate, "0.0###");
}

} // namespace vorla::compartment
