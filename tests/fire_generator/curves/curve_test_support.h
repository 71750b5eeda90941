// Small helpers the curve tests share.
#pragma once

#include "common/text/unit_system.h"
#include "fire_generator/curves/curve_command.h"
#include "fire_generator/curves/design_fire_state.h"

#include <string>
#include <utility>
#include <vector>

namespace vorla::generator {

// A state as the main form leaves it for a curve form.
inline DesignFireState ModuleFor(int delay, UnitSystem units = UnitSystem::SI,
                                 float heatOfCombustion = 12000) {
    DesignFireState module;
    module.Units = UnitTablesFor(units);
    module.DelayTime = static_cast<std::int16_t>(delay);
    module.HeatOfCombustion = heatOfCombustion;
    module.FireFileName = "TEST.FIR";
    return module;
}

// The curve's points 0 to LastPoint as (time, rate) pairs.
inline std::vector<std::pair<int, float>> PointsOf(const DesignFireState& module) {
    std::vector<std::pair<int, float>> points;
    for (int i = 0; i <= module.LastPoint; ++i) {
        points.emplace_back(module.FireTime[i], module.FireRate[i]);
    }
    return points;
}

// A state holding a recognisable earlier curve, to see that a rejected input
// leaves it alone.
inline DesignFireState ModuleWithEarlierCurve(int delay, UnitSystem units = UnitSystem::SI) {
    DesignFireState module = ModuleFor(delay, units);
    for (int i = 0; i < kFirePointCount; ++i) {
        module.FireTime[i] = static_cast<std::int16_t>(i);
        module.FireRate[i] = 7.5f;
    }
    module.LastPoint = 1234;
    return module;
}

inline bool HoldsEarlierCurve(const DesignFireState& module) {
    if (module.LastPoint != 1234) {
        return false;
    }
    for (int i = 0; i < kFirePointCount; ++i) {
        if (module.FireTime[i] != i || module.FireRate[i] != 7.5f) {
            return false;
        }
    }
    return true;
}

} // namespace vorla::generator
