#include "zone_models/criteria_boxes.h"

#include "common/key_results/key_results_text.h"

#include <cctype>

namespace vorla {
namespace {

bool IsBlank(std::string_view text) {
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

std::string_view UnitOf(CriteriaBox box, UnitSystem units) {
    if (box == CriteriaBox::InterfaceHeights) {
        return units == UnitSystem::US ? "ft" : "m";
    }
    return units == UnitSystem::US ? "\u00b0F" : "\u00b0C";
}

std::string BoxName(CriteriaBox box) {
    return box == CriteriaBox::InterfaceHeights ? "Interface heights" : "Layer temperatures";
}

std::string WhatToType(CriteriaBox box, UnitSystem units) {
    const bool us = units == UnitSystem::US;
    const std::string unit(UnitOf(box, units));
    if (box == CriteriaBox::InterfaceHeights) {
        return " Type heights in " + unit + " above 0, separated by commas (" +
               (us ? "6, 5" : "1.8, 1.5") + "), or leave the box empty for none.";
    }
    return " Type temperatures in " + unit + " above ambient (" + (us ? "70" : "21.11") + " " +
           unit + "), separated by commas (" + (us ? "140, 392, 1112" : "60, 200, 600") +
           "), or leave the box empty for none.";
}

// One box: the criteria it gives, or its message.
CriteriaList ReadBox(CriteriaBox box, std::string_view text, UnitSystem units,
                     const KeyCriteria& current) {
    const auto& before = box == CriteriaBox::InterfaceHeights ? current.InterfaceHeightsM
                                                              : current.LayerTemperaturesC;
    if (text == CriteriaBoxText(box, current, units)) {
        return before;
    }
    if (IsBlank(text)) {
        return std::vector<double>{};
    }
    const std::string option = "the " + BoxName(box) + " box";
    auto read = box == CriteriaBox::InterfaceHeights
                    ? ParseCriteriaHeights(text, units, option)
                    : ParseCriteriaTemperatures(text, units, option);
    if (auto* problem = std::get_if<std::string>(&read)) {
        *problem += WhatToType(box, units);
    }
    return read;
}

} // namespace

std::string CriteriaBoxLabel(CriteriaBox box, UnitSystem units) {
    return BoxName(box) + " (" + std::string(UnitOf(box, units)) + "):";
}

std::string CriteriaBoxText(CriteriaBox box, const KeyCriteria& criteria, UnitSystem units) {
    return box == CriteriaBox::InterfaceHeights
               ? ShownHeights(criteria.InterfaceHeightsM, units)
               : ShownTemperatures(criteria.LayerTemperaturesC, units);
}

std::variant<KeyCriteria, RejectedCriteria>
ReadCriteriaBoxes(std::string_view heights, std::string_view temperatures, UnitSystem units,
                  const KeyCriteria& current, std::optional<double> ceilingHeightM) {
    KeyCriteria criteria;
    for (const auto box : {CriteriaBox::InterfaceHeights, CriteriaBox::LayerTemperatures}) {
        const bool isHeights = box == CriteriaBox::InterfaceHeights;
        auto read = ReadBox(box, isHeights ? heights : temperatures, units, current);
        if (auto* problem = std::get_if<std::string>(&read)) {
            return RejectedCriteria{box, std::move(*problem)};
        }
        (isHeights ? criteria.InterfaceHeightsM : criteria.LayerTemperaturesC) =
            std::move(std::get<std::vector<double>>(read));
        if (isHeights && ceilingHeightM) {
            if (auto outside = HeightAboveTheCeiling(
                    criteria.InterfaceHeightsM, *ceilingHeightM, units,
                    "the " + BoxName(CriteriaBox::InterfaceHeights) + " box")) {
                return RejectedCriteria{box, *outside + WhatToType(box, units)};
            }
        }
    }
    return criteria;
}

} // namespace vorla
