#include "common/text/text_columns.h"

#include "common/text/number_text.h"

namespace vorla {

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view Mid(std::string_view line, std::size_t start, std::size_t length) {
    if (start < 1 || start > line.size()) {
        return {};
    }
    return line.substr(start - 1, length);
}

std::string NumberTextAt(std::string_view line, std::size_t start, std::size_t width) {
    return TextOfNumber(NumberOfText(Mid(line, start, width)));
}

} // namespace vorla
