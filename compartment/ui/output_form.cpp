#include "compartment/ui/output_form.h"

#include "compartment/model/model_run.h"
#include "compartment/model/report_printing.h"
#include "compartment/model/report_text.h"
#include "compartment/ui/graph_form.h"
#include "compartment/ui/input_form.h"

#include <QLineEdit>
#include <QPushButton>

namespace vorla::compartment {
namespace {

ui::ReportWindowTexts Texts() {
    return {.ProgramName = "VORLA-XW",
            .Caption = "VORLA-XW: Output Data",
            .SaveQuestionTitle = "VORLA-XW: Save Data?",
            .PrinterCheckTitle = std::string(kPrinterCheckTitle),
            .DataFilter = "VORLA-XW Data Files (*.sdf)|*.sdf",
            .NotSavedSentence = "The report is not saved.",
            .PrintLinesReserved = kPrintLinesReserved,
            .FireFileProblemIcon = ui::MessageIcon::Critical};
}

ui::ReportInputForm InputForm(frmInput& input) {
    return {&input, input.txtRunTitle, input.txtOutputFile, [&input] { input.ShowAgain(); }};
}

} // namespace

frmOutput::frmOutput(Calculations& calc, ui::PlatformServices& services, frmInput& input)
    : ReportWindow(services, InputForm(input), Texts()), calc_(calc) {
    cmdGraph = AddButton("cmdGraph", "&Graph");
    connect(cmdGraph, &QPushButton::clicked, this, &frmOutput::cmdGraph_Click);
}

frmOutput::~frmOutput() {
    delete graph_.data();
}

frmGraph* frmOutput::GraphWindow() const {
    return graph_;
}

void frmOutput::cmdGraph_Click() {
    graph_ = new frmGraph(calc_, *this);
    graph_->Form_Load();
}

void frmOutput::Unload() {
    if (graph_) {
        graph_->Unload();
    }
    ReportWindow::Unload();
}

std::string frmOutput::BuildReportHeader() const {
    return compartment::ReportHeader(calc_.Inputs);
}

std::string frmOutput::BuildHeaderText() const {
    return HeaderText(ReportHeader());
}

RunOutcome frmOutput::RunModel() {
    const FlashoverQuestion ask = [this](const std::string& text, std::string_view title) {
        const auto answer = AskDuringRun({text, std::string(title), ui::MessageIcon::Question,
                                          ui::MessageButtons::YesNo, ui::MessageButton::Yes});
        return answer == ui::MessageButton::Yes ? Answer::Yes : Answer::No;
    };
    return RunCalculations(calc_, ask);
}

std::string frmOutput::BuildReportRows() const {
    return compartment::ReportRows(calc_.Inputs, calc_.Results);
}

std::string frmOutput::BuildDataColumnsText() const {
    return ScreenTableText(calc_.Inputs, calc_.Results, EndMessage());
}

std::string frmOutput::BuildSavedText() const {
    return SavedReportText(ReportHeader(), ReportRows(), EndMessage());
}

std::optional<std::vector<PrintedPage>> frmOutput::BuildPrintedPages(double linesPerPage) const {
    return PrintedReport(calc_.Inputs, calc_.Results, EndMessage(), linesPerPage);
}

std::string& frmOutput::OutputFile() {
    return calc_.Inputs.OutputFile;
}

} // namespace vorla::compartment
