// The result series of a smoke filling run, in fixed-capacity columns so that a
// run allocates nothing: one row every fifth second and at the second the run
// stops.
#pragma once

#include <array>
#include <cstdint>

namespace vorla::smoke {

// Row 0 and one row per multiple of 5 s up to 9000 s; a final row off the grid
// only replaces the next grid row, so 1801 rows always suffice.
inline constexpr int kResultRowCapacity = 1801;

template <class T> using ResultColumn = std::array<T, kResultRowCapacity>;

struct RunResults {
    ResultColumn<std::int16_t> Time{};       // s
    ResultColumn<double> LayerTemperature{}; // °C
    ResultColumn<float> InterfaceHeight{};   // m
    ResultColumn<double> HeatReleaseRate{};  // kW, the fire table's rate at the row's time
    ResultColumn<double> VentFlow{};         // kg/s out through the leaks
    int LastRow = 0; // rows 0 to LastRow are this run's; rows above are stale
};

} // namespace vorla::smoke
