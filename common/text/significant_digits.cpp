#include "common/text/significant_digits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vorla {

SignificantDigits FifteenSignificantDigits(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    // buffer holds d.dddddddddddddde[+-]x
    SignificantDigits out;
    out.Digits += buffer[0];
    out.Digits.append(buffer + 2, buffer + 16);
    out.Exponent = std::atoi(std::string(buffer + 17, result.ptr).c_str());
    return out;
}

} // namespace vorla
