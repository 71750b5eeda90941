#include "study/study_summary.h"

#include "common/text/round_trip_text.h"
#include "life_safety/tenability/aset_risk.h"
#include "study/statistics.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>

namespace vorla::study {
namespace {

Json ValueJson(const StudyValue& value) {
    if (const auto* number = std::get_if<double>(&value)) {
        return *number;
    }
    return std::get<std::string>(value);
}

Json ValuesJson(const std::vector<StudyValue>& values) {
    Json array = Json::array();
    for (const auto& value : values) {
        array.push_back(ValueJson(value));
    }
    return array;
}

Json VariedJson(const VariedInput& input) {
    if (input.IsGrid()) {
        return {{"values", ValuesJson(input.Values)}};
    }
    const auto& sampled = *input.Sampled;
    if (const auto* uniform = std::get_if<Uniform>(&sampled)) {
        return {{"uniform", {uniform->Low, uniform->High}}};
    }
    if (const auto* triangular = std::get_if<Triangular>(&sampled)) {
        return {{"triangular", {triangular->Low, triangular->Mode, triangular->High}}};
    }
    if (const auto* normal = std::get_if<Normal>(&sampled); normal && normal->WrittenTruncated) {
        return {{"truncated-normal", {normal->Mean, normal->Sd, *normal->Min, *normal->Max}}};
    }
    if (const auto* beta = std::get_if<Beta>(&sampled)) {
        return {{"beta", {beta->Alpha, beta->Shape2, beta->Low, beta->High}}};
    }
    if (const auto* empirical = std::get_if<Empirical>(&sampled)) {
        if (empirical->FromValues) {
            return {{"empirical", {{"values", empirical->ValuesAsWritten}}}};
        }
        Json points = Json::array();
        for (std::size_t k = 0; k < empirical->X.size(); ++k) {
            points.push_back({empirical->X[k], empirical->F[k]});
        }
        return {{"empirical", {{"cdf", points}}}};
    }
    if (const auto* normal = std::get_if<Normal>(&sampled)) {
        Json json = {{normal->Lognormal ? "lognormal" : "normal", {normal->Mean, normal->Sd}}};
        if (normal->Min) {
            json["min"] = *normal->Min;
        }
        if (normal->Max) {
            json["max"] = *normal->Max;
        }
        return json;
    }
    return {{"choice", ValuesJson(input.Values)}, {"weights", std::get<Choice>(sampled).Weights}};
}

Json NumberOrNull(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

struct Columns {
    std::size_t status = 0;
    std::size_t firstKey = 0;
    std::vector<std::size_t> numericInputs;
};

// A key whose values are times: the end, the crossings, the times of peaks
// (not peak_vent_flow_kg_s, a flow).
bool IsTimeKey(const std::string& name) {
    return name.ends_with("time_s") || name.find("_reaches_s@") != std::string::npos ||
           name == "aset_s" || name == "first_detection_s" || name == "first_sprinkler_s" ||
           name.starts_with("device_activation_s@") || name.starts_with("tenability_reached_s@");
}

// The columns of runs.csv that hold words, not numbers.
bool IsTextKey(const std::string& name) {
    return name == "end" || name == "aset_criterion" || name == "suppression";
}

std::optional<std::size_t> ColumnOf(const std::vector<std::string>& header, std::string_view name) {
    const auto found = std::find(header.begin(), header.end(), name);
    if (found == header.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - header.begin());
}

bool IsCriterionKey(const std::string& name) {
    return name.starts_with("interface_reaches_s@") ||
           name.starts_with("layer_temperature_reaches_s@");
}

// A line of runs.csv read once: its status, and each cell's number (NaN for
// an empty cell or a text).
struct Record {
    std::string status;
    std::vector<double> numbers;
};

Record RecordOf(std::string_view line, std::size_t statusColumn) {
    auto cells = CsvFields(line);
    Record record;
    record.status = statusColumn < cells.size() ? std::move(cells[statusColumn]) : std::string();
    record.numbers.reserve(cells.size());
    for (const auto& cell : cells) {
        record.numbers.push_back(
            NumberOfRoundTripText(cell).value_or(std::numeric_limits<double>::quiet_NaN()));
    }
    return record;
}

std::optional<double> CellNumber(const Record& record, std::size_t column) {
    if (column >= record.numbers.size() || std::isnan(record.numbers[column])) {
        return std::nullopt;
    }
    return record.numbers[column];
}

Json ProportionJson(const Proportion& p) {
    return {{"p", NumberOrNull(p.P)}, {"low", NumberOrNull(p.Low)}, {"high", NumberOrNull(p.High)}};
}

// With devices: the share of ok runs whose first sprinkler operated before the
// run's end, before flashover (compartment) and before the layer came down to
// the tenability layer height (head height, 1.8 m unless given), each "before"
// strict and a run that never reached the event counting when a sprinkler
// operated at all.
void AddSprinklerProbabilities(const std::vector<std::string>& header,
                               const std::vector<const Record*>& ok, Json& probabilities) {
    const auto sprinkler = ColumnOf(header, "first_sprinkler_s");
    if (!sprinkler) {
        return;
    }
    const auto before = [&](std::optional<std::size_t> event) {
        std::size_t count = 0;
        for (const auto* record : ok) {
            const auto operated = CellNumber(*record, *sprinkler);
            const auto reached = event ? CellNumber(*record, *event) : std::nullopt;
            count += operated && (!reached || *operated < *reached) ? 1 : 0;
        }
        return WilsonProportion(count, ok.size());
    };
    probabilities["sprinkler_operates"] = ProportionJson(before(std::nullopt));
    if (const auto flashover = ColumnOf(header, "flashover_time_s")) {
        probabilities["sprinkler_before_flashover"] = ProportionJson(before(flashover));
    }
    if (const auto layer = ColumnOf(header, "tenability_reached_s@layer_height")) {
        probabilities["sprinkler_before_layer_at_head_height"] = ProportionJson(before(layer));
    }
}

// P(ASET < RSET) over the ok runs (tenability/aset_risk.h); a run whose RSET is
// undefined (counted from a detection that never came) is undecided too.
Json AsetRiskJson(const std::vector<std::string>& header,
                  const std::vector<const Record*>& records) {
    const auto rset = ColumnOf(header, kRsetColumn);
    const auto aset = ColumnOf(header, "aset_s");
    const auto end = ColumnOf(header, "end_time_s");
    std::vector<tenability::EgressRun> runs;
    std::size_t withoutRset = 0;
    for (const auto* record : records) {
        if (record->status != "ok") {
            continue;
        }
        const auto required = CellNumber(*record, *rset);
        if (!required) {
            ++withoutRset;
            continue;
        }
        runs.push_back({aset ? CellNumber(*record, *aset) : std::nullopt,
                        end ? CellNumber(*record, *end).value_or(0) : 0, *required});
    }
    const auto risk = tenability::EstimateAsetRisk(runs);
    return {{"p", NumberOrNull(risk.Probability.P)},
            {"low", NumberOrNull(risk.Probability.Low)},
            {"high", NumberOrNull(risk.Probability.High)},
            {"failures", risk.Failures},
            {"trials", risk.Trials},
            {"undecided", risk.Undecided + withoutRset}};
}

Json StatsJson(const std::vector<std::string>& header, const Columns& columns,
               const std::vector<const Record*>& records) {
    std::vector<const Record*> ok;
    for (const auto* record : records) {
        if (record->status == "ok") {
            ok.push_back(record);
        }
    }
    Json stats = Json::object();
    Json probabilities = Json::object();
    Json sensitivity = Json::object();
    for (std::size_t column = columns.firstKey; column < header.size(); ++column) {
        const std::string& name = header[column];
        // The model error's draws are inputs of a run, not its results.
        if (IsTextKey(name) || name.rfind("model_error_", 0) == 0) {
            continue;
        }
        std::vector<double> values;
        for (const auto* record : ok) {
            if (const auto value = CellNumber(*record, column)) {
                values.push_back(*value);
            }
        }
        const std::size_t reached = values.size();
        const SampleSummary summary = Summarise(std::move(values));
        stats[name] = {{"count", summary.Count},           {"mean", NumberOrNull(summary.Mean)},
                       {"sd", NumberOrNull(summary.Sd)},   {"min", NumberOrNull(summary.Min)},
                       {"p5", NumberOrNull(summary.P5)},   {"p25", NumberOrNull(summary.P25)},
                       {"p50", NumberOrNull(summary.P50)}, {"p75", NumberOrNull(summary.P75)},
                       {"p95", NumberOrNull(summary.P95)}, {"max", NumberOrNull(summary.Max)}};

        if (name == "flashover_time_s" || IsCriterionKey(name)) {
            const Proportion p = WilsonProportion(reached, ok.size());
            probabilities[name == "flashover_time_s" ? std::string("flashover") : name] = {
                {"p", NumberOrNull(p.P)},
                {"low", NumberOrNull(p.Low)},
                {"high", NumberOrNull(p.High)}};
        }
        if (IsTimeKey(name)) {
            std::vector<std::pair<std::string, double>> ranking;
            for (const std::size_t input : columns.numericInputs) {
                std::vector<double> x;
                std::vector<double> y;
                for (const auto* record : ok) {
                    const auto key = CellNumber(*record, column);
                    const auto value = CellNumber(*record, input);
                    if (key && value) {
                        x.push_back(*value);
                        y.push_back(*key);
                    }
                }
                if (const auto rho = SpearmanCorrelation(x, y)) {
                    ranking.emplace_back(header[input], *rho);
                }
            }
            std::stable_sort(ranking.begin(), ranking.end(), [](const auto& a, const auto& b) {
                return std::abs(a.second) > std::abs(b.second);
            });
            Json list = Json::array();
            for (const auto& [input, rho] : ranking) {
                list.push_back({input, rho});
            }
            sensitivity[name] = list;
        }
    }
    AddSprinklerProbabilities(header, ok, probabilities);
    stats["probabilities"] = probabilities;
    stats["sensitivity"] = sensitivity;
    return stats;
}

Json StatusJson(const std::vector<const Record*>& records) {
    Json status = {{"ok", 0}, {"rejected", 0}, {"fire_file_error", 0}};
    for (const auto* record : records) {
        const std::string& name = record->status;
        if (status.contains(name)) {
            status[name] = status[name].get<std::size_t>() + 1;
        }
    }
    return status;
}

} // namespace

SummaryContext ContextOf(const Study& study) {
    SummaryContext context;
    Json& settings = context.Settings;
    settings["file"] = std::filesystem::path(study.FilePath).filename().string();
    settings["model"] = ModelKindName(study.Model.Model);
    settings["runs"] = study.SamplesPerGridPoint;
    settings["seed"] = study.Seed;
    settings["sampling"] = study.Sampling == SamplingMethod::Random ? "random" : "latin-hypercube";
    settings["units"] = study.Units == UnitSystem::US ? "us" : "si";
    Json base = Json::object();
    for (const auto& option : study.Base) {
        base[option.Name] = ValueJson(option.Value);
    }
    settings["base"] = base;
    Json vary = Json::object();
    for (const auto& input : study.Vary) {
        vary[input.Name] = VariedJson(input);
        if (!input.IsText) {
            context.NumericInputs.push_back(input.Name);
        }
    }
    settings["vary"] = vary;
    settings["criteria"] = {{"interface-height", study.CriteriaHeightsAsWritten},
                            {"layer-temperature", study.CriteriaTemperaturesAsWritten}};
    if (study.ModelUncertainty) {
        settings["model-uncertainty"] = true;
    }
    if (study.Rset) {
        const auto part = [](const RsetPart& p) {
            return p.Drawn ? VariedJson(*p.Drawn) : Json(p.Fixed);
        };
        const RsetModel& rset = *study.Rset;
        settings["rset"] = rset.Total
                               ? part(*rset.Total)
                               : Json{{"pre-movement", part(rset.PreMovement)},
                                      {"movement", part(rset.Movement)},
                                      {"from", rset.FromDetection ? "detection" : "ignition"}};
    }

    const StudySampler sampler(study);
    for (std::size_t point = 0; point < study.GridPoints(); ++point) {
        const auto values = sampler.GridValues(point);
        Json inputs = Json::object();
        std::size_t k = 0;
        for (const auto& input : study.Vary) {
            if (input.IsGrid()) {
                inputs[input.Name] = ValueJson(values[k++]);
            }
        }
        context.GridPoints.push_back(inputs);
    }
    context.TotalRuns = study.TotalRuns();
    return context;
}

bool AnyValidityLimitRuns(const SummaryContext& context) {
    for (const auto& point : context.ValidityLimitRuns) {
        for (const auto& [limit, count] : point) {
            if (count > 0) {
                return true;
            }
        }
    }
    return false;
}

Json ContextJson(const SummaryContext& context) {
    Json json = {{"study", context.Settings},
                 {"runs", context.TotalRuns},
                 {"numeric_inputs", context.NumericInputs},
                 {"grid_points", context.GridPoints}};
    if (AnyValidityLimitRuns(context)) {
        Json points = Json::array();
        for (const auto& point : context.ValidityLimitRuns) {
            Json counts = Json::object();
            for (const auto& [limit, count] : point) {
                counts[limit] = count;
            }
            points.push_back(counts);
        }
        json["validity_limit_runs"] = points;
    }
    return json;
}

std::optional<SummaryContext> ContextFromJson(const Json& json) {
    SummaryContext context;
    if (!json.is_object() || !json.contains("study") || !json.contains("runs") ||
        !json.contains("numeric_inputs") || !json.contains("grid_points") ||
        !json["study"].is_object() || !json["runs"].is_number_unsigned() ||
        !json["numeric_inputs"].is_array() || !json["grid_points"].is_array()) {
        return std::nullopt;
    }
    context.Settings = json["study"];
    context.TotalRuns = json["runs"].get<std::size_t>();
    for (const auto& name : json["numeric_inputs"]) {
        if (!name.is_string()) {
            return std::nullopt;
        }
        context.NumericInputs.push_back(name.get<std::string>());
    }
    context.GridPoints = json["grid_points"];
    if (json.contains("validity_limit_runs")) {
        const Json& points = json["validity_limit_runs"];
        if (!points.is_array() || points.size() != context.GridPoints.size()) {
            return std::nullopt;
        }
        for (const auto& point : points) {
            if (!point.is_object()) {
                return std::nullopt;
            }
            std::map<std::string, std::size_t> counts;
            for (const auto& [limit, count] : point.items()) {
                if (!count.is_number_unsigned() || count.get<std::size_t>() > context.TotalRuns) {
                    return std::nullopt;
                }
                counts[limit] = count.get<std::size_t>();
            }
            context.ValidityLimitRuns.push_back(std::move(counts));
        }
    }
    return context;
}

Json SummaryDocument(const SummaryContext& context, const RunsTable& runs) {
    const auto& header = runs.Header;
    Columns columns;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == "status" && columns.status == 0) {
            columns.status = i;
            columns.firstKey = i + 2;
        }
        if (columns.status == 0 && i >= 2 &&
            std::find(context.NumericInputs.begin(), context.NumericInputs.end(), header[i]) !=
                context.NumericInputs.end()) {
            columns.numericInputs.push_back(i);
        }
    }

