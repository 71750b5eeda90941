// The checks Run makes before a smoke filling run, in the form's order: the
// first that fails gives its message and the box to put the focus in.
#pragma once

#include "smoke_filling/model/smoke_fill_inputs.h"

#include <optional>
#include <string_view>

namespace vorla::smoke {

inline constexpr std::string_view kInputErrorTitle = "SKEVA-XW: Input Data Error";

// The boxes of the input form a check can send the focus to.
enum class SmokeFillBox {
    txtOutputFile,
    txtFloorArea,
    txtRoomHeight,
    txtFireHeight,
    txtLossFraction,
    txtRunTime,
    txtFireFile,
};

struct InputCheckFailure {
    std::string_view Message;
    SmokeFillBox Focus;
};

// The first failing check on the S.I. inputs, or nothing when the run may start.
std::optional<InputCheckFailure> CheckSmokeFillInputs(const SmokeFillInputs& inputs);

} // namespace vorla::smoke
