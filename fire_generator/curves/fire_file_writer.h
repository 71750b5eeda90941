// The text of a fire file as the generator writes it: one line per point, the
// end marker, a name line and a description line, each ended by CR LF.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorla {

// "    1        673.8       15.420": time with "####0", five blanks, rate (kW)
// with "#####0.0", five blanks, burning rate (g/s) with "###0.000". The burning
// rate is worked out in single precision one operation at a time:
// (rate * 1000) rounded to single, then divided by the heat of combustion (kJ/kg)
// and rounded to single.
std::string FirePointLine(std::int16_t time, float rate, float heatOfCombustion);

// The burning rate in g/s that a point line carries for `rate` in kW.
float BurningRateOf(float rate, float heatOfCombustion);

// The largest values the point columns hold, as the columns write them. A
// larger one would widen its field and shift the columns, and an infinite one
// would write a word where a number belongs.
inline constexpr std::string_view kLargestFireFileRate = "999999.9";        // kW
inline constexpr std::string_view kLargestFireFileBurningRate = "9999.999"; // g/s

enum class FireFileColumn { Rate, BurningRate };

// The first column of a point line that `rate` would not fit, or nothing.
std::optional<FireFileColumn> ColumnTooNarrowFor(float rate, float heatOfCombustion);

// "   -9           -9           -9"
std::string FireEndMarkerLine();

// The bare file name, then the date at the next print zone (print zones are 14
// characters wide: a name of 9 characters puts the date in column 15, one of 14
// characters in column 29).
std::string FireNameLine(std::string_view fileName, std::string_view date);

// The whole file for points 0 to lastPoint. `path` may be a full path; the name
// line holds its bare file name.
std::string FireFileText(std::span<const std::int16_t> times, std::span<const float> rates,
                         int lastPoint, float heatOfCombustion, std::string_view path,
                         std::string_view date, std::string_view description);

// Today's date in the system's short date format, as the name line carries it.
std::string TodayShortDate();

} // namespace vorla
