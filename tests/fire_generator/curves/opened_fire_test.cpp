#include "fire_generator/curves/fire_file_writer.h"
#include "common/text/format.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "curve_test_support.h"
#include "fire_generator/curves/custom_fire.h"
#include "fire_generator/curves/growth_classes.h"
#include "fire_generator/curves/opened_fire.h"
#include "fire_generator/curves/printed_columns.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <variant>

namespace vorla::generator {
namespace {

// The armchair example as the generator writes it: four points, the marker,
// the name line and the description.
constexpr const char* kArmchair = "    0          0.0        0.000\r\n"
                                  "   10          0.0        0.000\r\n"
                                  "  784        302.4       25.200\r\n"
                                  " 1558          0.0        0.000\r\n"
                                  "   -9           -9           -9\r\n"
                                  "ARMCHAIR.FIR  12/07/26\r\n"
                                  "Armchair, wood frame, 30 kg\r\n";

OpenedFire Opened(std::string_view text) {
    auto read = ParseFireFileForEditing(text, "/fires/x.fir");
    if (const auto* error = std::get_if<FireFileError>(&read)) {
        ADD_FAILURE() << DescribeFireFileError(*error);
        return {};
    }
    if (const auto* tooMany = std::get_if<TooManyFirePoints>(&read)) {
        ADD_FAILURE() << DescribeTooManyFirePoints(*tooMany);
        return {};
    }
    return std::get<OpenedFire>(read);
}

TEST(OpenedFire, ReadsThePointsAndTheDescriptionOfAFile) {
    struct Case {
        const char* what;
        const char* text;
        std::vector<std::pair<int, float>> points;
        const char* description;
    };
    const Case cases[] = {
        {"as the generator writes it",
         kArmchair,
         {{0, 0.0f}, {10, 0.0f}, {784, 302.4f}, {1558, 0.0f}},
         "Armchair, wood frame, 30 kg"},
        // Typed by hand: no name or description, free-format fields.
        {"by hand", "0,0,0\n60, 500 ,0\n-9,-9,-9\n", {{0, 0.0f}, {60, 500.0f}}, ""},
        // Times between whole seconds go to the nearest, halves to even.
        {"fractional times",
         "0 0 0\n10.5 1 0\n11.5 2 0\n20.4 3 0\n-9 -9 -9\nN\nD\n",
         {{0, 0.0f}, {10, 1.0f}, {12, 2.0f}, {20, 3.0f}},
         "D"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const OpenedFire fire = Opened(c.text);
        DesignFireState module = ModuleFor(0);
        UseOpenedFire(fire, module);
        EXPECT_EQ(PointsOf(module), c.points);
        EXPECT_EQ(module.FireDescription, c.description);
        EXPECT_EQ(module.FireFileName, "/fires/x.fir");
        EXPECT_TRUE(module.CustomStartsFromCurve);
    }
}

TEST(OpenedFire, WhatItWritesBackIsTheFileItRead) {
    const OpenedFire fire = Opened(kArmchair);
    DesignFireState module = ModuleFor(0);
    module.HeatOfCombustion = 12000; // 302.4 kW burns 25.2 g/s
    UseOpenedFire(fire, module);
    EXPECT_EQ(FireFileText(module.FireTime, module.FireRate, module.LastPoint,
                           module.HeatOfCombustion, "ARMCHAIR.FIR", "12/07/26",
                           module.FireDescription),
              kArmchair);
}

TEST(OpenedFire, AFileTheModelsRefuseIsRefusedWithTheirMessage) {
    auto read = ParseFireFileForEditing("0 0 0\n10 x 0\n-9 -9 -9\n", "bad.fir");
    ASSERT_TRUE(std::holds_alternative<FireFileError>(read));
    EXPECT_EQ(DescribeFireFileError(std::get<FireFileError>(read)),
              "The fire file bad.fir is not valid: line 2 is not three numbers.");
    auto missing = ReadFireFileForEditing("/nonexistent/none.fir");
    ASSERT_TRUE(std::holds_alternative<FireFileError>(missing));
    EXPECT_EQ(std::get<FireFileError>(missing).kind, FireFileError::Kind::CannotOpen);
}

TEST(OpenedFire, TheCustomFormStartsFromItsPointsInTheShownUnits) {
    DesignFireState module = ModuleFor(30, UnitSystem::US); // the delay rows give way
    UseOpenedFire(Opened(kArmchair), module);
    CustomFireEntry entry;
    const auto start = entry.Activate(module);
    const std::array<std::string, 4> times = {"0", "10", "784", "1558"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(start.Time[i], times[i]);
    }
    // The forms count 1.055 kW to the Btu/s: 302.4 / 1.055 = 286.635 Btu/s.
    EXPECT_NEAR(std::stod(start.Qdot[2]), 286.635, 0.0005);
    EXPECT_EQ(start.Qdot[0], "0");
    EXPECT_EQ(start.Time[4], "");
    EXPECT_EQ(start.FocusField, "txtTime");

    // OK as shown gives the same table back (the rate within single precision).
    CustomPageEntries page{};
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        page[i] = {start.Time[i], start.Qdot[i]};
    }
    ASSERT_FALSE(entry.Ok(module, page));
    ASSERT_EQ(module.LastPoint, 3);
    EXPECT_EQ(module.FireTime[2], 784);
    EXPECT_NEAR(module.FireRate[2], 302.4f, 302.4f * 1e-6f);
    // The edited points are the custom form's next start in their turn.
    EXPECT_TRUE(module.CustomStartsFromCurve);
}

// The delay a file was written with: its second point, when the first two
// are at 0 kW from 0 s.
TEST(OpenedFire, TheDelayIsTheTimeOfTheLeadingZeroRates) {
    struct Row {
        const char* text;
        int delay;
    };
    const Row rows[] = {
        {"0 0 0\n60 0 0\n65 0.1 0.006\n-9 -9 -9\n", 60},
        {"0 0 0\n5 1.2 0.098\n-9 -9 -9\n", 0},
        {"0 0 0\n30 0 0\n-9 -9 -9\n", 30},
        {"10 0 0\n60 0 0\n90 5 0\n-9 -9 -9\n", 0},
        {"0 5 0\n60 0 0\n-9 -9 -9\n", 0},
    };
    for (const auto& row : rows) {
        DesignFireState module = ModuleFor(45);
        const OpenedFire fire = Opened(row.text);
        EXPECT_EQ(DelayOfCurve(fire.Curve), row.delay) << row.text;
        UseOpenedFire(fire, module);
        EXPECT_EQ(module.DelayTime, row.delay) << row.text;
    }
}

TEST(OpenedFire, OkOnTheFirstPageOfALongFileKeepsThePagesAfterIt) {
    std::string text;
    for (int i = 0; i < 25; ++i) {
        text += std::to_string(10 * i) + " " + std::to_string(i) + " 0\n";
    }
    text += "-9 -9 -9\n";
    DesignFireState module = ModuleFor(0);
    UseOpenedFire(Opened(text), module);
    CustomFireEntry entry;
    const auto start = entry.Activate(module);
    CustomPageEntries page{};
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        page[i] = {start.Time[i], start.Qdot[i]};
    }
    page[3].Qdot = "33"; // one point edited
    ASSERT_FALSE(entry.Ok(module, page));
    EXPECT_EQ(module.LastPoint, 24);
    EXPECT_EQ(module.FireRate[3], 33.0f);
    EXPECT_EQ(module.FireTime[24], 240);
    EXPECT_EQ(module.FireRate[24], 24.0f);
}

TEST(OpenedFire, NextTenShowsThePointsOfTheNextPage) {
    std::string text;
    for (int i = 0; i < 13; ++i) {
        text += std::to_string(5 * i) + " " + std::to_string(2 * i) + " 0\n";
    }
    text += "-9 -9 -9\n";
    DesignFireState module = ModuleFor(0);
    UseOpenedFire(Opened(text), module);
    CustomFireEntry entry;
    const auto start = entry.Activate(module);
    CustomPageEntries page{};
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        page[i] = {start.Time[i], start.Qdot[i]};
    }
    ASSERT_FALSE(entry.NextTen(module, page));
    const auto next = entry.PageTexts(module);
    EXPECT_EQ(next.Time[0], "50");
    EXPECT_EQ(next.Qdot[2], "24");
    EXPECT_EQ(next.Time[3], "");
}

