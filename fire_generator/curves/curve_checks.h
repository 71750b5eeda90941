// Checks more than one curve form makes, with their messages.
#pragma once

#include "fire_generator/curves/rejected_entry.h"

#include <optional>

namespace vorla::generator {

// The longest curve the t-squared and pool forms accept, s after ignition.
inline constexpr double kLongestCurve = 9000;

// `txtTEnd` rounded to whole seconds: first "must not exceed" the longest
// curve, then "must be positive". A time typed beyond the 16-bit range is
// refused by the same two checks.
std::optional<RejectedInput> CheckEndOfCurve(double tEnd, double longest);

// A point of the curve would lie after 32767 s, the latest time a fire table
// holds: the delay and the end time together are too long.
RejectedInput DelayAndEndTooLate();

} // namespace vorla::generator
