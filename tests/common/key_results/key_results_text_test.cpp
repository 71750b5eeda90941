// The Key Results panel's words, checked against figures worked out by hand
// from a five-row run: crossings between rows, criteria never reached, both
// unit systems (1 ft = 0.3048 m, °F = °C × 9/5 + 32, 1 Btu/s = 1.05504 kW,
// 1 kg = 2.205 lb, the report's factors).
#include "common/key_results/key_results.h"
#include "common/key_results/key_results_text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorla {
namespace {

// t, layer °C, interface m, kW, vent kg/s, starved of air.
const std::vector<RunRow> kRows = {
    {0, 20, 2.4, 0, 0, false},       {5, 50, 2.0, 100, 0.1, false},  {10, 250, 1.6, 400, 0.6, true},
    {12, 610, 1.3, 700, 0.45, true}, {15, 580, 1.2, 900, 0.4, true},
};

// 0 kW at 0 s rising to 1200 kW at 20 s: 6750 kJ up to 15 s.
FireTable Ramp() {
    FireTable fire;
    fire.Points[0] = {0, 0};
    fire.Points[1] = {20, 1200};
    fire.LastIndex = 1;
    return fire;
}

KeyResults Keys(ModelKind model, RunEnd end, std::optional<std::size_t> flashoverRow) {
    RunView run;
    run.Model = model;
    run.Rows = kRows;
    run.End = end;
    run.FlashoverRow = flashoverRow;
    return ComputeKeyResults(run, Ramp(), {{1.8, 1.5, 0.5}, {70, 210, 600, 1000}});
}

TEST(KeyResultsText, CompartmentRunInEitherUnitSystem) {
    const KeyResults keys = Keys(ModelKind::Compartment, RunEnd::Complete, 3);
    // 1.8 m: 5 + (1.8 - 2.0) × 5 / (1.6 - 2.0) = 7.5 s; 1.5 m: 10 + 0.1 × 2 / 0.3 = 10.67 s;
    // 70 °C: 5 + 20 × 5 / 200 = 5.5 s; 210 °C: 5 + 160 × 5 / 200 = 9 s;
    // 600 °C: 10 + 350 × 2 / 360 = 11.94 s.
    const std::vector<std::string> si = {
        "Flashover at 12.0 s",
        "Layer down to 1.8 m (5.906 ft) at 7.5 s",
        "Layer down to 1.5 m (4.921 ft) at 10.7 s",
        "Layer down to 0.5 m (1.64 ft): not reached",
        "Layer at 70 °C (158 °F) at 5.5 s",
        "Layer at 210 °C (410 °F) at 9.0 s",
        "Layer at 600 °C (1112 °F) at 11.9 s",
        "Layer at 1000 °C (1832 °F): not reached",
        "Peak layer temperature 610 °C (1130 °F) at 12.0 s",
        "Lowest interface height 1.20 m (3.94 ft) at 15.0 s",
        "Peak heat release rate 900.0 kW (853.0 Btu/s)",
        "Heat released 6.8 MJ (6398 Btu)",
        "Peak vent flow 0.600 kg/s (1.323 lb/s)",
        "Fire limited by oxygen at 10.0 s",
        "Run ended at 15.0 s: run complete",
    };
    EXPECT_EQ(KeyResultLines(keys, UnitSystem::SI), si);
    const std::vector<std::string> us = {
        "Flashover at 12.0 s",
        "Layer down to 5.906 ft (1.8 m) at 7.5 s",
        "Layer down to 4.921 ft (1.5 m) at 10.7 s",
        "Layer down to 1.64 ft (0.5 m): not reached",
        "Layer at 158 °F (70 °C) at 5.5 s",
        "Layer at 410 °F (210 °C) at 9.0 s",
        "Layer at 1112 °F (600 °C) at 11.9 s",
        "Layer at 1832 °F (1000 °C): not reached",
        "Peak layer temperature 1130 °F (610 °C) at 12.0 s",
        "Lowest interface height 3.94 ft (1.20 m) at 15.0 s",
        "Peak heat release rate 853.0 Btu/s (900.0 kW)",
        "Heat released 6398 Btu (6.8 MJ)",
        "Peak vent flow 1.323 lb/s (0.600 kg/s)",
        "Fire limited by oxygen at 10.0 s",
        "Run ended at 15.0 s: run complete",
    };
    EXPECT_EQ(KeyResultLines(keys, UnitSystem::US), us);
}

TEST(KeyResultsText, WhatARunNeverReachedSaysSo) {
    // The same rows with no flashover row and no starved row.
    std::vector<RunRow> rows = kRows;
    for (auto& row : rows) {
        row.OxygenLimited = false;
    }
    RunView run;
    run.Rows = rows;
    run.End = RunEnd::FireEnded;
    const auto lines = KeyResultLines(ComputeKeyResults(run, Ramp(), {}), UnitSystem::SI);
    EXPECT_EQ(lines.front(), "Flashover: not reached");
    EXPECT_EQ(lines[lines.size() - 2], "Fire limited by oxygen: never");
    EXPECT_EQ(lines.back(), "Run ended at 15.0 s: end of input fire");
}

TEST(KeyResultsText, SmokeRunHasNoFlashoverNorVentLines) {
    struct Case {
        RunEnd end;
        const char* fireBase;
        const char* last;
    };
    const Case cases[] = {
        {RunEnd::LayerAtFuelSurface, "Layer at fire base at 15.0 s",
         "Run ended at 15.0 s: layer interface dropped below fuel surface"},
        {RunEnd::Complete, "Layer at fire base: not reached", "Run ended at 15.0 s: run complete"},
        {RunEnd::Unstable, "Layer at fire base: not reached",
         "Run ended at 15.0 s: calculation became unstable"},
    };
    for (const auto& c : cases) {
        const auto lines =
            KeyResultLines(Keys(ModelKind::Smoke, c.end, std::nullopt), UnitSystem::SI);
        ASSERT_EQ(lines.size(), 13u); // 3 + 4 criteria, 4 peaks, fire base, end
        EXPECT_EQ(lines.front(), "Layer down to 1.8 m (5.906 ft) at 7.5 s");
        EXPECT_EQ(lines[lines.size() - 2], c.fireBase);
        EXPECT_EQ(lines.back(), c.last);
    }
}

// The devices and the tenability come after the model's own keys, before
// the line that says how the run ended; a run without them has none.
TEST(KeyResultsText, DevicesAndTenabilityHaveTheirOwnLines) {
    KeyResults keys = Keys(ModelKind::Smoke, RunEnd::Complete, std::nullopt);
    const std::size_t plain = KeyResultLines(keys, UnitSystem::SI).size();
    keys.Detection =
        DetectionKeys{{{"S1", "sprinkler", 113.3, 90}, {"H", "heat", std::nullopt, 40}},
                      113.3,
                      113.3,
                      "decaying",
                      113.3};
    keys.Tenability = TenabilityKeys{38.7, "visibility", {{"visibility", 38.7}, {"fed_toxic", {}}}};
    const std::vector<std::string> lines = KeyResultLines(keys, UnitSystem::SI);
    const std::vector<std::string> expected = {
        "First detection at 113.3 s",
        "First sprinkler at 113.3 s",
        "  S1 (sprinkler) operated at 113.3 s",
        "  H (heat) did not operate",
        "Fire decaying from 113.3 s by the first sprinkler",
        "Tenability: ASET 38.7 s, visibility governs",
        "  Limit of visibility at 38.7 s",
        "  Limit of toxic dose (FED): held",
        // 38.7 s less the first detection's 113.3 s: untenable before it.
        "Detection to ASET: -74.6 s",
        lines.back(),
    };
    EXPECT_EQ(lines.size(), plain + 9);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 10, lines.end()), expected);

    keys.Tenability = TenabilityKeys{std::nullopt, "", {}};
    keys.Detection.reset();
    EXPECT_EQ(KeyResultLines(keys, UnitSystem::SI)[plain - 1],
              "Tenability: every criterion held to the end");
}

