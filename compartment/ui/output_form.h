// frmOutput, "VORLA-XW: Output Data": performs one compartment run and shows its
// report (the shared report window), asking the flashover question when the
// layer passes 600 °C. Its own button, Graph, plots the results in a window that
// stands in for the report until it closes.
#pragma once

#include "common/ui/report_window.h"
#include "compartment/model/calculations.h"

#include <QPointer>

namespace vorla::compartment {

class frmGraph;
class frmInput;

class frmOutput final : public ui::ReportWindow {
    Q_OBJECT
  public:
    frmOutput(Calculations& calc, ui::PlatformServices& services, frmInput& input);
    ~frmOutput() override;

    QPushButton* cmdGraph;

    void cmdGraph_Click();
    // Closes the window and its graph without a question (File Exit).
    void Unload() override;
    frmGraph* GraphWindow() const;

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
    QPointer<frmGraph> graph_;
};

} // namespace vorla::compartment
