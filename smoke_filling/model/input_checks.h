// The checks Run makes before a smoke filling run, in their fixed order: the
// first that fails gives its message and the box to put the focus in.
#pragma once

#include "common/inputs/rejected_input.h"
#include "smoke_filling/model/run_inputs.h"

#include <optional>
#include <string_view>

namespace vorla::smoke {

inline constexpr std::string_view kInputErrorTitle = "SKEVA-XW: Input Data Error";

// The first failing check on the S.I. inputs (shown with the exclamation icon,
// OK and kInputErrorTitle), or nothing when the run may start.
std::optional<RejectedInput> CheckRunInputs(const RunInputs& inputs);

} // namespace vorla::smoke
