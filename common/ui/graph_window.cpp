#include "common/ui/graph_window.h"

#include "common/plot/axis_scaling.h"
#include "common/plot/axis_ticks.h"
#include "common/plot/curve_reading.h"
#include "common/plot/legend_place.h"
#include "common/plot/plot_files.h"
#include "common/ui/axes_dialog.h"
#include "common/ui/graph_export.h"
#include "common/ui/graph_plot_area.h"
#include "common/ui/platform_services.h"
#include "common/ui/preferences_dialog.h"
#include "common/ui/program_settings.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace vorla::ui {
namespace {

QLabel* Title(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

// "kW" of "Rate of Heat Release (kW)": the unit the axis title names.
QString UnitOfTitle(const QString& title) {
    const auto open = title.lastIndexOf(u'(');
    const auto close = title.lastIndexOf(u')');
    return open >= 0 && close > open ? title.mid(open + 1, close - open - 1) : QString();
}

// About four significant digits at the axis' full scale: 412.5 of 1000 kW,
// 0.01234 of 0.05 kg/s.
int ValueDecimals(double fullScale) {
    if (!(fullScale > 0) || !std::isfinite(fullScale)) {
        return 2;
    }
    return std::clamp(3 - static_cast<int>(std::floor(std::log10(fullScale))), 0, 6);
}

// A button whose shortcut works anywhere in the window and is named in its tool tip.
QPushButton* ShortcutButton(const QString& objectName, const QString& caption,
                            const QKeySequence& keys, const QString& toolTip, QWidget* window) {
    auto* button = new QPushButton(caption, window);
    button->setObjectName(objectName);
    button->setToolTip(QString("%1 (%2)").arg(toolTip, keys.toString(QKeySequence::NativeText)));
    auto* shortcut = new QShortcut(keys, window);
    QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    return button;
}

QColor ToQColor(plot::Rgb colour) {
    return {colour.Red, colour.Green, colour.Blue};
}

// The largest finite value of a column, by the axes' own rule.
double ColumnMaximum(const std::vector<double>& column) {
    return column.empty() ? 0 : ArrayMaximum(column, static_cast<int>(column.size()) - 1);
}

} // namespace

GraphWindow::GraphWindow(PlatformServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName("frmGraph");
    setWindowFlag(Qt::Window);

    auto* area = new GraphPlotArea(this);
    area_ = area;
    picGraph = area->picGraph;
    // The theme chosen in Preferences… when the window opens.
    theme_ = ProgramSettings().GraphThemePreference();
    picGraph->SetTheme(theme_);
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

    cmdExport = ShortcutButton("cmdExport", "&Export…", QKeySequence(Qt::CTRL | Qt::Key_E),
                               "Write the graph to a PNG, SVG or PDF file", this);
    cmdCopyImage = ShortcutButton("cmdCopyImage", "Copy &Image", QKeySequence::Copy,
                                  "Copy the graph to the clipboard as a picture", this);
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
    commandRow_ = new QHBoxLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdCopyImage);
    buttons->addLayout(commandRow_);
    buttons->addStretch(1);
    buttons->addLayout(buttonRow_);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    // The Graph menu opens on the plot (right click, the Menu key or
    // Shift+F10 with the focus on it), so the window keeps its picture; its
    // shortcuts work anywhere in the window.
    mnuGraph = new QMenu("&Graph", this);
    mnuGraph->setObjectName("mnuGraph");
    const auto addItem = [this](const char* name, const QString& caption, const QKeySequence& keys,
                                void (GraphWindow::*handler)()) {
        auto* action = mnuGraph->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    addItem("mnuZoomIn", "Zoom &In", QKeySequence(Qt::Key_Plus), &GraphWindow::mnuZoomIn_Click);
    addItem("mnuZoomOut", "Zoom &Out", QKeySequence(Qt::Key_Minus), &GraphWindow::mnuZoomOut_Click);
    mnuResetZoom = addItem("mnuResetZoom", "&Reset Zoom", QKeySequence(Qt::CTRL | Qt::Key_0),
                           &GraphWindow::mnuResetZoom_Click);
    mnuGraph->addSeparator();
    addItem("mnuAxes", "&Axes…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
            &GraphWindow::mnuAxes_Click);
    picGraph->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picGraph, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { mnuGraph->popup(picGraph->mapToGlobal(at)); });
    layout->addWidget(lblPlotTitle);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(picGraph, &GraphPicture::PointerMoved, this, [this](QPointF logical) {
        ShowReadingAt(GraphPicture::LogicalToValue(scales_, logical).x());
    });
    connect(picGraph, &GraphPicture::BoxChosen, this, [this](QRectF box) { ZoomToBox(box); });
    connect(picGraph, &GraphPicture::DoubleClicked, this, [this] { mnuResetZoom_Click(); });
    connect(&PreferencesChanges(), &PreferencesSignals::Changed, this,
            [this] { FollowTimeAxisUnit(); });
    connect(picGraph, &GraphPicture::PointerLeft, this, [this] { ShowReadingAt(std::nullopt); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(cmdCopyImage, &QPushButton::clicked, this, [this] { cmdCopyImage_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    // Escape first undoes a zoom; on the automatic axes it closes.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (Zoomed()) {
            mnuResetZoom_Click();
        } else {
            cmdClose->click();
        }
    });
    // Until the derived window scales them, the axes read 0 throughout.
    xAutoLabels_.fill("0");
    yAutoLabels_.fill("0");
    scales_ = {XScale, YScale, 0, 0};
    seconds_ = ProgramSettings().TimeAxisUnitPreference() == TimeAxisUnit::Seconds;
    if (seconds_) {
        lblXTitle->setText("Time (s)");
        ApplyAxes();
    }
}

double GraphWindow::TimeFactor() const {
    return seconds_ ? 60 : 1;
}

void GraphWindow::FollowTimeAxisUnit() {
    const bool seconds = ProgramSettings().TimeAxisUnitPreference() == TimeAxisUnit::Seconds;
    if (seconds == seconds_) {
        return;
    }
    // A chosen tick step is in the unit shown: it changes with it.
    if (xView_ && xView_->Step) {
        xView_->Step = *xView_->Step * (seconds ? 60 : 1.0 / 60);
    }
    seconds_ = seconds;
    lblXTitle->setText(seconds_ ? "Time (s)" : "Time (min)");
    Redraw();
}

void GraphWindow::ApplyAxes() {
    using Tick = GraphPlotArea::TickLabel;
    const auto inside = [](const AxisTicks& axis) {
        std::vector<double> fractions;
        for (const auto& tick : axis.Ticks) {
            if (tick.Fraction > 1e-9 && tick.Fraction < 1 - 1e-9) {
                fractions.push_back(tick.Fraction);
            }
        }
        return fractions;
    };
    const auto labels = [](const AxisTicks& axis) {
        std::vector<Tick> ticks;
        for (const auto& tick : axis.Ticks) {
            ticks.push_back({tick.Fraction, QString::fromStdString(tick.Label)});
        }
        return ticks;
    };
    std::optional<std::vector<double>> xGrid;
    std::optional<std::vector<double>> yGrid;

    scales_ = {XScale, YScale, 0, 0};
    xShown_.reset();
    if (xView_ || seconds_) {
        const double factor = TimeFactor();
        const double min = xView_ ? xView_->Min : 0;
        const double max = xView_ ? xView_->Max : XScale;
        const auto kind = seconds_ ? AxisTickKind::Seconds : AxisTickKind::Minutes;
        const std::optional<double> step = xView_ ? xView_->Step : std::nullopt;
        xShown_ = TicksOver(kind, min * factor, max * factor, step);
        if (!xShown_) {
            xShown_ = TicksOver(kind, min * factor, max * factor, std::nullopt);
        }
    }
    if (xShown_) {
        scales_.XMin = xShown_->Min / TimeFactor();
        scales_.X = xShown_->Max / TimeFactor();
        area_->SetTicks(Qt::Horizontal, labels(*xShown_));
        xGrid = inside(*xShown_);
    } else {
        area_->SetTicks(Qt::Horizontal, std::nullopt);
        lblXLabel[0]->setText("0");
        for (int a = 1; a <= 5; ++a) {
            lblXLabel[a]->setText(xAutoLabels_[a - 1]);
        }
    }

    yShown_.reset();
    if (yView_) {
        yShown_ = TicksOver(AxisTickKind::Value, yView_->Min, yView_->Max, yView_->Step);
        if (!yShown_) {
            yShown_ = TicksOver(AxisTickKind::Value, yView_->Min, yView_->Max, std::nullopt);
        }
    }
    if (yShown_) {
        scales_.YMin = yShown_->Min;
        scales_.Y = yShown_->Max;
        area_->SetTicks(Qt::Vertical, labels(*yShown_));
        yGrid = inside(*yShown_);
    } else {
        area_->SetTicks(Qt::Vertical, std::nullopt);
        lblYLabel[0]->setText("0");
        for (int a = 1; a <= 5; ++a) {
            lblYLabel[a]->setText(yAutoLabels_[a - 1]);
        }
    }
    if (xGrid || yGrid) {
        picGraph->SetGrid(std::move(xGrid), std::move(yGrid));
    } else {
        picGraph->SetGrid(std::nullopt, std::nullopt);
    }
    mnuResetZoom->setEnabled(Zoomed());
}

void GraphWindow::Redraw() {
    ApplyAxes();
    if (plottedLast_ >= 0) {
        PlotSeries(plottedLast_);
    }
}

bool GraphWindow::ZoomableTo(double xSpan, double ySpan) const {
    // Between a ten-thousandth and ten thousand times the automatic scales:
    // the tick labels stay apart and the numbers finite.
    const auto within = [](double span, double full) {
        return std::isfinite(span) && span >= 1e-4 * full && span <= 1e4 * full;
    };
    return within(xSpan, XScale) && within(ySpan, YScale);
}

void GraphWindow::ZoomToBox(QRectF logical) {
    if (plottedLast_ < 0) {
        return;
    }
    const QPointF low = GraphPicture::LogicalToValue(scales_, logical.bottomLeft());
    const QPointF high = GraphPicture::LogicalToValue(scales_, logical.topRight());
    if (!(low.x() < high.x()) || !(low.y() < high.y()) ||
        !ZoomableTo(high.x() - low.x(), high.y() - low.y())) {
        return;
    }
    xView_ = AxisView{low.x(), high.x(), std::nullopt};
    yView_ = AxisView{low.y(), high.y(), std::nullopt};
    Redraw();
}

void GraphWindow::ZoomBy(double factor) {
    if (plottedLast_ < 0) {
        return;
    }
    const double xMid = (scales_.XMin + scales_.X) / 2;
    const double yMid = (scales_.YMin + scales_.Y) / 2;
    const double xHalf = (scales_.X - scales_.XMin) / 2 * factor;
    const double yHalf = (scales_.Y - scales_.YMin) / 2 * factor;
    if (!ZoomableTo(2 * xHalf, 2 * yHalf)) {
        return; // as far as the zoom goes
    }
    xView_ = AxisView{xMid - xHalf, xMid + xHalf, std::nullopt};
    yView_ = AxisView{yMid - yHalf, yMid + yHalf, std::nullopt};
    Redraw();
}

void GraphWindow::mnuZoomIn_Click() {
    ZoomBy(0.5);
}

void GraphWindow::mnuZoomOut_Click() {
    ZoomBy(2);
}

void GraphWindow::mnuResetZoom_Click() {
    if (!Zoomed()) {
        return;
    }
    xView_.reset();
    yView_.reset();
    Redraw();
}

void GraphWindow::mnuAxes_Click() {
    const double factor = TimeFactor();
    const auto choiceOf = [](const std::optional<AxisView>& view, double unit) {
        AxisChoice choice;
        if (view) {
            choice = {view->Min * unit, view->Max * unit, view->Step};
        }
        return choice;
    };
    const std::pair<double, double> xAutomatic{0, XScale * factor};
    const std::pair<double, double> yAutomatic{0, YScale};
    // Window-modal and not exec(): the graph stays painted behind it.
    auto* dialog =
        new AxesDialog(Services(), windowTitle(), lblXTitle->text(), lblYTitle->text(),
                       choiceOf(xView_, factor), choiceOf(yView_, 1), xAutomatic, yAutomatic, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, factor, xAutomatic, yAutomatic] {
        const auto viewOf = [](const AxisChoice& choice, std::pair<double, double> automatic,
                               double unit) -> std::optional<AxisView> {
            if (!choice.Min && !choice.Max && !choice.Step) {
                return std::nullopt; // all automatic
            }
            return AxisView{choice.Min.value_or(automatic.first) / unit,
                            choice.Max.value_or(automatic.second) / unit, choice.Step};
        };
        xView_ = viewOf(dialog->X(), xAutomatic, factor);
        yView_ = viewOf(dialog->Y(), yAutomatic, 1);
        Redraw();
    });
    dialog->open();
}

