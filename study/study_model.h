// What a design study needs of a model: the options a study file may set, and
// one run from those options. The engine knows nothing else of the models, so
// the same engine drives VORLA-XW's and SKEVA-XW's calculations.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/key_results/key_criteria.h"
#include "common/key_results/key_results.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorla::study {

// An option that carries a text, with the texts it may take (any when empty).
struct TextOption {
    std::string Name;                // as the batch command spells it, without dashes
    std::vector<std::string> Values; // "stop", "continue"; empty: any text
    bool IsPath = false;             // a file named relative to the study file
};

// The options of one model that a study file may name.
struct StudyModelOptions {
    ModelKind Model = ModelKind::Compartment;
    std::vector<std::string> NumericOptions; // what [vary] may name, besides `fire`
    std::vector<TextOption> TextOptions;     // [base] only (title, from, fire, ...)
    std::string ReportExtension;             // of the saved reports: "vof", "sof"
};

// The options of `vorla compartment` and `vorla smoke` that a study can set.
const StudyModelOptions& CompartmentStudyOptions();
const StudyModelOptions& SmokeStudyOptions();

// What both models' commands follow beside the run, by the same names: the
// tenability inputs and the suppression numbers (numbers a study may vary),
// and fuel, sign, suppression and the devices file (texts of [base]; the
// words may be varied by values or choice). `device`, the devices' KEYS
// texts, is read on its own (a list of texts or tables).
const std::vector<std::string>& LifeSafetyNumericOptions();
const std::vector<TextOption>& LifeSafetyTextOptions();

// One run of a study, as the model is asked to do it.
struct RunRequest {
    std::size_t Run = 0;       // 0-based number of the run in the whole study
    std::size_t GridPoint = 0; // 0-based
    // Option name (without dashes) and text, as `vorla compartment|smoke` would
    // be given them: "units" first, then the base options, then the varied ones
    // (which replace a base option of the same name). Paths are resolved.
    std::vector<std::pair<std::string, std::string>> Options;
    // The options of Options whose value is a number, by the same names: the
    // numbers themselves, which the run takes in place of their texts.
    std::map<std::string, double, std::less<>> Numbers;
    // The fire table the `fire` option names, read once and shared by every run
    // (nothing when the fire comes from a `from` report).
    std::shared_ptr<const FireTable> Fire;
    const KeyCriteria* Criteria = nullptr;
    bool KeepReport = false; // fill StudyRunOutcome::ReportText
    // The file name of the run's report in reports/ ("run-0042.vof"): the
    // output file a run names when the study gives it no output-name, as
    // `vorla compartment -o FILE` names FILE.
    std::string ReportName;
    // [model-uncertainty]: the two standard normal draws of this run's model
    // error, for the layer temperature rise and the layer depth; nothing when
    // the study does not draw it.
    std::optional<std::pair<double, double>> ModelErrorNormals;
    // The study names devices, tenability or [rset]: the run is followed as
    // `vorla compartment|smoke --summary` follows it, and Options may hold a
    // varied device field as "device.NAME.FIELD" (in the study's units).
    bool FollowLifeSafety = false;
};

enum class RunStatus { Ok, Rejected, FireFileError };

// "ok", "rejected", "fire_file_error": the texts of runs.csv.
std::string_view RunStatusName(RunStatus status);

// What one run of a study gives back to the runner: its status, message and
// key results (not the model's RunOutcome, common/model_runs/run_outcome.h, which a run
// callback turns into this).
struct StudyRunOutcome {
    RunStatus Status = RunStatus::Ok;
    std::string Message;    // the model's check or fire file message
    KeyResults Keys;        // when ok
    std::string ReportText; // when ok and asked for
};

// Does one run. Called from several threads at once: it must share nothing
// mutable between calls.
using RunCallback = std::function<StudyRunOutcome(const RunRequest&)>;

} // namespace vorla::study
