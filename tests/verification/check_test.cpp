#include "verification/case_report.h"

#include <gtest/gtest.h>

namespace vorla::verification {
namespace {

// A band of 0.8 to 1.1 with, where marked, a known deviation explained down to 0.4.
TEST(Check, AnExplainedDeviationFailsOnceItLeavesTheRangeItsReasonCovers) {
    struct Case {
        double Value;
        bool Explained;
        bool Fails;
    };
    const Case cases[] = {
        {0.95, false, false}, // in band
        {0.95, true, false},  // in band, the reason is not needed
        {0.60, false, true},  // outside, nothing explains it
        {0.60, true, false},  // outside, explained
        {0.40, true, false},  // at the edge of the explained range
        {0.39, true, true},   // beyond what the reason explains: a new fault
        {1.20, true, true},   // on the other side of the band
    };
    for (const auto& c : cases) {
        Check check{"ratio", c.Value, 0.8, 1.1, "%.2f", ""};
        if (c.Explained) {
            check.KnownDeviation = "the plume limits the fire";
            check.KnownLow = 0.4;
            check.KnownHigh = 1.1;
        }
        EXPECT_EQ(check.Fails(), c.Fails) << c.Value << (c.Explained ? " explained" : "");
        CaseReport report;
        report.Checks = {Check{"other", 1, 0, 2, "%.0f", ""}, check};
        EXPECT_EQ(report.Fails(), c.Fails) << c.Value;
    }
}

} // namespace
} // namespace vorla::verification
