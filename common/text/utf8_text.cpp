#include "common/text/utf8_text.h"

namespace vorla {
namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if (!IsContinuationByte(c)) {
            ++count;
        }
    }
    return count;
}

std::string Utf8Left(std::string_view text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i])) {
            if (characters == count) {
                return std::string(text.substr(0, i));
            }
            ++characters;
        }
    }
    return std::string(text);
}

} // namespace vorla
