#include "common/text/format.h"
#include "literal/format_literal.h"
#include "tests/common/random_fires.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

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

// The report columns' numbers are built in stack buffers; every text must be
// the one the first, string-by-string formatting gave, character for
// character. VORLA_FORMAT_SEED and VORLA_FORMAT_CASES run a longer soak.
TEST(Format, EveryTextIsTheLiteralFormattingsText) {
    const char* const patterns[] = {
        "###0",
        "#0.00",
        "0.000",
        "0.0",
        "0",
        "#0.000",
        "####0.0",
        "#####",
        "0.00",
        "##0.00",
        "####0.00",
        "####.00",
        "########",
        "##",
        "0.0###",
        "0.###",
        "0.#",
        "##0.00#",
        "###.00#",
        "####0",
        "######.00#",
        "######",
        "####",
        "#",
        "000.0000000000000000000000000000000000000000000000000000000000000000000000#",
    };
    const std::uint64_t seed = testing::FromEnvironment("VORLA_FORMAT_SEED", 2026);
    const std::uint64_t count = testing::FromEnvironment("VORLA_FORMAT_CASES", 20000);
    testing::RandomSource random(seed);
    const auto check = [&](double value) {
        for (const char* pattern : patterns) {
            ASSERT_EQ(Format(value, pattern), literal::Format(value, pattern))
                << value << " with " << pattern << " (seed " << seed << ")";
            ASSERT_EQ(RightAlign(value, pattern), literal::RightAlign(value, pattern))
                << value << " with " << pattern << " (seed " << seed << ")";
        }
    };
    for (const double edge : std::initializer_list<double>{
             0.0, -0.0, 0.5, -0.5, 9.9995, 99999.95, 1e300, -1e308, 5e-324, 0.049999999999999996,
             1.7976931348623157e308, NAN, INFINITY, -INFINITY}) {
        check(edge);
    }
    for (std::uint64_t i = 0; i < count; ++i) {
        double value = 0;
        switch (random.Integer(0, 4)) {
        case 0: // any magnitude
            value = random.LogUniform(1e-12, 1e12);
            break;
        case 1: // a half at some decimal, where rounding decides
            value = (random.Integer(0, 200000) + 0.5) * std::pow(10.0, -random.Integer(0, 6));
            break;
        case 2: // a single-precision column value
            value = static_cast<float>(random.Uniform(0, 3000));
            break;
        case 3: // nines that carry into a new digit
            value = std::pow(10.0, random.Integer(-4, 6)) - random.LogUniform(1e-9, 1e-2);
            break;
        default: // any bit pattern that is a finite number
            do {
                const std::uint64_t bits = random.Next();
                std::memcpy(&value, &bits, sizeof value);
            } while (!std::isfinite(value));
        }
        check(random.Chance(0.3) ? -value : value);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

} // namespace
} // namespace vorla
