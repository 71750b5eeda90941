#include "common/text/report_paging.h"

#include "common/text/precision.h"

namespace vorla {

int RowInterval(int lastRow) {
    constexpr int kRowsPerInterval = 360;
    const int interval = (lastRow - 1) / kRowsPerInterval + 1;
    return interval == 5 ? 6 : interval;
}

std::optional<std::vector<PrintedPage>>
PaginateReport(int lastRow, double linesPerPage, const std::function<std::string(int row)>& rowText,
               const std::function<std::vector<std::string>(int pageNumber)>& pageHeader,
               std::string_view endMessage) {
    const double rounded = RoundHalfEven(linesPerPage);
    if (!(rounded >= 1)) {
        return std::nullopt;
    }
    // Rows beyond the page count of a real report never need more than an int.
    const long long perPage = rounded > 1e9 ? 1000000000LL : static_cast<long long>(rounded);

    std::vector<PrintedPage> pages;
    int pageNumber = 1;
    pages.push_back(pageHeader(pageNumber));
    for (int r = 0; r <= lastRow; ++r) {
        if ((r + 1) % perPage == 0) {
            ++pageNumber;
            pages.push_back(pageHeader(pageNumber));
        }
        pages.back().push_back("      " + rowText(r));
    }
    pages.back().push_back("     " + std::string(endMessage));
    return pages;
}

} // namespace vorla
