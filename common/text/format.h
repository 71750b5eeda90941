// Number formatting with digit patterns such as "##0.00#", and the
// right-aligned variant used by every report and file column.
#pragma once

#include <string>
#include <string_view>

namespace vorla {

// Formats value with a pattern of "#" and "0" placeholders and at most one ".".
//
// The value's decimal expansion is first rounded to 15 significant digits, then
// to the pattern's number of decimals with halves away from zero. The integer
// part has at least as many digits as the pattern has "0"s before the point (an
// integer part of 0 with none writes no digit) and all the digits it needs. The
// decimals are trimmed of trailing zeros down to the number of "0"s after the
// point. A single-precision or 16-bit value passed here converts exactly, so it is
// formatted from its exact value. A negative value that rounds to zero has no sign.
//
//   Format(0.5, "####.00") == ".50"     Format(215.28525, "#####0.00#") == "215.285"
//   Format(0, "#####") == ""            Format(1234.5, "##0.00#") == "1234.50"
std::string Format(double value, std::string_view pattern);

// Format, padded on the left with blanks to the pattern's length. A number that
// needs more characters than the pattern has is returned whole, never cut.
std::string RightAlign(double value, std::string_view pattern);

} // namespace vorla
