#include "common/ui/results_graph_window.h"

#include "common/axis_scaling.h"
#include "common/ui/form_builders.h"
#include "common/ui/report_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vorla::ui {
namespace {

// Rows past the arrays are not drawn; a run never has that many.
int RowCount(const std::vector<double>& column) {
    return std::min(static_cast<int>(column.size()), kPlotCapacity);
}

} // namespace

ResultsGraphWindow::ResultsGraphWindow(PlatformServices& services, ReportWindow& report,
                                       const QStringList& options)
    : GraphWindow(services), report_(report) {
    setAttribute(Qt::WA_DeleteOnClose);
    fraGraphSelection = MakeFrame("fraGraphSelection", "Graph Selection", this);
    auto* layout = new QVBoxLayout(fraGraphSelection);
    for (int k = 0; k < options.size(); ++k) {
        auto* option = MakeOption(ArrayName("optPlotVariable", k), options[k], fraGraphSelection);
        optPlotVariable.push_back(option);
        layout->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected) {
                optPlotVariable_Click();
            }
        });
    }
    if (!optPlotVariable.empty()) {
        optPlotVariable.front()->setChecked(true);
        ChainButtonsAfter(optPlotVariable.back());
    }
    SidePanel()->addWidget(fraGraphSelection);
}

int ResultsGraphWindow::SelectedQuantity() const {
    for (std::size_t k = 0; k < optPlotVariable.size(); ++k) {
        if (optPlotVariable[k]->isChecked()) {
            return static_cast<int>(k);
        }
    }
    return 0;
}

void ResultsGraphWindow::Form_Load() {
    report_.hide();
    show();
    raise();
    activateWindow();
    results_ = Results();
    lblPlotTitle->setText(results_.RunTitle);
    const int rows = RowCount(results_.Minutes);
    for (int i = 0; i < rows; ++i) {
        PlotX[i] = results_.Minutes[i];
    }
    ScaleTimeAxis(ArrayMaximum(PlotX, std::max(rows - 1, 0)));
    optPlotVariable_Click();
}

void ResultsGraphWindow::optPlotVariable_Click() {
    const int k = SelectedQuantity();
    if (k >= static_cast<int>(results_.Quantities.size())) {
        return; // before Form_Load
    }
    const GraphQuantity& quantity = results_.Quantities[k];
    const int rows = std::min(RowCount(results_.Minutes), RowCount(quantity.Values));
    const int last = std::max(rows - 1, 0);
    for (int i = 0; i < rows; ++i) {
        PlotY[i] = quantity.Values[i];
    }
    lblYTitle->setText(quantity.AxisTitle);
    ScaleValueAxis(ArrayMaximum(PlotY, last));
    PlotSeries(last);
    cmdClose->setFocus();
}

void ResultsGraphWindow::cmdClose_Click() {
    // The report shows first, so the program never has no window open.
    report_.ShowAgain();
    Leave();
}

void ResultsGraphWindow::Unload() {
    Leave();
}

} // namespace vorla::ui