    std::vector<Record> records;
    records.reserve(runs.Lines.size());
    for (const auto& line : runs.Lines) {
        records.push_back(RecordOf(line, columns.status));
    }
    std::vector<const Record*> all;
    std::vector<std::vector<const Record*>> byPoint(context.GridPoints.size());
    for (const auto& record : records) {
        all.push_back(&record);
        const auto point = CellNumber(record, 1);
        if (point && *point >= 1 && *point <= static_cast<double>(byPoint.size())) {
            byPoint[static_cast<std::size_t>(*point) - 1].push_back(&record);
        }
    }

    Json summary;
    summary["study"] = context.Settings;
    summary["runs"] = runs.Lines.size();
    summary["status"] = StatusJson(all);
    summary["overall"] = StatsJson(header, columns, all);
    // The runs that left a validity limit, by limit: the same names in every
    // grid point (0 where none of its runs did). A new key, only when a run did.
    const bool limits = AnyValidityLimitRuns(context);
    std::map<std::string, std::size_t> studyLimitRuns;
    if (limits) {
        for (const auto& point : context.ValidityLimitRuns) {
            for (const auto& [limit, count] : point) {
                studyLimitRuns[limit] += count;
            }
        }
        Json counts = Json::object();
        for (const auto& [limit, count] : studyLimitRuns) {
            counts[limit] = count;
        }
        summary["validity_limit_runs"] = counts;
    }
    const bool risk = ColumnOf(header, kRsetColumn).has_value();
    if (risk) {
        summary["aset_risk"] = AsetRiskJson(header, all);
    }
    Json points = Json::array();
    for (std::size_t p = 0; p < byPoint.size(); ++p) {
        points.push_back({{"grid_point", p + 1},
                          {"inputs", context.GridPoints[p]},
                          {"runs", byPoint[p].size()},
                          {"status", StatusJson(byPoint[p])},
                          {"stats", StatsJson(header, columns, byPoint[p])}});
        if (limits) {
            Json counts = Json::object();
            for (const auto& [limit, total] : studyLimitRuns) {
                const auto& mine = p < context.ValidityLimitRuns.size()
                                       ? context.ValidityLimitRuns[p]
                                       : std::map<std::string, std::size_t>{};
                const auto found = mine.find(limit);
                counts[limit] = found == mine.end() ? 0 : found->second;
            }
            points.back()["validity_limit_runs"] = counts;
        }
        if (risk) {
            points.back()["aset_risk"] = AsetRiskJson(header, byPoint[p]);
        }
    }
    summary["grid_points"] = points;
    return summary;
}

std::string SummaryJsonText(const Json& summary) {
    return summary.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace vorla::study
