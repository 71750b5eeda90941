// The checks Run makes before a compartment run, in their fixed order, and the
// vent factor computed once they pass.
#pragma once

#include "compartment/model/input_boxes.h"
#include "compartment/model/run_inputs.h"

#include <optional>
#include <string_view>

namespace vorla::compartment {

inline constexpr std::string_view kInputErrorTitle = "VORLA-XW: Input Data Error";

// A failed check: its message (shown with the exclamation icon, OK and
// kInputErrorTitle) and the box that gets the focus.
struct InputError {
    std::string_view Message;
    InputBox Focus;

    bool operator==(const InputError&) const = default;
};

// The first failing check of the 17, in order; nothing when all pass.
// `runTimeNumber` is the run time box's number rounded to a whole number, kept
// as a double so that a value far beyond 16 bits still gets the run time message.
std::optional<InputError> CheckRunInputs(const RunInputs& inputs, double runTimeNumber);

// 0.52 W (Hs - Hsill)^1.5 in kg/s, with the single-precision soffit height.
double VentFactorOf(const RunInputs& inputs);

} // namespace vorla::compartment
