#include "common/text/round_trip_text.h"
#include "study/study_summary.h"

#include <cmath>
#include <cstdio>

namespace vorla::study {
namespace {

std::string Text(const Json& value) {
    if (value.is_null()) {
        return "";
    }
    if (value.is_number_float()) {
        return RoundTripText(value.get<double>());
    }
    if (value.is_number()) {
        return value.dump();
    }
    if (value.is_string()) {
        return value.get<std::string>();
    }
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A table cell cannot hold a bar or a line break.
std::string Cell(const Json& value) {
    std::string text = Text(value);
    std::string cell;
    for (const char c : text) {
        cell += c == '|' ? std::string("\\|") : c == '\n' ? std::string(" ") : std::string(1, c);
    }
    return cell;
}

// The page is read by people, so a statistic shows four significant digits
// (whole numbers from 1000 on, never an exponent there); summary.json keeps
// every digit for the programs that read it.
std::string Figure(const Json& value) {
    if (!value.is_number_float()) {
        return Cell(value);
    }
    const double number = value.get<double>();
    char text[64];
    std::snprintf(text, sizeof text, std::abs(number) >= 1000 ? "%.0f" : "%.4g", number);
    return text;
}

void AppendStatus(std::string& page, const Json& runs, const Json& status) {
    page += "| runs | ok | rejected | fire_file_error |\n|---:|---:|---:|---:|\n";
    page += "| " + Cell(runs) + " | " + Cell(status["ok"]) + " | " + Cell(status["rejected"]) +
            " | " + Cell(status["fire_file_error"]) + " |\n\n";
}

// P(ASET < RSET) of the runs, when the study has [rset].
void AppendAsetRisk(std::string& page, const Json& holder) {
    if (!holder.contains("aset_risk")) {
        return;
    }
    const Json& risk = holder["aset_risk"];
    page += "| P(ASET < RSET) | 95 % low | 95 % high | failures | trials | undecided |\n"
            "|---:|---:|---:|---:|---:|---:|\n";
    page += "| " + Figure(risk["p"]) + " | " + Figure(risk["low"]) + " | " + Figure(risk["high"]) +
            " | " + Cell(risk["failures"]) + " | " + Cell(risk["trials"]) + " | " +
            Cell(risk["undecided"]) + " |\n\n";
}

void AppendStats(std::string& page, const Json& stats) {
    static const char* const kColumns[] = {"count", "mean", "sd",  "min", "p5",
                                           "p25",   "p50",  "p75", "p95", "max"};
    page += "| key result |";
    std::string rule = "|---|";
    for (const char* column : kColumns) {
        page += std::string(" ") + column + " |";
        rule += "---:|";
    }
    page += "\n" + rule + "\n";
    for (const auto& [name, figures] : stats.items()) {
        if (name == "probabilities" || name == "sensitivity") {
            continue;
        }
        page += "| " + name + " |";
        for (const char* column : kColumns) {
            page += " " + Figure(figures[column]) + " |";
        }
        page += "\n";
    }
    page += "\n";

    if (!stats["probabilities"].empty()) {
        page += "| probability of | p | 95 % low | 95 % high |\n|---|---:|---:|---:|\n";
        for (const auto& [name, p] : stats["probabilities"].items()) {
            page += "| " + name + " | " + Figure(p["p"]) + " | " + Figure(p["low"]) + " | " +
                    Figure(p["high"]) + " |\n";
        }
        page += "\n";
    }

    if (!stats["sensitivity"].empty()) {
        page += "Inputs by the strength of their rank correlation (Spearman) with each time:\n\n";
        for (const auto& [name, ranking] : stats["sensitivity"].items()) {
            page += "- " + name + ":";
            if (ranking.empty()) {
                page += " none varies with it";
            }
            for (std::size_t i = 0; i < ranking.size(); ++i) {
                page += (i == 0 ? " " : ", ") + Text(ranking[i][0]) + " " + Figure(ranking[i][1]);
            }
            page += "\n";
        }
        page += "\n";
    }
}

// The runs that crossed each validity limit, a line per limit and a column per
// grid point when there are several: the runs whose key results name the
// limit (vorla compartment|smoke --summary).
void AppendValidityLimitRuns(std::string& page, const Json& summary) {
    if (!summary.contains("validity_limit_runs")) {
        return;
    }
    const Json& points = summary["grid_points"];
    const bool several = points.size() > 1;
    page += "## Runs outside the validity limits\n\n";
    page += "Runs whose key results name the limit, of " + Text(summary["runs"]) + " runs";
    page += several ? " (per grid point, of its runs).\n\n" : ".\n\n";
    page += "| Limit | Whole study |";
    std::string rule = "|---|---:|";
    if (several) {
        for (const auto& point : points) {
            page += " Grid point " + Text(point["grid_point"]) + " |";
            rule += "---:|";
        }
    }
    page += "\n" + rule + "\n";
    for (const auto& [limit, count] : summary["validity_limit_runs"].items()) {
        page += "| " + limit + " | " + Text(count) + " |";
        if (several) {
            for (const auto& point : points) {
                page += " " + Text(point["validity_limit_runs"][limit]) + " |";
            }
        }
        page += "\n";
    }
    page += "\n";
}

} // namespace

std::string SummaryMarkdown(const Json& summary) {
    const Json& study = summary["study"];
    std::string page = "# Design study: " + Text(study["file"]) + "\n\n";
    page += "Model " + Text(study["model"]) + ", " + Text(study["runs"]) +
            " runs per grid point, seed " + Text(study["seed"]) + ", " + Text(study["sampling"]) +
            " sampling, inputs in " + (Text(study["units"]) == "us" ? "U.S." : "S.I.") +
            " units; key results in s, °C, m, kW, kg/s and MJ.\n\n";
    AppendStatus(page, summary["runs"], summary["status"]);
    page += "## Whole study\n\n";
    AppendStats(page, summary["overall"]);
    AppendAsetRisk(page, summary);
    // A study without grid inputs has one grid point: the whole study again.
    if (summary["grid_points"].size() < 2) {
        AppendValidityLimitRuns(page, summary);
        return page;
    }
    for (const auto& point : summary["grid_points"]) {
        page += "## Grid point " + Text(point["grid_point"]);
        std::string inputs;
        for (const auto& [name, value] : point["inputs"].items()) {
            inputs += (inputs.empty() ? ": " : ", ") + name + " = " + Text(value);
        }
        page += inputs + "\n\n";
        AppendStatus(page, point["runs"], point["status"]);
        AppendStats(page, point["stats"]);
        AppendAsetRisk(page, point);
    }
    AppendValidityLimitRuns(page, summary);
    return page;
}

} // namespace vorla::study
