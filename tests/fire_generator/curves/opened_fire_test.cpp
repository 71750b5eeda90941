#include "common/fire_file_writer.h"
#include "curve_test_support.h"
#include "fire_generator/curves/custom_fire.h"
#include "fire_generator/curves/growth_classes.h"
#include "fire_generator/curves/opened_fire.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
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
        StandardModule module = ModuleFor(0);
        UseOpenedFire(fire, module);
        EXPECT_EQ(PointsOf(module), c.points);
        EXPECT_EQ(module.FireDescription, c.description);
        EXPECT_EQ(module.FireFileName, "/fires/x.fir");
        EXPECT_TRUE(module.CustomStartsFromCurve);
    }
}

TEST(OpenedFire, WhatItWritesBackIsTheFileItRead) {
    const OpenedFire fire = Opened(kArmchair);
    StandardModule module = ModuleFor(0);
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
    StandardModule module = ModuleFor(30, UnitSystem::US); // the delay rows give way
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
    EXPECT_FALSE(module.CustomStartsFromCurve);
}

TEST(OpenedFire, OkOnTheFirstPageOfALongFileKeepsThePagesAfterIt) {
    std::string text;
    for (int i = 0; i < 25; ++i) {
        text += std::to_string(10 * i) + " " + std::to_string(i) + " 0\n";
    }
    text += "-9 -9 -9\n";
    StandardModule module = ModuleFor(0);
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
    StandardModule module = ModuleFor(0);
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
