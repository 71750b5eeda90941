#include "common/key_results/key_results_files.h"

#include "common/text/round_trip_text.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <utility>
#include <variant>

namespace vorla {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kCrLf = "\r\n";

Json NumberOrNull(std::optional<double> value) {
    if (value && std::isfinite(*value)) {
        return *value;
    }
    return nullptr;
}

std::string Cell(std::optional<double> value) {
    return value && std::isfinite(*value) ? RoundTripText(*value) : std::string();
}

// The validity limits' and the model uncertainty's keys with their values, in
// the files' order: "validity_<limit>_s" each (and "validity_peak_q_star_h"),
// then "model_uncertainty_statistics", "model_uncertainty_chi_rule" and, per
// quantity, the predicted value, "_corrected", "_low95", "_high95", "_bias" and
// "_sigma_m".
using NamedValue = std::pair<std::string, std::variant<double, std::string>>;

std::vector<NamedValue> ValidityAndUncertaintyValues(const KeyResults& keys) {
    std::vector<NamedValue> values;
    for (const auto& limit : keys.ValidityLimits) {
        values.emplace_back("validity_" + limit.Limit + "_s", limit.FromS);
        if (limit.Limit == "outside_tested_range") {
            values.emplace_back("validity_peak_q_star_h", limit.PeakFroudeNumber);
        }
    }
    if (!keys.ModelUncertainty.empty()) {
        values.emplace_back("model_uncertainty_statistics", keys.ModelUncertainty[0].Statistics);
        values.emplace_back("model_uncertainty_chi_rule", keys.ModelUncertainty[0].ChiRule);
    }
    for (const auto& key : keys.ModelUncertainty) {
        const std::string name = key.Quantity == "layer_temperature_rise"
                                     ? "peak_layer_temperature_rise_k"
                                     : "greatest_layer_depth_m";
        values.emplace_back(name, key.Predicted);
        values.emplace_back(name + "_corrected", key.Corrected);
        values.emplace_back(name + "_low95", key.Low95);
        values.emplace_back(name + "_high95", key.High95);
        values.emplace_back(name + "_bias", key.Bias);
        values.emplace_back(name + "_sigma_m", key.SigmaM);
    }
    return values;
}

std::string JoinedLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        line += i == 0 ? "" : ",";
        line += cells[i];
    }
    return line + kCrLf;
}

// A cell as CSV writes it: in double quotes, its quotes doubled, when it holds
// a comma, a quote or a line break (a device's name may).
std::string CsvText(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

Json CriteriaObject(const std::vector<CriterionTime>& times) {
    Json object = Json::object();
    for (const auto& time : times) {
        object[CriterionText(time.Criterion)] = NumberOrNull(time.TimeS);
    }
    return object;
}

} // namespace

std::vector<KeyValue> NumericKeyValues(const KeyResults& keys) {
    const bool compartment = keys.Model == ModelKind::Compartment;
    std::vector<KeyValue> values;
    values.push_back({"end_time_s", keys.EndTimeS});
    if (compartment) {
        values.push_back({"flashover_time_s", keys.FlashoverTimeS});
    }
    values.push_back({"peak_layer_temperature_c", keys.PeakLayerTemperatureC});
    values.push_back({"peak_layer_temperature_time_s", keys.PeakLayerTemperatureTimeS});
    values.push_back({"lowest_interface_height_m", keys.LowestInterfaceHeightM});
    values.push_back({"lowest_interface_height_time_s", keys.LowestInterfaceHeightTimeS});
    for (const auto& time : keys.InterfaceReachesS) {
        values.push_back({"interface_reaches_s@" + CriterionText(time.Criterion), time.TimeS});
    }
    for (const auto& time : keys.LayerTemperatureReachesS) {
        values.push_back(
            {"layer_temperature_reaches_s@" + CriterionText(time.Criterion), time.TimeS});
    }
    values.push_back({"peak_heat_release_rate_kw", keys.PeakHeatReleaseRateKw});
    values.push_back({"heat_released_mj", keys.HeatReleasedMj});
    if (compartment) {
        values.push_back({"peak_vent_flow_kg_s", keys.PeakVentFlowKgS});
        values.push_back({"oxygen_limited_time_s", keys.OxygenLimitedTimeS});
    } else {
        values.push_back({"layer_at_fire_base_time_s", keys.LayerAtFireBaseTimeS});
    }
    return values;
}

std::vector<std::string> KeyResultColumns(ModelKind model, const KeyCriteria& criteria) {
    // The names do not depend on the values: take them from empty results.
    KeyResults empty;
    empty.Model = model;
    for (const double h : criteria.InterfaceHeightsM) {
        empty.InterfaceReachesS.push_back({h, std::nullopt});
    }
    for (const double theta : criteria.LayerTemperaturesC) {
        empty.LayerTemperatureReachesS.push_back({theta, std::nullopt});
    }
    std::vector<std::string> columns;
    for (auto& value : NumericKeyValues(empty)) {
        columns.push_back(std::move(value.Name));
        if (columns.size() == 1) {
            columns.emplace_back("end");
        }
    }
    return columns;
}

std::vector<std::string> KeyResultCells(const KeyResults& keys) {
    std::vector<std::string> cells;
    for (const auto& value : NumericKeyValues(keys)) {
        cells.push_back(Cell(value.Value));
        if (cells.size() == 1) {
            cells.emplace_back(RunEndName(keys.End));
        }
    }
    return cells;
}

