// Scaling and labelling of the two axes of the time-series graphs (the compartment
// results and the design fire preview). Each axis is cut into five equal steps;
// the full-scale value is chosen from a fixed table of round numbers so the tick
// labels read as round numbers too.
#pragma once

#include <array>
#include <span>
#include <string>

namespace vorla {

// The largest of series[0..last], never below 0, kept in single precision as it
// grows (a larger value replaces the maximum rounded to single). A negative `last`
// or a series with no positive value gives 0; `last` past the end of the series is
// cut to its last element. Values that are not numbers are passed over.
float ArrayMaximum(std::span<const double> series, int last);

// The time axis: `XScale` is the full-scale time in minutes (1, 2.5, 5, the next
// multiple of 5 up to 30 with 0.25 min of tolerance, 50, 100 or 150, never more),
// and Labels[a - 1] the text of tick a = 1..5, a x XScale / 5 with the band's pattern.
struct TimeAxis {
    double XScale = 1;
    std::array<std::string, 5> Labels;
};
TimeAxis ScaleTimeAxis(double xmax);

// The value axis: `YScale` is the next multiple of the band's step (5000, 500, 50,
// 5, 0.5 or 0.05) strictly above ymax, in single precision, or 0.05 for a maximum
// below 0.05; Labels[a - 1] = YScale / 5 x a computed in single precision, with the
// band's pattern. A maximum that is not a finite number gets the smallest axis, so
// no label ever reads "inf" or "nan".
struct ValueAxis {
    float YScale = 0.05F;
    std::array<std::string, 5> Labels;
};
ValueAxis ScaleValueAxis(double ymax);

} // namespace vorla
