#include "smoke_filling/ui/graph_form.h"

#include "zone_models/ui/compared_run.h"
#include "zone_models/ui/tenability_graph.h"
#include "smoke_filling/model/saved_report_reader.h"
#include "smoke_filling/ui/output_form.h"
#include "smoke_filling/ui/report_file_filter.h"

#include <QLabel>

namespace vorla::smoke {

ui::GraphResults GraphResultsOf(const Calculations& calc) {
    return ui::GraphResultsOfRun(calc, kResultRowCapacity);
}

namespace {

QStringList Options(bool tenability) {
    QStringList options{"Upper Layer Temperature", "Layer Interface Height", "Heat Release Rate",
                        "Vent Flow"};
    if (tenability) {
        options += ui::TenabilityGraphOptions();
    }
    return options;
}

} // namespace

frmGraph::frmGraph(const Calculations& calc, frmOutput& output, ui::PlatformServices& services,
                   std::shared_ptr<const tenability::TenabilitySeries> tenability)
    : ResultsGraphWindow(services, output, Options(tenability != nullptr),
                         {"SKEVA-XW", kOpenReportFilter}),
      calc_(calc), tenability_(std::move(tenability)) {
    setWindowTitle("SKEVA-XW: Graph");
    lblPlotTitle->setText("SKEVA-XW RUN TITLE");
}

ui::GraphResults frmGraph::Results() const {
    ui::GraphResults graph = GraphResultsOf(calc_);
    if (tenability_) {
        ui::AddTenabilityQuantities(graph, *tenability_, calc_.Units.System);
    }
    return graph;
}

std::variant<ui::GraphResults, FileProblem>
frmGraph::ReadComparedRun(const std::string& path) const {
    return ui::ReadComparedRun<InputBoxes, UnitTables, RunInputs>(path, calc_.Units.System,
                                                                  ReadSavedReport);
}

} // namespace vorla::smoke
