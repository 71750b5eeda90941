#include "compartment/model/validity_limits.h"
#include "test_room.h"

#include <gtest/gtest.h>

namespace vorla::compartment {
namespace {

// The cap is active exactly on the rows the run flags as starved of air; the
// first of them is named.
TEST(CompartmentValidityLimits, EntrainmentCapFromTheStarvedRows) {
    const RunInputs in = testing::Office()->Inputs;
    auto rows = std::make_unique<RunResults>();
    for (int i = 0; i < 4; ++i) {
        rows->Time[i] = static_cast<std::int16_t>(10 * i);
        rows->InterfaceHeight[i] = 1.0F;
        rows->HeatReleaseRate[i] = 100;
        rows->OSFlag[i] = "   ";
    }
    rows->LastRow = 3;
    EXPECT_FALSE(FindRunValidityLimits(in, *rows, TestedRange{0, 1}).EntrainmentCapActive);
    rows->OSFlag[2] = kStarvedOfAir;
    rows->OSFlag[3] = kStarvedOfAir;
    const ValidityFindings found = FindRunValidityLimits(in, *rows, TestedRange{0, 1});
    ASSERT_TRUE(found.EntrainmentCapActive);
    EXPECT_EQ(*found.EntrainmentCapActive, 20);
}

} // namespace
} // namespace vorla::compartment
