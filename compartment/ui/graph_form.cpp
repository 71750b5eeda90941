#include "compartment/ui/graph_form.h"

#include "common/axis_scaling.h"
#include "common/ui/form_builders.h"
#include "common/units.h"
#include "compartment/ui/output_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vorla::compartment {

frmGraph::frmGraph(const Calculations& calc, frmOutput& output) : calc_(calc), output_(output) {
    setWindowTitle("VORLA-XW: Graph");
    setAttribute(Qt::WA_DeleteOnClose);
    lblPlotTitle->setText("VORLA-XW RUN TITLE");

    fraGraphSelection = ui::MakeFrame("fraGraphSelection", "Graph Selection", this);
    const char* captions[] = {"Upper Layer Temperature", "Layer Interface Height",
                              "Heat Release Rate", "Vent Flow"};
    auto* options = new QVBoxLayout(fraGraphSelection);
    for (int k = 0; k < 4; ++k) {
        optPlotVariable[k] =
            ui::MakeOption(ui::ArrayName("optPlotVariable", k), captions[k], fraGraphSelection);
        options->addWidget(optPlotVariable[k]);
    }
    optPlotVariable[0]->setChecked(true);
    SidePanel()->addWidget(fraGraphSelection);

    for (auto* option : optPlotVariable) {
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected) {
                optPlotVariable_Click();
            }
        });
    }
    setTabOrder(optPlotVariable[3], cmdClose);
}

void frmGraph::Form_Load() {
    output_.hide();
    show();
    raise();
    activateWindow();
    const RunResults& results = calc_.Results;
    const int last = results.LastRow;
    lblPlotTitle->setText(QString::fromStdString(calc_.Inputs.RunTitle));
    for (int i = 0; i <= last; ++i) {
        PlotX[i] = results.Time[i] / 60.0;
    }
    ScaleTimeAxis(ArrayMaximum(PlotX, last));
    optPlotVariable_Click();
}

void frmGraph::optPlotVariable_Click() {
    int k = 0;
    while (k < 4 && !optPlotVariable[k]->isChecked()) {
        ++k;
    }
    const RunResults& results = calc_.Results;
    const int last = results.LastRow;
    const bool us = calc_.Units.System == UnitSystem::US;
    for (int i = 0; i <= last; ++i) {
        switch (k) {
        case 3:
            PlotY[i] = us ? results.VentFlow[i] * kPoundsPerKilogram : results.VentFlow[i];
            break;
        case 2:
            PlotY[i] = results.HeatReleaseRate[i];
            break;
        case 1:
            PlotY[i] = us ? results.InterfaceHeight[i] / kMetresPerFoot
                          : static_cast<double>(results.InterfaceHeight[i]);
            break;
        default:
            PlotY[i] = us ? results.LayerTemperature[i] * 9 / 5 + 32 : results.LayerTemperature[i];
            break;
        }
    }
    switch (k) {
    case 3:
        lblYTitle->setText(us ? "Vent Flow (lb/s)" : "Vent Flow (kg/s)");
        break;
    case 2:
        lblYTitle->setText("Rate of Heat Release (kW)");
        break;
    case 1:
        lblYTitle->setText(us ? "Layer Interface Height (ft)" : "Layer Interface Height (m)");
        break;
    default:
        lblYTitle->setText(us ? "Upper Layer Temperature (°F)" : "Upper Layer Temperature (°C)");
        break;
    }
    ScaleValueAxis(ArrayMaximum(PlotY, last));
    PlotSeries(last);
    cmdClose->setFocus();
}

void frmGraph::cmdClose_Click() {
    // The report shows first, so the program never has no window open.
    output_.ShowAgain();
    Leave();
}

void frmGraph::Unload() {
    Leave();
}

} // namespace vorla::compartment
