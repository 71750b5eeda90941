// The validation statistics of docs/verification/validation-statistics.csv
// (what the verification program measured against the measured fires), for
// the key results' model uncertainty. The test validation_statistics_test
// holds this table equal to the file, row for row: when the file is made
// anew, this table is written again from it.
#pragma once

#include <string_view>

namespace vorla {

struct ValidationStatistics {
    std::string_view Model;    // "VORLA-XW", "VORLA-XW fire position", "SKEVA-XW Heskestad plume"
    std::string_view Quantity; // "layer_temperature_rise", "layer_depth"
    std::string_view ChiRule;  // "estimate" or "0.6"
    int Tests = 0;
    int Points = 0;
    double Bias = 1;   // δ
    double SigmaM = 0; // σ̃_M
    double SigmaE = 0; // σ̃_E
};

// clang-format off
inline constexpr ValidationStatistics kValidationStatistics[] = {
    {"VORLA-XW", "layer_temperature_rise", "estimate", 40, 40, 1.005, 0.187, 0.07},
    {"VORLA-XW", "layer_depth", "estimate", 40, 40, 0.880, 0.122, 0.07},
    {"VORLA-XW", "layer_temperature_rise", "0.6", 40, 40, 0.803, 0.299, 0.07},
    {"VORLA-XW", "layer_depth", "0.6", 40, 40, 0.901, 0.122, 0.07},
    {"VORLA-XW fire position", "layer_temperature_rise", "estimate", 40, 40, 1.241, 0.153, 0.07},
    {"VORLA-XW fire position", "layer_depth", "estimate", 40, 40, 0.760, 0.000, 0.07},
    {"VORLA-XW fire position", "layer_temperature_rise", "0.6", 40, 40, 0.970, 0.247, 0.07},
    {"VORLA-XW fire position", "layer_depth", "0.6", 40, 40, 0.775, 0.000, 0.07},
    {"VORLA-XW Heskestad plume", "layer_temperature_rise", "estimate", 36, 36, 0.881, 0.134, 0.07},
    {"VORLA-XW Heskestad plume", "layer_depth", "estimate", 36, 36, 0.960, 0.116, 0.07},
    {"VORLA-XW Heskestad plume", "layer_temperature_rise", "0.6", 36, 36, 0.698, 0.231, 0.07},
    {"VORLA-XW Heskestad plume", "layer_depth", "0.6", 36, 36, 0.986, 0.115, 0.07},
    {"SKEVA-XW", "layer_temperature_rise", "estimate", 3, 18, 0.623, 0.120, 0.07},
    {"SKEVA-XW", "layer_depth", "estimate", 3, 18, 1.121, 0.103, 0.07},
    {"SKEVA-XW", "layer_temperature_rise", "0.6", 3, 18, 0.573, 0.117, 0.07},
    {"SKEVA-XW", "layer_depth", "0.6", 3, 18, 1.117, 0.101, 0.07},
    {"SKEVA-XW Heskestad plume", "layer_temperature_rise", "estimate", 3, 17, 0.600, 0.088, 0.07},
    {"SKEVA-XW Heskestad plume", "layer_depth", "estimate", 3, 17, 1.135, 0.125, 0.07},
    {"SKEVA-XW Heskestad plume", "layer_temperature_rise", "0.6", 3, 17, 0.552, 0.086, 0.07},
    {"SKEVA-XW Heskestad plume", "layer_depth", "0.6", 3, 17, 1.131, 0.124, 0.07},
};
// clang-format on

} // namespace vorla
