// The criteria of the key results: the interface heights and the layer
// temperatures whose first crossing a run reports (head height, hot-layer
// limits, flashover).
#pragma once

#include "common/unit_system.h"

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
// units) in °C. Each is above absolute zero, none given twice.
CriteriaList ParseCriteriaTemperatures(std::string_view text, UnitSystem units,
                                       std::string_view option);

// The same checks and conversions on numbers already read (a study file's
// arrays).
CriteriaList CheckCriteriaHeights(const std::vector<double>& values, UnitSystem units,
                                  std::string_view option);
CriteriaList CheckCriteriaTemperatures(const std::vector<double>& values, UnitSystem units,
                                       std::string_view option);

// The shortest text that reads back as the criterion: the key of the criterion
// in the files ("1.8", "60").
std::string CriterionText(double criterion);

} // namespace vorla
