// An input a check refused: the message the program shows, under which title,
// and the box that gets the focus afterwards. The two models and the curve
// builders all return it, the windows show it, and the batch command prints
// its message.
#pragma once

#include <string>
#include <string_view>

namespace vorla {

struct RejectedInput {
    std::string Message;
    // The object name of the control to focus ("txtFloorArea"), and its index
    // within a control array (-1 for a single control).
    std::string Focus;
    int Index = -1;
    std::string_view Title; // the message box's title, one of the program's constants

    // "txtAlpha", or "txtTime(3)" in a control array.
    std::string ObjectName() const {
        return Index < 0 ? Focus : Focus + "(" + std::to_string(Index) + ")";
    }

    bool operator==(const RejectedInput&) const = default;
};

} // namespace vorla
