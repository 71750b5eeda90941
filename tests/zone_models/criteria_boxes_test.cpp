// The Criteria dialog's two boxes: what they accept in either unit system, and
// the message naming the box for what they refuse.
#include "zone_models/criteria_boxes.h"

#include <gtest/gtest.h>

namespace vorla {
namespace {

const KeyCriteria kDefaults;
constexpr double kEightFeet = 8 * 0.3048; // m

TEST(CriteriaBoxes, ListsInTheFormsUnits) {
    struct Case {
        const char* heights;
        const char* temperatures;
        UnitSystem units;
        std::optional<double> ceilingM;
        std::vector<double> heightsM;
        std::vector<double> temperaturesC;
    };
    const Case cases[] = {
        {"2, 1.2", "100", UnitSystem::SI, 2.4, {2, 1.2}, {100}},
        {"6,5", "140, 212", UnitSystem::US, 2.4, {1.8288, 1.524}, {60, 100}},
        // Cleared on purpose: no criterion of that kind.
        {"", "60", UnitSystem::SI, 2.4, {}, {60}},
        {"1.8", "   ", UnitSystem::US, 2.4, {0.54864}, {}},
        // At the ceiling is in the room, in either unit system; just above
        // ambient is a temperature the layer still has to reach.
        {"2.4", "21.12", UnitSystem::SI, 2.4, {2.4}, {21.12}},
        {"8", "70.1", UnitSystem::US, kEightFeet, {2.4384}, {21.16666667}},
        // A report without its room height is not judged by it.
        {"30", "60", UnitSystem::SI, std::nullopt, {30}, {60}},
    };
    for (const auto& c : cases) {
        const auto read =
            ReadCriteriaBoxes(c.heights, c.temperatures, c.units, kDefaults, c.ceilingM);
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
    const auto read = ReadCriteriaBoxes(heights, temperatures, UnitSystem::US, current, 2.4);
    ASSERT_TRUE(std::holds_alternative<KeyCriteria>(read));
    EXPECT_EQ(std::get<KeyCriteria>(read).InterfaceHeightsM, current.InterfaceHeightsM);
    EXPECT_EQ(std::get<KeyCriteria>(read).LayerTemperaturesC, current.LayerTemperaturesC);
    // Typed again, the same text is what the user asked for.
    const auto retyped = ReadCriteriaBoxes("5.906", temperatures, UnitSystem::US, current, 2.4);
    EXPECT_NEAR(std::get<KeyCriteria>(retyped).InterfaceHeightsM.at(0), 5.906 * 0.3048, 1e-12);
}

TEST(CriteriaBoxes, RefusedTextsNameTheBoxAndWhatToType) {
    const std::string heightsHelpSi = " Type heights in m above 0, separated by commas (1.8, 1.5), "
                                      "or leave the box empty for none.";
    const std::string heightsHelpUs =
        " Type heights in ft above 0, separated by commas (6, 5), or leave the box empty for none.";
    const std::string temperaturesHelpSi =
        " Type temperatures in °C above ambient (21.11 °C), separated by commas (60, 200, 600), "
        "or leave the box empty for none.";
    const std::string temperaturesHelpUs =
        " Type temperatures in °F above ambient (70 °F), separated by commas (140, 392, 1112), "
        "or leave the box empty for none.";
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
         "The value of the Layer temperatures box must be temperatures above ambient (21.11 °C), "
         "not -300." +
             temperaturesHelpSi},
        {"6", "-460", UnitSystem::US, CriteriaBox::LayerTemperatures,
         "The value of the Layer temperatures box must be temperatures above ambient (70 °F), "
         "not -460." +
             temperaturesHelpUs},
        // "60,5" for 60.5: the 5 °C is below the room's own temperature.
        {"1.8", "60,5", UnitSystem::SI, CriteriaBox::LayerTemperatures,
         "The value of the Layer temperatures box must be temperatures above ambient (21.11 °C), "
         "not 5." +
             temperaturesHelpSi},
        {"1.8", "21.11", UnitSystem::SI, CriteriaBox::LayerTemperatures,
         "The value of the Layer temperatures box must be temperatures above ambient (21.11 °C), "
         "not 21.11." +
             temperaturesHelpSi},
        {"6", "140,70", UnitSystem::US, CriteriaBox::LayerTemperatures,
         "The value of the Layer temperatures box must be temperatures above ambient (70 °F), "
         "not 70." +
             temperaturesHelpUs},
        // "1,8" for 1.8: the 8 m is above the 2.4 m ceiling.
        {"1,8", "60", UnitSystem::SI, CriteriaBox::InterfaceHeights,
         "The value of the Interface heights box must be heights inside the room, up to its "
         "ceiling height of 2.4 m, not 8." +
             heightsHelpSi},
        {"2.41", "60", UnitSystem::SI, CriteriaBox::InterfaceHeights,
         "The value of the Interface heights box must be heights inside the room, up to its "
         "ceiling height of 2.4 m, not 2.41." +
             heightsHelpSi},
        {"5,9", "140", UnitSystem::US, CriteriaBox::InterfaceHeights,
         "The value of the Interface heights box must be heights inside the room, up to its "
         "ceiling height of 7.874015748 ft, not 9." +
             heightsHelpUs},
        {"6", "140,140", UnitSystem::US, CriteriaBox::LayerTemperatures,
         "The value of the Layer temperatures box lists 140 twice." + temperaturesHelpUs},
    };
    for (const auto& c : cases) {
        const auto read = ReadCriteriaBoxes(c.heights, c.temperatures, c.units, kDefaults, 2.4);
        ASSERT_TRUE(std::holds_alternative<RejectedCriteria>(read))
            << c.heights << " | " << c.temperatures;
        EXPECT_EQ(std::get<RejectedCriteria>(read).Box, c.box) << c.heights;
        EXPECT_EQ(std::get<RejectedCriteria>(read).Message, c.message);
    }
}

TEST(CriteriaBoxes, AKeptHeightOutsideThisRunsRoomIsRefusedToo) {
    // Remembered from a run in a taller room: OK with the boxes as they opened
    // would report a crossing the layer cannot make.
    const KeyCriteria fromATallerRoom{{3}, {60}};
    const auto read = ReadCriteriaBoxes(
        CriteriaBoxText(CriteriaBox::InterfaceHeights, fromATallerRoom, UnitSystem::SI),
        CriteriaBoxText(CriteriaBox::LayerTemperatures, fromATallerRoom, UnitSystem::SI),
        UnitSystem::SI, fromATallerRoom, 2.4);
    ASSERT_TRUE(std::holds_alternative<RejectedCriteria>(read));
    EXPECT_EQ(std::get<RejectedCriteria>(read).Box, CriteriaBox::InterfaceHeights);
    EXPECT_EQ(std::get<RejectedCriteria>(read).Message,
              "The value of the Interface heights box must be heights inside the room, up to its "
              "ceiling height of 2.4 m, not 3. Type heights in m above 0, separated by commas "
              "(1.8, 1.5), or leave the box empty for none.");
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
