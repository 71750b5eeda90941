// The window base shared by the graph windows (`frmGraph`) of VORLA-XW and
// QDOT-XW: one quantity against time in minutes, with the plotting area and its
// tick labels, the titles, and Close. A derived window fills the series and adds
// its own controls: an option group in SidePanel(), buttons in ButtonRow().
//
//   for (int i = 0; i <= last; ++i) { PlotX[i] = time[i] / 60.0; }
//   ScaleTimeAxis(vorla::ArrayMaximum(PlotX, last));
//   for (int i = 0; i <= last; ++i) { PlotY[i] = rate[i]; }
//   lblYTitle->setText("Rate of Heat Release (kW)");
//   ScaleValueAxis(vorla::ArrayMaximum(PlotY, last));
//   PlotSeries(last);
//
// Export… (Ctrl+E) writes the graph as a PNG, SVG or PDF file and Copy Image
// (Ctrl+C) puts it on the clipboard, both painted by the suite's plot painter
// at the window's size (common/ui/graph_export.h).
//
// A derived window may draw other curves beside the current one to compare
// them (ShowComparisons): each in its own colour of the plot palette, after
// the current curve, with a legend naming the current curve and each of them;
// both axes then cover every curve shown, and Export… and Copy Image show them
// too. Its Compare buttons go beside Copy Image (AddCommandButton).
//
// Moving the mouse over the plot shows a crosshair and the time and value of
// the curve at that time, interpolated between rows (common/plot/curve_reading.h);
// with the focus on the plot (Tab reaches it), Left and Right move it row by row.
// It reads the current curve only, never a compared one.
//
// The time axis reads minutes or seconds as Preferences… chooses (the series
// stay in minutes; only the axis, the readout and the exports follow), and
// follows a change made while the window is open. The Graph menu (mnuGraph,
// opened on the plot by a right click, the Menu key or Shift+F10) zooms: drag
// a box with the left button to show only what it holds; Zoom In (+) and Zoom
// Out (-) halve and double both ranges about their centre; Reset Zoom
// (Ctrl+0, a double click, or Escape while zoomed) returns to the automatic
// axes; Axes… (Ctrl+Shift+A) types each axis' range and tick step. Export…
// and Copy Image draw the axes as they are shown, zoomed or not.
//
// Escape presses Close. The frame's close button also runs cmdClose_Click(),
// which a derived window overrides (it may ask a question and stay open); the
// window then leaves with Leave() (closed) or hide().
#pragma once

#include "common/plot/plot.h"
#include "common/ui/graph_picture.h"

#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

class QBoxLayout;
class QCloseEvent;
class QKeyEvent;
class QHBoxLayout;
class QKeySequence;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QVBoxLayout;

namespace vorla::ui {

class GraphPlotArea;
class PlatformServices;

// Room for every point of a result table (rows 0 to 1802).
inline constexpr int kPlotCapacity = 1803;

// A curve drawn beside the current one: its name in the legend, and its
// points, time in minutes and the value in the unit of the value axis.
struct ComparedCurve {
    QString Name;
    std::vector<double> Minutes;
    std::vector<double> Values;
};

// Each compared curve takes the next colour of the plot palette after the
// current curve's yellow; there are colours for this many.
inline constexpr std::size_t kMostComparedCurves = plot::kSeriesColours.size() - 1;

class GraphWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GraphWindow(PlatformServices& services, QWidget* parent = nullptr);

    // What the window shows as a plot value: its title, the value axis' title,
    // the series last plotted and the compared curves after it, with the
    // legend's corner when there are any, on the scales of the window's axes.
    plot::Plot CurrentPlot() const;

    // The crosshair's readout, "2.500 min   412.5 kW" (or "150.0 s   412.5 kW");
    // empty when it is hidden.
    QString ReadoutText() const;

    // The axes as the window shows them now: their ends (the time axis' in
    // minutes) and whether a zoom or the Axes… dialog chose them.
    GraphPicture::Scales ShownScales() const { return scales_; }
    bool Zoomed() const { return xView_.has_value() || yView_.has_value(); }

    // Graph menu.
    QMenu* GraphMenu() const { return mnuGraph; }
    void mnuZoomIn_Click();
    void mnuZoomOut_Click();
    void mnuResetZoom_Click();
    void mnuAxes_Click();

  protected:
    GraphPicture* picGraph;
    std::array<QLabel*, 6> lblXLabel{};
    std::array<QLabel*, 6> lblYLabel{};
    QLabel* lblXTitle;
    QLabel* lblYTitle;
    QLabel* lblPlotTitle;
    QPushButton* cmdExport;
    QPushButton* cmdCopyImage;
    QPushButton* cmdClose;

