// The heat loss fraction estimator: the share of the fire's heat the hot layer
// loses to the room boundaries, from the room's shape and its ceiling.
#pragma once

#include "compartment/model/calculations.h"
#include "compartment/model/input_boxes.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_entry.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorla::compartment {

inline constexpr std::string_view kZeroRadiativeFractionQuestion =
    "The radiative loss fraction is zero.  Is that correct?";
inline constexpr std::string_view kInputDataCheckTitle = "VORLA-XW: Input Data Check";
inline constexpr std::string_view kAspectRatioMessage =
    "The aspect ratio must be equal to or greater than 1.";

// Entry, step 1: the inputs the estimate needs, read from the boxes as Run reads
// them. The sill height, the heat loss fraction and the run time are not read.
void RefreshEstimatorInputs(const InputBoxes& boxes, Calculations& calc);

// The same, with the S.I. values the form keeps after a unit change read in
// place of their boxes' rounded conversions, as Run reads them.
void RefreshEstimatorInputs(const InputBoxes& boxes, const KeptDimensions& kept,
                            Calculations& calc);

// Entry, step 2: a radiative fraction of exactly zero is asked about
// (kZeroRadiativeFractionQuestion, kInputDataCheckTitle, Yes/No); No sends the
// focus to txtRadiativeLossFraction and stops.
bool RadiativeFractionNeedsConfirming(const RunInputs& inputs);

// Entry, step 3: the first of the five checks that fails (message under
// kInputErrorTitle, focus), or nothing when the estimator window may open.
std::optional<RejectedInput> CheckEstimatorInputs(const RunInputs& inputs);

// The aspect ratio is the number of txtAspectRatio's text; below 1 the window
// shows kAspectRatioMessage and stays open.
bool AspectRatioIsValid(double aspectRatio);

// 'S', 'M' or 'R' for the selected roughness option 0, 1 or 2.
char CeilingRoughnessOfOption(int option);

// The estimate from the floor area, room height, fire base height, radiative
// fraction, aspect ratio and roughness: at most 1.
double EstimateLossFraction(const RunInputs& inputs, double aspectRatio, char ceilingRoughness);

// Estimate (cmdEstimate): the aspect ratio is the number of its box's text;
// below 1 returns nothing (the window shows kAspectRatioMessage and stays
// open). Otherwise the estimate for the selected roughness option (0 smooth,
// 1 moderately rough, 2 irregular) as the heat loss fraction box's new text.
std::optional<std::string> EstimateFromEntries(std::string_view aspectRatioText,
                                               int roughnessOption, const RunInputs& inputs);

// What the heat loss fraction box shows: the estimate with "0.0###", padded to
// six characters ("0.5714", "   1.0").
std::string LossFractionText(double estimate);

} // namespace vorla::compartment
