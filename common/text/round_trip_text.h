// The text of a number that reads back as exactly the same double: what the
// machine-readable files (key results, design studies) write, so that a script
// reading them sees the values the program computed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// The shortest decimal text that reads back as `value`: 1.8 -> "1.8",
// 600 -> "600", 1e21 -> "1e+21". Negative zero is written "0". Not for
// infinities or NaN (the files write those as empty values).
std::string RoundTripText(double value);

// The shortest decimal text that reads back as the float `value`: a column
// kept in single precision writes 2.4f as "2.4", not as its double
// 2.4000000953674316. Negative zero is written "0".
std::string SingleRoundTripText(float value);

// The number a RoundTripText (or any plain decimal) holds, nothing when the
// whole text is not one finite number.
std::optional<double> NumberOfRoundTripText(std::string_view text);

// The double of the shortest decimal text that reads back as the float
// `value`: a single-precision input 2.1f (2.0999999046...) becomes 2.1, the
// number a user typed, which still reads back as the same float.
double SingleAsShortestDouble(float value);

} // namespace vorla