void GraphWindow::ScaleTimeAxis(double xmax) {
    xSeriesMaximum_ = xmax;
    for (const auto& curve : comparisons_) {
        xmax = std::max(xmax, ColumnMaximum(curve.Minutes));
    }
    xMaximum_ = xmax;
    const auto axis = vorla::ScaleTimeAxis(xmax);
    XScale = axis.XScale;
    for (int a = 1; a <= 5; ++a) {
        xAutoLabels_[a - 1] = QString::fromStdString(axis.Labels[a - 1]);
    }
    ApplyAxes();
}

void GraphWindow::ScaleValueAxis(double ymax) {
    ySeriesMaximum_ = ymax;
    for (const auto& curve : comparisons_) {
        ymax = std::max(ymax, ColumnMaximum(curve.Values));
    }
    yMaximum_ = ymax;
    const auto axis = vorla::ScaleValueAxis(ymax);
    YScale = axis.YScale;
    for (int a = 1; a <= 5; ++a) {
        yAutoLabels_[a - 1] = QString::fromStdString(axis.Labels[a - 1]);
    }
    ApplyAxes();
}

void GraphWindow::PlotSeries(int last) {
    last = std::clamp(last, 0, kPlotCapacity - 1);
    const GraphPicture::Scales scales = scales_;
    std::vector<QPointF> points;
    points.reserve(static_cast<std::size_t>(last) + 1);
    for (int c = 0; c <= last; ++c) {
        points.push_back(GraphPicture::ValueToLogical(scales, PlotX[c], PlotY[c]));
    }
    picGraph->SetSeries(std::move(points));
    plottedLast_ = last;
    picGraph->SetComparisons(currentName_, ComparedCurvesOnScales(), CurrentPlot().Legend);
    ShowReadingAt(readingMinutes_); // the same time on the new curve
}

