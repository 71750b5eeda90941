// dlgAxes, "<window title>: Axes": the ranges and tick steps of a graph
// window's two axes, in the units the axes show.
//
//   Time (min)   From [     ]  To [     ]  Tick step [     ]
//   Value (kW)   From [     ]  To [     ]  Tick step [     ]
//
// A blank box is automatic: the end the graph's own scale gives, or the
// round step that cuts the range into at most six. OK checks every box (a
// number, finite, From below To, a step above 0 that gives at most
// kMostAxisTicks ticks) and names the first wrong one in a message, the box
// focused with its text selected; Cancel and Escape change nothing.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

class QLineEdit;
class QPushButton;

namespace vorla::ui {

class PlatformServices;

// One axis as the dialog shows and returns it: each field given or automatic.
struct AxisChoice {
    std::optional<double> Min;
    std::optional<double> Max;
    std::optional<double> Step;
    bool operator==(const AxisChoice&) const = default;
};

class AxesDialog final : public QDialog {
    Q_OBJECT
  public:
    // `xTitle` / `yTitle`: the axes' titles ("Time (min)"); `xAutomatic` and
    // `yAutomatic`: the ends each axis has when its From or To is blank.
    AxesDialog(PlatformServices& services, const QString& windowTitle, const QString& xTitle,
               const QString& yTitle, AxisChoice x, AxisChoice y,
               std::pair<double, double> xAutomatic, std::pair<double, double> yAutomatic,
               QWidget* parent);

    // What OK accepted.
    AxisChoice X() const { return x_; }
    AxisChoice Y() const { return y_; }

  private:
    void cmdOK_Click();
    // Reads one axis' three boxes (`first` of txtAxis(0..5)); false after
    // the message naming the first wrong box.
    bool ReadAxis(int first, const QString& axisTitle, std::pair<double, double> automatic,
                  bool time, AxisChoice& choice);
    bool Refuse(int box, const QString& message);

    PlatformServices& services_;
    QString title_;
    QString xTitle_;
    QString yTitle_;
    // txtAxis(0..2) the x axis' From, To and Tick step; txtAxis(3..5) the y axis'.
    std::array<QLineEdit*, 6> txtAxis{};
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    std::pair<double, double> xAutomatic_;
    std::pair<double, double> yAutomatic_;
    AxisChoice x_;
    AxisChoice y_;
};

} // namespace vorla::ui
