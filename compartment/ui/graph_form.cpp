#include "compartment/ui/graph_form.h"

#include "common/units.h"
#include "compartment/ui/output_form.h"

#include <QLabel>

namespace vorla::compartment {

ui::GraphResults GraphResultsOf(const Calculations& calc) {
    const RunResults& results = calc.Results;
    const bool us = calc.Units.System == UnitSystem::US;
    ui::GraphResults graph;
    graph.RunTitle = QString::fromStdString(calc.Inputs.RunTitle);
    graph.Quantities = {
        {us ? "Upper Layer Temperature (°F)" : "Upper Layer Temperature (°C)", {}},
        {us ? "Layer Interface Height (ft)" : "Layer Interface Height (m)", {}},
        {"Rate of Heat Release (kW)", {}},
        {us ? "Vent Flow (lb/s)" : "Vent Flow (kg/s)", {}},
    };
    for (int i = 0; i <= results.LastRow && i < kResultRowCapacity; ++i) {
        graph.Minutes.push_back(results.Time[i] / 60.0);
        graph.Quantities[0].Values.push_back(us ? results.LayerTemperature[i] * 9 / 5 + 32
                                                : results.LayerTemperature[i]);
        graph.Quantities[1].Values.push_back(us ? results.InterfaceHeight[i] / kMetresPerFoot
                                                : static_cast<double>(results.InterfaceHeight[i]));
        graph.Quantities[2].Values.push_back(results.HeatReleaseRate[i]);
        graph.Quantities[3].Values.push_back(us ? results.VentFlow[i] * kPoundsPerKilogram
                                                : results.VentFlow[i]);
    }
    return graph;
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
