#include "common/text/text_columns.h"

#include <gtest/gtest.h>

namespace vorla {
namespace {

TEST(SplitLines, DropsLineEndsOfEitherKind) {
    const auto lines = SplitLines("one\r\ntwo\n\r\nlast\r\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "one");
    EXPECT_EQ(lines[1], "two");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "last");
    EXPECT_EQ(SplitLines("no end").size(), 1u);
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(Mid, CountsPositionsFromOne) {
    const std::string_view line = "ROOM AREA                   :   20.00 m^2";
    EXPECT_EQ(Mid(line, 31, 7), "  20.00");
    EXPECT_EQ(Mid(line, 39), "m^2");
    EXPECT_EQ(Mid("short", 31, 7), "");
    EXPECT_EQ(Mid("exactly", 7), "y");
    EXPECT_EQ(Mid("exactly", 8), "");
}

TEST(NumberTextAt, GivesTheBoxTextOfAReportValue) {
    const struct {
        std::string_view line;
        std::size_t column;
        std::size_t width;
        const char* text;
    } cases[] = {
        {"ROOM AREA                   :   20.00 m^2", 31, 7, "20"},
        {"ROOM AREA                   :     .50 m^2", 31, 7, "0.5"},
        {"ROOM HEIGHT                 :    2.40 m", 33, 5, "2.4"},
        {"MAXIMUM RUN TIME            :     600 s", 33, 5, "600"},
        {"RADIATIVE FRACTION          :   0.350", 33, 5, "0.35"},
        {"TOO SHORT", 33, 5, "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberTextAt(c.line, c.column, c.width), c.text) << c.line;
    }
}

} // namespace
} // namespace vorla
