#include "common/text/number_text.h"

#include "common/text/significant_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vorla {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the leading number of `text` (blanks skipped) into a compact form that
// from_chars understands. Returns the compact text and how many characters of
// `text` it used.
struct Scanned {
    std::string compact;
    std::size_t consumed = 0;
    bool hasDigits = false;
};

Scanned ScanLeadingNumber(std::string_view text) {
    Scanned out;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
    };
    auto takeDigits = [&] {
        bool any = false;
        for (skipBlanks(); i < text.size() && IsDigit(text[i]); skipBlanks()) {
            out.compact += text[i++];
            any = true;
        }
        return any;
    };

    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        out.compact += text[i++];
    }
    out.hasDigits = takeDigits();
    if (i < text.size() && text[i] == '.') {
        out.compact += text[i++];
        out.hasDigits = takeDigits() || out.hasDigits;
    }
    out.consumed = i;
    if (!out.hasDigits) {
        return out;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        while (j < text.size() && IsBlank(text[j])) {
            ++j;
        }
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        bool anyDigit = false;
        for (;;) {
            while (j < text.size() && IsBlank(text[j])) {
                ++j;
            }
            if (j >= text.size() || !IsDigit(text[j])) {
                break;
            }
            exponent += text[j++];
            anyDigit = true;
        }
        if (anyDigit) {
            out.compact += exponent;
            out.consumed = j;
        }
    }
    return out;
}

// Whether a number from_chars found out of range is below the smallest double
// rather than above the largest: the power of ten of its first significant
// digit, counted from the point and moved by the exponent, is negative. Both
// "1e-400" and "0.000...0001" with 400 zeros are tiny.
bool IsTiny(std::string_view compact) {
    const auto e = compact.find('e');
    const std::string_view mantissa = compact.substr(0, e);
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto firstDigit = mantissa.find_first_of("123456789");
    if (firstDigit == std::string_view::npos) {
        return true; // all zeros never overflow
    }
    // Exponents beyond any double's are clamped: only the sign of the sum counts.
    constexpr long kClamp = 100000;
    long power = firstDigit < point ? static_cast<long>(point - firstDigit) - 1
                                    : -static_cast<long>(firstDigit - point);
    if (e != std::string_view::npos) {
        std::string_view exponent = compact.substr(e + 1);
        const bool negative = !exponent.empty() && exponent.front() == '-';
        if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
            exponent.remove_prefix(1);
        }
        long value = 0;
        for (const char digit : exponent) {
            value = std::min(kClamp, value * 10 + (digit - '0'));
        }
        power += negative ? -value : value;
    }
    return power < 0;
}

double ValueOfCompact(const std::string& compact) {
    const char* first = compact.data();
    const char* last = compact.data() + compact.size();
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-') {
        ++first;
    }
    double value = 0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: an infinity or a zero.
        value =
            IsTiny(std::string_view(first, last)) ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

// The whole of `text` (blanks aside) is one number in the form, whatever its size.
std::optional<double> WholeNumberOfText(std::string_view text) {
    const Scanned scanned = ScanLeadingNumber(text);
    if (!scanned.hasDigits) {
        return std::nullopt;
    }
    for (std::size_t i = scanned.consumed; i < text.size(); ++i) {
        if (!IsBlank(text[i]) && text[i] != '\r') {
            return std::nullopt;
        }
    }
    return ValueOfCompact(scanned.compact);
}

} // namespace

double NumberOfText(std::string_view text) {
    const Scanned scanned = ScanLeadingNumber(text);
    if (!scanned.hasDigits) {
        return 0.0;
    }
    return ValueOfCompact(scanned.compact);
}

std::optional<double> ParseWholeNumber(std::string_view text) {
    const auto value = WholeNumberOfText(text);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

bool IsNumberOutOfRange(std::string_view text) {
    const auto value = WholeNumberOfText(text);
    return value && std::isinf(*value);
}

std::string TextOfNumber(double value) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    }
    if (value == 0) {
        return "0";
    }
    auto [digits, exponent] = FifteenSignificantDigits(value);
    digits.erase(digits.find_last_not_of('0') + 1);

    // digits stand for d1.d2d3... * 10^exponent
    std::string text = value < 0 ? "-" : "";
    const int integerDigits = exponent + 1;
    if (integerDigits <= 0) {
        text += "0.";
        text += std::string(-integerDigits, '0');
        text += digits;
    } else if (integerDigits >= static_cast<int>(digits.size())) {
        text += digits;
        text += std::string(integerDigits - digits.size(), '0');
    } else {
        text += digits.substr(0, integerDigits);
        text += '.';
        text += digits.substr(integerDigits);
    }
    return text;
}

} // namespace vorla
