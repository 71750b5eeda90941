#include "common/text/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

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

// However a number beyond a double is written, its size decides: below the
// smallest double it is 0, above the largest an infinity.
TEST(NumberOfText, NumbersBeyondADoubleReadByTheirSizeNotTheirSpelling) {
    const std::string zeros(400, '0');
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        {"1e-400", 0},
        {"0." + zeros + "1", 0},
        {"-0." + zeros + "1", 0},
        {"." + zeros + "7 m", 0},
        {"0." + zeros + "1e-5", 0},
        {"1e-99999999999999999999", 0},
        {"0." + zeros + "1e500", 1e99},
        {"1" + zeros + "e-500", 1e-100},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1" + zeros, inf},
        {"1" + zeros + ".5", inf},
        {"0.1e99999999999999999999", inf},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberOfText(c.text), c.expected) << c.text.size() << " characters";
    }
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
    EXPECT_EQ(ParseWholeNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(ParseWholeNumber("\t2\t.\t5\t"), 2.5);
}

TEST(IsNumberOutOfRange, OnlyAWholeNumberTooLargeForADouble) {
    const struct {
        std::string text;
        bool outOfRange;
    } cases[] = {
        {"1e400", true},    {" -1e400 ", true},  {std::string(400, '9'), true},
        {"1e308", false},   {"1e-400", false},   {"0." + std::string(400, '0') + "1", false},
        {"1e400 m", false}, {"abc", false},      {"", false},
        {"inf", false},     {"\t1e999\t", true}, {"12", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNumberOutOfRange(c.text), c.outOfRange) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace vorla
