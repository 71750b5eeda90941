#include "common/format.h"

#include <gtest/gtest.h>

namespace vorla {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

TEST(Format, PatternsGiveTheirDigits) {
    const FormatCase cases[] = {
        {0.35, "0.000", "0.350"},
        {20, "####.00", "20.00"},
        {0.5, "####.00", ".50"},
        {215.28525296017222, "#####0.00#", "215.285"},
        {7.874015748031496, "##0.00", "7.87"},
        {600, "#####", "600"},
        {0, "#####", ""},
        {1, "##", "1"},
        {0, "###0", "0"},
        {1234.5, "##0.00#", "1234.50"},
        {2.125, "##0.00#", "2.125"},
        {2.1, "##0.00#", "2.10"},
        {0.03, "0.0000#", "0.0300"},
        {12.3, "###.00#", "12.30"},
        {0.5, "##0.00#", "0.50"},
        {1.0, "0.0###", "1.0"},
        {0.571363, "0.0###", "0.5714"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
    }
}

TEST(Format, HalvesGoAwayFromZeroAfterFifteenDigits) {
    // 2.675 is stored just below the half; its 15-digit expansion is the half.
    EXPECT_EQ(Format(2.675, "0.00"), "2.68");
    EXPECT_EQ(Format(-2.675, "0.00"), "-2.68");
    EXPECT_EQ(Format(0.5, "#"), "1");
    EXPECT_EQ(Format(-0.5, "#"), "-1");
    EXPECT_EQ(Format(9.995, "#0.00"), "10.00");
    EXPECT_EQ(Format(999.95, "###0.0"), "1000.0");
    EXPECT_EQ(Format(0.05, "0.0"), "0.1");
    EXPECT_EQ(Format(0.0049, "0.00"), "0.00");
}

TEST(Format, NegativeValuesThatRoundToZeroHaveNoSign) {
    EXPECT_EQ(Format(-0.0004, "0.000"), "0.000");
    EXPECT_EQ(Format(-0.4, "###0"), "0");
    EXPECT_EQ(Format(-0.0, "0.0"), "0.0");
    EXPECT_EQ(Format(-3, "###0"), "-3");
    EXPECT_EQ(Format(-0.5, "####.00"), "-.50");
}

TEST(Format, SingleValuesAreFormattedFromTheirExactValue) {
    // A single whose exact value is 1430.0498046875 gives 1430.0, not 1430.1.
    EXPECT_EQ(Format(1430.0498046875f, "####0.0"), "1430.0");
    EXPECT_EQ(Format(0.35f, "0.000"), "0.350");
    EXPECT_EQ(Format(2.1f, "#0.00"), "2.10");
}

TEST(RightAlign, PadsToThePatternLength) {
    EXPECT_EQ(RightAlign(2.4, "#0.00"), " 2.40");
    EXPECT_EQ(RightAlign(600, "#####"), "  600");
    EXPECT_EQ(RightAlign(0.35, "0.000"), "0.350");
    EXPECT_EQ(RightAlign(0.5, "####.00"), "    .50");
    EXPECT_EQ(RightAlign(0, "#####"), "     ");
    EXPECT_EQ(RightAlign(-3, "###0"), "  -3");
}

TEST(RightAlign, KeepsANumberWiderThanItsPatternWhole) {
    EXPECT_EQ(RightAlign(100.0, "#0.000"), "100.000");
    EXPECT_EQ(RightAlign(123456.0, "####0.0"), "123456.0");
    EXPECT_EQ(RightAlign(-1000, "###0"), "-1000");
}

} // namespace
} // namespace vorla
