// frmOutput, SKEVA-XW's report window "SKEVA-XW: Output Data" (the shared
// report window): opening it runs the smoke filling model and shows the report
// header and the results table; Save writes the results file (*.sof), Print
// prints the report, and Close returns to the input form.
#pragma once

#include "common/ui/report_window.h"
#include "smoke_filling/model/calculations.h"

namespace vorla::smoke {

class frmInput;

class frmOutput final : public ui::ReportWindow {
    Q_OBJECT
  public:
    // The window deletes itself when it closes.
    frmOutput(Calculations& calc, ui::PlatformServices& services, frmInput& input);

  protected:
    std::string BuildReportHeader() const override;
    std::string BuildHeaderText() const override;
    RunOutcome RunModel() override;
    std::string BuildReportRows() const override;
    std::string BuildDataColumnsText() const override;
    std::string BuildSavedText() const override;
    std::optional<std::vector<PrintedPage>> BuildPrintedPages(double linesPerPage) const override;
    std::string& OutputFile() override;

  private:
    Calculations& calc_;
};

} // namespace vorla::smoke
