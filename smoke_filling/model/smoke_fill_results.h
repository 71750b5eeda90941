// The result series of a smoke filling run: one row every fifth second and at
// the second the run stops. A run overwrites rows from 0 and reports its last
// row; rows after it are left from an earlier run and are never read.
#pragma once

#include <array>
#include <cstdint>

namespace vorla::smoke {

// Row 0 and one row per multiple of 5 s up to 9000 s; a final row off the grid
// only replaces the next grid row, so 1801 rows always suffice.
inline constexpr int kSmokeFillRows = 1801;

struct SmokeFillResults {
    std::array<std::int16_t, kSmokeFillRows> Time{};       // s
    std::array<double, kSmokeFillRows> LayerTemperature{}; // °C
    std::array<float, kSmokeFillRows> InterfaceHeight{};   // m
    std::array<double, kSmokeFillRows> VentFlow{};         // kg/s out through the leaks
};

} // namespace vorla::smoke
