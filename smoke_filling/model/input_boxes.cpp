#include "smoke_filling/model/input_boxes.h"

#include "smoke_filling/model/input_table.h"

namespace vorla::smoke {

std::string_view InputBoxName(InputBox box) {
    return RowOf(box).Control;
}

std::optional<InputBox> InputBoxNamed(std::string_view name) {
    if (const InputRow* row = zone::RowOfControl(InputTable(), name)) {
        return row->Box;
    }
    return std::nullopt;
}

const std::string& InputBoxes::Text(InputBox box) const {
    return this->*RowOf(box).Text;
}

std::string& InputBoxes::Text(InputBox box) {
    return this->*RowOf(box).Text;
}

} // namespace vorla::smoke
