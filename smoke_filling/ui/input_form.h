// frmInput, SKEVA-XW's main window "SKEVA-XW: Input Data": the room, the fire
// and the two file names of one run, in S.I. or U.S. engineering units, File
// New / Open / Exit, and Run, which checks the inputs and opens the report.
// File > Explore… opens the Explore window (frmExplore) on the boxes as they
// are, beside this form; it changes nothing here.
//
// The window only moves text between its boxes and the model: the conversions,
// the checks and the reading of a saved results file are the model's.
#pragma once

#include "zone_models/ui/zone_input_form.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/input_boxes.h"
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/input_table.h"
#include "smoke_filling/model/unit_tables.h"

#include <array>
#include <functional>
#include <span>
#include <string_view>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vorla::ui {
class FileNameBox;
} // namespace vorla::ui

namespace vorla::smoke {

class SmokeExplore;
class frmOutput;

// What the shared input form needs of SKEVA-XW's model.
struct InputFormModel {
    using Box = InputBox;
    using Boxes = InputBoxes;
    using Calc = Calculations;
    using Kept = KeptDimensions;
    using Report = frmOutput;
    using ExploreOn = SmokeExplore;
    static constexpr ModelKind Kind = ModelKind::Smoke;
    static constexpr std::string_view InputErrorTitle = kInputErrorTitle;
    static constexpr std::span<const InputRow> Table() { return InputTable(); }
    static UnitTables UnitsOf(UnitSystem system) { return UnitTablesFor(system); }
    // Whether the heat loss fraction is the estimator's, whose validation
    // statistics are its own.
    // SKEVA-XW has no estimator.
    static bool LossFractionEstimated(const Calc&) { return false; }
    static void TellExploreOfEstimate(ExploreOn&, const Calc&, double) {}
};

} // namespace vorla::smoke

extern template class vorla::ui::ZoneInputFormOf<vorla::smoke::InputFormModel>;

namespace vorla::smoke {

class frmInput final : public ui::ZoneInputFormOf<InputFormModel> {
    Q_OBJECT
  public:
    // `endProgram` ends the program after File Exit has closed every window
    // (QCoreApplication::quit when not given).
    frmInput(Calculations& calc, ui::PlatformServices& services,
             std::function<void()> endProgram = {}, QWidget* parent = nullptr);
    ~frmInput() override;

  private:
    void BuildControls();
    void LayOutControls();
    void SetTabOrder();

    // --- Controls, named as the form names them.
    QFrame* linBelowMenu;
    QLabel* lblRunTitle;
    QLineEdit* txtRunTitle;
    QLabel* lblOutputFile;
    ui::FileNameBox* txtOutputFile;
    QGroupBox* fraUnits;
    std::array<QRadioButton*, 2> optUnits; // 0 S.I., 1 U.S. engineering
    QLabel* lblFloorArea;
    QLineEdit* txtFloorArea;
    QLabel* lblFloorAreaUnits;
    QLabel* lblRoomHeight;
    QLineEdit* txtRoomHeight;
    QLabel* lblRoomHeightUnits;
    QLabel* lblFireHeight;
    QLineEdit* txtFireHeight;
    QLabel* lblFireHeightUnits;
    QLabel* lblLossFraction;
    QLineEdit* txtLossFraction;
    QLabel* lblRunTime;
    QLineEdit* txtRunTime;
    QLabel* lblRunTimeUnits;
    QLabel* lblFireFile;
    ui::FileNameBox* txtFireFile;

    QButtonGroup* unitsGroup_ = nullptr;
};

} // namespace vorla::smoke
