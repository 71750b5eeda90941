#include "literal/format_literal.h"

#include "common/text/significant_digits.h"

#include <algorithm>
#include <cmath>

namespace vorla::literal {
namespace {

struct PatternShape {
    bool hasPoint = false;
    int decimals = 0;         // characters after the point
    int minDecimals = 0;      // "0"s after the point
    int minIntegerDigits = 0; // "0"s before the point
};

PatternShape ShapeOf(std::string_view pattern) {
    PatternShape shape;
    const auto point = pattern.find('.');
    const auto integerPart = pattern.substr(0, point);
    shape.minIntegerDigits =
        static_cast<int>(std::count(integerPart.begin(), integerPart.end(), '0'));
    if (point != std::string_view::npos) {
        const auto decimalPart = pattern.substr(point + 1);
        shape.hasPoint = true;
        shape.decimals = static_cast<int>(decimalPart.size());
        shape.minDecimals =
            static_cast<int>(std::count(decimalPart.begin(), decimalPart.end(), '0'));
    }
    return shape;
}

// |value| rounded to 15 significant digits, then to `decimals` decimals with a
// half going up, as the decimal digits of |value| * 10^decimals.
std::string ScaledDigits(double value, int decimals) {
    auto [significant, exponent] = FifteenSignificantDigits(value);

    // The significant digits stand for 0.d1d2...d15 * 10^(exponent + 1); keep the
    // ones down to 10^-decimals.
    const int keep = exponent + 1 + decimals;
    if (keep <= 0) {
        return std::string(1, (keep == 0 && significant[0] >= '5') ? '1' : '0');
    }
    if (keep >= static_cast<int>(significant.size())) {
        significant.append(keep - significant.size(), '0');
        return significant;
    }
    std::string digits = significant.substr(0, keep);
    if (significant[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
        }
    }
    return digits;
}

} // namespace

std::string Format(double value, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    }
    const PatternShape shape = ShapeOf(pattern);
    std::string digits = ScaledDigits(value, shape.decimals);
    if (static_cast<int>(digits.size()) < shape.decimals + 1) {
        digits.insert(0, shape.decimals + 1 - digits.size(), '0');
    }

    std::string integerPart = digits.substr(0, digits.size() - shape.decimals);
    std::string decimalPart = digits.substr(digits.size() - shape.decimals);
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;

    integerPart.erase(0, integerPart.find_first_not_of('0'));
    if (static_cast<int>(integerPart.size()) < shape.minIntegerDigits) {
        integerPart.insert(0, shape.minIntegerDigits - integerPart.size(), '0');
    }
    while (static_cast<int>(decimalPart.size()) > shape.minDecimals && decimalPart.back() == '0') {
        decimalPart.pop_back();
    }

    std::string text = (value < 0 && !isZero) ? "-" : "";
    text += integerPart;
    if (shape.hasPoint) {
        text += '.';
        text += decimalPart;
    }
    return text;
}

std::string RightAlign(double value, std::string_view pattern) {
    std::string text = Format(value, pattern);
    if (text.size() < pattern.size()) {
        text.insert(0, pattern.size() - text.size(), ' ');
    }
    return text;
}

} // namespace vorla::literal
