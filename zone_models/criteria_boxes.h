// The two boxes of the report windows' Criteria dialog: the interface heights
// and the layer temperatures whose first crossing the key results give, typed
// as comma-separated lists in the form's units.
#pragma once

#include "common/key_results/key_criteria.h"
#include "common/text/unit_system.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vorla {

enum class CriteriaBox { InterfaceHeights, LayerTemperatures };

// A box whose text is not a list of criteria: the box, to take the focus, and
// a message naming it and saying what to type.
struct RejectedCriteria {
    CriteriaBox Box = CriteriaBox::InterfaceHeights;
    std::string Message;
};

// The labels of the boxes: "Interface heights (m):", "Layer temperatures (°F):".
std::string CriteriaBoxLabel(CriteriaBox box, UnitSystem units);

// The texts the boxes open with for the criteria in use.
std::string CriteriaBoxText(CriteriaBox box, const KeyCriteria& criteria, UnitSystem units);

// The criteria the two texts give, checked heights first. An empty (or blank)
// box is an empty list: the user asks for no criterion of that kind. A box
// still holding the text it opened with (CriteriaBoxText of `current`) keeps
// the criteria exactly as they were, so opening the dialog in U.S. units and
// pressing OK never rounds a metric criterion. Every height, kept or typed,
// must be inside the room of `ceilingHeightM` (the run's room height) where it
// is known.
std::variant<KeyCriteria, RejectedCriteria>
ReadCriteriaBoxes(std::string_view heights, std::string_view temperatures, UnitSystem units,
                  const KeyCriteria& current, std::optional<double> ceilingHeightM);

} // namespace vorla
