#include "smoke_filling/model/saved_run.h"

#include "zone_models/saved_report_rows.h"
#include "smoke_filling/model/model_run.h"

#include <array>
#include <cstdint>
#include <utility>

namespace vorla::smoke {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) {
        return {};
    }
    const auto end = text.find_last_not_of(" \t\r");
    return text.substr(start, end - start + 1);
}

// The line after the rule and `rows` rows: the end message.
std::string_view LineAfterRows(std::string_view text, std::size_t rows) {
    std::size_t at = 0;
    bool pastRule = false;
    while (at < text.size()) {
        const auto end = text.find('\n', at);
        const std::string_view line =
            text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        if (pastRule) {
            if (rows == 0) {
                return line;
            }
            --rows;
        } else if (Trimmed(line).starts_with("====")) {
            pastRule = true;
        }
        if (end == std::string_view::npos) {
            break;
        }
        at = end + 1;
    }
    return {};
}

} // namespace

std::optional<CompletedRun> ReadSavedRun(std::string_view content, RunResults& results) {
    const auto rows = ReadSavedReportRows(content);
    if (!rows || rows->empty() || rows->size() > static_cast<std::size_t>(kResultRowCapacity)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const SavedReportRow& row = (*rows)[i];
        results.Time[i] = static_cast<std::int16_t>(row.Seconds);
        results.LayerTemperature[i] = row.LayerCelsius;
        results.InterfaceHeight[i] = static_cast<float>(row.InterfaceMetres);
        results.HeatReleaseRate[i] = row.RateKilowatts;
        results.VentFlow[i] = row.VentFlowKilogramsPerSecond;
    }
    const int lastRow = static_cast<int>(rows->size()) - 1;
    results.LastRow = lastRow;
    const std::string_view message = Trimmed(LineAfterRows(content, rows->size()));
    constexpr std::array<std::pair<std::string_view, RunEnd>, 4> kEnds{{
        {kFuelSurfaceMessage, RunEnd::LayerAtFuelSurface},
        {kEndOfFireMessage, RunEnd::FireEnded},
        {kRunCompleteMessage, RunEnd::Complete},
        {kUnstableMessage, RunEnd::Unstable},
    }};
    for (const auto& [text, end] : kEnds) {
        if (message == text) {
            return CompletedRun{end, text, lastRow};
        }
    }
    return std::nullopt;
}

} // namespace vorla::smoke
