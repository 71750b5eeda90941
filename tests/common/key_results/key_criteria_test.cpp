#include "common/key_results/key_criteria.h"

#include <gtest/gtest.h>

namespace vorla {
namespace {

struct Good {
    const char* text;
    UnitSystem units;
    std::vector<double> expected; // S.I., worked out by hand
};

TEST(ParseCriteria, HeightsInEitherUnitSystem) {
    const Good cases[] = {
        {"1.8,1.5", UnitSystem::SI, {1.8, 1.5}},
        {" 2.1 , 0.9 ", UnitSystem::SI, {2.1, 0.9}},
        {"3", UnitSystem::SI, {3}},
        {"6,5", UnitSystem::US, {1.8288, 1.524}},
        {"10", UnitSystem::US, {3.048}},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseCriteriaHeights(c.text, c.units, "--criteria-height");
        ASSERT_TRUE(std::holds_alternative<std::vector<double>>(parsed)) << c.text;
        EXPECT_EQ(std::get<std::vector<double>>(parsed), c.expected) << c.text;
    }
}

TEST(ParseCriteria, TemperaturesInEitherUnitSystem) {
    const Good cases[] = {
        {"60,200,600", UnitSystem::SI, {60, 200, 600}},
        {"21.2", UnitSystem::SI, {21.2}},
        {"140,392,1112", UnitSystem::US, {60, 200, 600}},
        {"100", UnitSystem::US, {37.77777778}},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseCriteriaTemperatures(c.text, c.units, "--criteria-temperature");
        ASSERT_TRUE(std::holds_alternative<std::vector<double>>(parsed)) << c.text;
        EXPECT_EQ(std::get<std::vector<double>>(parsed), c.expected) << c.text;
    }
}

TEST(ParseCriteria, BadValuesNameTheOption) {
    struct Bad {
        const char* text;
        bool height;
        UnitSystem units;
        const char* message;
    };
    const Bad cases[] = {
        {"", true, UnitSystem::SI,
         "The value of --criteria-height is not a list of numbers: \"\"."},
        {"1.8,,1.5", true, UnitSystem::SI,
         "The value of --criteria-height is not a list of numbers: \"1.8,,1.5\"."},
        {"1.8,head", true, UnitSystem::SI,
         "The value of --criteria-height is not a list of numbers: \"1.8,head\"."},
        {"1.8;1.5", true, UnitSystem::SI,
         "The value of --criteria-height is not a list of numbers: \"1.8;1.5\"."},
        {"0", true, UnitSystem::SI,
         "The value of --criteria-height must be heights above 0, not 0."},
        {"1.8,-1", true, UnitSystem::US,
         "The value of --criteria-height must be heights above 0, not -1."},
        {"1.8,1.5,1.8", true, UnitSystem::SI, "The value of --criteria-height lists 1.8 twice."},
        {"-273.15", false, UnitSystem::SI,
         "The value of --criteria-temperature must be "
         "temperatures above ambient (21.11 °C), not -273.15."},
        {"-459.67", false, UnitSystem::US,
         "The value of --criteria-temperature must be "
         "temperatures above ambient (70 °F), not -459.67."},
        // The room starts at 294.26 K: 21.11 °C, 70 °F.
        {"60,21.11", false, UnitSystem::SI,
         "The value of --criteria-temperature must be "
         "temperatures above ambient (21.11 °C), not 21.11."},
        {"20", false, UnitSystem::SI,
         "The value of --criteria-temperature must be "
         "temperatures above ambient (21.11 °C), not 20."},
        {"140,70", false, UnitSystem::US,
         "The value of --criteria-temperature must be "
         "temperatures above ambient (70 °F), not 70."},
        {"60,60.0", false, UnitSystem::SI, "The value of --criteria-temperature lists 60 twice."},
        {"1e999", false, UnitSystem::SI,
         "The value of --criteria-temperature is not a list of numbers: \"1e999\"."},
    };
    for (const auto& c : cases) {
        const auto parsed =
            c.height ? ParseCriteriaHeights(c.text, c.units, "--criteria-height")
                     : ParseCriteriaTemperatures(c.text, c.units, "--criteria-temperature");
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.text;
        EXPECT_EQ(std::get<std::string>(parsed), c.message);
    }
}

TEST(HeightAboveTheCeiling, NamesTheFirstHeightOutsideTheRoom) {
    struct Case {
        std::vector<double> heightsM;
        double ceilingM;
        UnitSystem units;
        std::optional<std::string> message;
    };
    const char* const kStart = "The value of --criteria-height must be heights inside the room, "
                               "up to its ceiling height of ";
    const Case cases[] = {
        {{1.8, 1.5}, 2.4, UnitSystem::SI, std::nullopt},
        {{2.4}, 2.4, UnitSystem::SI, std::nullopt}, // at the ceiling
        {{1, 8}, 2.4, UnitSystem::SI, std::string(kStart) + "2.4 m, not 8."},
        {{2.5, 9}, 2.4, UnitSystem::SI, std::string(kStart) + "2.4 m, not 2.5."},
        // 8 ft typed for both; the room height kept in single precision.
        {{2.4384}, static_cast<float>(2.4384), UnitSystem::US, std::nullopt},
        {{2.7432}, 2.4384, UnitSystem::US, std::string(kStart) + "8 ft, not 9."},
        {{}, 2.4, UnitSystem::SI, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeightAboveTheCeiling(c.heightsM, c.ceilingM, c.units, "--criteria-height"),
                  c.message);
    }
    // As a study file writes them, in its own units.
    EXPECT_EQ(WrittenHeightAboveTheCeiling({6, 9}, 8, UnitSystem::US, "interface-height"),
              "The value of interface-height must be heights inside the room, up to its ceiling "
              "height of 8 ft, not 9.");
    EXPECT_EQ(WrittenHeightAboveTheCeiling({6, 8}, 8, UnitSystem::US, "interface-height"),
              std::nullopt);
}

TEST(CriterionText, IsTheShortestTextThatReadsBack) {
    EXPECT_EQ(CriterionText(1.8), "1.8");
    EXPECT_EQ(CriterionText(600), "600");
    EXPECT_EQ(CriterionText(1.8288), "1.8288");
    EXPECT_EQ(CriterionText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(CriterionText(-20.5), "-20.5");
}

} // namespace
} // namespace vorla
