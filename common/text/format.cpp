#include "common/text/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace vorla {
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

// Every report row formats nine numbers, so the text is built in a buffer on
// the stack: a short result fits the string's own storage and allocates
// nothing. A double's integer part has at most 309 digits; patterns with more
// than kStackPlaces places get a buffer on the heap.
constexpr int kStackPlaces = 64;
constexpr int kIntegerDigits = 310;

// Room for the sign, every digit, the padding zeros and the point.
constexpr int TextCapacity(const PatternShape& shape) {
    return 1 + kIntegerDigits + shape.minIntegerDigits + 1 + shape.decimals;
}

// The digits of |value| rounded to 15 significant digits, then to `decimals`
// decimals with a half going up, as the decimal digits of |value| * 10^decimals
// (at least one, at most kIntegerDigits + decimals). Returns their count.
int ScaledDigits(double value, int decimals, char* digits) {
    // d.dddddddddddddde[+-]x: the same digits as FifteenSignificantDigits.
    char scientific[32];
    const auto written = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                                       std::chars_format::scientific, 14);
    char significant[15];
    significant[0] = scientific[0];
    std::memcpy(significant + 1, scientific + 2, 14);
    const char* exponentText = scientific + 17;
    if (*exponentText == '+') {
        ++exponentText;
    }
    int exponent = 0;
    std::from_chars(exponentText, written.ptr, exponent);

    // The significant digits stand for 0.d1d2...d15 * 10^(exponent + 1); keep the
    // ones down to 10^-decimals.
    const int keep = exponent + 1 + decimals;
    if (keep <= 0) {
        digits[0] = (keep == 0 && significant[0] >= '5') ? '1' : '0';
        return 1;
    }
    if (keep >= 15) {
        std::memcpy(digits, significant, 15);
        std::memset(digits + 15, '0', static_cast<std::size_t>(keep - 15));
        return keep;
    }
    std::memcpy(digits, significant, static_cast<std::size_t>(keep));
    if (significant[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            std::memmove(digits + 1, digits, static_cast<std::size_t>(keep));
            digits[0] = '1';
            return keep + 1;
        }
    }
    return keep;
}

// Writes the formatted finite value into `text` (TextCapacity characters) and
// returns its length. `digits` is scratch room of the same size.
int FormatInto(double value, const PatternShape& shape, char* digits, char* text) {
    int count = ScaledDigits(value, shape.decimals, digits);
    if (count < shape.decimals + 1) {
        const int missing = shape.decimals + 1 - count;
        std::memmove(digits + missing, digits, static_cast<std::size_t>(count));
        std::memset(digits, '0', static_cast<std::size_t>(missing));
        count = shape.decimals + 1;
    }
    const bool isZero = std::all_of(digits, digits + count, [](char c) { return c == '0'; });

    const char* integer = digits;
    int integerCount = count - shape.decimals;
    while (integerCount > 0 && *integer == '0') {
        ++integer;
        --integerCount;
    }
    int decimalCount = shape.decimals;
    const char* decimal = digits + count - shape.decimals;
    while (decimalCount > shape.minDecimals && decimal[decimalCount - 1] == '0') {
        --decimalCount;
    }

    int length = 0;
    if (value < 0 && !isZero) {
        text[length++] = '-';
    }
    for (int pad = integerCount; pad < shape.minIntegerDigits; ++pad) {
        text[length++] = '0';
    }
    std::memcpy(text + length, integer, static_cast<std::size_t>(integerCount));
    length += integerCount;
    if (shape.hasPoint) {
        text[length++] = '.';
        std::memcpy(text + length, decimal, static_cast<std::size_t>(decimalCount));
        length += decimalCount;
    }
    return length;
}

std::string NonFinite(double value) {
    return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
}

// The finite value formatted with `shape`, padded on the left with blanks to
// `width` characters.
std::string Formatted(double value, const PatternShape& shape, int width) {
    char stackDigits[TextCapacity({true, kStackPlaces, kStackPlaces, kStackPlaces})];
    char stackText[sizeof stackDigits];
    std::string heap;
    char* digits = stackDigits;
    char* text = stackText;
    if (TextCapacity(shape) > static_cast<int>(sizeof stackDigits)) {
        heap.resize(2 * static_cast<std::size_t>(TextCapacity(shape)));
        digits = heap.data();
        text = heap.data() + TextCapacity(shape);
    }
    const int length = FormatInto(value, shape, digits, text);
    const int padding = std::max(width - length, 0);
    std::string formatted(static_cast<std::size_t>(padding + length), ' ');
    std::memcpy(formatted.data() + padding, text, static_cast<std::size_t>(length));
    return formatted;
}

} // namespace

std::string Format(double value, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return NonFinite(value);
    }
    return Formatted(value, ShapeOf(pattern), 0);
}

std::string RightAlign(double value, std::string_view pattern) {
    const int width = static_cast<int>(pattern.size());
    if (!std::isfinite(value)) {
        std::string text = NonFinite(value);
        if (static_cast<int>(text.size()) < width) {
            text.insert(0, width - text.size(), ' ');
        }
        return text;
    }
    return Formatted(value, ShapeOf(pattern), width);
}

} // namespace vorla
