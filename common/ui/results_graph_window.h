// The graph window of a model's results (`frmGraph` of VORLA-XW and SKEVA-XW):
// one quantity of the last run against time, chosen with the "Graph Selection"
// options, in the unit system the input form shows. The report window is
// hidden while the graph is open; Close (Escape, the frame's close button)
// brings it back with the focus on its Close.
//
// A program's window names its options and hands over its results, already in
// the form's units:
//
//   class frmGraph final : public ui::ResultsGraphWindow {
//       ui::GraphResults Results() const override; // minutes, and one column per option
//   };
#pragma once

#include "common/ui/graph_window.h"

#include <QString>
#include <QStringList>
#include <vector>

class QGroupBox;
class QRadioButton;

namespace vorla::ui {

class ReportWindow;

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

class ResultsGraphWindow : public GraphWindow {
    Q_OBJECT
  public:
    // Hides the report, shows this window and plots the first quantity.
    void Form_Load();
    // Closes the window without showing the report (File Exit).
    void Unload();

  protected:
    // `options` are the captions of the quantities, the first selected.
    ResultsGraphWindow(PlatformServices& services, ReportWindow& report,
                       const QStringList& options);

    // The results of the run the report shows.
    virtual GraphResults Results() const = 0;

    // The option selected now (0 when none is).
    int SelectedQuantity() const;
    // What Form_Load read.
    const GraphResults& ShownResults() const { return results_; }

    // Plots the selected quantity again (after the series changed).
    void optPlotVariable_Click();

  private:
    void cmdClose_Click() override;

    QGroupBox* fraGraphSelection;
    std::vector<QRadioButton*> optPlotVariable;

    ReportWindow& report_;
    GraphResults results_;
};

} // namespace vorla::ui
