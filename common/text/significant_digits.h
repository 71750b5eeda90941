// The one place a number is cut to the 15 significant digits every text of the
// suite shows at most: the report columns (common/text/format.h) and the boxes'
// texts (common/text/number_text.h) both start from these digits.
#pragma once

#include <string>

namespace vorla {

// |value| rounded to 15 significant digits (halves to even on its binary
// value), as the digits d1 d2 ... d15 of d1.d2d3...d15 × 10^Exponent. Zero is
// fifteen zeros and exponent 0. The value must be finite.
struct SignificantDigits {
    std::string Digits;
    int Exponent = 0;
};

SignificantDigits FifteenSignificantDigits(double value);

} // namespace vorla
