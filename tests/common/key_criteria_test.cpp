#include "common/key_criteria.h"

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
        {"-20", UnitSystem::SI, {-20}},
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
         "temperatures above absolute zero, not -273.15."},
        {"-459.67", false, UnitSystem::US,
         "The value of --criteria-temperature must be "
         "temperatures above absolute zero, not -459.67."},
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

TEST(CriterionText, IsTheShortestTextThatReadsBack) {
    EXPECT_EQ(CriterionText(1.8), "1.8");
    EXPECT_EQ(CriterionText(600), "600");
    EXPECT_EQ(CriterionText(1.8288), "1.8288");
    EXPECT_EQ(CriterionText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(CriterionText(-20.5), "-20.5");
}

} // namespace
} // namespace vorla
