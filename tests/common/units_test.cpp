#include "common/file_problem.h"
#include "common/precision.h"
#include "common/significant_digits.h"
#include "common/units.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace vorla {
namespace {

TEST(LengthAreaUnits, FactorsKeepTheProgramsPrecision) {
    const auto si = LengthAreaUnitsFor<double>(UnitSystem::SI);
    EXPECT_EQ(si.System, UnitSystem::SI);
    EXPECT_EQ(si.Length.ToSI, 1);
    EXPECT_EQ(si.Area.ToSI, 1);
    EXPECT_EQ(si.Length.Label, "m");
    EXPECT_EQ(si.Area.Label, "m\u00b2");

    const auto us = LengthAreaUnitsFor<double>(UnitSystem::US);
    EXPECT_EQ(us.Length.ToSI, 0.3048);
    EXPECT_EQ(us.Area.ToSI, 0.0929);
    EXPECT_EQ(us.Length.Label, "ft");
    EXPECT_EQ(us.Area.Label, "ft\u00b2");

    // A single-precision table holds the floats nearest the decimal factors,
    // which differ from the doubles.
    const auto single = LengthAreaUnitsFor<float>(UnitSystem::US);
    EXPECT_EQ(single.Length.ToSI, 0.3048f);
    EXPECT_EQ(single.Area.ToSI, 0.0929f);
    EXPECT_NE(static_cast<double>(single.Area.ToSI), 0.0929);
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
