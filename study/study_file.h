// A design study as its TOML file describes it: the model, the run every
// sample starts from, the inputs that vary and how, and the criteria.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/key_results/key_criteria.h"
#include "common/text/unit_system.h"
#include "life_safety/detection/device.h"
#include "study/distributions.h"
#include "study/study_model.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::study {

// A value as the study file writes it: a number, or a text (a fire file name).
using StudyValue = std::variant<double, std::string>;

enum class SamplingMethod { Random, LatinHypercube };

// An input of [vary]: a grid of Values (every one is run), or a distribution
// sampled for every run; a Choice picks one of Values.
struct VariedInput {
    std::string Name;
    // `fire`: the values are file names; fire-position, plume, ceiling and
    // flashover: the values are words of the option.
    bool IsText = false;
    std::vector<StudyValue> Values;
    std::optional<Distribution> Sampled; // nothing for a grid

    bool IsGrid() const { return !Sampled.has_value(); }
};

struct BaseOption {
    std::string Name;
    StudyValue Value;       // as written (paths relative to the study file)
    std::uint32_t Line = 0; // of a text option, for the checks made after reading
};

// A number of [rset]: fixed, or a distribution (a VariedInput that is not a
// grid, read as [vary] reads one) drawn for every run.
struct RsetPart {
    double Fixed = 0;
    std::optional<VariedInput> Drawn;
};

// [rset]: the required safe egress time each run's ASET is set against.
// Either Total, or PreMovement + Movement counted from ignition or, with
// FromDetection, from the run's first detection (undefined in a run that
// detected nothing).
struct RsetModel {
    std::optional<RsetPart> Total;
    RsetPart PreMovement;
    RsetPart Movement;
    bool FromDetection = false;
};

// The fields of a device a study may vary, as "device.NAME.FIELD" in [vary].
inline constexpr std::string_view kVariedDeviceFields[] = {"rti",    "temperature",   "rise",
                                                           "radius", "below-ceiling", "c"};

// Refuse studies that could not finish in any reasonable time or memory.
inline constexpr std::size_t kMostRuns = 1'000'000;
// summary.json holds statistics for every grid point and the plots draw a
// curve for each: a thousand grid points with the most criteria write a
// summary.json of about 12 MB, and the study stays near 100 MB of memory.
inline constexpr std::size_t kMostGridPoints = 1000;
// Each criterion adds a column to runs.csv, statistics to every grid point and
// a plot: ten heights and ten temperatures cover any code check.
inline constexpr std::size_t kMostCriteria = 10;

struct Study {
    std::string FilePath; // as given
    StudyModelOptions Model;
    std::size_t SamplesPerGridPoint = 1; // the file's `runs`
    std::uint64_t Seed = 1;
    SamplingMethod Sampling = SamplingMethod::Random;
    UnitSystem Units = UnitSystem::SI;
    std::vector<BaseOption> Base;                      // file order, `units` aside
    std::vector<VariedInput> Vary;                     // file order
    std::vector<double> CriteriaHeightsAsWritten;      // in the file's units
    std::vector<double> CriteriaTemperaturesAsWritten; // in the file's units
    KeyCriteria Criteria;                              // S.I.
    // [model-uncertainty]: each run's key results include a draw of the
    // model's own error (common/key_results/model_uncertainty.h).
    bool ModelUncertainty = false;
    // The devices of [base] (`device` first, then the `devices` file's), as
    // read in the study's units; a run reads them again from its options.
    std::vector<detection::Device> Devices;
    // The study names a tenability, suppression or device option, or [rset]:
    // every run is followed as the batch command's --summary follows it, and
    // runs.csv gains its tenability and detection columns.
    bool FollowsLifeSafety = false;
    // The study names the suppression option: runs.csv gains suppression and
    // suppressed_from_s.
    bool NamesSuppression = false;
    std::optional<RsetModel> Rset;
    // Every fire file the study names, read once, by resolved path.
    std::map<std::string, std::shared_ptr<const FireTable>> Fires;
    // SHA-256 of the study file's text and of every file it reads (fire files,
    // `from` reports) by the name the study file writes: a shard records them,
    // so that a merge refuses shards run with different inputs.
    std::string FileDigest;
    std::map<std::string, std::string> InputDigests;

    std::size_t GridPoints() const;
    std::size_t TotalRuns() const { return GridPoints() * SamplesPerGridPoint; }
    // A path of the file resolved against the study file's folder.
    std::string ResolvedPath(const std::string& path) const;
};

// The study, or the sentence naming the file, the line and the key of the
// first problem. Fire files are read (and must be usable) and `from` reports
// must open; no run is done.
std::variant<Study, std::string> ReadStudyFile(const std::string& path);

// The same from the text of the file; `path` names it and anchors its paths.
std::variant<Study, std::string> ParseStudy(std::string_view text, const std::string& path);

} // namespace vorla::study
