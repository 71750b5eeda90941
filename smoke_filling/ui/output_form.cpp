#include "smoke_filling/ui/output_form.h"

#include "zone_models/model_options.h"
#include "common/files/text_file.h"
#include "zone_models/ui/key_results_panel.h"
#include "life_safety/detection/device_options.h"
#include "life_safety/detection/suppression_options.h"
#include "life_safety/run/life_safety_run.h"
#include "life_safety/run/opened_run.h"
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/report_printing.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/run_report.h"
#include "smoke_filling/ui/graph_form.h"
#include "zone_models/saved_rows.h"

#include <QPushButton>
#include <filesystem>

namespace vorla::smoke {
namespace {

ui::ReportWindowTexts Texts() {
    return {.ProgramName = "SKEVA-XW",
            .Caption = "SKEVA-XW: Output Data",
            .SaveQuestionTitle = "SKEVA-XW: Save Data?",
            .PrinterCheckTitle = std::string(kPrinterCheckTitle),
            .DataFilter = "SKEVA-XW Data Files (*.sof)|*.sof",
            .NotSavedSentence = "The results are not saved.",
            .PrintLinesReserved = kPrintLinesReserved,
            // As "Wrong file format." on the input form: a file to put right.
            .FireFileProblemIcon = ui::MessageIcon::Exclamation};
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
    return smoke::HeaderText(ReportHeader(calc_.Inputs));
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
    detectionKeys_.reset();
    tenabilityKeys_.reset();
    tenabilitySeries_.reset();
    if (devices_.empty() && !tenability_.Given) {
        return RunCalculations(calc_);
    }
    // The devices and the suppression rule are followed as the batch command
    // follows them: the run made again on the suppressed fire when the first
    // sprinkler changes it. Tenability as the batch command follows it, given
    // the form's inputs; without them, the smoke an obscuration detector
    // reads, as the batch command follows it for its devices.
    const life_safety::LifeSafetyRoom room{calc_.Inputs.FloorArea, calc_.Inputs.RoomHeight,
                                           calc_.Inputs.FireHeight, calc_.Inputs.FirePlace};
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
        followed, calc_.Fire, [this](ZoneStepObserver* observer, bool again) -> RunOutcome {
            if (!again) {
                return RunCalculations(calc_, observer);
            }
            return smoke::RunModel(calc_.Inputs, calc_.Fire, calc_.Results, observer);
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
    const WholeFile file = ReadWholeFile(savedPath_);
    auto again = std::make_unique<RunResults>();
    const life_safety::OpenedRunKeys keys = life_safety::KeysOfOpenedRun(
        tenability_.Inputs, devices_, suppression_,
        {calc_.Inputs.FloorArea, calc_.Inputs.RoomHeight, calc_.Inputs.FireHeight}, calc_.Fire,
        [&](ZoneStepObserver* observer, const FireTable& fire) -> RunOutcome {
            if (auto rejected = CheckRunInputs(calc_.Inputs)) {
                return *rejected;
            }
            return smoke::RunModel(calc_.Inputs, fire, *again, observer);
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
    RunReport report = BuildWindowReport(calc_, run);
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
    std::optional<UncertaintyStatistics> statistics;
    if (modelOptions_.ShowUncertainty) {
        auto found =
            FindUncertaintyStatistics({ModelKind::Smoke, calc_.Inputs.FirePlace, calc_.Inputs.Plume,
                                       false, calc_.Inputs.LossFraction});
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

} // namespace vorla::smoke
