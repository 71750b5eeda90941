// The graph window of a model's results (`frmGraph` of VORLA-XW and SKEVA-XW):
// one quantity of the last run against time, chosen with the "Graph Selection"
// options, in the unit system the input form shows. The report window is
// hidden while the graph is open; Close (Escape, the frame's close button)
// brings it back with the focus on its Close.
//
// Compare With… (Ctrl+O) draws a second run of the same program, read from its
// saved report, over the current one: its curve of the selected quantity, in
// the same units, with a legend naming both runs; it stays while the quantity
// changes, until Remove Comparison (Ctrl+R) or another Compare With… replaces
// it. The comparison is the report window's: the graph opened again from the
// same report shows it, and the report's Export Design Report… draws it. A
// file that cannot be read, or is not this program's report, gets the
// program's File Open message and leaves the graph as it was.
//
// A program's window names its options and hands over its results, already in
// the form's units, and reads a compared run with its own saved-report reader
// (zone_models/ui/compared_run.h):
//
//   class frmGraph final : public ui::ResultsGraphWindow {
//       ui::GraphResults Results() const override; // minutes, and one column per option
//       std::variant<ui::GraphResults, FileProblem>
//       ReadComparedRun(const std::string& path) const override;
//   };
#pragma once

#include "common/files/file_problem.h"
#include "common/ui/graph_window.h"
#include "common/text/unit_system.h"
#include "common/text/units.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QGroupBox;
class QRadioButton;

namespace vorla::ui {

class ReportWindow;

// What the comparison's dialog and messages show of the program.
struct ComparisonTexts {
    std::string ProgramTitle; // the title of File Open's messages: "VORLA-XW"
    std::string ReportFilter; // the Open dialog's filter of the program's reports
};

struct GraphQuantity {
    QString AxisTitle;          // "Upper Layer Temperature (°C)", with the unit shown
    std::vector<double> Values; // one a row, in that unit
};

// A run's results as the graph shows them.
struct GraphResults {
    QString RunTitle;
    std::vector<double> Minutes;           // each row's time
    std::vector<GraphQuantity> Quantities; // in the order of the options
};

// The four quantities both models' graphs plot, each with its axis title in
// `units` and no values yet. Heat release is always in kW.
std::vector<GraphQuantity> GraphQuantitiesIn(UnitSystem units);

// The four quantities both models' graphs plot, from a model's finished run
// (its Calculations: the same run inputs, units and result columns under the
// same names in both models), in the form's units. Heat release stays in kW.
template <class Calculations>
GraphResults GraphResultsOfRun(const Calculations& calc, int rowCapacity) {
    const auto& results = calc.Results;
    const bool us = calc.Units.System == UnitSystem::US;
    GraphResults graph;
    graph.RunTitle = QString::fromStdString(calc.Inputs.RunTitle);
    graph.Quantities = GraphQuantitiesIn(calc.Units.System);
    for (int i = 0; i <= results.LastRow && i < rowCapacity; ++i) {
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

class ResultsGraphWindow : public GraphWindow {
    Q_OBJECT
  public:
    // Hides the report, shows this window and plots the first quantity.
    void ShowInPlaceOfReport();
    // Closes the window without showing the report (File Exit).
    void Unload();

  protected:
    // `options` are the captions of the quantities, the first selected.
    ResultsGraphWindow(PlatformServices& services, ReportWindow& report, const QStringList& options,
                       ComparisonTexts texts);

    // The results of the run the report shows.
    virtual GraphResults Results() const = 0;
    // The run saved at `path`, in the units Results() gives, or why it cannot
    // be compared (the message File Open gives for the same file).
    virtual std::variant<GraphResults, FileProblem>
    ReadComparedRun(const std::string& path) const = 0;

    // The option selected now (0 when none is).
    int SelectedQuantity() const;
    // What ShowInPlaceOfReport read.
    const GraphResults& ShownResults() const { return results_; }

    // Plots the selected quantity again (after the series changed).
    void optPlotVariable_Click();

  private:
    void cmdClose_Click() override;
    void cmdCompare_Click();
    void cmdRemoveComparison_Click();

    // The compared run's curve of quantity k, named for the legend; none
    // without a comparison.
    std::vector<ComparedCurve> ComparedCurvesOf(int k) const;

    QGroupBox* fraGraphSelection;
    std::vector<QRadioButton*> optPlotVariable;
    QPushButton* cmdCompare;
    QPushButton* cmdRemoveComparison;

    ReportWindow& report_;
    ComparisonTexts texts_;
    GraphResults results_;
    std::optional<GraphResults> compared_;
    // The legend's names of the current run and the compared one.
    QString currentName_;
    QString comparedName_;
};

} // namespace vorla::ui
