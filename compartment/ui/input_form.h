// frmInput, "VORLA-XW: Input Data": the main window of VORLA-XW. The user types
// the room, the vent and the fire, picks the units and the two files, and starts
// a run from the menu. The window keeps the inputs of Calculations (always S.I.)
// in step with what it shows, and leaves every conversion, check and file
// reading to the compartment model.
//
// File > Explore… opens the Explore window (frmExplore) on the boxes as they
// are, beside this form; it changes nothing here.
//
// Its report window (frmOutput) is opened by Run and hides this form while it
// is open; closing it shows this form again with the focus on txtRunTitle.
#pragma once

#include "zone_models/ui/zone_input_form.h"
#include "compartment/model/calculations.h"
#include "compartment/model/input_boxes.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/input_table.h"
#include "compartment/model/run_report.h"
#include "compartment/model/unit_tables.h"

#include <QPointer>
#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vorla::ui {
class FileNameBox;
} // namespace vorla::ui

namespace vorla::compartment {

class CompartmentExplore;
class frmEstimateLc;
class frmOutput;

// What the shared input form needs of VORLA-XW's model.
struct InputFormModel {
    using Box = InputBox;
    using Boxes = InputBoxes;
    using Calc = Calculations;
    using Kept = KeptDimensions;
    using Report = frmOutput;
    using ExploreOn = CompartmentExplore;
    static constexpr ModelKind Kind = ModelKind::Compartment;
    static constexpr std::string_view InputErrorTitle = kInputErrorTitle;
    static constexpr std::span<const InputRow> Table() { return InputTable(); }
    static UnitTables UnitsOf(UnitSystem system) { return UnitTablesFor(system); }
    // Whether the heat loss fraction is the estimator's, whose validation
    // statistics are its own.
    static bool LossFractionEstimated(const Calc& calc) { return LossFractionFromEstimator(calc); }
    // Explore opens on the boxes: the estimate, when the fraction they give
    // now (`lossFraction`) is the estimator's.
    static void TellExploreOfEstimate(ExploreOn& explore, const Calc& calc, double lossFraction);
};

} // namespace vorla::compartment

extern template class vorla::ui::ZoneInputFormOf<vorla::compartment::InputFormModel>;

namespace vorla::compartment {

class frmInput final : public ui::ZoneInputFormOf<InputFormModel> {
    Q_OBJECT
  public:
    // `endProgram` runs after File Exit has closed every window (by default the
    // application quits).
    frmInput(Calculations& calc, ui::PlatformServices& services,
             std::function<void()> endProgram = {}, QWidget* parent = nullptr);
    ~frmInput() override;

  private:
    void cmdEstimateLc_Click();
    void BuildControls();
    // The heat loss estimator closes with the form.
    void CloseOwnWindows() override;
    // A report File Open read whose fraction came from the estimator gives
    // the box the estimate, as the estimator typed it, and the estimate back.
    void TookOpenedReport(const std::string& path) override;

    // --- Controls, named as the form names them.
    QFrame* linBelowMenu;
    QGroupBox* fraRoomProperties;
    QGroupBox* fraVentDimensions;
    QGroupBox* fraHeatLossFractions; // "Fire Properties"
    QGroupBox* fraUnits;
    QLineEdit* txtRunTitle;
    ui::FileNameBox* txtOutputFile;
    ui::FileNameBox* txtFireFile;
    QLineEdit* txtFloorArea;
    QLineEdit* txtRoomHeight;
    QLineEdit* txtVentWidth;
    QLineEdit* txtSillHeight;
    QLineEdit* txtSoffitHeight;
    QLineEdit* txtFireHeight;
    QLineEdit* txtRadiativeLossFraction;
    QLineEdit* txtTotalLossFraction;
    QLineEdit* txtRunTime;
    QLabel* lblFloorAreaUnits;
    QLabel* lblRoomHeightUnits;
    QLabel* lblVentWidthUnits;
    QLabel* lblSillHeightUnits;
    QLabel* lblSoffitHeightUnits;
    QLabel* lblFireHeightUnits;
    QLabel* lblRunTimeUnits;
    std::array<QRadioButton*, 2> optUnits{}; // 0 "S.I. Units", 1 "U.S. Engineering Units"
    QPushButton* cmdEstimateLc;

    QPointer<frmEstimateLc> estimator_;
};

} // namespace vorla::compartment
