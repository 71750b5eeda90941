#include "common/inputs/typed_number.h"

#include "common/text/number_text.h"

namespace vorla {
namespace {

bool IsBlankOnly(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

bool IsTypedNumber(std::string_view text) {
    // A number too large for a double is still a number: the range checks of
    // the form refuse it with their own messages.
    return IsBlankOnly(text) || ParseWholeNumber(text) || IsNumberOutOfRange(text);
}

std::string NotATypedNumberMessage(std::string_view caption) {
    return "The value of " + std::string(caption) +
           " is not a number. Type digits with a point (.) as the decimal separator, for "
           "example 20.5.";
}

std::optional<RejectedInput> CheckTypedNumbers(std::span<const TypedNumberBox> boxes,
                                               std::string_view title) {
    for (const TypedNumberBox& box : boxes) {
        if (!IsTypedNumber(box.Text)) {
            return RejectedInput{NotATypedNumberMessage(box.Caption), box.Focus, -1, title};
        }
    }
    return std::nullopt;
}

} // namespace vorla
