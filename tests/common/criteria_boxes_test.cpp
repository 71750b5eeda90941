// The Criteria dialog's two boxes: what they accept in either unit system, and
// the message naming the box for what they refuse.
#include "common/criteria_boxes.h"

#include <gtest/gtest.h>

namespace vorla {
namespace {

const KeyCriteria kDefaults;

TEST(CriteriaBoxes, ListsInTheFormsUnits) {
    struct Case {
        const char* heights;
        const char* temperatures;
        UnitSystem units;
        std::vector<double> heightsM;
        std::vector<double> temperaturesC;
    };
    const Case cases[] = {
        {"2, 1.2", "100", UnitSystem::SI, {2, 1.2}, {100}},
        {"6,5", "140, 212", UnitSystem::US, {1.8288, 1.524}, {60, 100}},
        // Cleared on purpose: no criterion of that kind.
        {"", "60", UnitSystem::SI, {}, {60}},
        {"1.8", "   ", UnitSystem::US, {0.54864}, {}},
    };
    for (const auto& c : cases) {
        const auto read = ReadCriteriaBoxes(c.heights, c.temperatures, c.units, kDefaults);
        ASSERT_TRUE(std::holds_alternative<KeyCriteria>(read))
            << c.heights << " | " << c.temperatures;
        EXPECT_EQ(std::get<KeyCriteria>(read).InterfaceHeightsM, c.heightsM) << c.heights;
        EXPECT_EQ(std::get<KeyCriteria>(read).LayerTemperaturesC, c.temperaturesC)
            << c.temperatures;
    }
}

TEST(CriteriaBoxes, TextsLeftAsTheyOpenedKeepTheCriteriaExactly) {
    // 1.8 m shows as 5.906 ft, which would read back as 1.8001488 m.
    const KeyCriteria current{{1.8, 1.5}, {60, 200, 600}};
    const std::string heights =
        CriteriaBoxText(CriteriaBox::InterfaceHeights, current, UnitSystem::US);
    const std::string temperatures =
        CriteriaBoxText(CriteriaBox::LayerTemperatures, current, UnitSystem::US);
    EXPECT_EQ(heights, "5.906, 4.921");
    const auto read = ReadCriteriaBoxes(heights, temperatures, UnitSystem::US, current);
    ASSERT_TRUE(std::holds_alternative<KeyCriteria>(read));
    EXPECT_EQ(std::get<KeyCriteria>(read).InterfaceHeightsM, current.InterfaceHeightsM);
    EXPECT_EQ(std::get<KeyCriteria>(read).LayerTemperaturesC, current.LayerTemperaturesC);
    // Typed again, the same text is what the user asked for.
    const auto retyped = ReadCriteriaBoxes("5.906", temperatures, UnitSystem::US, current);
    EXPECT_NEAR(std::get<KeyCriteria>(retyped).InterfaceHeightsM.at(0), 5.906 * 0.3048, 1e-12);
}

TEST(CriteriaBoxes, RefusedTextsNameTheBoxAndWhatToType) {
    const std::string heightsHelpSi = " Type heights in m above 0, separated by commas (1.8, 1.5), "
                                      "or leave the box empty for none.";
    const std::string heightsHelpUs =
        " Type heights in ft above 0, separated by commas (6, 5), or leave the box empty for none.";
    const std::string temperaturesHelpSi =
        " Type temperatures in °C above absolute zero, separated by commas (60, 200, 600), or "
        "leave the box empty for none.";
    const std::string temperaturesHelpUs =
        " Type temperatures in °F above absolute zero, separated by commas (140, 392, 1112), or "
        "leave the box empty for none.";
    struct Case {
        const char* heights;
        const char* temperatures;
        UnitSystem units;
        CriteriaBox box;
        std::string message;
    };
    const Case cases[] = {
        {"1.8;1.5", "60", UnitSystem::SI, CriteriaBox::InterfaceHeights,
         "The value of the Interface heights box is not a list of numbers: \"1.8;1.5\"." +
             heightsHelpSi},
        {"1.8,,1.5", "60", UnitSystem::SI, CriteriaBox::InterfaceHeights,
         "The value of the Interface heights box is not a list of numbers: \"1.8,,1.5\"." +
             heightsHelpSi},
        {"head", "60", UnitSystem::US, CriteriaBox::InterfaceHeights,
         "The value of the Interface heights box is not a list of numbers: \"head\"." +
             heightsHelpUs},
        {"0", "60", UnitSystem::SI, CriteriaBox::InterfaceHeights,
         "The value of the Interface heights box must be heights above 0, not 0." + heightsHelpSi},
        {"2,-1", "60", UnitSystem::US, CriteriaBox::InterfaceHeights,
         "The value of the Interface heights box must be heights above 0, not -1." + heightsHelpUs},
        {"1.8,1.80", "60", UnitSystem::SI, CriteriaBox::InterfaceHeights,
         "The value of the Interface heights box lists 1.8 twice." + heightsHelpSi},
        // The heights are read first: both wrong names the heights.
        {"x", "y", UnitSystem::SI, CriteriaBox::InterfaceHeights,
         "The value of the Interface heights box is not a list of numbers: \"x\"." + heightsHelpSi},
        {"1.8", "60 C", UnitSystem::SI, CriteriaBox::LayerTemperatures,
         "The value of the Layer temperatures box is not a list of numbers: \"60 C\"." +
             temperaturesHelpSi},
        {"1.8", "-300", UnitSystem::SI, CriteriaBox::LayerTemperatures,
         "The value of the Layer temperatures box must be temperatures above absolute zero, not "
         "-300." +
             temperaturesHelpSi},
        {"6", "-460", UnitSystem::US, CriteriaBox::LayerTemperatures,
         "The value of the Layer temperatures box must be temperatures above absolute zero, not "
         "-460." +
             temperaturesHelpUs},
        {"6", "140,140", UnitSystem::US, CriteriaBox::LayerTemperatures,
         "The value of the Layer temperatures box lists 140 twice." + temperaturesHelpUs},
    };
    for (const auto& c : cases) {
        const auto read = ReadCriteriaBoxes(c.heights, c.temperatures, c.units, kDefaults);
        ASSERT_TRUE(std::holds_alternative<RejectedCriteria>(read))
            << c.heights << " | " << c.temperatures;
        EXPECT_EQ(std::get<RejectedCriteria>(read).Box, c.box) << c.heights;
        EXPECT_EQ(std::get<RejectedCriteria>(read).Message, c.message);
    }
}

TEST(CriteriaBoxes, LabelsCarryTheUnit) {
    EXPECT_EQ(CriteriaBoxLabel(CriteriaBox::InterfaceHeights, UnitSystem::SI),
              "Interface heights (m):");
    EXPECT_EQ(CriteriaBoxLabel(CriteriaBox::InterfaceHeights, UnitSystem::US),
              "Interface heights (ft):");
    EXPECT_EQ(CriteriaBoxLabel(CriteriaBox::LayerTemperatures, UnitSystem::SI),
              "Layer temperatures (°C):");
    EXPECT_EQ(CriteriaBoxLabel(CriteriaBox::LayerTemperatures, UnitSystem::US),
              "Layer temperatures (°F):");
}

} // namespace
} // namespace vorla
