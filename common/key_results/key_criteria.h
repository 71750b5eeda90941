// The criteria of the key results: the interface heights and the layer
// temperatures whose first crossing a run reports (head height, hot-layer
// limits, flashover).
#pragma once

#include "common/text/unit_system.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla {

struct KeyCriteria {
    std::vector<double> InterfaceHeightsM{1.8, 1.5};
    std::vector<double> LayerTemperaturesC{60, 200, 600};
};

// A list of criteria in S.I. units, or the sentence saying what is wrong.
using CriteriaList = std::variant<std::vector<double>, std::string>;

// The heights of "--criteria-height H[,H...]" (m, or ft with US units) in m.
// Each is a number above 0, none given twice. `option` names the option (or the
// study file key) in the message.
CriteriaList ParseCriteriaHeights(std::string_view text, UnitSystem units, std::string_view option);

// The temperatures of "--criteria-temperature T[,T...]" (°C, or °F with US
// units) in °C. Each is above ambient (21.11 °C, 70 °F: the room and the layer
// start there, so a criterion at or below it would be met before the fire had
// done anything), none given twice.
CriteriaList ParseCriteriaTemperatures(std::string_view text, UnitSystem units,
                                       std::string_view option);

// The same checks and conversions on numbers already read (a study file's
// arrays).
CriteriaList CheckCriteriaHeights(const std::vector<double>& values, UnitSystem units,
                                  std::string_view option);
CriteriaList CheckCriteriaTemperatures(const std::vector<double>& values, UnitSystem units,
                                       std::string_view option);

// The message naming the first of the heights above the room's ceiling (a
// criterion outside the room, "1,8" typed for 1.8), or nothing when every one
// is inside it. Heights and ceiling are in m; the message gives them in
// `units`, as they were typed.
std::optional<std::string> HeightAboveTheCeiling(const std::vector<double>& heightsM,
                                                 double ceilingHeightM, UnitSystem units,
                                                 std::string_view option);

// The same on heights and a ceiling as a file writes them, both in `units`.
std::optional<std::string> WrittenHeightAboveTheCeiling(const std::vector<double>& heights,
                                                        double ceilingHeight, UnitSystem units,
                                                        std::string_view option);

// The shortest text that reads back as the criterion: the key of the criterion
// in the files ("1.8", "60").
std::string CriterionText(double criterion);

} // namespace vorla
