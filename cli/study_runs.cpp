#include "cli/study_runs.h"

#include "cli/command_output.h"
#include "cli/life_safety_run.h"
#include "cli/model_command.h"
#include "cli/model_inputs.h"
#include "cli/study_from_reports.h"
#include "cli/vorla_command.h"
#include "common/fire_files/fire_file_reader.h"
#include "common/key_results/model_uncertainty.h"
#include "common/text/number_text.h"
#include "common/files/text_file.h"
#include "common/text/units.h"
#include "compartment/model/model_run.h"
#include "compartment/model/report_text.h"
#include "compartment/model/run_key_results.h"
#include "life_safety/detection/device_options.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/run_key_results.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <variant>

namespace vorla::cli {
namespace {

using study::RunRequest;
using study::RunStatus;
using study::StudyRunOutcome;
using FireOrMessage = std::variant<std::shared_ptr<const FireTable>, std::string>;

// Fire tables the study file does not name (they come with a `from` report),
// read the first time a run needs one and shared from then on.
class ReportFires {
  public:
    // A fire file that cannot be used gives the message the model's command
    // prints.
    FireOrMessage Get(const std::string& path, ModelKind model) {
        std::lock_guard lock(mutex_);
        auto found = fires_.find(path);
        if (found == fires_.end()) {
            auto table = std::make_shared<FireTable>();
            FireOrMessage read = std::shared_ptr<const FireTable>(table);
            if (const auto problem = ReadFireFile(path, *table)) {
                read = FireFileMessage(model, *problem);
            }
            found = fires_.emplace(path, std::move(read)).first;
        }
        return found->second;
    }

    // The heat of combustion the fire file at `path` carries
    // (life_safety/tenability/fire_file_heat.h), worked out the first time a
    // run needs it; nothing when the file cannot be read.
    std::optional<tenability::FireFileHeat> HeatOf(const std::string& path) {
        std::lock_guard lock(mutex_);
        auto found = heats_.find(path);
        if (found == heats_.end()) {
            std::optional<tenability::FireFileHeat> heat;
            const WholeFile file = ReadWholeFile(path);
            if (!file.problem) {
                heat = tenability::HeatOfCombustionOfFireFile(file.text);
            }
            found = heats_.emplace(path, heat).first;
        }
        return found->second;
    }

