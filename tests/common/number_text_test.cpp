#include "common/number_text.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla {
namespace {

TEST(NumberOfText, ReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"12.5 m", 12.5}, {"1,5", 1},     {"abc", 0},      {"", 0},        {"   7", 7},
        {"1 2", 12},      {"- 5", -5},    {"+3.25", 3.25}, {".5", 0.5},    {"5.", 5},
        {"1e3", 1000},    {"1E-2", 0.01}, {"2e", 2},       {"2e+", 2},     {"2ex", 2},
        {"1.5 E 2", 150}, {"-", 0},       {".", 0},        {"0.6", 0.6},   {"8999.5", 8999.5},
        {"12,345", 12},   {"3-4", 3},     {"--2", 0},      {"1.2.3", 1.2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberOfText(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(NumberOfText, HugeNumbersReadAsInfinity) {
    EXPECT_TRUE(std::isinf(NumberOfText("1e400")));
    EXPECT_LT(NumberOfText("-1e400"), 0);
    EXPECT_EQ(NumberOfText("1e-400"), 0);
}

TEST(TextOfNumber, WritesAtMostFifteenDigitsWithoutTrailingZeros) {
    EXPECT_EQ(TextOfNumber(0.35), "0.35");
    EXPECT_EQ(TextOfNumber(0.6), "0.6");
    EXPECT_EQ(TextOfNumber(2.4), "2.4");
    EXPECT_EQ(TextOfNumber(600), "600");
    EXPECT_EQ(TextOfNumber(0.5), "0.5");
    EXPECT_EQ(TextOfNumber(0), "0");
    EXPECT_EQ(TextOfNumber(-0.0), "0");
    EXPECT_EQ(TextOfNumber(-12.25), "-12.25");
    EXPECT_EQ(TextOfNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(TextOfNumber(1e20), "100000000000000000000");
    EXPECT_EQ(TextOfNumber(0.00012), "0.00012");
    EXPECT_EQ(TextOfNumber(20.0 * 0.0929), "1.858");
}

TEST(ParseWholeNumber, AcceptsOnlyANumberAndBlanks) {
    EXPECT_EQ(ParseWholeNumber(" 12.5 "), 12.5);
    EXPECT_EQ(ParseWholeNumber("-9"), -9);
    EXPECT_EQ(ParseWholeNumber("1e3"), 1000);
    EXPECT_EQ(ParseWholeNumber("15.420\r"), 15.42);
    EXPECT_FALSE(ParseWholeNumber("12.5 m"));
    EXPECT_FALSE(ParseWholeNumber("abc"));
    EXPECT_FALSE(ParseWholeNumber(""));
    EXPECT_FALSE(ParseWholeNumber("1e"));
    EXPECT_FALSE(ParseWholeNumber("nan"));
    EXPECT_FALSE(ParseWholeNumber("inf"));
    EXPECT_FALSE(ParseWholeNumber("1e400"));
}

} // namespace
} // namespace vorla
