#include "study/shard_reader.h"

#include "common/files/file_digest.h"
#include "study/study_file.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace vorla::study {
namespace {

// Thrown inside the reader only, with the field and what it must be.
struct FieldProblem {
    std::string field;
    std::string wanted;
};

[[noreturn]] void Refuse(std::string field, std::string wanted) {
    throw FieldProblem{std::move(field), std::move(wanted)};
}

const Json& Field(const Json& object, const std::string& name, const std::string& shown) {
    if (!object.is_object() || !object.contains(name)) {
        Refuse(shown, "is missing");
    }
    return object[name];
}

std::size_t Whole(const Json& object, const std::string& name, const std::string& shown,
                  std::size_t low, std::size_t high) {
    const Json& value = Field(object, name, shown);
    if (!value.is_number_unsigned() || value.get<std::uint64_t>() < low ||
        value.get<std::uint64_t>() > high) {
        Refuse(shown, "must be a whole number from " + std::to_string(low) + " to " +
                          std::to_string(high));
    }
    return static_cast<std::size_t>(value.get<std::uint64_t>());
}

std::string Text(const Json& object, const std::string& name, const std::string& shown) {
    const Json& value = Field(object, name, shown);
    if (!value.is_string() || value.get<std::string>().empty()) {
        Refuse(shown, "must be a text");
    }
    return value.get<std::string>();
}

void OneOf(const Json& object, const std::string& name, const std::string& shown, const char* a,
           const char* b) {
    const std::string value = Text(object, name, shown);
    if (value != a && value != b) {
        Refuse(shown, std::string("must be \"") + a + "\" or \"" + b + "\"");
    }
}

std::string Digest(const Json& object, const std::string& name, const std::string& shown) {
    const Json& value = Field(object, name, shown);
    if (!value.is_string() || !IsSha256Hex(value.get<std::string>())) {
        Refuse(shown, "must be a SHA-256 digest in 64 hexadecimal digits");
    }
    return value.get<std::string>();
}

const Json& Object(const Json& object, const std::string& name, const std::string& shown) {
    const Json& value = Field(object, name, shown);
    if (!value.is_object()) {
        Refuse(shown, "must be an object");
    }
    return value;
}

void CheckSettings(const Json& study) {
    Text(study, "file", "study.file");
    OneOf(study, "model", "study.model", "compartment", "smoke");
    Whole(study, "runs", "study.runs", 1, kMostRuns);
    Whole(study, "seed", "study.seed", 0, std::numeric_limits<std::int64_t>::max());
    OneOf(study, "sampling", "study.sampling", "random", "latin-hypercube");
    OneOf(study, "units", "study.units", "si", "us");
    Object(study, "base", "study.base");
    Object(study, "vary", "study.vary");
    const Json& criteria = Object(study, "criteria", "study.criteria");
    for (const char* name : {"interface-height", "layer-temperature"}) {
        const std::string shown = std::string("study.criteria.") + name;
        const Json& values = Field(criteria, name, shown);
        if (!values.is_array()) {
            Refuse(shown, "must be a list of numbers");
        }
        for (const auto& value : values) {
            if (!value.is_number()) {
                Refuse(shown, "must be a list of numbers");
            }
        }
    }
}

void CheckGridPoints(const Json& points) {
    if (!points.is_array() || points.empty() || points.size() > kMostGridPoints) {
        Refuse("grid_points",
               "must be a list of 1 to " + std::to_string(kMostGridPoints) + " objects");
    }
    for (const auto& point : points) {
        if (!point.is_object()) {
            Refuse("grid_points", "must be a list of objects of inputs");
        }
        for (const auto& [name, value] : point.items()) {
            if (!value.is_number() && !value.is_string()) {
                Refuse("grid_points", "must give each grid input a number or a text");
            }
        }
    }
}

ShardSettings Settings(const Json& json) {
    if (!json.is_object()) {
        Refuse("(the whole file)", "must be an object");
    }
    CheckSettings(Object(json, "study", "study"));
    const Json& study = json["study"];
    CheckGridPoints(Field(json, "grid_points", "grid_points"));
    const Json& names = Field(json, "numeric_inputs", "numeric_inputs");
    if (!names.is_array()) {
        Refuse("numeric_inputs", "must be a list of the varied inputs' names");
    }
    for (const auto& name : names) {
        if (!name.is_string() || !study["vary"].contains(name.get<std::string>())) {
            Refuse("numeric_inputs", "must be a list of the varied inputs' names");
        }
    }
    const std::size_t perPoint = study["runs"].get<std::size_t>();
    const std::size_t total = json["grid_points"].size() * perPoint;
    Whole(json, "runs", "runs", total, total);

    ShardSettings shard;
    shard.Count = Whole(json, "shards", "shards", 1, total);
    shard.Index = Whole(json, "shard", "shard", 1, shard.Count);
    shard.Provenance.Version = Text(json, "version", "version");
    shard.Provenance.StudyDigest = Digest(json, "study_file_sha256", "study_file_sha256");
    for (const auto& [name, digest] : Object(json, "input_sha256", "input_sha256").items()) {
        if (!digest.is_string() || !IsSha256Hex(digest.get<std::string>())) {
            Refuse("input_sha256", "must give each file a SHA-256 digest");
        }
        shard.Provenance.InputDigests[name] = digest.get<std::string>();
    }
    const Json& reports = Field(json, "reports", "reports");
    if (!reports.is_boolean()) {
        Refuse("reports", "must be true or false");
    }
    shard.Provenance.KeptReports = reports.get<bool>();
    shard.RunsDigest = Digest(json, "runs_csv_sha256", "runs_csv_sha256");

    const auto context = ContextFromJson(json);
    if (!context) {
        Refuse("(the summary context)", "is not one a study writes");
    }
    shard.Context = *context;
    // Without the shard's own counts of runs past the validity limits, which
    // differ from shard to shard of one study.
    SummaryContext shared = *context;
    shared.ValidityLimitRuns.clear();
    shard.ContextText = ContextJson(shared).dump();
    return shard;
}

// The run number of a cell as runs.csv writes it: decimal digits, no sign, no
// leading zero, nothing else.
std::optional<std::size_t> RunNumber(std::string_view text) {
    std::size_t value = 0;
    if (text.empty() || text.front() == '0') {
        return std::nullopt;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string InQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::variant<ShardSettings, std::string> ParseShardJson(std::string_view text,
                                                        const std::string& path) {
    const std::string notShard = "The file " + path + " is not the shard.json of a study shard";
    const Json json = Json::parse(text, nullptr, false);
    if (json.is_discarded()) {
        return notShard + " (it is not JSON).";
    }
    try {
        return Settings(json);
    } catch (const FieldProblem& problem) {
        return notShard + ": its field " + problem.field + " " + problem.wanted + ".";
    }
}

std::optional<std::string> CheckShardRuns(const ShardSettings& shard, const RunsTable& runs,
                                          const std::string& path) {
    const Json& study = shard.Context.Settings;
    std::vector<std::string> leading = {"run", "grid_point"};
    for (const auto& [name, value] : study["vary"].items()) {
        leading.push_back(name);
    }
    leading.emplace_back("status");
    leading.emplace_back("message");
    const std::size_t statusColumn = leading.size() - 2;
    if (runs.Header.size() < leading.size() ||
        !std::equal(leading.begin(), leading.end(), runs.Header.begin())) {
        return path + ":1: the header is not that of this study's runs.";
    }
    const std::size_t total = shard.Context.TotalRuns;
    const std::size_t perPoint = study["runs"].get<std::size_t>();
    for (std::size_t k = 0; k < runs.Lines.size(); ++k) {
        const std::string where = path + ":" + std::to_string(k + 2) + ": ";
        const auto cells = CsvFields(runs.Lines[k]);
        const auto run = RunNumber(cells[0]);
        if (!run || *run > total) {
            return where + "the run " + InQuotes(cells[0]) + " is not a whole number from 1 to " +
                   std::to_string(total) + ".";
        }
        // Shard K of N writes runs K, K + N, K + 2N, ... in order, one a line.
        const std::size_t expected = shard.Index + k * shard.Count;
        if (*run != expected) {
            return where + "run " + cells[0] + " is not the run shard " +
                   std::to_string(shard.Index) + " of " + std::to_string(shard.Count) +
                   " writes on this line (run " + std::to_string(expected) + ").";
        }
        const std::string point = std::to_string((*run - 1) / perPoint + 1);
        if (cells[1] != point) {
            return where + "the grid point " + InQuotes(cells[1]) + " is not run " + cells[0] +
                   "'s (" + point + ").";
        }
        const std::string& status = cells[statusColumn];
        if (status != "ok" && status != "rejected" && status != "fire_file_error") {
            return where + "the status " + InQuotes(status) +
                   " is not ok, rejected or fire_file_error.";
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckRunsDigest(const ShardSettings& shard, std::string_view text,
                                           const std::string& path) {
    if (Sha256Hex(text) != shard.RunsDigest) {
        return path + " is not the runs.csv its shard.json describes (its SHA-256 differs): it was "
                      "edited or replaced after the shard ran; run the shard again.";
    }
    return std::nullopt;
}

} // namespace vorla::study
