// The rule every form applies to a number typed into a box before it reads the
// box: the text, blanks aside, must be wholly one number, so "20,5" is never
// read as 20 nor "12abc" as 12 without a word. A box left empty is not this
// rule's business: each form's own checks say what an empty box means. Saved
// files are read by their own rules and never through this one.
#pragma once

#include "common/inputs/rejected_input.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorla {

// True when the text is empty or only blanks, or when, blanks aside, the whole
// text is one number as NumberOfText reads it ("20.5", " 1e3 ", "-.5", "1 2").
// False for "20,5", "12abc", "." or "-".
bool IsTypedNumber(std::string_view text);

// A box a form reads a number from.
struct TypedNumberBox {
    std::string Caption; // what the form calls the box: "Floor Area"
    std::string Text;
    std::string Focus; // the box's object name ("txtFloorArea", "txtTime(3)")
};

// The message for a box whose text is not a number: it names the box and says
// what to type.
std::string NotATypedNumberMessage(std::string_view caption);

// The first of `boxes` (in the form's order) whose text is not a number,
// refused under `title` with the focus on it; nothing when all can be read.
std::optional<RejectedInput> CheckTypedNumbers(std::span<const TypedNumberBox> boxes,
                                               std::string_view title);

} // namespace vorla
