#include "smoke_filling/ui/output_form.h"

#include "life_safety/detection/device_options.h"
#include "life_safety/run/life_safety_run.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/report_printing.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/run_report.h"
#include "smoke_filling/ui/graph_form.h"

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
                     std::vector<detection::Device> devices)
    : ReportWindow(services, std::move(input), Texts()), calc_(calc), services_(services),
      devices_(std::move(devices)) {
    cmdGraph = AddButton("cmdGraph", "&Graph");
    connect(cmdGraph, &QPushButton::clicked, this, &frmOutput::cmdGraph_Click);
}

frmOutput::frmOutput(Calculations& calc, ui::PlatformServices& services, ui::ReportInputForm input,
                     const CompletedRun& savedRun, const std::string& path)
    : frmOutput(calc, services, std::move(input)) {
    savedRun_ = savedRun;
    setWindowTitle(QString::fromStdString(Texts().Caption + " - read from " +
                                          std::filesystem::path(path).filename().string()));
}

frmOutput::~frmOutput() {
    delete graph_.data();
}

void frmOutput::cmdGraph_Click() {
    graph_ = new frmGraph(calc_, *this, services_);
    graph_->Form_Load();
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
        return *savedRun_;
    }
    detectionKeys_.reset();
    if (devices_.empty()) {
        return RunCalculations(calc_);
    }
    // The devices are followed as the batch command follows them, with the
    // fire unchanged by the first sprinkler.
    life_safety::LifeSafetyRun followed(
        nullptr, devices_, detection::Suppression{},
        {calc_.Inputs.FloorArea, calc_.Inputs.RoomHeight, calc_.Inputs.FireHeight});
    RunOutcome outcome = life_safety::RunFollowed(
        followed, calc_.Fire, [this](ZoneStepObserver* observer, bool again) -> RunOutcome {
            if (!again) {
                return RunCalculations(calc_, observer);
            }
            return smoke::RunModel(calc_.Inputs, calc_.Fire, calc_.Results, observer);
        });
    detectionKeys_ = followed.DetectionKeysOfRun();
    return outcome;
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
    if (!devices_.empty()) {
        // The devices travel with the saved report, after its last line.
        const auto withDevices = [devices = devices_](std::string text) {
            return detection::WithSavedDevices(std::move(text), devices);
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
