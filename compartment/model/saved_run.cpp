#include "compartment/model/saved_run.h"

#include "zone_models/saved_report_rows.h"
#include "common/text/text_columns.h"
#include "compartment/model/model_run.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vorla::compartment {
namespace {

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const auto start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const auto end = line.find_first_of(" \t", start);
        words.push_back(line.substr(start, end - start));
        at = end == std::string_view::npos ? line.size() : end;
    }
    return words;
}

std::string_view Trimmed(std::string_view text) {
    const auto start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return {};
    }
    const auto end = text.find_last_not_of(" \t");
    return text.substr(start, end - start + 1);
}

// The flag text of a row's word: "1" is kRegimeAboveSoffit's "  1".
std::optional<std::string_view> FlagOf(std::string_view word,
                                       std::initializer_list<std::string_view> flags) {
    for (const std::string_view flag : flags) {
        if (Trimmed(flag) == word) {
            return flag;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<CompletedRun> ReadSavedRun(std::string_view content, RunResults& results) {
    const auto rows = ReadSavedReportRows(content);
    if (!rows || rows->empty() || rows->size() > static_cast<std::size_t>(kResultRowCapacity)) {
        return std::nullopt;
    }
    const std::vector<std::string_view> lines = SplitLines(content);
    std::size_t rule = 0;
    while (rule < lines.size() && !Trimmed(lines[rule]).starts_with("====")) {
        ++rule;
    }
    if (rule + rows->size() >= lines.size()) {
        return std::nullopt;
    }
    results.FlashoverRow.reset();
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const SavedReportRow& row = (*rows)[i];
        const std::vector<std::string_view> words = Words(lines[rule + 1 + i]);
        // A row at or below the sill leaves FR blank: then OS is its tenth word.
        std::optional<std::string_view> regime = kRegimeNone;
        std::optional<std::string_view> starved;
        if (words.size() == 11) {
            regime = FlagOf(words[9], {kRegimeAboveSoffit, kRegimeOutflowBelowInterface,
                                       kRegimeInflowAboveInterface, kRegimeTransition,
                                       kRegimeVentLimited});
            starved = FlagOf(words[10], {kStarvedOfAir, kNotStarvedOfAir});
        } else if (words.size() == 10) {
            starved = FlagOf(words[9], {kStarvedOfAir, kNotStarvedOfAir});
        }
        if (!regime || !starved) {
            return std::nullopt;
        }
        results.Time[i] = static_cast<std::int16_t>(row.Seconds);
        results.LayerTemperature[i] = row.LayerCelsius;
        results.InterfaceHeight[i] = static_cast<float>(row.InterfaceMetres);
        results.HeatReleaseRate[i] = row.RateKilowatts;
        results.VentFlow[i] = row.VentFlowKilogramsPerSecond;
        results.FRFlag[i] = *regime;
        results.OSFlag[i] = *starved;
    }
    const int lastRow = static_cast<int>(rows->size()) - 1;
    results.LastRow = lastRow;
    // The flashover row is the one row off the 5-second grid before the last;
    // a run the user stopped there ends on it; one whose flashover second fell
    // on the grid shows it as the first layer above 600 °C.
    for (int i = 1; i < lastRow && !results.FlashoverRow; ++i) {
        if (results.Time[i] % 5 != 0) {
            results.FlashoverRow = i;
        }
    }
    for (int i = 0; i <= lastRow && !results.FlashoverRow; ++i) {
        if (results.LayerTemperature[i] > 600) {
            results.FlashoverRow = i;
        }
    }
    const std::string_view message = Trimmed(lines[rule + 1 + rows->size()]);
    constexpr std::array<std::pair<std::string_view, RunEnd>, 6> kEnds{{
        {kFlashoverStopMessage, RunEnd::FlashoverStop},
        {kFuelSurfaceMessage, RunEnd::LayerAtFuelSurface},
        {kVentSillMessage, RunEnd::LayerAtSill},
        {kEndOfFireMessage, RunEnd::FireEnded},
        {kRunCompleteMessage, RunEnd::Complete},
        {kUnstableMessage, RunEnd::Unstable},
    }};
    for (const auto& [text, end] : kEnds) {
        if (message == text) {
            if (end == RunEnd::FlashoverStop) {
                results.FlashoverRow = lastRow;
            }
            return CompletedRun{end, text, lastRow};
        }
    }
    return std::nullopt;
}

} // namespace vorla::compartment
