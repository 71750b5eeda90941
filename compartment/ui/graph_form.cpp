#include "compartment/ui/graph_form.h"

#include "compartment/ui/output_form.h"

#include <QLabel>

namespace vorla::compartment {

ui::GraphResults GraphResultsOf(const Calculations& calc) {
    return ui::GraphResultsOfRun(calc, kResultRowCapacity);
}

frmGraph::frmGraph(const Calculations& calc, frmOutput& output, ui::PlatformServices& services)
    : ResultsGraphWindow(
          services, output,
          {"Upper Layer Temperature", "Layer Interface Height", "Heat Release Rate", "Vent Flow"}),
      calc_(calc) {
    setWindowTitle("VORLA-XW: Graph");
    lblPlotTitle->setText("VORLA-XW RUN TITLE");
}

ui::GraphResults frmGraph::Results() const {
    return GraphResultsOf(calc_);
}

} // namespace vorla::compartment
