#include "fire_generator/curves/fire_file_writer.h"

#include "common/text/format.h"
#include "common/text/precision.h"

#include <clocale>
#include <cmath>
#include <ctime>
#include <filesystem>

namespace vorla {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kColumnGap = "     ";
constexpr int kPrintZoneWidth = 14;

constexpr std::string_view kTimePattern = "####0";
constexpr std::string_view kRatePattern = "#####0.0";
constexpr std::string_view kBurningRatePattern = "###0.000";

bool Fits(float value, std::string_view pattern) {
    return std::isfinite(value) && RightAlign(value, pattern).size() <= pattern.size();
}

} // namespace

float BurningRateOf(float rate, float heatOfCombustion) {
    const float scaled = RoundToSingle(static_cast<double>(rate) * 1000.0);
    return RoundToSingle(static_cast<double>(scaled) / heatOfCombustion);
}

std::optional<FireFileColumn> ColumnTooNarrowFor(float rate, float heatOfCombustion) {
    if (!Fits(rate, kRatePattern)) {
        return FireFileColumn::Rate;
    }
    if (!Fits(BurningRateOf(rate, heatOfCombustion), kBurningRatePattern)) {
        return FireFileColumn::BurningRate;
    }
    return std::nullopt;
}

std::string FirePointLine(std::int16_t time, float rate, float heatOfCombustion) {
    std::string line = RightAlign(time, kTimePattern);
    line += kColumnGap;
    line += RightAlign(rate, kRatePattern);
    line += kColumnGap;
    line += RightAlign(BurningRateOf(rate, heatOfCombustion), kBurningRatePattern);
    return line;
}

std::string FireEndMarkerLine() {
    std::string line = RightAlign(-9, "#####");
    line += kColumnGap;
    line += RightAlign(-9, "########");
    line += kColumnGap;
    line += RightAlign(-9, "########");
    return line;
}

std::string FireNameLine(std::string_view fileName, std::string_view date) {
    std::string line(fileName);
    line += std::string(kPrintZoneWidth - line.size() % kPrintZoneWidth, ' ');
    line += date;
    return line;
}

std::string FireFileText(std::span<const std::int16_t> times, std::span<const float> rates,
                         int lastPoint, float heatOfCombustion, std::string_view path,
                         std::string_view date, std::string_view description) {
    std::string text;
    for (int a = 0; a <= lastPoint; ++a) {
        text += FirePointLine(times[a], rates[a], heatOfCombustion);
        text += kLineEnd;
    }
    text += FireEndMarkerLine();
    text += kLineEnd;
    const std::string fileName = std::filesystem::path(std::string(path)).filename().string();
    text += FireNameLine(fileName, date);
    text += kLineEnd;
    text += description;
    text += kLineEnd;
    return text;
}

std::string TodayShortDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // The user's date format where one is set; month/day/year otherwise.
    const char* previous = std::setlocale(LC_TIME, nullptr);
    const std::string saved = previous ? previous : "C";
    const char* chosen = std::setlocale(LC_TIME, "");
    const std::string_view name = chosen == nullptr ? "C" : chosen;
    const bool plain = name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
    char buffer[64] = {};
    std::strftime(buffer, sizeof buffer, plain ? "%m/%d/%Y" : "%x", &local);
    std::setlocale(LC_TIME, saved.c_str());
    return buffer;
}

} // namespace vorla