  private:
    std::mutex mutex_;
    std::map<std::string, FireOrMessage> fires_;
    std::map<std::string, std::optional<tenability::FireFileHeat>> heats_;
};

StudyRunOutcome Refused(RunStatus status, std::string message) {
    StudyRunOutcome outcome;
    outcome.Status = status;
    // runs.csv keeps the message on one line.
    outcome.Message = WithoutClosingLineEnds(std::move(message));
    return outcome;
}

// A varied device field ("device.NAME.FIELD" = its text in the study's
// units) set on the device the batch command's options gave, as that field's
// key of --device would set it; the devices then checked again, as
// --device checks them.
std::optional<std::string> SetVariedDeviceFields(const OptionTexts& options,
                                                 const OptionNumbers& numbers,
                                                 DetectionOptions& detection) {
    const UnitSystem units = detection.Units;
    for (const auto& [name, text] : options) {
        if (!name.starts_with("device.")) {
            continue;
        }
        const auto dot = name.rfind('.');
        const std::string device = name.substr(7, dot - 7);
        const std::string field = name.substr(dot + 1);
        const auto number = numbers.find(name);
        const auto value =
            number != numbers.end() ? std::optional(number->second) : ParseWholeNumber(text);
        auto found = std::find_if(detection.Devices.begin(), detection.Devices.end(),
                                  [&](const detection::Device& d) { return d.Name == device; });
        if (!value || found == detection.Devices.end()) {
            return name + ": no such device, or \"" + text + "\" is not a number.";
        }
        const bool us = units == UnitSystem::US;
        if (field == "rti") {
            found->Rti = *value;
        } else if (field == "c") {
            found->Conduction = *value;
        } else if (field == "radius") {
            found->Radius = us ? *value * kMetresPerFoot : *value;
        } else if (field == "below-ceiling") {
            found->BelowCeiling = us ? *value * kMetresPerFoot : *value;
        } else if (field == "temperature") {
            found->OperatingTemperature =
                (us ? (*value - 32) / 1.8 : *value) + kKelvinAtZeroCelsius;
        } else if (field == "rise") {
            found->TemperatureRise = us ? *value / 1.8 : *value;
        }
    }
    if (const auto problem = detection::CheckDevices(detection.Devices, units)) {
        return problem->Device + ": " + problem->Field + ": " + problem->Message;
    }
    return std::nullopt;
}

// Builds the inputs with `buildInputs`, finds the fire and runs `runModel`: the
// steps both models share.
template <class Model>
StudyRunOutcome RunSample(const RunRequest& request, ReportFires& fires, const Model& model,
                          const std::string& studyPath, StudyNotes* notes) {
    OptionTexts options(request.Options.begin(), request.Options.end());
    // The run's report file stands for the command's -o: the output file the
    // report names unless the study gives an output-name.
    options.emplace("o", request.ReportName);
    // A `from` report whose heat loss fraction the estimator gave gives the
    // estimator's options, as `vorla compartment --from` takes them.
    if constexpr (Model::Kind == ModelKind::Compartment) {
        auto withSaved = WithSavedLossFractionRule(std::move(options));
        if (auto* stop = std::get_if<CommandStop>(&withSaved)) {
            throw std::runtime_error(WithoutClosingLineEnds(stop->Message));
        }
        options = std::get<OptionTexts>(std::move(withSaved));
    }
    // A sampled number goes in as the number drawn, not as its text.
    auto built = model.BuildInputs(options, request.Numbers);
    if (auto* stop = std::get_if<CommandStop>(&built)) {
        if (stop->ExitStatus == kExitFileProblem) {
            throw std::runtime_error(WithoutClosingLineEnds(stop->Message));
        }
        return Refused(RunStatus::Rejected, std::move(stop->Message));
    }
    const auto& inputs = std::get<0>(built);
    // [model-uncertainty]: the model's error drawn for this run, from the
    // statistics of the model variant and heat loss fraction rule it uses.
    std::optional<typename Model::Error> error;
    if (request.ModelErrorNormals) {
        const auto statistics = FindUncertaintyStatistics(
            {Model::Kind, inputs.FirePlace, inputs.Plume,
             OptionText(options, "loss-fraction") == "estimate", Model::LossFractionOf(inputs)});
        if (const auto* problem = std::get_if<std::string>(&statistics)) {
            return Refused(RunStatus::Rejected, "model-uncertainty: " + *problem);
        }
        error = typename Model::Error{DrawnModelError(std::get<UncertaintyStatistics>(statistics),
                                                      request.ModelErrorNormals->first,
                                                      request.ModelErrorNormals->second),
                                      inputs.RoomHeight};
    }
    std::shared_ptr<const FireTable> fire = request.Fire;
    std::string firePath = OptionText(options, "fire").value_or("");
    if (!fire) {
        // The report's fire file, from the report's folder or the study file's:
        // never from the current one.
        const auto from = OptionText(options, "from").value_or("");
        firePath = FireOfFromReport(inputs.FireFile, from, studyPath);
        auto found = fires.Get(firePath, Model::Kind);
        if (auto* message = std::get_if<std::string>(&found)) {
            return Refused(RunStatus::FireFileError, std::move(*message));
        }
        fire = std::get<std::shared_ptr<const FireTable>>(std::move(found));
    }
    // Each worker thread keeps one results buffer for all its runs: the columns
    // are too large to make anew for every run.
    thread_local std::unique_ptr<typename Model::Results> results;
    if (!results) {
        results = std::make_unique<typename Model::Results>();
    }
    if (!request.FollowLifeSafety) {
        const CompletedRun run = model.Run(options, inputs, *fire, *results);
        StudyRunOutcome outcome;
        outcome.Keys = model.KeyResultsOf(*results, run, *fire, *request.Criteria, error);
        if (request.KeepReport) {
            outcome.ReportText = model.ReportText(inputs, *results, run);
        }
        return outcome;
    }
    // As `vorla compartment|smoke --summary` follows the run: the same
    // options read by the same steps, the run made again on the fire its
    // first sprinkler changed.
    const auto tenabilityOptions = ReadTenabilityOptions(options, "");
    if (const auto* stop = std::get_if<CommandStop>(&tenabilityOptions)) {
        return Refused(RunStatus::Rejected, stop->Message);
    }
    // Without a heat of combustion the fire file's, as the batch command takes it.
    auto tenability = std::get<TenabilityOptions>(tenabilityOptions);
    if (!tenability.HeatOfCombustionGiven) {
        const auto note = TakeFireFileHeat(tenability, fires.HeatOf(firePath), firePath);
        if (note && notes != nullptr) {
            notes->Add(*note);
        }
    }
    auto detectionOptions = ReadDetectionOptions(options, "");
    if (auto* stop = std::get_if<CommandStop>(&detectionOptions)) {
        if (stop->ExitStatus == kExitFileProblem) {
            throw std::runtime_error(WithoutClosingLineEnds(stop->Message));
        }
        return Refused(RunStatus::Rejected, std::move(stop->Message));
    }
    auto& detection = std::get<DetectionOptions>(detectionOptions);
    if (auto problem = SetVariedDeviceFields(options, request.Numbers, detection)) {
        return Refused(RunStatus::Rejected, std::move(*problem));
    }
    auto prepared =
        LifeSafetyRun::Prepare(tenability, detection,
                               {inputs.FloorArea, inputs.RoomHeight, inputs.FireHeight, inputs.FirePlace},
                               "");
    if (auto* stop = std::get_if<CommandStop>(&prepared)) {
        return Refused(RunStatus::Rejected, std::move(stop->Message));
    }
    LifeSafetyRun& lifeSafety = *std::get<std::unique_ptr<LifeSafetyRun>>(prepared);
    CompletedRun run = model.Run(options, inputs, *fire, *results, lifeSafety.Observer());
    std::optional<FireTable> suppressed = lifeSafety.SuppressedFire(*fire);
    if (suppressed) {
        run = model.Run(options, inputs, *suppressed, *results, lifeSafety.Observer());
    }
    const FireTable& used = suppressed ? *suppressed : *fire;
    StudyRunOutcome outcome;
    outcome.Keys = model.KeyResultsOf(*results, run, used, *request.Criteria, error);
    std::vector<RunInput> summaryInputs;
    lifeSafety.AddKeyResults(outcome.Keys, summaryInputs);
    if (request.KeepReport) {
        // The devices after the report, as the batch command's -o writes them.
        outcome.ReportText =
            detection::WithSavedDevices(model.ReportText(inputs, *results, run), detection.Devices);
    }
    return outcome;
}

struct CompartmentSteps {
    using Results = compartment::RunResults;
    static constexpr ModelKind Kind = ModelKind::Compartment;

