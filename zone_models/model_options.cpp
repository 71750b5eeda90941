#include "zone_models/model_options.h"

#include "common/text/table_cells.h"
#include "common/text/text_columns.h"
#include "zone_models/plume_option_names.h"

#include <algorithm>
#include <vector>

namespace vorla {
namespace {

// The lines other features write after the report and after this one. Their
// owners (life_safety) are not linked here; their words are the files'.
constexpr std::string_view kLaterPrefixes[] = {"Device: ", "Suppression: ", "Tenability: "};

bool IsLaterLine(std::string_view line) {
    for (const auto prefix : kLaterPrefixes) {
        if (line.starts_with(prefix)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string ModelOptionsText(const ModelOptions& options) {
    std::string text;
    const auto add = [&text](std::string_view part) {
        if (!text.empty()) {
            text += ' ';
        }
        text += part;
    };
    if (options.Position != FirePosition::Centre) {
        add("--fire-position " + std::string(FirePositionWord(options.Position)));
    }
    if (options.Plume != PlumeCorrelation::Zukoski) {
        add("--plume " + std::string(PlumeWord(options.Plume)));
    }
    if (options.ShowUncertainty) {
        add("--model-uncertainty");
    }
    return text;
}

std::string WithSavedModelOptions(std::string report, const ModelOptions& options) {
    if (options == ModelOptions{}) {
        return report;
    }
    const std::string_view lineEnd = report.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    return report + std::string(kSavedModelOptionsPrefix) + ModelOptionsText(options) +
           std::string(lineEnd);
}

std::variant<ModelOptions, std::string> ReadSavedModelOptions(std::string_view report) {
    const std::vector<std::string_view> lines = SplitLines(report);
    std::size_t end = lines.size();
    while (end > 0 && IsLaterLine(lines[end - 1])) {
        --end;
    }
    ModelOptions options;
    if (end == 0 || !lines[end - 1].starts_with(kSavedModelOptionsPrefix)) {
        return options;
    }
    const std::string where = "Line " + std::to_string(end) + ": ";
    const std::vector<std::string> words =
        BlankSeparatedWords(lines[end - 1].substr(kSavedModelOptionsPrefix.size()));
    for (std::size_t k = 0; k < words.size(); ++k) {
        const std::string_view name = words[k];
        if (name == "--model-uncertainty") {
            options.ShowUncertainty = true;
            continue;
        }
        if (name != "--fire-position" && name != "--plume") {
            return where + "\"" + std::string(name) + "\" is not a model option.";
        }
        if (k + 1 == words.size()) {
            return where + std::string(name) + " needs its value.";
        }
        const std::string_view value = words[++k];
        if (name == "--fire-position") {
            const auto position = FirePositionOfWord(value);
            if (!position) {
                return where + "--fire-position must be centre, wall or corner, not \"" +
                       std::string(value) + "\".";
            }
            options.Position = *position;
        } else {
            const auto plume = PlumeOfWord(value);
            if (!plume) {
                return where + "--plume must be zukoski or heskestad, not \"" + std::string(value) +
                       "\".";
            }
            options.Plume = *plume;
        }
    }
    return options;
}

void ApplyModelOptions(RunReport& report, const ModelOptions& options,
                       const std::optional<UncertaintyStatistics>& statistics, double roomHeightM) {
    if (statistics && report.KeyResultsFor) {
        report.KeyResultsFor = [keysOf = std::move(report.KeyResultsFor), found = *statistics,
                                roomHeightM](const KeyCriteria& criteria) {
            KeyResults keys = keysOf(criteria);
            keys.ModelUncertainty = ModelUncertaintyKeys(keys, found, roomHeightM);
            return keys;
        };
    }
    if (options == ModelOptions{}) {
        return;
    }
    report.SavedReportText = WithSavedModelOptions(std::move(report.SavedReportText), options);
    if (report.SavedReportTextAs) {
        report.SavedReportTextAs = [textAs = std::move(report.SavedReportTextAs),
                                    options](const std::string& savedAs) {
            return WithSavedModelOptions(textAs(savedAs), options);
        };
    }
}

} // namespace vorla