std::vector<GraphPicture::Curve> GraphWindow::ComparedCurvesOnScales() const {
    const GraphPicture::Scales scales = scales_;
    std::vector<GraphPicture::Curve> curves;
    for (std::size_t k = 0; k < comparisons_.size(); ++k) {
        const auto& compared = comparisons_[k];
        GraphPicture::Curve curve{
            compared.Name, ToQColor(plot::ThemedColour(plot::kSeriesColours[k + 1], theme_)), {}};
        const std::size_t count = std::min(compared.Minutes.size(), compared.Values.size());
        curve.Points.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            curve.Points.push_back(
                GraphPicture::ValueToLogical(scales, compared.Minutes[i], compared.Values[i]));
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}

void GraphWindow::SetComparisons(const QString& currentName, std::vector<ComparedCurve> curves) {
    if (curves.size() > kMostComparedCurves) {
        curves.resize(kMostComparedCurves);
    }
    currentName_ = currentName;
    comparisons_ = std::move(curves);
}

void GraphWindow::ShowComparisons(const QString& currentName, std::vector<ComparedCurve> curves) {
    SetComparisons(currentName, std::move(curves));
    if (plottedLast_ < 0) {
        return; // drawn with the first series
    }
    ScaleTimeAxis(xSeriesMaximum_);
    ScaleValueAxis(ySeriesMaximum_);
    PlotSeries(plottedLast_);
}

QPushButton* GraphWindow::AddCommandButton(const QString& objectName, const QString& caption,
                                           const QKeySequence& keys, const QString& toolTip) {
    auto* button = ShortcutButton(objectName, caption, keys, toolTip, this);
    setTabOrder(commandButtons_.empty() ? cmdCopyImage : commandButtons_.back(), button);
    commandRow_->addWidget(button);
    commandButtons_.push_back(button);
    return button;
}

QString GraphWindow::ReadoutText() const {
    return picGraph->Readout();
}

void GraphWindow::ShowReadingAt(std::optional<double> minutes) {
    readingMinutes_ = minutes;
    const auto count = static_cast<std::size_t>(plottedLast_ + 1);
    const auto reading = minutes ? ReadCurveAt(std::span(PlotX).first(count),
                                               std::span(PlotY).first(count), *minutes)
                                 : std::nullopt;
    if (!reading) {
        picGraph->SetCrosshair(std::nullopt);
        return;
    }
    const QString unit = UnitOfTitle(lblYTitle->text());
    const QString text =
        QString("%1 %2   %3 %4")
            .arg(seconds_ ? reading->Time * 60 : reading->Time, 0, 'f', seconds_ ? 1 : 3)
            .arg(seconds_ ? "s" : "min")
            .arg(reading->Value, 0, 'f', ValueDecimals(YScale))
            .arg(unit)
            .trimmed();
    picGraph->SetCrosshair(GraphPicture::ValueToLogical(scales_, reading->Time, reading->Value),
                           text);
}

void GraphWindow::keyPressEvent(QKeyEvent* event) {
    const bool right = event->key() == Qt::Key_Right;
    if ((right || event->key() == Qt::Key_Left) && plottedLast_ >= 0) {
        const auto times = std::span(PlotX).first(static_cast<std::size_t>(plottedLast_ + 1));
        // From no crosshair, Right starts at the first row and Left at the last.
        const double from = readingMinutes_.value_or(right ? -INFINITY : INFINITY);
        if (const auto row = NextRow(times, from, right)) {
            ShowReadingAt(times[static_cast<std::size_t>(*row)]);
        }
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

plot::Plot GraphWindow::CurrentPlot() const {
    plot::Plot plot;
    plot.Title = lblPlotTitle->text().toStdString();
    plot.X.Title = lblXTitle->text().toStdString();
    plot.X.Maximum = xMaximum_;
    plot.Y.Title = lblYTitle->text().toStdString();
    plot.Y.Maximum = yMaximum_;
    // Time in seconds and chosen ranges: the axes as shown.
    plot.X.Range = xShown_;
    plot.Y.Range = yShown_;
    const double factor = TimeFactor();
    if (plottedLast_ >= 0) {
        plot::PlotSeries series;
        series.Name = comparisons_.empty() ? plot.Title : currentName_.toStdString();
        for (int c = 0; c <= plottedLast_; ++c) {
            series.Points.push_back({PlotX[c] * factor, PlotY[c]});
        }
        plot.Series.push_back(std::move(series));
        for (std::size_t k = 0; k < comparisons_.size(); ++k) {
            const auto& compared = comparisons_[k];
            plot::PlotSeries curve;
            curve.Name = compared.Name.toStdString();
            curve.Colour = plot::kSeriesColours[k + 1];
            const std::size_t count = std::min(compared.Minutes.size(), compared.Values.size());
            for (std::size_t i = 0; i < count; ++i) {
                curve.Points.push_back({compared.Minutes[i] * factor, compared.Values[i]});
            }
            plot.Series.push_back(std::move(curve));
        }
    }
    plot.Legend = plot::LeastCoveredCorner(plot);
    plot.Theme = theme_;
    return plot;
}

void GraphWindow::ChainButtonsAfter(QWidget* last) {
    setTabOrder(last, picGraph);
    setTabOrder(picGraph, cmdExport);
    setTabOrder(cmdExport, cmdCopyImage);
    QWidget* previous = cmdCopyImage;
    for (auto* button : commandButtons_) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, cmdClose);
}

void GraphWindow::cmdExport_Click() {
    const auto path =
        services_.ChooseFile(SaveAsDialog("Export Graph", kGraphExportFilter, {}, "graph.png"));
    if (!path) {
        return;
    }
    if (const auto error = ExportGraph(*path, CurrentPlot(), size(),
                                       GraphPixelSize(size(), devicePixelRatioF()))) {
        services_.ShowMessage({*error + " The graph is not exported.", windowTitle().toStdString(),
                               MessageIcon::Exclamation, MessageButtons::Ok});
    }
}

void GraphWindow::cmdCopyImage_Click() {
    const QSize pixels = GraphPixelSize(size(), devicePixelRatioF());
    QImage image = plot::RenderPlotImage(CurrentPlot(), pixels);
    image.setDevicePixelRatio(devicePixelRatioF());
    QGuiApplication::clipboard()->setImage(image);
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
