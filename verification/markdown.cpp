#include "verification/markdown.h"

#include <cmath>
#include <cstdio>

namespace vorla::verification {

std::string Num(const char* format, double value) {
    if (!std::isfinite(value)) {
        return "–";
    }
    if (value == 0) {
        value = 0; // no "-0"
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string text = buffer;
    if (text.starts_with('-') && text.find_first_not_of("-0.", 0) == std::string::npos) {
        text.erase(0, 1); // a negative value that rounds to zero prints as zero
    }
    return text;
}

MarkdownTable::MarkdownTable(std::vector<std::string> headings) : headings_(std::move(headings)) {}

void MarkdownTable::Row(std::vector<std::string> cells) {
    cells.resize(headings_.size());
    rows_.push_back(std::move(cells));
}

std::string MarkdownTable::Text() const {
    const auto line = [](const std::vector<std::string>& cells) {
        std::string text = "|";
        for (const auto& cell : cells) {
            // A bar inside a cell (|Δz|) would end the cell.
            std::string escaped;
            for (const char c : cell) {
                escaped += c == '|' ? std::string("\\|") : std::string(1, c);
            }
            text += " " + escaped + " |";
        }
        return text + "\n";
    };
    std::string text = line(headings_);
    text += "|";
    for (std::size_t i = 0; i < headings_.size(); ++i) {
        text += "---|";
    }
    text += "\n";
    for (const auto& row : rows_) {
        text += line(row);
    }
    return text;
}

} // namespace vorla::verification
