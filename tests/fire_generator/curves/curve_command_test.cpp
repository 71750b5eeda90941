#include "fire_generator/curves/curve_command.h"

#include <gtest/gtest.h>
#include <string>

namespace vorla::generator {
namespace {

MainFormEntries Entries(std::string_view description, std::string_view file,
                        std::string_view heatOfCombustion, std::string_view delay) {
    return {description, file, heatOfCombustion, delay};
}

constexpr MainFormAnswers kBothAnswered{true, true};

TEST(GeneratorUnits, SwitchingShowsTheStoredHeatOfCombustionInTheNewUnit) {
    DesignFireState module;
    EXPECT_EQ(module.HeatOfCombustion, 12000.0f);

    auto texts = ChooseUnits(module, UnitSystem::US);
    EXPECT_EQ(texts.HeatOfCombustion, "5159");
    EXPECT_EQ(texts.HeatOfCombustionUnits, "Btu/lb");
    EXPECT_EQ(std::string(module.Units.Length.Label), "ft");
    EXPECT_EQ(std::string(module.Units.Area.Label), "ft²");
    EXPECT_EQ(std::string(module.Units.HeatReleaseRate.Label), "Btu/s");
    EXPECT_EQ(std::string(module.Units.Mass.Label), "lb");
    EXPECT_EQ(module.Units.Area.ToSI, 0.0929);

    texts = ChooseUnits(module, UnitSystem::SI);
    EXPECT_EQ(texts.HeatOfCombustion, "12000");
    EXPECT_EQ(texts.HeatOfCombustionUnits, "kJ/kg");
    const UnitTables& units = module.Units;
    for (const double factor : {units.Length.ToSI, units.Area.ToSI, units.HeatReleaseRate.ToSI,
                                units.HeatOfCombustion.ToSI, units.Mass.ToSI}) {
        EXPECT_EQ(factor, 1);
    }
}

TEST(GeneratorUnits, LeavingTheBoxStoresItsValueInKilojoulesPerKilogram) {
    DesignFireState module;
    ChooseUnits(module, UnitSystem::US);
    StoreHeatOfCombustion(module, "5159");
    EXPECT_NEAR(module.HeatOfCombustion, 11999.3, 0.05);
    EXPECT_EQ(ChooseUnits(module, UnitSystem::SI).HeatOfCombustion, "11999");

    ChooseUnits(module, UnitSystem::US);
    StoreHeatOfCombustion(module, "5000");
    EXPECT_EQ(module.HeatOfCombustion, 11629.5f);

    // An empty box, or a value no single-precision number holds, keeps the value.
    StoreHeatOfCombustion(module, "");
    EXPECT_EQ(module.HeatOfCombustion, 11629.5f);
    StoreHeatOfCombustion(module, "1e39");
    EXPECT_EQ(module.HeatOfCombustion, 11629.5f);
}

TEST(CurveCommand, StoresTheBoxesAndCutsTheDescriptionToSixtyCharacters) {
    DesignFireState module;
    const std::string longText(75, 'x');
    const auto outcome =
        CheckCurveCommand(module, Entries(longText, "/tmp/A.FIR", "43700", "12"), kBothAnswered);
    EXPECT_TRUE(std::holds_alternative<OpenTheCurveForm>(outcome));
    EXPECT_EQ(module.FireDescription, std::string(60, 'x'));
    EXPECT_EQ(module.FireFileName, "/tmp/A.FIR");
    EXPECT_EQ(module.HeatOfCombustion, 43700.0f);
    EXPECT_EQ(module.DelayTime, 12);

    // Sixty characters, not sixty bytes: each "é" is two bytes.
    std::string accented;
    for (int i = 0; i < 70; ++i) {
        accented += "é";
    }
    CheckCurveCommand(module, Entries(accented, "A.FIR", "12000", "1"), kBothAnswered);
    EXPECT_EQ(module.FireDescription.size(), 120u);
}

TEST(CurveCommand, AsksAboutAnEmptyDescriptionFirst) {
    DesignFireState module;
    auto outcome = CheckCurveCommand(module, Entries("", "", "0", "0"), {});
    const auto* question = std::get_if<MainFormQuestion>(&outcome);
    ASSERT_TRUE(question);
    EXPECT_EQ(question->About, MainFormQuestion::Subject::Description);
    EXPECT_EQ(question->Text, "Do you want to provide a description?");
    EXPECT_EQ(question->Title, "QDOT-XW: Input Data Check");
    EXPECT_FALSE(question->ContinueOnYes);
    EXPECT_EQ(question->FocusWhenStopped, "txtDescription");

    // Answered No: the empty description stands and the checks go on.
    outcome = CheckCurveCommand(module, Entries("", "A.FIR", "12000", "5"),
                                {.KeepEmptyDescription = true});
    EXPECT_TRUE(std::holds_alternative<OpenTheCurveForm>(outcome));
    EXPECT_EQ(module.FireDescription, "");
}

TEST(CurveCommand, AsksWhetherAZeroDelayIsMeantAfterTheOtherChecks) {
    // -0.5 rounds to 0 (halves to even): zero, not negative.
    for (const char* delay : {"0", "", "0.5", "-0.4", "-0.5", "abc"}) {
        DesignFireState module;
        auto outcome = CheckCurveCommand(module, Entries("d", "A.FIR", "12000", delay),
                                         {.KeepEmptyDescription = false});
        const auto* question = std::get_if<MainFormQuestion>(&outcome);
        ASSERT_TRUE(question) << delay;
        EXPECT_EQ(question->About, MainFormQuestion::Subject::DelayTime);
        EXPECT_EQ(question->Text, "The specified delay time is zero. Is that correct?");
        EXPECT_EQ(question->Title, "QDOT-XW: Input Data Check");
        EXPECT_TRUE(question->ContinueOnYes);
        EXPECT_EQ(question->FocusWhenStopped, "txtDelayTime");

        outcome = CheckCurveCommand(module, Entries("d", "A.FIR", "12000", delay),
                                    {.DelayTimeIsZero = true});
        EXPECT_TRUE(std::holds_alternative<OpenTheCurveForm>(outcome)) << delay;
        EXPECT_EQ(module.DelayTime, 0);
    }
    // The shortest delay that is not zero: 1 s, typed or rounded to (0.6, 1.5
    // to even 2 aside), goes on without the question.
    for (const auto& [delay, stored] : {std::pair{"1", 1}, std::pair{"0.6", 1}}) {
        DesignFireState module;
        const auto outcome = CheckCurveCommand(module, Entries("d", "A.FIR", "12000", delay), {});
        EXPECT_TRUE(std::holds_alternative<OpenTheCurveForm>(outcome)) << delay;
        EXPECT_EQ(module.DelayTime, stored) << delay;
    }
}

TEST(CurveCommand, ChecksInOrderAndNamesTheBox) {
    const struct {
        const char* description;
        const char* file;
        const char* heatOfCombustion;
        const char* delay;
        bool us;
        const char* message; // empty: accepted
        const char* field;
    } cases[] = {
        {"", "", "0", "-5", false, "A valid fire file name must be specified.", "txtFireFile"},
        {"d", "A.FIR", "0", "-5", false, "The heat of combustion must be greater than zero.",
         "txtHoC"},
        {"d", "A.FIR", "-12000", "5", false, "The heat of combustion must be greater than zero.",
         "txtHoC"},
        {"d", "A.FIR", "", "5", false, "The heat of combustion must be greater than zero.",
         "txtHoC"},
        {"d", "A.FIR", "120000", "5", false, "", ""},
        {"d", "A.FIR", "120001", "5", false, "The heat of combustion is too high.", "txtHoC"},
        {"d", "A.FIR", "1e40", "5", false, "The heat of combustion is too high.", "txtHoC"},
        {"d", "A.FIR", "51592", "5", true, "", ""},
        {"d", "A.FIR", "51593", "5", true, "The heat of combustion is too high.", "txtHoC"},
        {"d", "A.FIR", "120001", "-1", false, "The heat of combustion is too high.", "txtHoC"},
        {"d", "A.FIR", "12000", "-1", false, "The delay time must not be negative.",
         "txtDelayTime"},
        {"d", "A.FIR", "12000", "-0.6", false, "The delay time must not be negative.",
         "txtDelayTime"},
        {"d", "A.FIR", "12000", "-40000", false, "The delay time must not be negative.",
         "txtDelayTime"},
        {"d", "A.FIR", "12000", "32767", false, "", ""},
        {"d", "A.FIR", "12000", "32767.5", false, "The delay time must not exceed 32767 s.",
         "txtDelayTime"},
        {"d", "A.FIR", "12000", "1e9", false, "The delay time must not exceed 32767 s.",
         "txtDelayTime"},
    };
    for (const auto& c : cases) {
        DesignFireState module;
        ChooseUnits(module, c.us ? UnitSystem::US : UnitSystem::SI);
        const auto outcome = CheckCurveCommand(
            module, Entries(c.description, c.file, c.heatOfCombustion, c.delay), kBothAnswered);
        const std::string label = std::string(c.heatOfCombustion) + " / " + c.delay;
        if (*c.message == '\0') {
            EXPECT_TRUE(std::holds_alternative<OpenTheCurveForm>(outcome)) << label;
            continue;
        }
        const auto* error = std::get_if<RejectedInput>(&outcome);
        ASSERT_TRUE(error) << label;
        EXPECT_EQ(error->Message, c.message) << label;
        EXPECT_EQ(error->ObjectName(), c.field) << label;
        EXPECT_EQ(error->Title, "QDOT-XW: Input Data Error") << label;
    }
}

TEST(CurveCommand, RoundsTheDelayHalvesToEvenAndKeepsWhatItReadWhenACheckFails) {
    const struct {
        const char* text;
        int delay;
    } cases[] = {{"1.5", 2}, {"2.5", 2}, {"3.5", 4}, {"59.9 s", 60}};
    for (const auto& c : cases) {
        DesignFireState module;
        CheckCurveCommand(module, Entries("d", "A.FIR", "12000", c.text), kBothAnswered);
        EXPECT_EQ(module.DelayTime, c.delay) << c.text;
    }

    DesignFireState module;
    const auto outcome =
        CheckCurveCommand(module, Entries("kept", "K.FIR", "200000", "7"), kBothAnswered);
    ASSERT_TRUE(std::holds_alternative<RejectedInput>(outcome));
    EXPECT_EQ(module.FireDescription, "kept");
    EXPECT_EQ(module.FireFileName, "K.FIR");
    EXPECT_EQ(module.HeatOfCombustion, 200000.0f);
    EXPECT_EQ(module.DelayTime, 7);

    // A delay that does not fit 16 bits is refused without changing the stored one.
    CheckCurveCommand(module, Entries("kept", "K.FIR", "12000", "99999"), kBothAnswered);
    EXPECT_EQ(module.DelayTime, 7);
}

} // namespace
} // namespace vorla::generator
