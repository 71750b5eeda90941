// What an opened fire file's columns say beyond their printed digits. A fire
// file prints the rate to 0.1 kW, but the burning rate beside it (to 0.001 g/s)
// was worked out from the rate before rounding and from the heat of
// combustion. Reading both columns back gives the heat of combustion the file
// was written with and, where the printed rate alone would not give the
// printed burning rate again, a rate within the printed one's 0.1 kW that
// does: so a file opened and saved again unchanged is the same file.
#pragma once

#include "fire_generator/curves/unit_tables.h"

#include <optional>
#include <span>
#include <string>

namespace vorla::generator {

// One point's rate (kW) and burning rate (g/s) as the file has them.
struct PrintedPoint {
    double Rate = 0;
    double BurningRate = 0;
};

// The heat of combustion in kJ/kg under which every point can print as it
// does, or nothing when the columns do not tell (no point burns, or no whole
// number up to the forms' highest, 120,000 kJ/kg, fits them: a file typed by
// hand).
// `current` is kept when it fits; otherwise the value is a whole number of
// kJ/kg or of Btu/lb, as a user types it, the roundest one that fits (the
// most trailing zeros), the nearer to the largest point's ratio on a tie.
std::optional<float> HeatOfCombustionOfColumns(std::span<const PrintedPoint> points, float current);

// The single-precision rate whose printed rate and burning rate under
// `heatOfCombustion` are the file's: the printed rate itself when it does,
// else the middle of the rates that do, else (columns that no rate gives)
// the printed rate.
float RateOfColumns(const PrintedPoint& point, float heatOfCombustion);

// The text of txtHoC for `heatOfCombustion` (kJ/kg) in `units`: a whole
// number where that reads back as the same value, else the fewest decimals
// that do, so the curve command reads back the value the file was written
// with.
std::string HeatOfCombustionBoxText(float heatOfCombustion, const UnitTables& units);

} // namespace vorla::generator