    static auto BuildInputs(const OptionTexts& options, const OptionNumbers& numbers) {
        return CompartmentInputs(options, numbers);
    }
    static CompletedRun Run(const OptionTexts& options, const compartment::RunInputs& inputs,
                            const FireTable& fire, Results& results,
                            ZoneStepObserver* observer = nullptr) {
        // The study file's reader admits only "stop" and "continue".
        const auto flashover =
            FlashoverAnswerOfWord(OptionText(options, "flashover").value_or("stop"));
        const auto answer = flashover.value_or(FlashoverAnswer::Stop) == FlashoverAnswer::Stop
                                ? compartment::Answer::Yes
                                : compartment::Answer::No;
        const compartment::FlashoverQuestion ask = [answer](const std::string&, std::string_view) {
            return answer;
        };
        return compartment::RunModel(inputs, fire, ask, results, observer);
    }
    using Error = compartment::ModelError;
    static double LossFractionOf(const compartment::RunInputs& inputs) {
        return inputs.LossFraction;
    }
    static KeyResults KeyResultsOf(const Results& results, const CompletedRun& run,
                                   const FireTable& fire, const KeyCriteria& criteria,
                                   const std::optional<Error>& error) {
        return compartment::RunKeyResults(results, run, fire, criteria, error);
    }
    static std::string ReportText(const compartment::RunInputs& inputs, const Results& results,
                                  const CompletedRun& run) {
        return compartment::SavedReportText(compartment::ReportHeader(inputs),
                                            compartment::ReportRows(inputs, results),
                                            run.EndMessage);
    }
};

struct SmokeSteps {
    using Results = smoke::RunResults;
    static constexpr ModelKind Kind = ModelKind::Smoke;

    static auto BuildInputs(const OptionTexts& options, const OptionNumbers& numbers) {
        return SmokeInputs(options, numbers);
    }
    static CompletedRun Run(const OptionTexts&, const smoke::RunInputs& inputs,
                            const FireTable& fire, Results& results,
                            ZoneStepObserver* observer = nullptr) {
        return smoke::RunModel(inputs, fire, results, observer);
    }
    using Error = smoke::ModelError;
    static double LossFractionOf(const smoke::RunInputs& inputs) { return inputs.LossFraction; }
    static KeyResults KeyResultsOf(const Results& results, const CompletedRun& run,
                                   const FireTable& fire, const KeyCriteria& criteria,
                                   const std::optional<Error>& error) {
        return smoke::RunKeyResults(results, run, fire, criteria, error);
    }
    static std::string ReportText(const smoke::RunInputs& inputs, const Results& results,
                                  const CompletedRun& run) {
        return smoke::SavedReportText(smoke::ReportHeader(inputs),
                                      smoke::ReportRows(inputs, results), run.EndMessage);
    }
};

} // namespace

void StudyNotes::Add(const std::string& note) {
    std::lock_guard lock(mutex_);
    notes_.insert(note);
}

std::vector<std::string> StudyNotes::Notes() const {
    std::lock_guard lock(mutex_);
    return {notes_.begin(), notes_.end()};
}

study::RunCallback StudyRunCallback(ModelKind model, const std::string& studyPath,
                                    std::shared_ptr<StudyNotes> notes) {
    auto fires = std::make_shared<ReportFires>();
    if (model == ModelKind::Compartment) {
        return [fires, studyPath, notes](const RunRequest& request) {
            return RunSample(request, *fires, CompartmentSteps{}, studyPath, notes.get());
        };
    }
    return [fires, studyPath, notes](const RunRequest& request) {
        return RunSample(request, *fires, SmokeSteps{}, studyPath, notes.get());
    };
}

} // namespace vorla::cli
