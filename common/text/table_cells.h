// A table as cells, for the clipboard: the report windows' Copy turns the
// table on the screen into tab-separated text a spreadsheet pastes into its
// own cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorla {

using TableCells = std::vector<std::vector<std::string>>;

// The words of a line of right-aligned columns, without their blanks: a report
// row's numbers never hold a blank, and the blanks between them are all they
// are separated by. "  12   1.50" gives {"12", "1.50"}.
std::vector<std::string> BlankSeparatedWords(std::string_view line);

// One line per row, its cells joined by tabs, each line ended by a line feed.
std::string TabSeparatedText(const TableCells& rows);

} // namespace vorla
