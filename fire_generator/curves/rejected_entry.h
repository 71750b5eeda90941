// QDOT-XW's message titles, and the rejected input its forms show: the message
// box and the control that gets the focus afterwards.
#pragma once

#include "common/inputs/rejected_input.h"

#include <string>
#include <string_view>

namespace vorla::generator {

inline constexpr std::string_view kInputDataErrorTitle = "QDOT-XW: Input Data Error";
inline constexpr std::string_view kInputDataCheckTitle = "QDOT-XW: Input Data Check";
inline constexpr std::string_view kSaveDataErrorTitle = "QDOT-XW: Save Data Error";

// A refused entry of control `focus` (number `index` of a control array, -1 for
// a single control), shown under kInputDataErrorTitle unless told otherwise.
inline RejectedInput RejectedEntry(std::string message, std::string focus, int index = -1,
                                   std::string_view title = kInputDataErrorTitle) {
    return {std::move(message), std::move(focus), index, title};
}

} // namespace vorla::generator
