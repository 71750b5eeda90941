#include "cli/study_progress.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace vorla::cli {
namespace {

std::string WholeNumberText(double value) {
    return std::to_string(static_cast<long long>(std::llround(std::max(0.0, value))));
}

// "45 s", "3 min 20 s", "2 h 5 min": the time left as a person reads it.
std::string DurationText(double seconds) {
    const long long total = std::llround(std::max(0.0, seconds));
    if (total < 60) {
        return std::to_string(total) + " s";
    }
    if (total < 3600) {
        return std::to_string(total / 60) + " min " + std::to_string(total % 60) + " s";
    }
    return std::to_string(total / 3600) + " h " + std::to_string(total % 3600 / 60) + " min";
}

} // namespace

std::string ProgressLine(const study::StudyProgress& progress, std::size_t barWidth) {
    const double share = progress.Total == 0 ? 1
                                             : static_cast<double>(progress.Done) /
                                                   static_cast<double>(progress.Total);
    const auto filled = std::min(
        barWidth, static_cast<std::size_t>(std::floor(share * static_cast<double>(barWidth))));
    std::string line = "[" + std::string(filled, '#') + std::string(barWidth - filled, '-') + "] ";
    line += std::to_string(progress.Done) + "/" + std::to_string(progress.Total) + " runs";
    if (progress.RunsPerSecond > 0) {
        line += "  " + WholeNumberText(progress.RunsPerSecond) + " runs/s";
    }
    if (progress.SecondsLeft) {
        line += "  " + DurationText(*progress.SecondsLeft) + " left";
    }
    return line;
}

void ProgressBar::Show(const study::StudyProgress& progress) {
    if (ended_) {
        return;
    }
    std::string line = ProgressLine(progress);
    const std::size_t width = line.size();
    // Blank out what a longer line before left behind.
    line.append(lastWidth_ > width ? lastWidth_ - width : 0, ' ');
    lastWidth_ = width;
    err_ << "\r" << line;
    if (progress.Done >= progress.Total) {
        err_ << "\n";
        ended_ = true;
    }
    err_.flush();
}

} // namespace vorla::cli
