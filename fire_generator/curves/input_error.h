// A rejected input: the message box the form shows and the box that gets the
// focus afterwards.
#pragma once

#include <string>
#include <string_view>

namespace vorla::generator {

inline constexpr std::string_view kInputDataErrorTitle = "QDOT-XW: Input Data Error";
inline constexpr std::string_view kInputDataCheckTitle = "QDOT-XW: Input Data Check";
inline constexpr std::string_view kSaveDataErrorTitle = "QDOT-XW: Save Data Error";

struct InputError {
    std::string Message;
    // The control to focus: its name, and its index within a control array
    // (-1 for a single control).
    std::string Field;
    int Index = -1;
    std::string Title = std::string(kInputDataErrorTitle);

    // The control's object name: "txtAlpha", or "txtTime(3)" in an array.
    std::string ObjectName() const {
        return Index < 0 ? Field : Field + "(" + std::to_string(Index) + ")";
    }
};

} // namespace vorla::generator
