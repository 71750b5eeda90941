// The checks Run makes before a compartment run, in their fixed order, and the
// vent factor computed once they pass.
#pragma once

#include "common/inputs/rejected_input.h"
#include "compartment/model/input_boxes.h"
#include "compartment/model/run_inputs.h"

#include <optional>
#include <string_view>

namespace vorla::compartment {

inline constexpr std::string_view kInputErrorTitle = "VORLA-XW: Input Data Error";

// A failed check of the form, with its message shown with the exclamation
// icon, OK and kInputErrorTitle, and the focus on `box`.
RejectedInput Rejected(std::string_view message, InputBox box);

// The first failing check of the 17, in order; nothing when all pass.
std::optional<RejectedInput> CheckRunInputs(const RunInputs& inputs);

// 0.52 W (Hs - Hsill)^1.5 in kg/s, with the single-precision soffit height.
double VentFactorOf(const RunInputs& inputs);

} // namespace vorla::compartment
