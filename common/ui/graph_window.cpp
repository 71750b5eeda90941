#include "common/ui/graph_window.h"

#include "common/axis_scaling.h"
#include "common/ui/graph_plot_area.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace vorla::ui {
namespace {

QLabel* Title(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

} // namespace

GraphWindow::GraphWindow(QWidget* parent) : QWidget(parent) {
    setObjectName("frmGraph");
    setWindowFlag(Qt::Window);

    auto* area = new GraphPlotArea(this);
    picGraph = area->picGraph;
    lblXLabel = area->lblXLabel;
    lblYLabel = area->lblYLabel;

    lblPlotTitle = Title("lblPlotTitle", {}, this);
    lblPlotTitle->setAlignment(Qt::AlignCenter);
    lblPlotTitle->setWordWrap(true);
    QFont titleFont = lblPlotTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    lblPlotTitle->setFont(titleFont);

    lblYTitle = Title("lblYTitle", {}, this);
    lblXTitle = Title("lblXTitle", "Time (min)", this);
    lblXTitle->setAlignment(Qt::AlignCenter);

    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");

    auto* plotColumn = new QVBoxLayout;
    plotColumn->addWidget(lblYTitle);
    plotColumn->addWidget(area, 1);
    plotColumn->addWidget(lblXTitle);

    sidePanel_ = new QVBoxLayout;
    auto* body = new QHBoxLayout;
    body->addLayout(plotColumn, 1);
    auto* side = new QVBoxLayout;
    side->addLayout(sidePanel_);
    side->addStretch(1);
    body->addLayout(side);

    buttonRow_ = new QHBoxLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addLayout(buttonRow_);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPlotTitle);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, cmdClose, &QPushButton::click);
}

void GraphWindow::ScaleTimeAxis(double xmax) {
    const auto axis = vorla::ScaleTimeAxis(xmax);
    XScale = axis.XScale;
    for (int a = 1; a <= 5; ++a) {
        lblXLabel[a]->setText(QString::fromStdString(axis.Labels[a - 1]));
    }
}

void GraphWindow::ScaleValueAxis(double ymax) {
    const auto axis = vorla::ScaleValueAxis(ymax);
    YScale = axis.YScale;
    for (int a = 1; a <= 5; ++a) {
        lblYLabel[a]->setText(QString::fromStdString(axis.Labels[a - 1]));
    }
}

void GraphWindow::PlotSeries(int last) {
    last = std::clamp(last, 0, kPlotCapacity - 1);
    const GraphPicture::Scales scales{XScale, YScale};
    std::vector<QPointF> points;
    points.reserve(static_cast<std::size_t>(last) + 1);
    for (int c = 0; c <= last; ++c) {
        points.push_back(GraphPicture::ValueToLogical(scales, PlotX[c], PlotY[c]));
    }
    picGraph->SetSeries(std::move(points));
}

void GraphWindow::cmdClose_Click() {
    Leave();
}

void GraphWindow::Leave() {
    leaving_ = true;
    if (!inCloseEvent_) {
        close();
        leaving_ = false;
    }
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    if (leaving_) {
        event->accept();
        return;
    }
    // The frame's close button does what Close does, which may keep the window
    // open (a question answered Yes) or only hide it.
    inCloseEvent_ = true;
    cmdClose_Click();
    inCloseEvent_ = false;
    if (leaving_) {
        leaving_ = false;
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace vorla::ui
