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

#include "common/ui/zone_input_form.h"
#include "compartment/model/calculations.h"
#include "compartment/model/input_boxes.h"
#include "compartment/model/input_entry.h"

#include <QPointer>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QCloseEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace vorla::ui {
class FileNameBox;
} // namespace vorla::ui

namespace vorla::compartment {

class frmEstimateLc;
class frmOutput;

class frmInput final : public ui::ZoneInputForm {
    Q_OBJECT
  public:
    // `endProgram` runs after File Exit has closed every window (by default the
    // application quits).
    frmInput(Calculations& calc, ui::PlatformServices& services,
             std::function<void()> endProgram = {}, QWidget* parent = nullptr);
    ~frmInput() override;

    // File Open's reading of a saved report, also for a file named on the
    // command line or dropped on the window: the boxes filled from it, or the
    // message File Open gives. True when the report was read.
    bool OpenFile(const std::string& path);
    // Open Results…: shows the run saved in the report at `path` in the report
    // window, read from the file's rows, with no run; the boxes stay as they
    // are. A file that is not a whole report of this program is refused with
    // File Open's message: then false.
    bool OpenResults(const std::string& path) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // --- Events.
    void Form_Load();
    // txtFloorArea_LostFocus ... txtFireHeight_LostFocus: the six dimension boxes.
    void Dimension_LostFocus(InputBox box);
    void optUnits_Click(int index);
    void txtFireFile_Click();
    void txtFireFile_GotFocus();
    void txtOutputFile_Click();
    void txtOutputFile_GotFocus();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileExplore_Click() override;
    void mnuFileExit_Click();
    void mnuRun_Click() override;
    void cmdEstimateLc_Click();

    // --- Form routines.
    void BuildControls();
    void BuildMenus();
    void ConnectEvents();
    void SetSIUnits();
    void ShowUnitLabels();
    void UnloadAllForms();
    void ChooseFireFile();
    void ChooseDataFile(bool open);
    QLineEdit* Box(InputBox box) const;
    InputBoxes Boxes() const;
    void ShowBoxes(const InputBoxes& boxes);
    void SelectUnitsOption(int index); // without the unit change of a click
    // What the shared form base asks of this one.
    QLineEdit* RunTitleBox() const override;
    QLineEdit* OutputFileBox() const override;
    UnitSystem ShownUnits() const override;
    double TypedRoomHeight() const override;
    bool TypeIntoBox(const std::string& name, const std::string& text) override;

    // --- Controls, named as the form names them.
    QMenu* mnuFile;
    QAction* mnuFileNew;
    QAction* mnuFileOpen;
    QAction* mnuFileBar1;
    QAction* mnuFileExit;
    QAction* mnuRun;
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

    Calculations& calc_;
    QPointer<frmEstimateLc> estimator_;
    bool unloading_ = false;
    // The S.I. values behind the dimension boxes a unit change rewrote.
    KeptDimensions kept_;
};

} // namespace vorla::compartment
