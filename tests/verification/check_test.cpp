#include "verification/case_report.h"

#include <gtest/gtest.h>

namespace vorla::verification {
namespace {

// A band of 0.8 to 1.1: outside it a check fails unless it is a listed known
// deviation, and a reason never widens the band.
TEST(Check, OutsideItsBandFailsUnlessListedAsAKnownDeviation) {
    struct Case {
        double Value;
        bool Listed;
        bool Fails;
        bool Known;
    };
    const Case cases[] = {
        {0.95, false, false, false}, // in band
        {0.95, true, false, false},  // in band: the reason is not needed
        {0.60, false, true, false},  // outside, not listed
        {0.60, true, false, true},   // outside, a known deviation
        {0.80, false, false, false}, // at the edge
        {1.20, false, true, false},  // on the other side
    };
    for (const auto& c : cases) {
        Check check{"ratio", c.Value, 0.8, 1.1, "%.2f", ""};
        if (c.Listed) {
            check.KnownDeviation = "the plume limits the fire";
        }
        EXPECT_EQ(check.Fails(), c.Fails) << c.Value << (c.Listed ? " listed" : "");
        EXPECT_EQ(check.IsKnownDeviation(), c.Known) << c.Value;
        CaseReport report;
        report.Checks = {Check{"other", 1, 0, 2, "%.0f", ""}, check};
        EXPECT_EQ(report.Fails(), c.Fails) << c.Value;
    }
}

} // namespace
} // namespace vorla::verification
