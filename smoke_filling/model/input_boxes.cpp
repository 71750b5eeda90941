#include "smoke_filling/model/input_boxes.h"

#include <array>

namespace vorla::smoke {
namespace {

struct BoxEntry {
    InputBox box;
    std::string_view name;
    std::string InputBoxes::*text;
};

constexpr std::array<BoxEntry, 8> kBoxes = {{
    {InputBox::txtRunTitle, "txtRunTitle", &InputBoxes::txtRunTitle},
    {InputBox::txtOutputFile, "txtOutputFile", &InputBoxes::txtOutputFile},
    {InputBox::txtFireFile, "txtFireFile", &InputBoxes::txtFireFile},
    {InputBox::txtFloorArea, "txtFloorArea", &InputBoxes::txtFloorArea},
    {InputBox::txtRoomHeight, "txtRoomHeight", &InputBoxes::txtRoomHeight},
    {InputBox::txtFireHeight, "txtFireHeight", &InputBoxes::txtFireHeight},
    {InputBox::txtLossFraction, "txtLossFraction", &InputBoxes::txtLossFraction},
    {InputBox::txtRunTime, "txtRunTime", &InputBoxes::txtRunTime},
}};

const BoxEntry& EntryOf(InputBox box) {
    return kBoxes[static_cast<std::size_t>(box)];
}

} // namespace

std::string_view InputBoxName(InputBox box) {
    return EntryOf(box).name;
}

std::optional<InputBox> InputBoxNamed(std::string_view name) {
    for (const auto& entry : kBoxes) {
        if (entry.name == name) {
            return entry.box;
        }
    }
    return std::nullopt;
}

const std::string& InputBoxes::Text(InputBox box) const {
    return this->*EntryOf(box).text;
}

std::string& InputBoxes::Text(InputBox box) {
    return this->*EntryOf(box).text;
}

} // namespace vorla::smoke