// A saved report opened as results names its devices without times (none is
// worked out from the printed rows), and its rule without the activation.
TEST(KeyResultsText, DevicesOfSavedResultsAreNamedNotTimed) {
    KeyResults keys = Keys(ModelKind::Compartment, RunEnd::Complete, std::nullopt);
    const std::size_t plain = KeyResultLines(keys, UnitSystem::SI).size();
    DetectionKeys saved{{{"S1", "sprinkler", std::nullopt, 0}, {"SD", "smoke", std::nullopt, 0}},
                        std::nullopt,
                        std::nullopt,
                        "held",
                        std::nullopt};
    saved.TimesNotComputed = true;
    keys.Detection = saved;
    const std::vector<std::string> lines = KeyResultLines(keys, UnitSystem::SI);
    const std::vector<std::string> expected = {
        "Devices (not computed from saved results: use File Open and Run):",
        "  S1 (sprinkler)",
        "  SD (smoke)",
        "Fire held by the first sprinkler",
        lines.back(),
    };
    ASSERT_EQ(lines.size(), plain + 4);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()), expected);
    // Never a "did not operate", nor a first detection, for a time not known.
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("did not operate"), std::string::npos) << line;
        EXPECT_EQ(line.find("First "), std::string::npos) << line;
    }
}