// n points 10 s apart at 1 kW each, with the end marker or without.
std::string PointsText(int n, bool marker) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += std::to_string(10 * i) + " 1 0\n";
    }
    return marker ? text + "-9 -9 -9\n" : text;
}

TEST(OpenedFire, EveryPointOfTheFileOrNone) {
    // The table holds points 0 to 1800; the models stop reading after 1801
    // records, so the count comes from reading on.
    const struct {
        int points;
        bool marker;
        int lastPoint;       // when opened
        const char* refusal; // otherwise
    } cases[] = {
        {1800, true, 1799, nullptr},
        {1801, true, 1800, nullptr},
        {1802, true, -1,
         "The fire file big.fir has 1802 points; QDOT-XW holds at most 1801, "
         "so it is not opened."},
        {2500, false, -1,
         "The fire file big.fir has 2500 points; QDOT-XW holds at most 1801, "
         "so it is not opened."},
        // The models would take the last record for the marker.
        {1801, false, -1,
         "The fire file big.fir is not valid: it ends before the end marker "
         "(a line of -9 values)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.points) + (c.marker ? " with a marker" : " without"));
        const auto read = ParseFireFileForEditing(PointsText(c.points, c.marker), "big.fir");
        if (c.refusal == nullptr) {
            ASSERT_TRUE(std::holds_alternative<OpenedFire>(read));
            EXPECT_EQ(std::get<OpenedFire>(read).Curve.LastPoint, c.lastPoint);
        } else if (const auto* tooMany = std::get_if<TooManyFirePoints>(&read)) {
            EXPECT_EQ(DescribeTooManyFirePoints(*tooMany), c.refusal);
        } else {
            ASSERT_TRUE(std::holds_alternative<FireFileError>(read));
            EXPECT_EQ(DescribeFireFileError(std::get<FireFileError>(read)), c.refusal);
        }
    }
}

TEST(OpenedFire, TheCustomFormKeepsPoint1800OfAFullTable) {
    DesignFireState module = ModuleFor(0);
    UseOpenedFire(Opened(PointsText(1801, true)), module);
    ASSERT_EQ(module.LastPoint, 1800);
    CustomFireEntry entry;
    const auto start = entry.Activate(module);
    CustomPageEntries page{};
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        page[i] = {start.Time[i], start.Qdot[i]};
    }
    ASSERT_FALSE(entry.Ok(module, page));
    EXPECT_EQ(module.LastPoint, 1800);
    EXPECT_EQ(module.FireTime[1800], 18000);
}

