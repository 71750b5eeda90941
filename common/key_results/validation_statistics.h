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
    std::string_view Quantity; // "layer_temperature_rise", "layer_depth", "interface_height"…
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
    {"VORLA-XW", "layer_depth", "estimate", 40, 40, 0.882, 0.131, 0.05},
    {"VORLA-XW", "vent_mass_flow", "estimate", 37, 37, 0.617, 0.130, 0.08},
    {"VORLA-XW", "interface_time", "estimate", 3, 9, 1.247, 0.110, 0.08},
    {"VORLA-XW", "layer_temperature_rise", "0.6", 40, 40, 0.803, 0.299, 0.07},
    {"VORLA-XW", "layer_depth", "0.6", 40, 40, 0.904, 0.131, 0.05},
    {"VORLA-XW", "vent_mass_flow", "0.6", 37, 37, 0.592, 0.121, 0.08},
    {"VORLA-XW", "interface_time", "0.6", 3, 9, 1.219, 0.118, 0.08},
    {"VORLA-XW fire position", "layer_temperature_rise", "estimate", 40, 40, 1.241, 0.153, 0.07},
    {"VORLA-XW fire position", "layer_depth", "estimate", 40, 40, 0.761, 0.036, 0.05},
    {"VORLA-XW fire position", "vent_mass_flow", "estimate", 37, 37, 0.493, 0.185, 0.08},
    {"VORLA-XW fire position", "interface_time", "estimate", 3, 9, 1.247, 0.110, 0.08},
    {"VORLA-XW fire position", "layer_temperature_rise", "0.6", 40, 40, 0.970, 0.247, 0.07},
    {"VORLA-XW fire position", "layer_depth", "0.6", 40, 40, 0.776, 0.030, 0.05},
    {"VORLA-XW fire position", "vent_mass_flow", "0.6", 37, 37, 0.478, 0.171, 0.08},
    {"VORLA-XW fire position", "interface_time", "0.6", 3, 9, 1.219, 0.118, 0.08},
    {"VORLA-XW Heskestad plume", "layer_temperature_rise", "estimate", 36, 36, 0.881, 0.134, 0.07},
    {"VORLA-XW Heskestad plume", "layer_depth", "estimate", 36, 36, 0.962, 0.126, 0.05},
    {"VORLA-XW Heskestad plume", "vent_mass_flow", "estimate", 33, 33, 0.668, 0.102, 0.08},
    {"VORLA-XW Heskestad plume", "interface_time", "estimate", 3, 9, 1.170, 0.151, 0.08},
    {"VORLA-XW Heskestad plume", "layer_temperature_rise", "0.6", 36, 36, 0.698, 0.231, 0.07},
    {"VORLA-XW Heskestad plume", "layer_depth", "0.6", 36, 36, 0.989, 0.125, 0.05},
    {"VORLA-XW Heskestad plume", "vent_mass_flow", "0.6", 33, 33, 0.641, 0.098, 0.08},
    {"VORLA-XW Heskestad plume", "interface_time", "0.6", 3, 9, 1.149, 0.154, 0.08},
    {"SKEVA-XW", "layer_temperature_rise", "estimate", 3, 18, 0.623, 0.120, 0.07},
    {"SKEVA-XW", "layer_depth", "estimate", 3, 18, 1.124, 0.114, 0.05},
    {"SKEVA-XW", "layer_temperature_rise", "0.6", 3, 18, 0.573, 0.117, 0.07},
    {"SKEVA-XW", "layer_depth", "0.6", 3, 18, 1.120, 0.113, 0.05},
    {"SKEVA-XW Heskestad plume", "layer_temperature_rise", "estimate", 3, 17, 0.600, 0.088, 0.07},
    {"SKEVA-XW Heskestad plume", "layer_depth", "estimate", 3, 17, 1.138, 0.135, 0.05},
    {"SKEVA-XW Heskestad plume", "layer_temperature_rise", "0.6", 3, 17, 0.552, 0.086, 0.07},
    {"SKEVA-XW Heskestad plume", "layer_depth", "0.6", 3, 17, 1.134, 0.134, 0.05},
    {"VORLA-XW", "interface_height", "estimate", 40, 40, 1.214, 0.185, 0.07},
    {"VORLA-XW", "interface_height", "0.6", 40, 40, 1.187, 0.185, 0.07},
    {"VORLA-XW fire position", "interface_height", "estimate", 40, 40, 1.328, 0.095, 0.07},
    {"VORLA-XW fire position", "interface_height", "0.6", 40, 40, 1.306, 0.086, 0.07},
    {"VORLA-XW Heskestad plume", "interface_height", "estimate", 36, 36, 1.087, 0.167, 0.07},
    {"VORLA-XW Heskestad plume", "interface_height", "0.6", 36, 36, 1.055, 0.167, 0.07},
    {"VORLA-XW furniture room", "layer_temperature_rise", "estimate", 2, 2, 1.312, 0.178, 0.07},
    {"VORLA-XW furniture room", "interface_height", "estimate", 2, 2, 4.984, 0.911, 0.40},
    {"VORLA-XW furniture room", "layer_temperature_rise", "0.6", 2, 2, 1.104, 0.173, 0.07},
    {"VORLA-XW furniture room", "interface_height", "0.6", 2, 2, 5.019, 0.908, 0.40},
};
// clang-format on

} // namespace vorla
