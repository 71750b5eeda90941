#include "common/text/report_paging.h"

#include <gtest/gtest.h>

namespace vorla {
namespace {

TEST(RowInterval, ThinsLongRunsToAboutThreeHundredRows) {
    const struct {
        int lastRow;
        int interval;
    } cases[] = {{0, 1},    {1, 1},    {360, 1},  {361, 2},  {400, 2},  {720, 2},  {721, 3},
                 {1080, 3}, {1081, 4}, {1440, 4}, {1441, 6}, {1500, 6}, {1800, 6}, {1802, 6}};
    for (const auto& c : cases) {
        EXPECT_EQ(RowInterval(c.lastRow), c.interval) << c.lastRow;
    }
}

std::vector<std::string> Header(int page) {
    return {"header " + std::to_string(page)};
}
std::string Row(int r) {
    return "row " + std::to_string(r);
}

TEST(PaginateReport, FirstPageHoldsOneRowLessThanTheOthers) {
    const auto pages = PaginateReport(100, 40, Row, Header, "RUN COMPLETE");
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->size(), 3u);
    const auto& first = (*pages)[0];
    EXPECT_EQ(first.front(), "header 1");
    EXPECT_EQ(first.size(), 1u + 39u);
    EXPECT_EQ(first[1], "      row 0");
    EXPECT_EQ(first.back(), "      row 38");
    const auto& second = (*pages)[1];
    EXPECT_EQ(second.front(), "header 2");
    EXPECT_EQ(second[1], "      row 39");
    EXPECT_EQ(second.back(), "      row 78");
    const auto& last = (*pages)[2];
    EXPECT_EQ(last[1], "      row 79");
    EXPECT_EQ(last[last.size() - 2], "      row 100");
    EXPECT_EQ(last.back(), "     RUN COMPLETE");
}

TEST(PaginateReport, RoundsTheLinesPerPageHalvesToEven) {
    // 40.5 rounds to 40, 41.5 to 42.
    EXPECT_EQ((*PaginateReport(100, 40.5, Row, Header, "E"))[0].size(), 40u);
    EXPECT_EQ((*PaginateReport(100, 41.5, Row, Header, "E"))[0].size(), 42u);
}

TEST(PaginateReport, RefusesAPageTooShortForARow) {
    EXPECT_FALSE(PaginateReport(10, 0.4, Row, Header, "E"));
    EXPECT_FALSE(PaginateReport(10, -3, Row, Header, "E"));
    const auto onePerPage = PaginateReport(2, 1, Row, Header, "E");
    ASSERT_TRUE(onePerPage);
    EXPECT_EQ(onePerPage->size(), 4u); // the first page holds no row
}

} // namespace
} // namespace vorla
