// Reading a value off a plotted curve: the graph windows' crosshair shows the
// time under the pointer and the curve's value at that time, taken on the
// straight segment between the two rows around it, as the curve is drawn.
#pragma once

#include <optional>
#include <span>

namespace vorla {

struct CurveReading {
    double Time = 0;  // as asked, in the curve's time unit
    double Value = 0; // on the segment through that time
    int Row = 0;      // the last row at or before that time
};

// The reading of the curve through (time[i], value[i]), i = 0..n-1, times not
// decreasing, at `at`. Nothing before the first row, after the last, for a
// time that is not a number, or for an empty curve. Where two rows share a
// time (a step), the later row's value is read there. A value that is not a
// finite number at either end of the segment gives nothing.
std::optional<CurveReading> ReadCurveAt(std::span<const double> time, std::span<const double> value,
                                        double at);

// The row the arrow keys move the crosshair to from the reading time `at`: the
// first row after it (`forward`) or the last row before it, or nothing at
// either end of the curve. Rows of the same time are stepped over together.
std::optional<int> NextRow(std::span<const double> time, double at, bool forward);

} // namespace vorla
