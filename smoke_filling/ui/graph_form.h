// frmGraph, "SKEVA-XW: Graph": one result of the last smoke filling run against
// time, chosen with the "Graph Selection" options, in the unit system the
// input form shows: the same window as VORLA-XW's graph (the shared results
// graph window). The report window is hidden while the graph is open.
#pragma once

#include "zone_models/ui/results_graph_window.h"
#include "life_safety/tenability/tenability_run.h"
#include "smoke_filling/model/calculations.h"

#include <memory>

namespace vorla::smoke {

class frmOutput;

// The quantities of a smoke filling run in the order of the options: 0 "Upper
// Layer Temperature", 1 "Layer Interface Height", 2 "Heat Release Rate",
// 3 "Vent Flow" (out through the leaks), in the units of `calc.Units`.
ui::GraphResults GraphResultsOf(const Calculations& calc);

class frmGraph final : public ui::ResultsGraphWindow {
    Q_OBJECT
  public:
    // With `tenability`, the values at the run's rows when it followed
    // tenability, the options go on with the four tenability quantities.
    frmGraph(const Calculations& calc, frmOutput& output, ui::PlatformServices& services,
             std::shared_ptr<const tenability::TenabilitySeries> tenability = nullptr);

  private:
    ui::GraphResults Results() const override;
    std::variant<ui::GraphResults, FileProblem>
    ReadComparedRun(const std::string& path) const override;

    const Calculations& calc_;
    std::shared_ptr<const tenability::TenabilitySeries> tenability_;
};

} // namespace vorla::smoke
