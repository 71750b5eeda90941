#include "compartment/ui/output_form.h"

#include "zone_models/model_options.h"
#include "common/files/text_file.h"
#include "zone_models/ui/key_results_panel.h"
#include "common/ui/message_texts.h"
#include "common/ui/program_settings.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/model_run.h"
#include "compartment/model/report_printing.h"
#include "compartment/model/report_text.h"
#include "compartment/model/run_report.h"
#include "compartment/ui/estimator_form.h"
#include "compartment/ui/graph_form.h"
#include "life_safety/detection/device_options.h"
#include "life_safety/detection/suppression_options.h"
#include "life_safety/run/life_safety_run.h"
#include "life_safety/run/opened_run.h"
#include "zone_models/saved_rows.h"

#include <QPushButton>
#include <filesystem>

namespace vorla::compartment {
namespace {

ui::ReportWindowTexts Texts() {
    return {.ProgramName = "VORLA-XW",
            .Caption = "VORLA-XW: Output Data",
            .SaveQuestionTitle = "VORLA-XW: Save Data?",
            .PrinterCheckTitle = std::string(kPrinterCheckTitle),
            // Save writes *.sdf, but the reports beside it, the batch
            // command's *.vof among them, are listed too: a name taken is seen.
            .DataFilter = "VORLA-XW Data Files (*.sdf;*.vof)|*.sdf;*.vof",
            .NotSavedSentence = "The report is not saved.",
            .PrintLinesReserved = kPrintLinesReserved,
            .FireFileProblemIcon = ui::MessageIcon::Critical};
}

} // namespace

frmOutput::frmOutput(Calculations& calc, ui::PlatformServices& services, ui::ReportInputForm input,
                     std::vector<detection::Device> devices,
                     const detection::Suppression& suppression,
                     tenability::TenabilityTexts tenability)
    : ReportWindow(services, std::move(input), Texts()), calc_(calc), services_(services),
      devices_(std::move(devices)), suppression_(suppression), tenability_(std::move(tenability)) {
    cmdGraph = AddButton("cmdGraph", "&Graph");
    connect(cmdGraph, &QPushButton::clicked, this, &frmOutput::cmdGraph_Click);
}

frmOutput::frmOutput(Calculations& calc, ui::PlatformServices& services, ui::ReportInputForm input,
                     const CompletedRun& savedRun, const std::string& path,
                     std::vector<detection::Device> devices,
                     const detection::Suppression& suppression,
                     tenability::TenabilityTexts tenability)
    : frmOutput(calc, services, std::move(input), std::move(devices), suppression,
                std::move(tenability)) {
    savedRun_ = savedRun;
    // The estimate the saved fraction came from, when its line says so and
    // holds for the report.
    savedEstimate_ = LossFractionEstimateOfReport(services, Texts().ProgramName, path);
    SetReadFrom(path);
    savedPath_ = path;
    setWindowTitle(QString::fromStdString(Texts().Caption + " - read from " +
                                          std::filesystem::path(path).filename().string()));
}

frmOutput::~frmOutput() {
    delete graph_.data();
}

void frmOutput::cmdGraph_Click() {
    graph_ = new frmGraph(calc_, *this, services_, tenabilitySeries_);
    graph_->ShowInPlaceOfReport();
}

void frmOutput::Unload() {
    if (graph_) {
        graph_->Unload();
    }
    ReportWindow::Unload();
}

std::string frmOutput::HeaderText() const {
    return compartment::HeaderText(ReportHeader(calc_.Inputs));
}

RunOutcome frmOutput::RunModel() {
    if (savedRun_) {
        // Without tenability the saved devices are named, not timed: the rows
        // are not the run's steps. A Save keeps them, the rule and the
        // tenability after the report.
        if (tenability_.Given) {
            FollowSavedRun();
        } else {
            detectionKeys_ = life_safety::SavedDetectionKeys(devices_, suppression_);
        }
        return *savedRun_;
    }
    // Yes stops the run, No lets it go on. An answer the user asked to be
    // remembered is given without asking; "Do not ask again" remembers this one
    // (Preferences... sets it back to asking).
    const FlashoverQuestion ask = [this](const std::string& text, std::string_view title) {
        ui::ProgramSettings settings;
        switch (settings.FlashoverAnswerPreference()) {
        case ui::FlashoverAnswer::Stop:
            return Answer::Yes;
        case ui::FlashoverAnswer::Continue:
            return Answer::No;
        case ui::FlashoverAnswer::Ask:
            break;
        }
        ui::MessageRequest question{text, std::string(title), ui::MessageIcon::Question,
                                    ui::MessageButtons::YesNo, ui::MessageButton::Yes};
        question.CheckBoxText = ui::kDoNotAskAgain;
        const auto answer = AskDuringRunWithCheckBox(question);
        const bool stop = answer.Button == ui::MessageButton::Yes;
        if (answer.Checked) {
            settings.SetFlashoverAnswerPreference(stop ? ui::FlashoverAnswer::Stop
                                                       : ui::FlashoverAnswer::Continue);
        }
        return stop ? Answer::Yes : Answer::No;
    };
    detectionKeys_.reset();
    tenabilityKeys_.reset();
    tenabilitySeries_.reset();
    if (devices_.empty() && !tenability_.Given) {
        return RunCalculations(calc_, ask);
    }
    // The devices and the suppression rule are followed as the batch command
    // follows them: the run made again on the suppressed fire when the first
    // sprinkler changes it. A run made again on a suppressed
    // fire is the same fire up to the sprinkler, so a flashover question
    // answered on the first run is answered the same way, not asked twice.
    std::optional<Answer> answered;
    const FlashoverQuestion askOnce = [&](const std::string& text, std::string_view title) {
        if (!answered) {
            answered = ask(text, title);
        }
        return *answered;
    };
    const life_safety::LifeSafetyRoom room{calc_.Inputs.FloorArea, calc_.Inputs.RoomHeight,
                                           calc_.Inputs.FireHeight, calc_.Inputs.FirePlace};
    // Tenability as the batch command follows it, given the form's inputs;
    // without them, the smoke an obscuration detector reads, as the batch
    // command follows it for its devices.
    // Without a heat of combustion of its own, the run takes the fire
    // file's, as the batch command does; the report saved keeps the value used.
    // The Key Results panel names where it came from.
    tenability::HeatOfCombustionChoice heat{
        tenability_.Inputs.Yields.HeatOfCombustion, tenability::HeatSource::Input, {}};
    if (tenability_.Given && !tenability_.HeatOfCombustionGiven) {
        tenability_.Inputs = life_safety::InputsWithFireFileHeat(tenability_, calc_.Inputs.FireFile,
                                                                 calc_.OpenedReport, &heat);
    }
    auto tenabilityRun =
        tenability_.Given
            ? std::make_unique<tenability::TenabilityRun>(
                  tenability_.Inputs,
                  tenability::RoomGeometry{calc_.Inputs.FloorArea, calc_.Inputs.RoomHeight})
            : life_safety::SmokeFollowedForDevices(
                  devices_, room,
                  life_safety::InputsWithFireFileHeat({}, calc_.Inputs.FireFile, calc_.OpenedReport));
    life_safety::LifeSafetyRun followed(std::move(tenabilityRun), devices_, suppression_, room);
    RunOutcome outcome = life_safety::RunFollowed(
        followed, calc_.Fire,
        [this, &askOnce](ZoneStepObserver* observer, bool again) -> RunOutcome {
            if (!again) {
                return RunCalculations(calc_, askOnce, observer);
            }
            return compartment::RunModel(calc_.Inputs, calc_.Fire, askOnce, calc_.Results,
                                         observer);
        });
    detectionKeys_ = followed.DetectionKeysOfRun();
    // The smoke followed only for an obscuration detector is not the
    // tenability the user asked for: no block, no columns.
    const tenability::TenabilityRun* run = followed.Tenability();
    if (tenability_.Given && run != nullptr) {
        tenabilityKeys_ = followed.TenabilityKeysOfRun();
        ui::NameHeatOfCombustion(heat, calc_.Inputs.FireFile, *tenabilityKeys_);
        tenabilitySeries_ = std::make_shared<const tenability::TenabilitySeries>(run->Series());
    }
    return outcome;
}

void frmOutput::FollowSavedRun() {
    // The run again answers the flashover question as the saved run did: a
    // report that ends at flashover was stopped there.
    const Answer answer = savedRun_->End == RunEnd::FlashoverStop ? Answer::Yes : Answer::No;
    const FlashoverQuestion asSaved = [answer](const std::string&, std::string_view) {
        return answer;
    };
    const WholeFile file = ReadWholeFile(savedPath_);
    auto again = std::make_unique<RunResults>();
    const life_safety::OpenedRunKeys keys = life_safety::KeysOfOpenedRun(
        tenability_.Inputs, devices_, suppression_,
        {calc_.Inputs.FloorArea, calc_.Inputs.RoomHeight, calc_.Inputs.FireHeight}, calc_.Fire,
        [&](ZoneStepObserver* observer, const FireTable& fire) -> RunOutcome {
            if (auto rejected = CheckRunInputs(calc_.Inputs)) {
                return *rejected;
            }
            return compartment::RunModel(calc_.Inputs, fire, asSaved, *again, observer);
        },
        [&](const CompletedRun& run) {
            return !file.problem && run.End == savedRun_->End &&
                   zone_models::PrintsSavedRows(file.text, calc_.Inputs, *again, run.EndMessage);
        });
    tenabilityKeys_ = keys.Tenability;
    if (!tenabilityKeys_->TimesNotComputed) {
        // The saved report's tenability line gives the value the run burned.
        ui::NameHeatOfCombustion(
            {tenability_.Inputs.Yields.HeatOfCombustion, tenability::HeatSource::Input, {}},
            calc_.Inputs.FireFile, *tenabilityKeys_);
    }
    tenabilitySeries_ = keys.Series;
    detectionKeys_ = keys.Detection;
}

RunReport frmOutput::Report(const CompletedRun& run) const {
    // A saved run's fraction came from the estimate its report names; the
    // form's estimate is the box's, not the report's.
    const std::optional<LossFractionEstimate> estimate =
        savedRun_ ? savedEstimate_ : EstimateOfRun(calc_);
    RunReport report = BuildWindowReport(calc_, run, estimate);
    if (detectionKeys_) {
        report.KeyResultsFor = [keysOf = std::move(report.KeyResultsFor),
                                detection = *detectionKeys_](const KeyCriteria& criteria) {
            KeyResults keys = keysOf(criteria);
            keys.Detection = detection;
            return keys;
        };
    }
    if (tenabilityKeys_) {
        report.KeyResultsFor = [keysOf = std::move(report.KeyResultsFor),
                                tenability = *tenabilityKeys_](const KeyCriteria& criteria) {
            KeyResults keys = keysOf(criteria);
            keys.Tenability = tenability;
            return keys;
        };
    }
    if (tenabilitySeries_ && report.ResultsCsv) {
        // Export CSV… gains the tenability columns, as --csv does.
        report.ResultsCsv = [csvOf = std::move(report.ResultsCsv), series = tenabilitySeries_] {
            return life_safety::WithTenabilityColumns(csvOf(), *series);
        };
    }
    // The model options' line before the tenability's, and the model
    // uncertainty in the key results when the options show it.
    // The estimator's statistics for a fraction its window typed and Run
    // read, or that the saved report's line says it typed.
    std::optional<UncertaintyStatistics> statistics;
    if (modelOptions_.ShowUncertainty) {
        auto found = FindUncertaintyStatistics({ModelKind::Compartment, calc_.Inputs.FirePlace,
                                                calc_.Inputs.Plume, estimate.has_value(),
                                                calc_.Inputs.LossFraction});
        if (auto* known = std::get_if<UncertaintyStatistics>(&found)) {
            statistics = *known;
        }
    }
    ApplyModelOptions(report, modelOptions_, statistics, calc_.Inputs.RoomHeight);
    if (!devices_.empty() || tenability_.Given) {
        // The tenability, the rule and the devices travel with the saved
        // report, after its last line: the tenability line first, the
        // devices' lines last.
        const auto withDevices = [devices = devices_, suppression = suppression_,
                                  tenability = tenability_](std::string text) {
            return detection::WithSavedDetection(
                tenability::WithSavedTenability(
                    std::move(text), tenability.Given ? std::optional(tenability) : std::nullopt),
                devices, suppression);
        };
        report.SavedReportText = withDevices(std::move(report.SavedReportText));
        if (report.SavedReportTextAs) {
            report.SavedReportTextAs = [textAs = std::move(report.SavedReportTextAs),
                                        withDevices](const std::string& savedAs) {
                return withDevices(textAs(savedAs));
            };
        }
    }
    return report;
}

} // namespace vorla::compartment