// The margin from detection to ASET exists only when both do: no device
// operated, or every criterion held, gives no line (never a number made of a
// missing time); a saved report whose tenability was not worked out again
// says so in one line, with no time and no margin.
TEST(KeyResultsText, DetectionToAsetNeedsBothTimes) {
    struct Case {
        const char* what;
        std::optional<double> detection;
        std::optional<double> aset;
        bool notComputed;
        std::vector<std::string> tenabilityLines;
    };
    const std::string notComputed =
        "Tenability (not computed: its inputs and fire file now give other rows)";
    const Case cases[] = {
        {"both",
         20.0,
         50.0,
         false,
         {"Tenability: ASET 50.0 s, visibility governs", "Detection to ASET: 30.0 s"}},
        {"no device operated",
         std::nullopt,
         50.0,
         false,
         {"Tenability: ASET 50.0 s, visibility governs"}},
        {"every criterion held",
         20.0,
         std::nullopt,
         false,
         {"Tenability: every criterion held to the end"}},
        {"not computed", std::nullopt, std::nullopt, true, {notComputed}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        KeyResults keys = Keys(ModelKind::Smoke, RunEnd::Complete, std::nullopt);
        const std::size_t plain = KeyResultLines(keys, UnitSystem::SI).size();
        keys.Detection = DetectionKeys{
            {{"H", "heat", c.detection, 40}}, c.detection, std::nullopt, "", std::nullopt};
        keys.Tenability = TenabilityKeys{c.aset, c.aset ? "visibility" : "", {}};
        keys.Tenability->TimesNotComputed = c.notComputed;
        const std::vector<std::string> lines = KeyResultLines(keys, UnitSystem::SI);
        const std::size_t detectionLines = 3; // first detection, first sprinkler, H
        ASSERT_EQ(lines.size(), plain + detectionLines + c.tenabilityLines.size());
        EXPECT_EQ(std::vector<std::string>(
                      lines.end() - 1 - static_cast<std::ptrdiff_t>(c.tenabilityLines.size()),
                      lines.end() - 1),
                  c.tenabilityLines);
    }
}

// A time is read to a tenth of a second with a half going up: 12.25 s is a
// half exactly (a binary fraction), 12.35 s the double just below 12.35, read
// as the decimal the run wrote; the half-to-even of printf would give 12.2 and
// 12.3.
TEST(KeyResultsText, APeakTimeOnAHalfGoesUp) {
    const struct {
        double timeS;
        const char* line;
    } cases[] = {
        {12.25, "Peak layer temperature 610 °C (1130 °F) at 12.3 s"},
        {12.35, "Peak layer temperature 610 °C (1130 °F) at 12.4 s"},
        {12.2, "Peak layer temperature 610 °C (1130 °F) at 12.2 s"},
    };
    for (const auto& c : cases) {
        KeyResults keys = Keys(ModelKind::Compartment, RunEnd::Complete, 3);
        keys.PeakLayerTemperatureTimeS = c.timeS;
        const auto lines = KeyResultLines(keys, UnitSystem::SI);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end()) << c.timeS;
    }
}

TEST(KeyResultsText, TheTextIsTheLinesOneALine) {
    const KeyResults keys = Keys(ModelKind::Smoke, RunEnd::Complete, std::nullopt);
    const auto lines = KeyResultLines(keys, UnitSystem::US);
    std::string joined;
    for (const auto& line : lines) {
        joined += line + "\n";
    }
    joined.pop_back();
    EXPECT_EQ(KeyResultsText(keys, UnitSystem::US), joined);
}

TEST(KeyResultsText, CriteriaAsTheBoxesShowThem) {
    struct Case {
        std::vector<double> heightsM;
        std::vector<double> temperaturesC;
        UnitSystem units;
        const char* heights;
        const char* temperatures;
    };
    const Case cases[] = {
        {{1.8, 1.5}, {60, 200, 600}, UnitSystem::SI, "1.8, 1.5", "60, 200, 600"},
        {{1.8, 1.5}, {60, 200, 600}, UnitSystem::US, "5.906, 4.921", "140, 392, 1112"},
        // 6 ft and 100 °F typed in U.S. units, kept in S.I. to ten digits.
        {{1.8288}, {37.77777778}, UnitSystem::US, "6", "100"},
        {{1.8288}, {37.77777778}, UnitSystem::SI, "1.829", "37.8"},
        {{}, {-40}, UnitSystem::US, "", "-40"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShownHeights(c.heightsM, c.units), c.heights);
        EXPECT_EQ(ShownTemperatures(c.temperaturesC, c.units), c.temperatures);
    }
}

} // namespace
} // namespace vorla