std::string KeyResultsCsv(const KeyResults& keys) {
    KeyCriteria criteria;
    criteria.InterfaceHeightsM.clear();
    criteria.LayerTemperaturesC.clear();
    for (const auto& time : keys.InterfaceReachesS) {
        criteria.InterfaceHeightsM.push_back(time.Criterion);
    }
    for (const auto& time : keys.LayerTemperatureReachesS) {
        criteria.LayerTemperaturesC.push_back(time.Criterion);
    }
    std::vector<std::string> columns = KeyResultColumns(keys.Model, criteria);
    std::vector<std::string> cells = KeyResultCells(keys);
    if (keys.Tenability && !keys.Tenability->TimesNotComputed) {
        // After every other column, so that a script reading them by place
        // still finds them where they were.
        columns.emplace_back("aset_s");
        cells.push_back(Cell(keys.Tenability->AsetS));
        columns.emplace_back("aset_criterion");
        cells.push_back(keys.Tenability->AsetCriterion);
        for (const auto& reached : keys.Tenability->ReachedS) {
            columns.push_back("tenability_reached_s@" + reached.Criterion);
            cells.push_back(Cell(reached.TimeS));
        }
    }
    if (keys.Detection && !keys.Detection->TimesNotComputed) {
        const DetectionKeys& detection = *keys.Detection;
        columns.emplace_back("first_detection_s");
        cells.push_back(Cell(detection.FirstDetectionS));
        columns.emplace_back("first_sprinkler_s");
        cells.push_back(Cell(detection.FirstSprinklerS));
        for (const auto& device : detection.Devices) {
            columns.push_back(CsvText("device_activation_s@" + device.Name));
            cells.push_back(Cell(device.ActivationTimeS));
        }
        if (!detection.Suppression.empty()) {
            columns.emplace_back("suppression");
            cells.push_back(detection.Suppression);
            columns.emplace_back("suppressed_from_s");
            cells.push_back(Cell(detection.SuppressedFromS));
        }
    }
    // Only when the run left a limit or asked for the model uncertainty: every
    // other run keeps its columns. The JSON has the same keys.
    for (const auto& [name, value] : ValidityAndUncertaintyValues(keys)) {
        columns.push_back(name);
        const auto* number = std::get_if<double>(&value);
        cells.push_back(number ? Cell(*number) : CsvText(std::get<std::string>(value)));
    }
    return JoinedLine(columns) + JoinedLine(cells);
}

std::string KeyResultsJson(const KeyResults& keys, std::span<const RunInput> inputs) {
    Json document;
    document["model"] = ModelKindName(keys.Model);
    Json inputObject = Json::object();
    for (const auto& input : inputs) {
        if (const auto* number = std::get_if<double>(&input.Value)) {
            inputObject[input.Name] = NumberOrNull(*number);
        } else {
            inputObject[input.Name] = std::get<std::string>(input.Value);
        }
    }
    document["inputs"] = inputObject;
    Json heights = Json::array();
    for (const auto& time : keys.InterfaceReachesS) {
        heights.push_back(time.Criterion);
    }
    Json temperatures = Json::array();
    for (const auto& time : keys.LayerTemperatureReachesS) {
        temperatures.push_back(time.Criterion);
    }
    document["criteria"] = {{"interface_height_m", heights}, {"layer_temperature_c", temperatures}};

    for (const auto& value : NumericKeyValues(keys)) {
        const auto at = value.Name.find('@');
        if (at == std::string::npos) {
            document[value.Name] = NumberOrNull(value.Value);
        } else if (!document.contains(value.Name.substr(0, at))) {
            const bool height = value.Name.starts_with("interface_reaches_s");
            document[value.Name.substr(0, at)] =
                CriteriaObject(height ? keys.InterfaceReachesS : keys.LayerTemperatureReachesS);
        }
        if (value.Name == "end_time_s") {
            document["end"] = RunEndName(keys.End);
        }
    }
    if (keys.Tenability && !keys.Tenability->TimesNotComputed) {
        document["aset_s"] = NumberOrNull(keys.Tenability->AsetS);
        document["aset_criterion"] = keys.Tenability->AsetCriterion.empty()
                                         ? Json(nullptr)
                                         : Json(keys.Tenability->AsetCriterion);
        Json reached = Json::object();
        for (const auto& criterion : keys.Tenability->ReachedS) {
            reached[criterion.Criterion] = NumberOrNull(criterion.TimeS);
        }
        document["tenability_reached_s"] = reached;
    }
    if (keys.Detection && !keys.Detection->TimesNotComputed) {
        const DetectionKeys& detection = *keys.Detection;
        Json devices = Json::array();
        for (const auto& device : detection.Devices) {
            devices.push_back({{"name", device.Name},
                               {"kind", device.Kind},
                               {"activation_time_s", NumberOrNull(device.ActivationTimeS)},
                               {"link_temperature_c", NumberOrNull(device.LinkTemperatureC)}});
        }
        document["devices"] = devices;
        document["first_detection_s"] = NumberOrNull(detection.FirstDetectionS);
        document["first_sprinkler_s"] = NumberOrNull(detection.FirstSprinklerS);
        if (!detection.Suppression.empty()) {
            document["suppression"] = detection.Suppression;
            document["suppressed_from_s"] = NumberOrNull(detection.SuppressedFromS);
        }
    }
    for (const auto& [name, value] : ValidityAndUncertaintyValues(keys)) {
        if (const auto* number = std::get_if<double>(&value)) {
            document[name] = NumberOrNull(*number);
        } else {
            document[name] = std::get<std::string>(value);
        }
        if (name == "validity_peak_q_star_h") {
            for (const auto& limit : keys.ValidityLimits) {
                if (limit.Limit == "outside_tested_range") {
                    document["validity_tested_q_star_h"] = {NumberOrNull(limit.TestedLowest),
                                                            NumberOrNull(limit.TestedHighest)};
                }
            }
        }
    }
    // A title or file name that is not UTF-8 must not abort the summary.
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace vorla
