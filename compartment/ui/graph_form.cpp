#include "compartment/ui/graph_form.h"

#include "common/ui/compared_run.h"
#include "compartment/model/saved_report_reader.h"
#include "compartment/ui/output_form.h"
#include "compartment/ui/report_file_filter.h"

#include <QLabel>

namespace vorla::compartment {

ui::GraphResults GraphResultsOf(const Calculations& calc) {
    return ui::GraphResultsOfRun(calc, kResultRowCapacity);
}

frmGraph::frmGraph(const Calculations& calc, frmOutput& output, ui::PlatformServices& services)
    : ResultsGraphWindow(
          services, output,
          {"Upper Layer Temperature", "Layer Interface Height", "Heat Release Rate", "Vent Flow"},
          {"VORLA-XW", kOpenReportFilter}),
      calc_(calc) {
    setWindowTitle("VORLA-XW: Graph");
    lblPlotTitle->setText("VORLA-XW RUN TITLE");
}

ui::GraphResults frmGraph::Results() const {
    return GraphResultsOf(calc_);
}

std::variant<ui::GraphResults, FileProblem>
frmGraph::ReadComparedRun(const std::string& path) const {
    return ui::ReadComparedRun<InputBoxes, UnitTables, RunInputs>(path, calc_.Units.System,
                                                                  ReadSavedReport);
}

} // namespace vorla::compartment
