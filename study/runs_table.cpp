#include "study/runs_table.h"

#include "common/key_results/key_results_files.h"
#include "common/text/round_trip_text.h"
#include "life_safety/tenability/tenability_criteria.h"

#include <cmath>

namespace vorla::study {
namespace {

std::string Field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

// A model's message may span lines; a run's record stays on one.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

} // namespace

std::string ValueText(const StudyValue& value) {
    if (const auto* number = std::get_if<double>(&value)) {
        return RoundTripText(*number);
    }
    return std::get<std::string>(value);
}

std::vector<std::string> LifeSafetyColumns(const Study& study) {
    std::vector<std::string> columns;
    if (!study.FollowsLifeSafety) {
        return columns;
    }
    columns = {"aset_s", "aset_criterion"};
    for (const auto criterion : tenability::kCriteria) {
        columns.push_back("tenability_reached_s@" +
                          std::string(tenability::CriterionKey(criterion)));
    }
    if (!study.Devices.empty()) {
        columns.emplace_back("first_detection_s");
        columns.emplace_back("first_sprinkler_s");
        for (const auto& device : study.Devices) {
            columns.push_back("device_activation_s@" + device.Name);
        }
    }
    if (study.NamesSuppression) {
        columns.emplace_back("suppression");
        columns.emplace_back("suppressed_from_s");
    }
    return columns;
}

std::vector<std::string> LifeSafetyCells(const Study& study, const KeyResults& keys) {
    const auto cell = [](const std::optional<double>& value) {
        return value && std::isfinite(*value) ? RoundTripText(*value) : std::string();
    };
    std::vector<std::string> cells;
    if (!study.FollowsLifeSafety) {
        return cells;
    }
    const TenabilityKeys* tenability = keys.Tenability ? &*keys.Tenability : nullptr;
    cells.push_back(tenability ? cell(tenability->AsetS) : "");
    cells.push_back(tenability ? tenability->AsetCriterion : "");
    for (const auto criterion : tenability::kCriteria) {
        std::optional<double> time;
        if (tenability) {
            for (const auto& reached : tenability->ReachedS) {
                if (reached.Criterion == tenability::CriterionKey(criterion)) {
                    time = reached.TimeS;
                }
            }
        }
        cells.push_back(cell(time));
    }
    const DetectionKeys* detection = keys.Detection ? &*keys.Detection : nullptr;
    if (!study.Devices.empty()) {
        cells.push_back(detection ? cell(detection->FirstDetectionS) : "");
        cells.push_back(detection ? cell(detection->FirstSprinklerS) : "");
        for (const auto& device : study.Devices) {
            std::optional<double> time;
            if (detection) {
                for (const auto& result : detection->Devices) {
                    if (result.Name == device.Name) {
                        time = result.ActivationTimeS;
                    }
                }
            }
            cells.push_back(cell(time));
        }
    }
    if (study.NamesSuppression) {
        cells.push_back(detection ? detection->Suppression : "");
        cells.push_back(detection ? cell(detection->SuppressedFromS) : "");
    }
    return cells;
}

std::vector<std::string> RunsHeader(const Study& study) {
    std::vector<std::string> header = {"run", "grid_point"};
    for (const auto& input : study.Vary) {
        header.push_back(input.Name);
    }
    header.emplace_back("status");
    header.emplace_back("message");
    for (auto& column : KeyResultColumns(study.Model.Model, study.Criteria)) {
        header.push_back(std::move(column));
    }
    for (auto& column : LifeSafetyColumns(study)) {
        header.push_back(std::move(column));
    }
    if (study.Rset) {
        header.emplace_back(kRsetColumn);
    }
    if (study.ModelUncertainty) {
        for (const auto column : kModelErrorColumns) {
            header.emplace_back(column);
        }
    }
    return header;
}

std::string RunLine(const SampledRun& run, const StudyRunOutcome& outcome, std::size_t keyColumns,
                    const std::optional<std::pair<double, double>>& modelError,
                    const std::vector<std::string>& lifeSafetyCells) {
    std::string line = std::to_string(run.Run + 1) + "," + std::to_string(run.GridPoint + 1);
    for (const auto& value : run.Values) {
        line += "," + Field(ValueText(value));
    }
    line += ",";
    line += RunStatusName(outcome.Status);
    line += "," + Field(OneLine(outcome.Message));
    if (outcome.Status == RunStatus::Ok) {
        for (const auto& cell : KeyResultCells(outcome.Keys)) {
            line += "," + Field(cell);
        }
    } else {
        line += std::string(keyColumns, ',');
    }
    for (const auto& cell : lifeSafetyCells) {
        line += "," + Field(cell);
    }
    if (modelError) {
        line += "," + RoundTripText(modelError->first) + "," + RoundTripText(modelError->second);
    }
    return line;
}

std::string RunsCsvText(const RunsTable& table) {
    std::string text;
    for (std::size_t i = 0; i < table.Header.size(); ++i) {
        text += (i == 0 ? "" : ",") + Field(table.Header[i]);
    }
    text += "\r\n";
    for (const auto& line : table.Lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> CsvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::variant<RunsTable, std::string> ParseRunsCsv(std::string_view text, const std::string& path) {
    RunsTable table;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        if (end == std::string_view::npos) {
            return path + ": line " + std::to_string(lineNumber + 1) +
                   " has no line end; the "
                   "file is cut short.";
        }
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 2);
        if (++lineNumber == 1) {
            table.Header = CsvFields(line);
            if (table.Header.size() < 4 || table.Header[0] != "run") {
                break;
            }
            continue;
        }
        const auto fields = CsvFields(line);
        if (fields.size() != table.Header.size() || !NumberOfRoundTripText(fields[0])) {
            return path + ": line " + std::to_string(lineNumber) + " is not a run of this study.";
        }
        table.Lines.emplace_back(line);
    }
    if (table.Header.size() < 4 || table.Header[0] != "run") {
        return path + ": not the runs.csv of a study (no header line starting with run).";
    }
    return table;
}

} // namespace vorla::study
