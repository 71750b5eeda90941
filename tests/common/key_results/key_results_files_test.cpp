#include "common/key_results/key_results_files.h"
#include "common/text/round_trip_text.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vorla {
namespace {

KeyResults RoomKeys() {
    KeyResults keys;
    keys.Model = ModelKind::Compartment;
    keys.EndTimeS = 600;
    keys.End = RunEnd::FlashoverStop;
    keys.FlashoverTimeS = 316;
    keys.PeakLayerTemperatureC = 612.25;
    keys.PeakLayerTemperatureTimeS = 316;
    keys.LowestInterfaceHeightM = 0.75;
    keys.LowestInterfaceHeightTimeS = 316;
    keys.InterfaceReachesS = {{1.8, 124.3}, {1.5, std::nullopt}};
    keys.LayerTemperatureReachesS = {{60, 80.5}, {200, 150.1}, {600, std::nullopt}};
    keys.PeakHeatReleaseRateKw = 1500;
    keys.HeatReleasedMj = 0.1 + 0.2;
    keys.PeakVentFlowKgS = 1.25;
    keys.OxygenLimitedTimeS = std::nullopt;
    return keys;
}

TEST(KeyResultsCsv, OneHeaderLineAndOneDataLine) {
    EXPECT_EQ(KeyResultsCsv(RoomKeys()),
              "end_time_s,end,flashover_time_s,peak_layer_temperature_c,"
              "peak_layer_temperature_time_s,lowest_interface_height_m,"
              "lowest_interface_height_time_s,interface_reaches_s@1.8,interface_reaches_s@1.5,"
              "layer_temperature_reaches_s@60,layer_temperature_reaches_s@200,"
              "layer_temperature_reaches_s@600,peak_heat_release_rate_kw,heat_released_mj,"
              "peak_vent_flow_kg_s,oxygen_limited_time_s\r\n"
              "600,flashover_stop,316,612.25,316,0.75,316,124.3,,80.5,150.1,,1500,"
              "0.30000000000000004,1.25,\r\n");
}

TEST(KeyResultColumns, DependOnTheModelAndTheCriteria) {
    KeyCriteria criteria;
    criteria.InterfaceHeightsM = {2};
    criteria.LayerTemperaturesC = {};
    const std::vector<std::string> smoke = {"end_time_s",
                                            "end",
                                            "peak_layer_temperature_c",
                                            "peak_layer_temperature_time_s",
                                            "lowest_interface_height_m",
                                            "lowest_interface_height_time_s",
                                            "interface_reaches_s@2",
                                            "peak_heat_release_rate_kw",
                                            "heat_released_mj",
                                            "layer_at_fire_base_time_s"};
    EXPECT_EQ(KeyResultColumns(ModelKind::Smoke, criteria), smoke);
    EXPECT_EQ(KeyResultColumns(ModelKind::Compartment, KeyCriteria{}).size(), 16u);
}

TEST(KeyResultsJson, HoldsInputsCriteriaAndEveryKeyByName) {
    const std::vector<RunInput> inputs = {{"floor-area", 20.0}, {"fire", std::string("sofa.fir")}};
    const auto json = nlohmann::json::parse(KeyResultsJson(RoomKeys(), inputs));
    EXPECT_EQ(json["model"], "compartment");
    EXPECT_EQ(json["inputs"]["floor-area"], 20.0);
    EXPECT_EQ(json["inputs"]["fire"], "sofa.fir");
    EXPECT_EQ(json["criteria"]["interface_height_m"], nlohmann::json::array({1.8, 1.5}));
    EXPECT_EQ(json["criteria"]["layer_temperature_c"], nlohmann::json::array({60, 200, 600}));
    EXPECT_EQ(json["end_time_s"], 600);
    EXPECT_EQ(json["end"], "flashover_stop");
    EXPECT_EQ(json["flashover_time_s"], 316);
    EXPECT_EQ(json["interface_reaches_s"], nlohmann::json::parse(R"({"1.8": 124.3, "1.5": null})"));
    EXPECT_EQ(json["layer_temperature_reaches_s"],
              nlohmann::json::parse(R"({"60": 80.5, "200": 150.1, "600": null})"));
    EXPECT_TRUE(json["oxygen_limited_time_s"].is_null());
    EXPECT_EQ(json["heat_released_mj"].get<double>(), 0.1 + 0.2);
    EXPECT_FALSE(json.contains("layer_at_fire_base_time_s"));
    EXPECT_EQ(json.size(), 16u);
}

// Devices whose times were not worked out (a saved report opened as
// results) write nothing: a null would read as "did not operate".
TEST(KeyResultsJson, DevicesNotTimedAreNotWritten) {
    KeyResults keys = RoomKeys();
    const std::string csv = KeyResultsCsv(keys);
    const std::string json = KeyResultsJson(keys, {});
    DetectionKeys saved;
    saved.Devices = {{"S1", "sprinkler", std::nullopt, 0}};
    saved.TimesNotComputed = true;
    keys.Detection = saved;
    EXPECT_EQ(KeyResultsCsv(keys), csv);
    EXPECT_EQ(KeyResultsJson(keys, {}), json);
    keys.Detection->TimesNotComputed = false;
    EXPECT_TRUE(nlohmann::json::parse(KeyResultsJson(keys, {})).contains("devices"));
}

// A tenability not worked out again (a saved report opened as results) is
// not written either: its nulls would read as "every criterion held".
TEST(KeyResultsJson, TenabilityNotComputedIsNotWritten) {
    KeyResults keys = RoomKeys();
    const std::string csv = KeyResultsCsv(keys);
    const std::string json = KeyResultsJson(keys, {});
    TenabilityKeys saved;
    saved.TimesNotComputed = true;
    keys.Tenability = saved;
    EXPECT_EQ(KeyResultsCsv(keys), csv);
    EXPECT_EQ(KeyResultsJson(keys, {}), json);
    keys.Tenability->TimesNotComputed = false;
    EXPECT_TRUE(nlohmann::json::parse(KeyResultsJson(keys, {})).contains("aset_s"));
}

TEST(KeyResultsJson, SurvivesATextThatIsNotUtf8) {
    const std::vector<RunInput> inputs = {{"title", std::string("B\xe4"
                                                                "ckerei")}};
    const auto json = nlohmann::json::parse(KeyResultsJson(RoomKeys(), inputs));
    EXPECT_EQ(json["inputs"]["title"].get<std::string>(), "B\xef\xbf\xbd"
                                                          "ckerei");
}

TEST(RoundTripText, ReadsBackAsTheSameNumber) {
    const double values[] = {1.8,  124.3, 600,        0.1 + 0.2, 1e21,
                             1e-5, -0.0,  6 * 0.3048, 5e-324,    1.7976931348623157e308};
    for (const double value : values) {
        const auto back = NumberOfRoundTripText(RoundTripText(value));
        ASSERT_TRUE(back) << RoundTripText(value);
        EXPECT_EQ(*back, value) << RoundTripText(value);
    }
    EXPECT_EQ(RoundTripText(-0.0), "0");
    EXPECT_EQ(RoundTripText(600), "600");
    EXPECT_FALSE(NumberOfRoundTripText(""));
    EXPECT_FALSE(NumberOfRoundTripText("1.5x"));
    EXPECT_FALSE(NumberOfRoundTripText("+1"));
    EXPECT_FALSE(NumberOfRoundTripText("inf"));
}

TEST(SingleAsShortestDouble, TheTypedNumberThatReadsBackAsTheSameFloat) {
    struct Case {
        float single;
        double expected;
    };
    const Case cases[] = {
        {2.1f, 2.1}, {0.3f, 0.3}, {1.8288f, 1.8288}, {2.0f, 2.0}, {1e-3f, 0.001}, {0.0f, 0.0},
    };
    for (const auto& c : cases) {
        const double shortest = SingleAsShortestDouble(c.single);
        EXPECT_EQ(shortest, c.expected) << c.single;
        EXPECT_EQ(static_cast<float>(shortest), c.single) << c.single;
    }
}

} // namespace
} // namespace vorla
