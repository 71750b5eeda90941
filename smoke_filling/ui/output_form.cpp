#include "smoke_filling/ui/output_form.h"

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

frmOutput::frmOutput(Calculations& calc, ui::PlatformServices& services, ui::ReportInputForm input)
    : ReportWindow(services, std::move(input), Texts()), calc_(calc), services_(services) {
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
    return RunCalculations(calc_);
}

RunReport frmOutput::Report(const CompletedRun& run) const {
    return BuildWindowReport(calc_, run);
}

} // namespace vorla::smoke
