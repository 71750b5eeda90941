// What the two models' reports share: which rows the screen shows, and how the
// printed report is cut into pages with a header on each.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla {

inline constexpr std::string_view kCrLf = "\r\n";

// The screen table shows the rows whose index is a multiple of this: 1 up to
// 360 rows after row 0, then 2, 3, 4, and 6 (never 5) so a long run stays about
// 300 rows on screen.
int RowInterval(int lastRow);

// One printed page, line by line.
using PrintedPage = std::vector<std::string>;

// The printed report: a page header, then six blanks and each row; a new page
// with its header before row r whenever r + 1 is a multiple of `linesPerPage`
// (so page 1 holds linesPerPage - 1 rows and later pages linesPerPage rows);
// five blanks and the end message after the last row. `linesPerPage` is the
// printer's real-valued figure, rounded halves to even. Nothing when it rounds
// below 1: the page is too short to hold a row.
std::optional<std::vector<PrintedPage>>
PaginateReport(int lastRow, double linesPerPage, const std::function<std::string(int row)>& rowText,
               const std::function<std::vector<std::string>(int pageNumber)>& pageHeader,
               std::string_view endMessage);

} // namespace vorla
