// A curve being built. Builders fill one of these and hand it to the state
// only when every check has passed, so a rejected input leaves the fire table
// that is already there as it was.
#pragma once

#include "fire_generator/curves/design_fire_state.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace vorla::generator {

// The latest time a point can have: times are 16-bit.
inline constexpr int kLatestFireTime = std::numeric_limits<std::int16_t>::max();

struct FireCurve {
    std::array<std::int16_t, kFirePointCount> Time{};
    std::array<float, kFirePointCount> Rate{};
    int LastPoint = 0;
};

// Whether a time worked out in whole seconds fits the 16-bit table.
inline bool FitsFireTime(long long time) {
    return time >= std::numeric_limits<std::int16_t>::min() && time <= kLatestFireTime;
}

// Copies points 0 to LastPoint into the state and sets LastPoint; the
// entries behind them keep what they held. The custom form starts empty again
// (the custom form's own OK then marks the curve as its own to continue).
void CommitCurve(const FireCurve& curve, DesignFireState& module);

// A curve parameter's value to six significant digits and its unit: "0.04689 kW/s²".
std::string ParameterText(double value, std::string_view unit);

} // namespace vorla::generator
