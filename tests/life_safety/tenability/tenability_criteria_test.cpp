#include "life_safety/tenability/tenability_criteria.h"

#include <gtest/gtest.h>
#include <limits>

namespace vorla::tenability {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(TenabilityCriteriaTest, DefaultsFollowTheRoom) {
    const TenabilityInputs inputs;
    const struct {
        double FloorArea, Visibility;
    } rows[] = {{20, 5}, {100, 5}, {100.01, 10}, {1000, 10}};
    for (const auto& row : rows) {
        EXPECT_EQ(LimitsFor(inputs, row.FloorArea).Visibility, row.Visibility) << row.FloorArea;
    }
    const CriterionLimits limits = LimitsFor(inputs, 20);
    EXPECT_EQ(limits.FedToxic, 0.3);
    EXPECT_EQ(limits.FedHeat, 0.3);
    EXPECT_EQ(limits.RadiantFlux, 2.5);
    EXPECT_EQ(limits.Temperature, 60);
    EXPECT_EQ(limits.LayerHeight, 1.8);

    TenabilityInputs given;
    given.HeadHeight = 1.6;
    EXPECT_EQ(LimitsFor(given, 20).LayerHeight, 1.6); // the head, unless given
    given.Criteria.LayerHeight = 2.0;
    given.Criteria.Visibility = 13;
    EXPECT_EQ(LimitsFor(given, 20).LayerHeight, 2.0);
    EXPECT_EQ(LimitsFor(given, 20).Visibility, 13);
}

TEST(TenabilityCriteriaTest, EveryWrongInputIsRefusedByName) {
    struct Case {
        void (*Spoil)(TenabilityInputs&);
        const char* Input;
    };
    const Case cases[] = {
        {[](TenabilityInputs& in) { in.Yields.Soot = -1; }, "soot-yield"},
        {[](TenabilityInputs& in) { in.HeadHeight = 0; }, "head-height"},
        {[](TenabilityInputs& in) { in.HeadHeight = 2.4; }, "head-height"},
        {[](TenabilityInputs& in) { in.HeadHeight = kNaN; }, "head-height"},
        {[](TenabilityInputs& in) { in.Criteria.Visibility = 0; }, "visibility-limit"},
        {[](TenabilityInputs& in) { in.Criteria.Visibility = kNaN; }, "visibility-limit"},
        {[](TenabilityInputs& in) { in.Criteria.FedToxic = 0; }, "fed-toxic-limit"},
        {[](TenabilityInputs& in) { in.Criteria.FedToxic = 11; }, "fed-toxic-limit"},
        {[](TenabilityInputs& in) { in.Criteria.FedHeat = -0.3; }, "fed-heat-limit"},
        {[](TenabilityInputs& in) { in.Criteria.RadiantFlux = 0; }, "radiant-flux-limit"},
        {[](TenabilityInputs& in) { in.Criteria.LayerHeight = 2.5; }, "tenability-layer-height"},
        {[](TenabilityInputs& in) { in.Criteria.LayerHeight = -1; }, "tenability-layer-height"},
        {[](TenabilityInputs& in) { in.Criteria.Temperature = 21.11; }, "tenability-temperature"},
        {[](TenabilityInputs& in) { in.Criteria.Temperature = kNaN; }, "tenability-temperature"},
    };
    for (const Case& c : cases) {
        TenabilityInputs inputs;
        c.Spoil(inputs);
        const auto problem = CheckTenabilityInputs(inputs, 2.4);
        ASSERT_TRUE(problem) << c.Input;
        EXPECT_EQ(problem->Input, c.Input);
    }
}

TEST(TenabilityCriteriaTest, MessagesNameTheValueAndTheLimit) {
    TenabilityInputs inputs;
    inputs.HeadHeight = 3;
    EXPECT_EQ(
        CheckTenabilityInputs(inputs, 2.4)->Message,
        "The head height must be above the floor and below the ceiling (2.4 m); 3 was given.");
    inputs.HeadHeight = 1.8;
    inputs.Criteria.FedToxic = 0;
    EXPECT_EQ(CheckTenabilityInputs(inputs, 2.4)->Message,
              "The toxic FED criterion must be a number above 0 and at most 10; 0 was given.");
    inputs.Criteria.FedToxic = 0.3;
    inputs.Criteria.Temperature = 20;
    EXPECT_EQ(CheckTenabilityInputs(inputs, 2.4)->Message,
              "The temperature criterion must be a number above 21.11 and at most 1000 \u00b0C; 20 "
              "was given.");
}

TEST(TenabilityCriteriaTest, DefaultsAndEdgesAreAccepted) {
    EXPECT_FALSE(CheckTenabilityInputs(TenabilityInputs{}, 2.4));
    TenabilityInputs edges;
    edges.HeadHeight = 2.39;
    edges.Criteria.Visibility = 1000;
    edges.Criteria.FedToxic = 10;
    edges.Criteria.RadiantFlux = 1000;
    edges.Criteria.LayerHeight = 0.01;
    edges.Criteria.Temperature = 21.12;
    EXPECT_FALSE(CheckTenabilityInputs(edges, 2.4));
}

TEST(TenabilityCriteriaTest, KeysOfTheFiles) {
    const char* keys[] = {"visibility",   "fed_toxic",    "fed_heat",
                          "radiant_flux", "layer_height", "temperature"};
    for (std::size_t i = 0; i < kCriterionCount; ++i) {
        EXPECT_EQ(CriterionKey(kCriteria[i]), keys[i]);
    }
}

} // namespace
} // namespace vorla::tenability
