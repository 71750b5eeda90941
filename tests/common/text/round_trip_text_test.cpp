// The shortest texts that read back as the same number, for the columns the
// models keep in double and in single precision.
#include "common/text/round_trip_text.h"

#include <charconv>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace vorla {
namespace {

// Whether `text` reads back as exactly `value` in its own type.
template <class Number> bool ReadsBackAs(const std::string& text, Number value) {
    Number back{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), back);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && back == value;
}

// The fewest significant digits with which printf's %g reads back as `value`:
// an implementation other than to_chars' shortest search.
template <class Number> int FewestDigits(Number value) {
    for (int digits = 1; digits <= 17; ++digits) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (ReadsBackAs(std::string(text), value)) {
            return digits;
        }
    }
    return 99;
}

int DigitsOf(const std::string& text) {
    int digits = 0;
    bool leading = true;
    for (const char c : text) {
        if (c == 'e') {
            break;
        }
        if (c >= '1' && c <= '9') {
            leading = false;
        }
        if (c >= '0' && c <= '9' && !leading) {
            ++digits;
        }
    }
    // Trailing zeros of a whole number ("600") are not significant.
    if (text.find('.') == std::string::npos && text.find('e') == std::string::npos) {
        for (auto i = text.size(); i > 0 && text[i - 1] == '0' && digits > 1; --i) {
            --digits;
        }
    }
    return digits;
}

TEST(SingleRoundTripText, IsTheFloatsShortestText) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {2.4f, "2.4"}, // 2.4000000953674316 as a double
        {0.6f, "0.6"},
        {3.0f, "3"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {1.8288f, "1.8288"},
        {1e-7f, "1e-07"},
        {16777216.0f, "16777216"},
        {0.1f + 0.2f, "0.3"}, // a float sum that is 0.3f exactly
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SingleRoundTripText(c.value), c.text) << c.text;
        EXPECT_TRUE(ReadsBackAs(SingleRoundTripText(c.value), c.value)) << c.text;
    }
}

TEST(RoundTripText, EveryTextReadsBackWithNoDigitToSpare) {
    const double doubles[] = {0.6,   1.0 / 3.0, 21.110000000000014, 123.456, 0.1 + 0.2,
                              1e300, 5e-324};
    for (const double value : doubles) {
        const std::string text = RoundTripText(value);
        EXPECT_TRUE(ReadsBackAs(text, value)) << text;
        EXPECT_EQ(DigitsOf(text), FewestDigits(value)) << text;
    }
    const float floats[] = {2.4f, 0.59999996f, 1.0f / 3.0f, 1.5e-5f, 987654.3f};
    for (const float value : floats) {
        const std::string text = SingleRoundTripText(value);
        EXPECT_TRUE(ReadsBackAs(text, value)) << text;
        EXPECT_EQ(DigitsOf(text), FewestDigits(value)) << text;
    }
}

} // namespace
} // namespace vorla
