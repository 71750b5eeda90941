// frmOutput, SKEVA-XW's report window "SKEVA-XW: Output Data" (the shared
// report window): opening it runs the smoke filling model and shows the report
// header and the results table; Save writes the results file (*.sof), Print
// prints the report, and Close returns to the input form.
#pragma once

#include "common/ui/report_window.h"
#include "smoke_filling/model/calculations.h"

namespace vorla::smoke {

class frmOutput final : public ui::ReportWindow {
    Q_OBJECT
  public:
    // The window deletes itself when it closes.
    frmOutput(Calculations& calc, ui::PlatformServices& services, ui::ReportInputForm input);

  private:
    std::string HeaderText() const override;
    RunOutcome RunModel() override;
    RunReport Report(const CompletedRun& run) const override;

    Calculations& calc_;
};

} // namespace vorla::smoke
