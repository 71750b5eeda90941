// QDOT-XW's design-fire sheet lists the kind of curve and the values its form
// built it from, in S.I. units, each worked out by hand from the typed
// entries; a curve built afterwards of another kind lists only its own.
#include "curve_test_support.h"
#include "fire_generator/curves/design_sheet.h"
#include "fire_generator/curves/pool_fire.h"
#include "fire_generator/curves/tsquared_fire.h"

#include <gtest/gtest.h>

namespace vorla::generator {
namespace {

// The lines of the sheet's "Curve parameters" section; none without it.
std::vector<std::string> ParameterLines(const DesignFireState& module) {
    for (const auto& section : DesignFireSheet(module, "12/09/26").Sections) {
        if (section.Heading == "Curve parameters" && !section.Blocks.empty()) {
            return section.Blocks.front().Lines;
        }
    }
    return {};
}

// The value on the line that starts with `label`, blanks after the label skipped.
std::string ValueOf(const std::vector<std::string>& lines, const std::string& label) {
    for (const auto& line : lines) {
        if (line.starts_with(label)) {
            const auto start = line.find_first_not_of(' ', label.size());
            return start == std::string::npos ? std::string() : line.substr(start);
        }
    }
    return "(no line " + label + ")";
}

TEST(DesignSheet, ListsTheCurvesParametersInSiUnits) {
    struct Case {
        const char* Label;
        const char* Starts; // the value's beginning, worked out by hand
    };
    // Heptane, 1 m: 43700 kJ/kg · (1 - e^-0.7) · 0.039 kg/(m²·s) · π/4 m²
    // = 43700 · 0.503415 · 0.039 · 0.785398 = 673.85 kW.
    DesignFireState pool = ModuleFor(0, UnitSystem::SI, 43700);
    ASSERT_FALSE(BuildPoolFire(pool, {"0.039", "0.7", "1", "600"}));
    const auto poolLines = ParameterLines(pool);
    const Case poolCases[] = {
        {"Curve:", "Pool fire"},   {"Mass loss rate, infinite pool:", "0.039 kg/(m²·s)"},
        {"k·beta:", "0.7 1/m"},    {"Pool diameter:", "1 m"},
        {"Steady rate:", "673.8"}, {"End of burning:", "600 s"},
    };
    for (const auto& c : poolCases) {
        EXPECT_TRUE(ValueOf(poolLines, c.Label).starts_with(c.Starts))
            << ValueOf(poolLines, c.Label);
    }

    // In US units: 0.2 lb/(ft²·s) = 0.976534 kg/(m²·s), 3 1/ft = 9.84252 1/m,
    // 1 ft = 0.3048 m.
    DesignFireState us = ModuleFor(0, UnitSystem::US, 43700);
    ASSERT_FALSE(BuildPoolFire(us, {"0.2", "3", "1", "100"}));
    const auto usLines = ParameterLines(us);
    const Case usCases[] = {
        {"Mass loss rate, infinite pool:", "0.9765"},
        {"k·beta:", "9.842"},
        {"Pool diameter:", "0.3048 m"},
    };
    for (const auto& c : usCases) {
        EXPECT_TRUE(ValueOf(usLines, c.Label).starts_with(c.Starts)) << ValueOf(usLines, c.Label);
    }

    // A fast t-squared fire, 0.04689 kW/s² to 146 s: 0.04689 · 146² = 999.5 kW.
    // Built after the pool, it lists its own values and none of the pool's.
    ASSERT_FALSE(BuildTSquaredFire(pool, {"0.04689", "146", "600"}));
    const auto growth = ParameterLines(pool);
    const Case growthCases[] = {
        {"Curve:", "T-squared fire"},   {"Growth factor alpha:", "0.04689 kW/s²"},
        {"Time to peak:", "146 s"},     {"Peak rate alpha·t²:", "999.5"},
        {"End of the curve:", "600 s"},
    };
    for (const auto& c : growthCases) {
        EXPECT_TRUE(ValueOf(growth, c.Label).starts_with(c.Starts)) << ValueOf(growth, c.Label);
    }
    EXPECT_EQ(ValueOf(growth, "Pool diameter:"), "(no line Pool diameter:)");
}

TEST(DesignSheet, AStateWithNoCurveBuiltHasNoParameters) {
    EXPECT_TRUE(ParameterLines(ModuleFor(0)).empty());
}

} // namespace
} // namespace vorla::generator
