#include "smoke_filling/ui/graph_form.h"

#include "smoke_filling/ui/output_form.h"

#include <QLabel>

namespace vorla::smoke {

ui::GraphResults GraphResultsOf(const Calculations& calc) {
    return ui::GraphResultsOfRun(calc, kResultRowCapacity);
}

frmGraph::frmGraph(const Calculations& calc, frmOutput& output, ui::PlatformServices& services)
    : ResultsGraphWindow(
          services, output,
          {"Upper Layer Temperature", "Layer Interface Height", "Heat Release Rate", "Vent Flow"}),
      calc_(calc) {
    setWindowTitle("SKEVA-XW: Graph");
    lblPlotTitle->setText("SKEVA-XW RUN TITLE");
}

ui::GraphResults frmGraph::Results() const {
    return GraphResultsOf(calc_);
}

} // namespace vorla::smoke
