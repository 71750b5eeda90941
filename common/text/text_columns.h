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

// The columns of the input block both models' saved reports begin with: the
// two file names from column 31, the floor area in columns 31 to 37 and every
// other value in columns 33 to 37.
inline constexpr std::size_t kReportNameColumn = 31;
inline constexpr std::size_t kReportAreaColumn = 31;
inline constexpr std::size_t kReportAreaWidth = 7;
inline constexpr std::size_t kReportValueColumn = 33;
inline constexpr std::size_t kReportValueWidth = 5;

// The box text of the number in those columns of a line: the text of its
// number, so " 2.40" reads back as "2.4" and "  600" as "600".
std::string NumberTextAt(std::string_view line, std::size_t start, std::size_t width);

} // namespace vorla
