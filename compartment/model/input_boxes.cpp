#include "compartment/model/input_boxes.h"

namespace vorla::compartment {

std::string_view InputBoxName(InputBox box) {
    switch (box) {
    case InputBox::txtRunTitle:
        return "txtRunTitle";
    case InputBox::txtOutputFile:
        return "txtOutputFile";
    case InputBox::txtFireFile:
        return "txtFireFile";
    case InputBox::txtFloorArea:
        return "txtFloorArea";
    case InputBox::txtRoomHeight:
        return "txtRoomHeight";
    case InputBox::txtVentWidth:
        return "txtVentWidth";
    case InputBox::txtSillHeight:
        return "txtSillHeight";
    case InputBox::txtSoffitHeight:
        return "txtSoffitHeight";
    case InputBox::txtFireHeight:
        return "txtFireHeight";
    case InputBox::txtRadiativeLossFraction:
        return "txtRadiativeLossFraction";
    case InputBox::txtTotalLossFraction:
        return "txtTotalLossFraction";
    case InputBox::txtRunTime:
        return "txtRunTime";
    }
    return {};
}

std::optional<InputBox> InputBoxNamed(std::string_view name) {
    for (int k = 0; k <= static_cast<int>(InputBox::txtRunTime); ++k) {
        const auto box = static_cast<InputBox>(k);
        if (InputBoxName(box) == name) {
            return box;
        }
    }
    return std::nullopt;
}

const std::string& InputBoxes::Text(InputBox box) const {
    switch (box) {
    case InputBox::txtRunTitle:
        return txtRunTitle;
    case InputBox::txtOutputFile:
        return txtOutputFile;
    case InputBox::txtFireFile:
        return txtFireFile;
    case InputBox::txtFloorArea:
        return txtFloorArea;
    case InputBox::txtRoomHeight:
        return txtRoomHeight;
    case InputBox::txtVentWidth:
        return txtVentWidth;
    case InputBox::txtSillHeight:
        return txtSillHeight;
    case InputBox::txtSoffitHeight:
        return txtSoffitHeight;
    case InputBox::txtFireHeight:
        return txtFireHeight;
    case InputBox::txtRadiativeLossFraction:
        return txtRadiativeLossFraction;
    case InputBox::txtTotalLossFraction:
        return txtTotalLossFraction;
    case InputBox::txtRunTime:
        break;
    }
    return txtRunTime;
}

std::string& InputBoxes::Text(InputBox box) {
    return const_cast<std::string&>(static_cast<const InputBoxes&>(*this).Text(box));
}

} // namespace vorla::compartment
