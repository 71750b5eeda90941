#include "common/text/round_trip_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace vorla {

std::string RoundTripText(double value) {
    if (value == 0) {
        return "0";
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string SingleRoundTripText(float value) {
    if (value == 0) {
        return "0";
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<double> NumberOfRoundTripText(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        return std::nullopt;
    }
    double value = 0;
    const char* last = text.data() + text.size();
    const auto result = std::from_chars(text.data(), last, value);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double SingleAsShortestDouble(float value) {
    if (!std::isfinite(value)) {
        return value;
    }
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double shortest = value;
    std::from_chars(buffer, written.ptr, shortest);
    return shortest;
}

} // namespace vorla
