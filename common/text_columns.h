// Reading fixed-column text back: the saved reports are read by line and by
// character position, counted from 1 as their layouts are written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorla {

// The lines of a text, split at line feeds, each without its CR LF or LF. A
// final line end does not start another line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The characters of `line` from position `start` (counted from 1) to its end,
// or `length` of them; empty when the line is shorter than `start`.
std::string_view Mid(std::string_view line, std::size_t start,
                     std::size_t length = std::string_view::npos);

} // namespace vorla