TEST(PrintedColumns, TheHeatOfCombustionTheColumnsWereWrittenWith) {
    // Hand figures: 302.4 kW at 12000 kJ/kg burns 302400 / 12000 = 25.200 g/s;
    // 1000 kW at 43700 burns 22.883; 500 kW at 18000 Btu/lb (41866.2 kJ/kg)
    // burns 11.943. Near each ratio only the value written is a round number.
    const float usWritten = RoundToSingle(18000 * 2.3259);
    const struct {
        const char* what;
        std::vector<PrintedPoint> points;
        float current;
        std::optional<float> found;
    } cases[] = {
        {"12000 kJ/kg", {{0, 0}, {302.4, 25.2}, {0, 0}}, 20000, 12000.0f},
        {"43700 kJ/kg", {{1000, 22.883}, {500, 11.442}}, 12000, 43700.0f},
        {"18000 Btu/lb", {{500, 11.943}}, 12000, usWritten},
        {"the value in the form fits too", {{302.4, 25.2}}, 12001, 12001.0f},
        {"nothing burns", {{0, 0}, {0, 0}}, 12000, std::nullopt},
        {"a hand-made third column", {{0, 0}, {500, 0}}, 12000, std::nullopt},
        {"two points that no value fits", {{1000, 22.883}, {1000, 50}}, 12000, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(HeatOfCombustionOfColumns(c.points, c.current), c.found);
    }
}

TEST(PrintedColumns, ARateWithinItsPrintedDigitGivesTheBurningRateBack) {
    // alpha t² = 0.0111 * 20² = 4.44 kW printed "4.4", burning 4440 / 12000 =
    // 0.370 g/s; 4.4 kW alone would burn 0.367.
    const struct {
        PrintedPoint point;
        float heatOfCombustion;
        float near;
        float within;
    } cases[] = {
        {{4.4, 0.370}, 12000, 4.44f, 0.006f},
        {{302.4, 25.2}, 12000, 302.4f, 0}, // the printed rate itself
        {{500, 0}, 12000, 500.0f, 0},      // no rate gives that column
    };
    for (const auto& c : cases) {
        const float rate = RateOfColumns(c.point, c.heatOfCombustion);
        EXPECT_NEAR(rate, c.near, c.within);
        // Where a rate gives both columns, it prints as the file does.
        if (c.point.BurningRate > 0) {
            EXPECT_EQ(ParseWholeNumber(Format(rate, "#####0.0")), c.point.Rate);
            EXPECT_EQ(ParseWholeNumber(Format(BurningRateOf(rate, c.heatOfCombustion), "###0.000")),
                      c.point.BurningRate);
        }
    }
}

TEST(PrintedColumns, TheBoxTextReadsBackAsTheValue) {
    const struct {
        float value;
        UnitSystem units;
        const char* text;
    } cases[] = {
        {12000, UnitSystem::SI, "12000"},
        {RoundToSingle(18000 * 2.3259), UnitSystem::US, "18000"},
        // 43700 / 2.3259 = 18788.42599: 18788.43 reads back as 43700.0093,
        // 43700.0078 in single precision; 18788.426 as 43700.00003, 43700.
        {43700, UnitSystem::US, "18788.426"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeatOfCombustionBoxText(c.value, UnitTablesFor(c.units)), c.text);
    }
}

// A t-squared curve with a delay as the generator holds it (rates not rounded
// to the file's digit) written, opened and written again: the same text, for
// heats of combustion typed in either unit system.
TEST(PrintedColumns, ACurveOpenedAndWrittenAgainIsTheSameFile) {
    for (const float heatOfCombustion :
         {12000.0f, 20000.0f, 43700.0f, RoundToSingle(18000 * 2.3259),
          RoundToSingle(5159 * 2.3259)}) {
        SCOPED_TRACE(heatOfCombustion);
        DesignFireState written = ModuleFor(30, UnitSystem::SI, heatOfCombustion);
        written.LastPoint = 91;
        for (int i = 1; i <= written.LastPoint; ++i) {
            const int tau = 10 * (i - 1);
            written.FireTime[i] = static_cast<std::int16_t>(30 + tau);
            written.FireRate[i] = RoundToSingle(0.0111 * std::pow(std::min(tau, 300), 2));
        }
        const std::string text =
            FireFileText(written.FireTime, written.FireRate, written.LastPoint, heatOfCombustion,
                         "T2.FIR", "12/07/26", "Medium growth");
        DesignFireState opened = ModuleFor(0); // 12000 kJ/kg in the form
        UseOpenedFire(Opened(text), opened);
        EXPECT_EQ(opened.HeatOfCombustion, heatOfCombustion);
        EXPECT_EQ(FireFileText(opened.FireTime, opened.FireRate, opened.LastPoint,
                               opened.HeatOfCombustion, "T2.FIR", "12/07/26",
                               opened.FireDescription),
                  text);
    }
}

TEST(GrowthClasses, AlphaIs1055kWOverTheTimeSquared) {
    // Hand figures: 1055 / 600² = 0.0029306, / 300² = 0.011722,
    // / 150² = 0.046889, / 75² = 0.18756 kW/s²; in the forms' Btu/s/s² each
    // is 1.055 times smaller (0.0027778, 0.011111, 0.044444, 0.17778).
    const struct {
        int seconds;
        double alpha;
        const char* si;
        const char* us;
    } cases[] = {
        {600, 0.0029306, "0.002931", "0.002778"},
        {300, 0.011722, "0.01172", "0.01111"},
        {150, 0.046889, "0.04689", "0.04444"},
        {75, 0.18756, "0.1876", "0.1778"},
    };
    ASSERT_EQ(std::size(cases), kGrowthClasses.size());
    for (std::size_t k = 0; k < kGrowthClasses.size(); ++k) {
        const auto& growth = kGrowthClasses[k];
        SCOPED_TRACE(std::string(growth.Name));
        EXPECT_EQ(growth.SecondsTo1055kW, cases[k].seconds);
        EXPECT_NEAR(GrowthClassAlpha(growth), cases[k].alpha, cases[k].alpha * 5e-5);
        EXPECT_EQ(GrowthClassAlphaText(growth, UnitTablesFor(UnitSystem::SI)), cases[k].si);
        EXPECT_EQ(GrowthClassAlphaText(growth, UnitTablesFor(UnitSystem::US)), cases[k].us);
    }
}

} // namespace
} // namespace vorla::generator
