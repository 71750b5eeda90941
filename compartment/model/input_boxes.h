// The texts of the input form's boxes, without the widgets: the window copies
// its boxes into this and back, the batch command fills it from its options.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla::compartment {

// The boxes of frmInput, named as the controls are (a window finds a control by
// this name, and an error names the box the focus goes to).
enum class InputBox {
    txtRunTitle,
    txtOutputFile,
    txtFireFile,
    txtFloorArea,
    txtRoomHeight,
    txtVentWidth,
    txtSillHeight,
    txtSoffitHeight,
    txtFireHeight,
    txtRadiativeLossFraction,
    txtTotalLossFraction,
    txtRunTime,
};

// The control name, "txtFloorArea" for InputBox::txtFloorArea.
std::string_view InputBoxName(InputBox box);

// The box of that control name; nothing for a name that is not a box.
std::optional<InputBox> InputBoxNamed(std::string_view name);

struct InputBoxes {
    std::string txtRunTitle;
    std::string txtOutputFile;
    std::string txtFireFile;
    std::string txtFloorArea;
    std::string txtRoomHeight;
    std::string txtVentWidth;
    std::string txtSillHeight;
    std::string txtSoffitHeight;
    std::string txtFireHeight;
    std::string txtRadiativeLossFraction = "0.35";
    std::string txtTotalLossFraction = "0.6";
    std::string txtRunTime;

    std::string& Text(InputBox box);
    const std::string& Text(InputBox box) const;
};

} // namespace vorla::compartment
