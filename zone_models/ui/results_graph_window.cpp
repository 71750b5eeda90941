#include "zone_models/ui/results_graph_window.h"

#include "common/plot/axis_scaling.h"
#include "zone_models/ui/compared_run.h"
#include "common/ui/form_builders.h"
#include "common/ui/platform_services.h"
#include "zone_models/ui/report_window.h"

#include <QGroupBox>
#include <QKeySequence>
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

std::vector<GraphQuantity> GraphQuantitiesIn(UnitSystem units) {
    const bool us = units == UnitSystem::US;
    return {
        {us ? "Upper Layer Temperature (°F)" : "Upper Layer Temperature (°C)", {}},
        {us ? "Layer Interface Height (ft)" : "Layer Interface Height (m)", {}},
        {"Rate of Heat Release (kW)", {}},
        {us ? "Vent Flow (lb/s)" : "Vent Flow (kg/s)", {}},
    };
}

ResultsGraphWindow::ResultsGraphWindow(PlatformServices& services, ReportWindow& report,
                                       const QStringList& options, ComparisonTexts texts)
    : GraphWindow(services), report_(report), texts_(std::move(texts)) {
    setAttribute(Qt::WA_DeleteOnClose);
    cmdCompare =
        AddCommandButton("cmdCompare", "Compare &With…", QKeySequence(Qt::CTRL | Qt::Key_O),
                         "Draw the same quantity of a saved report over this run");
    cmdRemoveComparison =
        AddCommandButton("cmdRemoveComparison", "&Remove Comparison",
                         QKeySequence(Qt::CTRL | Qt::Key_R), "Take the compared run off the graph");
    cmdRemoveComparison->setEnabled(false);
    connect(cmdCompare, &QPushButton::clicked, this, [this] { cmdCompare_Click(); });
    connect(cmdRemoveComparison, &QPushButton::clicked, this,
            [this] { cmdRemoveComparison_Click(); });
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

void ResultsGraphWindow::ShowInPlaceOfReport() {
    report_.hide();
    show();
    raise();
    activateWindow();
    results_ = Results();
    lblPlotTitle->setText(results_.RunTitle);
    // The comparison made before the graph last closed is the report's: shown again.
    if (const auto& kept = report_.ComparedRun()) {
        GraphResults compared;
        compared.Minutes = kept->Minutes;
        for (const auto& values : kept->Values) {
            compared.Quantities.push_back({QString(), values});
        }
        compared_ = std::move(compared);
        currentName_ = QString::fromStdString(kept->CurrentName);
        comparedName_ = QString::fromStdString(kept->Name);
        SetComparisons(currentName_, ComparedCurvesOf(SelectedQuantity()));
        cmdRemoveComparison->setEnabled(true);
    }
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
        return; // before the window first shows
    }
    const GraphQuantity& quantity = results_.Quantities[k];
    const int rows = std::min(RowCount(results_.Minutes), RowCount(quantity.Values));
    const int last = std::max(rows - 1, 0);
    for (int i = 0; i < rows; ++i) {
        PlotY[i] = quantity.Values[i];
    }
    lblYTitle->setText(quantity.AxisTitle);
    SetComparisons(currentName_, ComparedCurvesOf(k));
    ScaleValueAxis(ArrayMaximum(PlotY, last));
    PlotSeries(last);
    cmdClose->setFocus();
}

std::vector<ComparedCurve> ResultsGraphWindow::ComparedCurvesOf(int k) const {
    if (!compared_ || k < 0 || k >= static_cast<int>(compared_->Quantities.size())) {
        return {};
    }
    return {{comparedName_, compared_->Minutes, compared_->Quantities[k].Values}};
}

void ResultsGraphWindow::cmdCompare_Click() {
    const auto path = Services().ChooseFile(
        OpenDialog(kCompareDialogTitle, texts_.ReportFilter, Services().DataDirectory(), {}));
    if (!path) {
        return;
    }
    auto read = ReadComparedRun(*path);
    if (const auto* problem = std::get_if<FileProblem>(&read)) {
        Services().ShowMessage({DescribeFileProblem(*problem), texts_.ProgramTitle,
                                MessageIcon::Critical, MessageButtons::Ok});
        return;
    }
    compared_ = std::move(std::get<GraphResults>(read));
    const auto names = ComparisonLegendNames(results_.RunTitle, compared_->RunTitle, *path);
    currentName_ = names.first;
    comparedName_ = names.second;
    ShowComparisons(currentName_, ComparedCurvesOf(SelectedQuantity()));
    cmdRemoveComparison->setEnabled(true);
    ComparedRunCurves kept{
        currentName_.toStdString(), comparedName_.toStdString(), compared_->Minutes, {}};
    for (const auto& quantity : compared_->Quantities) {
        kept.Values.push_back(quantity.Values);
    }
    report_.SetComparedRun(std::move(kept));
}

void ResultsGraphWindow::cmdRemoveComparison_Click() {
    compared_.reset();
    report_.SetComparedRun(std::nullopt);
    ShowComparisons({}, {});
    // The focus leaves the button before it is disabled, so the keys still work.
    cmdCompare->setFocus(Qt::OtherFocusReason);
    cmdRemoveComparison->setEnabled(false);
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
