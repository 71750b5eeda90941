// Roundings that are part of the calculations' behaviour. Values the programs
// keep in single precision or in 16-bit integers are rounded through these
// helpers, so every place where precision is lost can be found by name.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace vorla {

// The nearest single-precision value (ties to even).
inline float RoundToSingle(double value) {
    return static_cast<float>(value);
}

// The nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

// The nearest 16-bit integer, halves to even; nothing when the rounded value
// does not fit in 16 bits (or the value is not a number).
inline std::optional<std::int16_t> RoundHalfEvenToInt16(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

// The same, a value beyond 16 bits kept at the nearest 16-bit bound (one that is
// not a number at the upper bound), so a range check still refuses it.
inline std::int16_t RoundHalfEvenToInt16Bounded(double value) {
    if (const auto fits = RoundHalfEvenToInt16(value)) {
        return *fits;
    }
    return RoundHalfEven(value) < 0 ? std::numeric_limits<std::int16_t>::min()
                                    : std::numeric_limits<std::int16_t>::max();
}

} // namespace vorla
