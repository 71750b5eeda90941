// The key results as files: the JSON of `--summary` and the one-line CSV of
// `--summary-csv`, whose columns the design studies' runs.csv repeats.
#pragma once

#include "common/key_results/key_results.h"

#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace vorla {

// A key result with a number, named as in the files ("peak_layer_temperature_c",
// "interface_reaches_s@1.8"); empty when the run has none (never reached).
struct KeyValue {
    std::string Name;
    std::optional<double> Value;
};

// Every key with a number, in the files' column order, the criteria expanded.
std::vector<KeyValue> NumericKeyValues(const KeyResults& keys);

// The CSV columns of a model's key results with these criteria: "end_time_s",
// "end", then the numeric keys in the order NumericKeyValues gives them.
std::vector<std::string> KeyResultColumns(ModelKind model, const KeyCriteria& criteria);

// The cells of one run under KeyResultColumns: numbers as RoundTripText, an
// empty cell for a key the run never reached.
std::vector<std::string> KeyResultCells(const KeyResults& keys);

// One header line and one data line, each ended by CR LF like every CSV the
// suite writes. A run that followed its tenability adds, after every other
// column, aset_s, aset_criterion and one tenability_reached_s@<criterion> each;
// a run with devices then first_detection_s, first_sprinkler_s and one
// device_activation_s@<name> each (and suppression, suppressed_from_s when
// the first sprinkler changed the fire).
std::string KeyResultsCsv(const KeyResults& keys);

// An input of the run as it used it, in S.I. units: a number or a text.
struct RunInput {
    std::string Name;
    std::variant<double, std::string> Value;
};

// The JSON document of `--summary`: the model, the inputs, the criteria, then
// every key by its name; the criteria keys are objects keyed by the criterion
// ({"1.8": 124.3, "1.5": null}). A run that followed its tenability ends with
// "aset_s", "aset_criterion" (null when every criterion held) and
// "tenability_reached_s", one time or null per criterion; a run with devices
// with "devices" (name, kind, activation_time_s, link_temperature_c each),
// "first_detection_s" and "first_sprinkler_s" (and "suppression",
// "suppressed_from_s"). Ends with a line feed.
std::string KeyResultsJson(const KeyResults& keys, std::span<const RunInput> inputs);

} // namespace vorla
