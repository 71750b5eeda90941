// The result series of a compartment run, in fixed-capacity columns so that a
// run allocates nothing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vorla::compartment {

// Row 0, one row for every 5 s up to 9000 s, the flashover row and a final row
// off the 5-second grid: a run can never need more.
inline constexpr int kResultRowCapacity = 1803;

// The flag texts a row shows in its FR and OS columns.
inline constexpr std::string_view kRegimeAboveSoffit = "  1";
inline constexpr std::string_view kRegimeOutflowBelowInterface = "  2";
inline constexpr std::string_view kRegimeInflowAboveInterface = "  3";
inline constexpr std::string_view kRegimeTransition = "  T";
inline constexpr std::string_view kRegimeVentLimited = "  4";
// The interface at or below the sill: no regime applies.
inline constexpr std::string_view kRegimeNone = "   ";
inline constexpr std::string_view kStarvedOfAir = "  Y";
inline constexpr std::string_view kNotStarvedOfAir = "  N";

template <class T> using ResultColumn = std::array<T, kResultRowCapacity>;

struct RunResults {
    ResultColumn<std::int16_t> Time{};       // s
    ResultColumn<double> LayerTemperature{}; // °C
    ResultColumn<float> InterfaceHeight{};   // m
    ResultColumn<double> HeatReleaseRate{};  // kW, after the air-supply limit
    ResultColumn<double> VentFlow{};         // kg/s of hot gas leaving by the vent
    ResultColumn<std::string_view> FRFlag{}; // vent flow regime, one of the kRegime texts
    ResultColumn<std::string_view> OSFlag{}; // "  Y" when the fire is starved of air
    int LastRow = 0; // rows 0 to LastRow are this run's; rows above are stale
    // The row written at the second the upper layer first passed 600 °C, whether
    // the user then stopped the run or not; nothing when it never did.
    std::optional<int> FlashoverRow;
};

} // namespace vorla::compartment
