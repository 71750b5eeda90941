// frmGraph, "VORLA-XW: Graph": one result of the last run against time, chosen
// with the "Graph Selection" options, in the unit system the input form shows.
// The report window is hidden while the graph is open; Close (Escape, the
// frame's close button) brings it back with the focus on its Close.
#pragma once

#include "common/ui/graph_window.h"
#include "compartment/model/calculations.h"

#include <array>

class QGroupBox;
class QRadioButton;

namespace vorla::compartment {

class frmOutput;

class frmGraph final : public ui::GraphWindow {
    Q_OBJECT
  public:
    frmGraph(const Calculations& calc, frmOutput& output);

    // Hides the report, shows this window and plots the temperature.
    void Form_Load();
    // Closes the window without showing the report (File Exit).
    void Unload();

  private:
    void optPlotVariable_Click();
    void cmdClose_Click() override;

    QGroupBox* fraGraphSelection;
    // 0 "Upper Layer Temperature", 1 "Layer Interface Height",
    // 2 "Heat Release Rate", 3 "Vent Flow".
    std::array<QRadioButton*, 4> optPlotVariable{};

    const Calculations& calc_;
    frmOutput& output_;
};

} // namespace vorla::compartment
