#include "smoke_filling/ui/output_form.h"

#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/report_printing.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/ui/input_form.h"

#include <QLineEdit>

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

ui::ReportInputForm InputForm(frmInput& input) {
    return {&input, input.txtRunTitle, input.txtOutputFile, [&input] { input.ShowAfterReport(); }};
}

} // namespace

frmOutput::frmOutput(Calculations& calc, ui::PlatformServices& services, frmInput& input)
    : ReportWindow(services, InputForm(input), Texts()), calc_(calc) {}

std::string frmOutput::BuildReportHeader() const {
    return smoke::ReportHeader(calc_.Inputs);
}

std::string frmOutput::BuildHeaderText() const {
    return HeaderText(ReportHeader());
}

RunOutcome frmOutput::RunModel() {
    return RunCalculations(calc_);
}

std::string frmOutput::BuildReportRows() const {
    return smoke::ReportRows(calc_.Inputs, calc_.Results);
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

} // namespace vorla::smoke