    // The series: time in minutes and the value in the unit of lblYTitle.
    std::array<double, kPlotCapacity> PlotX{};
    std::array<double, kPlotCapacity> PlotY{};
    double XScale = 1;    // full-scale time, minutes
    float YScale = 0.05F; // full-scale value

    // Set XScale (YScale) and the captions of lblXLabel(1..5) (lblYLabel(1..5)),
    // for `xmax` (`ymax`) and the largest time (value) of the compared curves.
    void ScaleTimeAxis(double xmax);
    void ScaleValueAxis(double ymax);

    // The curves compared with the current one, which the legend names
    // `currentName`; those past kMostComparedCurves are left out. They are
    // drawn by the next scaling and PlotSeries: a derived window that plots
    // anew sets them first.
    void SetComparisons(const QString& currentName, std::vector<ComparedCurve> curves);
    // The same, then the axes scaled again and the current series drawn again
    // with them (when one was plotted).
    void ShowComparisons(const QString& currentName, std::vector<ComparedCurve> curves);
    const std::vector<ComparedCurve>& Comparisons() const { return comparisons_; }

    // A button of the derived window beside Copy Image (and its earlier ones),
    // reached with `keys` anywhere in the window, named in its tool tip. Tab
    // takes it after them.
    QPushButton* AddCommandButton(const QString& objectName, const QString& caption,
                                  const QKeySequence& keys, const QString& toolTip);

    // Clears picGraph and draws points 0..last of PlotX and PlotY against the
    // current scales: a single point when last is 0. `last` is kept inside the
    // arrays, so nothing past them is ever read.
    void PlotSeries(int last);

    // What a click on Close (or Escape, or the frame's close button) does;
    // by default the window closes.
    virtual void cmdClose_Click();

    // The place for a derived window's own controls, right of the plot.
    QVBoxLayout* SidePanel() const { return sidePanel_; }
    // Buttons added here stand before Close, at the bottom right.
    QHBoxLayout* ButtonRow() const { return buttonRow_; }

    // Tab goes from `last` (the last control of a derived window's side panel,
    // which stands above the plot's top) to the plot and then the buttons.
    void ChainButtonsAfter(QWidget* last);

    PlatformServices& Services() const { return services_; }

    // Closes the window for good (a derived cmdClose_Click may hide() instead).
    void Leave();

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The crosshair at `minutes` on the curve plotted last, or hidden.
    void ShowReadingAt(std::optional<double> minutes);

    void cmdExport_Click();
    void cmdCopyImage_Click();

    // The compared curves as the picture draws them, on the current scales.
    std::vector<GraphPicture::Curve> ComparedCurvesOnScales() const;

    // An axis' chosen range: its ends in the series' unit (minutes for
    // time) and its tick step in the unit shown, or automatic.
    struct AxisView {
        double Min = 0;
        double Max = 1;
        std::optional<double> Step;
    };
    // The axes from the scales and the chosen ranges: ticks, labels, grid
    // and scales_; then the series drawn again when `redraw`.
    void ApplyAxes();
    void Redraw();
    // The time axis' unit: seconds shows minutes x 60.
    double TimeFactor() const;
    // Zooms both axes to `view` from the logical box, or by `factor` about the centre.
    void ZoomToBox(QRectF logical);
    void ZoomBy(double factor);
    bool ZoomableTo(double xSpan, double ySpan) const;
    // The time unit of Preferences…, the axis title, labels and readout following it.
    void FollowTimeAxisUnit();

    QMenu* mnuGraph;
    QAction* mnuResetZoom;
    GraphPlotArea* area_;
    GraphPicture::Scales scales_;
    std::optional<AxisView> xView_;
    std::optional<AxisView> yView_;
    // The axes as shown when a range is chosen (or the time is in seconds),
    // in the units shown, for the exports.
    std::optional<AxisTicks> xShown_;
    std::optional<AxisTicks> yShown_;
    std::array<QString, 5> xAutoLabels_;
    std::array<QString, 5> yAutoLabels_;
    bool seconds_ = false;

    PlatformServices& services_;
    plot::GraphTheme theme_ = plot::GraphTheme::Dark;
    // What PlotSeries drew last (-1: nothing yet), the largest values the
    // axes were scaled for, and those the derived window asked for (its own
    // series' alone).
    int plottedLast_ = -1;
    double xMaximum_ = 0;
    double yMaximum_ = 0;
    double xSeriesMaximum_ = 0;
    double ySeriesMaximum_ = 0;
    QString currentName_;
    std::vector<ComparedCurve> comparisons_;
    QHBoxLayout* commandRow_;
    std::vector<QPushButton*> commandButtons_;
    std::optional<double> readingMinutes_;
    QVBoxLayout* sidePanel_;
    QHBoxLayout* buttonRow_;
    bool leaving_ = false;
    bool inCloseEvent_ = false;
};

} // namespace vorla::ui
