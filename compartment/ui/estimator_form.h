// frmEstimateLc, "Estimate Total Heat Loss Fraction": asks for the room's
// length-to-width ratio and the ceiling's roughness, and writes the estimated
// heat loss fraction into the input form's box. Shown modal over the input form;
// Enter estimates, Escape (and the frame's close button) cancels.
#pragma once

#include "compartment/model/calculations.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vorla::ui {
class PlatformServices;
}

namespace vorla::compartment {

// The estimate stands while `box` (the input form's txtTotalLossFraction)
// holds its text: once anything else is in it (typed over, File New, File
// Open), calc.LastEstimate is forgotten, and a run uses the statistics of the
// fraction itself.
void ForgetEstimateWhenRetyped(Calculations& calc, QLineEdit& box);

// The estimate the heat loss fraction of the report at `path` came from
// (compartment/model/saved_loss_fraction.h): nothing for a fraction typed, or
// for a line that does not hold for the report. A line that cannot be read is
// named ("PATH: Line N: ..."), under `programName`, and the fraction is typed.
std::optional<LossFractionEstimate> LossFractionEstimateOfReport(ui::PlatformServices& services,
                                                                 const std::string& programName,
                                                                 const std::string& path);

class frmEstimateLc final : public QDialog {
    Q_OBJECT
  public:
    // `lossFractionBox` is the input form's txtTotalLossFraction: the box that
    // gets the estimate and the focus when the window closes.
    frmEstimateLc(Calculations& calc, ui::PlatformServices& services, QLineEdit& lossFractionBox,
                  QWidget* parent);

    // Shows the window modal (it deletes itself when it closes).
    void ShowModal();

  public slots:
    void accept() override; // Enter
    void reject() override; // Escape and the frame's close button

  private:
    void cmdEstimate_Click();
    void cmdCancel_Click();
    void Finish();

    QLabel* lblAspectRatio;
    QLineEdit* txtAspectRatio;
    QGroupBox* fraCeilingRoughness;
    std::array<QRadioButton*, 3> OptCeilingRoughness{};
    QPushButton* cmdEstimate;
    QPushButton* cmdCancel;

    Calculations& calc_;
    ui::PlatformServices& services_;
    QLineEdit& lossFractionBox_;
};

} // namespace vorla::compartment
