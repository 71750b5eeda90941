#include "common/files/file_problem.h"
#include "common/text/precision.h"
#include "common/text/significant_digits.h"
#include "common/text/units.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace vorla {
namespace {

// Properties of the unit tables, not their constants again: S.I. converts
// nothing; a U.S. area factor is the square of its length factor to the four
// figures the old program kept (1 ft = 0.3048 m exactly, NIST SP 811, so
// 1 ft² = 0.09290304 m²); the single-precision table is the double one
// rounded to float; and the labels follow the system.
TEST(LengthAreaUnits, FactorsAgreeWithEachOtherAndWithTheirSystem) {
    const auto si = LengthAreaUnitsFor<double>(UnitSystem::SI);
    const auto us = LengthAreaUnitsFor<double>(UnitSystem::US);
    const auto single = LengthAreaUnitsFor<float>(UnitSystem::US);
    EXPECT_EQ(si.System, UnitSystem::SI);
    EXPECT_EQ(us.System, UnitSystem::US);
    for (const double value : {0.0, 2.4, 1000.0, 1e-7}) {
        EXPECT_EQ(value * si.Length.ToSI, value);
        EXPECT_EQ(value * si.Area.ToSI, value);
    }
    const double squared = us.Length.ToSI * us.Length.ToSI;
    EXPECT_NEAR(us.Area.ToSI, squared, 0.00005);
    EXPECT_NE(us.Area.ToSI, squared); // four figures, not the exact square
    // 100 ft of ceiling is 30.48 m; a 10 ft by 10 ft floor is 9.29 m².
    EXPECT_NEAR(100 * us.Length.ToSI, 30.48, 1e-12);
    EXPECT_NEAR(100 * us.Area.ToSI, 9.29, 1e-12);
    EXPECT_EQ(single.Length.ToSI, static_cast<float>(us.Length.ToSI));
    EXPECT_EQ(single.Area.ToSI, static_cast<float>(us.Area.ToSI));
    EXPECT_EQ(std::string(si.Length.Label) + "\u00b2", si.Area.Label);
    EXPECT_EQ(std::string(us.Length.Label) + "\u00b2", us.Area.Label);
    EXPECT_NE(si.Length.Label, us.Length.Label);
}

// The factors the forms and the fire files keep are the exact published
// values (NIST SP 811, 2008 edition, appendix B: 1 ft = 0.3048 m, 1 ft² =
// 0.09290304 m², 1 lb = 0.45359237 kg, the International Table Btu =
// 1055.05585262 J) rounded to the figures each keeps: within half a unit of its
// last figure. A factor mistyped in any figure fails.
TEST(UnitFactors, AreThePublishedValuesToTheFiguresKept) {
    const struct {
        const char* what;
        double kept;
        double published;
        double lastFigure; // one unit of the kept factor's last figure
    } cases[] = {
        {"m per ft", kMetresPerFoot, 0.3048, 1e-4},
        {"m² per ft²", kSquareMetresPerSquareFoot, 0.09290304, 1e-4},
        {"kg per lb", kKilogramsPerPound, 0.45359237, 1e-4},
        {"lb per kg", kPoundsPerKilogram, 1 / 0.45359237, 1e-3},
        {"kW per Btu/s in the forms", kKilowattsPerBtuPerSecondInForms, 1.05505585262, 1e-3},
    };
    for (const auto& c : cases) {
        EXPECT_LE(std::abs(c.kept - c.published), c.lastFigure / 2) << c.what;
    }
    EXPECT_EQ(kMetresPerFoot, 0.3048); // exact by definition, so kept exactly
}

TEST(RoundHalfEvenToInt16Bounded, KeepsOutOfRangeValuesAtTheBound) {
    const struct {
        double value;
        std::int16_t expected;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {32767.4, 32767},
        {32767.5, 32767}, // rounds to 32768, beyond 16 bits
        {40000, 32767},
        {-40000, -32768},
        {std::numeric_limits<double>::infinity(), 32767},
        {-std::numeric_limits<double>::infinity(), -32768},
        {std::numeric_limits<double>::quiet_NaN(), 32767},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEvenToInt16Bounded(c.value), c.expected) << c.value;
    }
}

TEST(FileProblem, DescribesTheFileInOneSentence) {
    EXPECT_EQ(DescribeFileProblem({FileProblem::Kind::WrongFormat, "a.vof", {}, "report file"}),
              "Wrong file format.");
    EXPECT_EQ(DescribeFileProblem(
                  {FileProblem::Kind::CannotOpen, "/x/a.sof", "it is a folder", "results file"}),
              "The results file /x/a.sof cannot be opened (it is a folder).");
    EXPECT_EQ(DescribeFileProblem({FileProblem::Kind::CannotOpen, "a.vof", {}, "report file"}),
              "The report file a.vof cannot be opened.");
}

TEST(FifteenSignificantDigits, CutsEveryNumberTheSameWay) {
    const struct {
        double value;
        const char* digits;
        int exponent;
    } cases[] = {
        {0, "000000000000000", 0},        {0.35, "350000000000000", -1},
        {-600, "600000000000000", 2},     {0.1 + 0.2, "300000000000000", -1}, // 0.30000000000000004
        {1.0 / 3, "333333333333333", -1}, {123456789012345678.0, "123456789012346", 17},
    };
    for (const auto& c : cases) {
        const auto cut = FifteenSignificantDigits(c.value);
        EXPECT_EQ(cut.Digits, c.digits) << c.value;
        EXPECT_EQ(cut.Exponent, c.exponent) << c.value;
    }
}

} // namespace
} // namespace vorla
