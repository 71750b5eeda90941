// The validity limits and the model uncertainty in the key results' words
// and files: present only when a run has them, so that every other run's
// texts and files stay as they were.
#include "common/key_results/key_results_files.h"
#include "common/key_results/key_results_text.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace vorla {
namespace {

const std::vector<RunRow> kCrossingRows = {
    {0, 20, 2.4, 0, 0, false}, {10, 120, 1.9, 300, 0.2, false}, {20, 320, 1.2, 600, 0.4, true}};

KeyResults Keys() {
    FireTable fire;
    fire.Points[0] = {0, 0};
    fire.Points[1] = {20, 600};
    fire.LastIndex = 1;
    RunView run;
    run.Model = ModelKind::Compartment;
    run.Rows = kCrossingRows;
    return ComputeKeyResults(run, fire, {{1.8}, {200}});
}

KeyResults WithLimits() {
    KeyResults keys = Keys();
    keys.ValidityLimits = {{"flames_reach_ceiling", 10},
                           {"plume_within_flames", 20},
                           {"outside_tested_range", 20, 0.05226, 0.004, 0.038},
                           {"entrainment_cap_active", 20}};
    return keys;
}

std::size_t HeatReleasedLine(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].starts_with("Heat released ")) {
            return i;
        }
    }
    ADD_FAILURE() << "no heat released line";
    return 0;
}

TEST(ValidityLines, OneLineALimitAfterTheHeatReleased) {
    const auto plain = KeyResultLines(Keys(), UnitSystem::SI);
    const auto lines = KeyResultLines(WithLimits(), UnitSystem::SI);
    ASSERT_EQ(lines.size(), plain.size() + 4);
    const std::vector<std::string> expected = {
        "Validity limit: flames reach the ceiling from 10.0 s",
        "Validity limit: plume relation used within the flames from 20.0 s",
        "Validity limit: Q*_H 0.0523 at 20.0 s, tested 0.00400 to 0.0380",
        "Validity limit: plume at its entrainment cap from 20.0 s",
    };
    // Right after the heat released, before the model's own keys; "Run ended
    // at ..." stays last.
    const auto released = HeatReleasedLine(plain);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(lines[released + 1 + i], expected[i]);
    }
    EXPECT_EQ(lines[released + 5], plain[released + 1]);
    EXPECT_EQ(lines.back(), plain.back());
}

TEST(ValidityFiles, OnlyARunThatLeftALimitNamesIt) {
    const KeyResults plain = Keys();
    const KeyResults limited = WithLimits();
    const auto plainJson = nlohmann::json::parse(KeyResultsJson(plain, {}));
    EXPECT_FALSE(plainJson.contains("validity_flames_reach_ceiling_s"));
    EXPECT_FALSE(plainJson.contains("model_uncertainty_statistics"));
    const auto json = nlohmann::json::parse(KeyResultsJson(limited, {}));
    EXPECT_EQ(json.size(), plainJson.size() + 6);
    EXPECT_EQ(json["validity_flames_reach_ceiling_s"], 10);
    EXPECT_EQ(json["validity_plume_within_flames_s"], 20);
    EXPECT_EQ(json["validity_outside_tested_range_s"], 20);
    EXPECT_EQ(json["validity_peak_q_star_h"], 0.05226);
    EXPECT_EQ(json["validity_tested_q_star_h"], nlohmann::json({0.004, 0.038}));
    EXPECT_EQ(json["validity_entrainment_cap_active_s"], 20);

    // The CSV keeps every column of a run within its limits and adds the
    // limits' after them.
    const std::string plainCsv = KeyResultsCsv(plain);
    const std::string csv = KeyResultsCsv(limited);
    const auto header = [](const std::string& text) { return text.substr(0, text.find("\r\n")); };
    EXPECT_EQ(header(csv), header(plainCsv) +
                               ",validity_flames_reach_ceiling_s,validity_plume_within_flames_s,"
                               "validity_outside_tested_range_s,validity_peak_q_star_h,"
                               "validity_entrainment_cap_active_s");
    EXPECT_TRUE(csv.ends_with(",10,20,20,0.05226,20\r\n")) << csv;
}

TEST(ModelUncertaintyLines, TwoLinesAQuantityInBothUnits) {
    KeyResults keys = Keys();
    keys.ModelUncertainty = {{"layer_temperature_rise", "VORLA-XW", "0.6", 0.8, 0.3, 100, 125, 68.6,
                              227.8},
                             {"layer_depth", "VORLA-XW", "0.6", 0.9, 0.12, 1.2, 1.3333, 1.046, 1.7}};
    const auto lines = KeyResultLines(keys, UnitSystem::SI);
    const std::vector<std::string> expected = {
        "Peak layer temperature rise 100 K (180 \u00b0F), bias-corrected 125 K (225 \u00b0F)",
        "  95 % range 69 K (123 \u00b0F) to 228 K (410 \u00b0F)",
        "Deepest layer 1.20 m (3.94 ft), bias-corrected 1.33 m (4.37 ft)",
        "  95 % range 1.05 m (3.43 ft) to 1.70 m (5.58 ft)",
    };
    const auto released = HeatReleasedLine(lines);
    ASSERT_GE(lines.size(), released + 1 + expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(lines[released + 1 + i], expected[i]);
    }
    const auto json = nlohmann::json::parse(KeyResultsJson(keys, {}));
    EXPECT_EQ(json["model_uncertainty_statistics"], "VORLA-XW");
    EXPECT_EQ(json["model_uncertainty_chi_rule"], "0.6");
    EXPECT_EQ(json["greatest_layer_depth_m_high95"], 1.7);
    EXPECT_EQ(json["peak_layer_temperature_rise_k_bias"], 0.8);
    const std::string csv = KeyResultsCsv(keys);
    EXPECT_NE(csv.find(",greatest_layer_depth_m,greatest_layer_depth_m_corrected,"
                       "greatest_layer_depth_m_low95,greatest_layer_depth_m_high95"),
              std::string::npos);
}

} // namespace
} // namespace vorla
