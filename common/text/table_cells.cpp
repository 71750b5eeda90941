#include "common/text/table_cells.h"

namespace vorla {

std::vector<std::string> BlankSeparatedWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (true) {
        at = line.find_first_not_of(' ', at);
        if (at == std::string_view::npos) {
            return words;
        }
        const std::size_t end = line.find(' ', at);
        words.emplace_back(line.substr(at, end == std::string_view::npos ? end : end - at));
        if (end == std::string_view::npos) {
            return words;
        }
        at = end;
    }
}

std::string TabSeparatedText(const TableCells& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                text += '\t';
            }
            text += row[i];
        }
        text += '\n';
    }
    return text;
}

} // namespace vorla
