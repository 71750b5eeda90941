// frmInput, SKEVA-XW's main window "SKEVA-XW: Input Data": the room, the fire
// and the two file names of one run, in S.I. or U.S. engineering units, File
// New / Open / Exit, and Run, which checks the inputs and opens the report.
// File > Explore… opens the Explore window (frmExplore) on the boxes as they
// are, beside this form; it changes nothing here.
//
// The window only moves text between its boxes and the model: the conversions,
// the checks and the reading of a saved results file are the model's.
#pragma once

#include "common/ui/zone_input_form.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/input_boxes.h"
#include "smoke_filling/model/input_entry.h"

#include <QPointer>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace vorla::ui {
class FileNameBox;
} // namespace vorla::ui

namespace vorla::smoke {

class frmOutput;

class frmInput final : public ui::ZoneInputForm {
    Q_OBJECT
  public:
    // `endProgram` ends the program after File Exit has closed every window
    // (QCoreApplication::quit when not given).
    frmInput(Calculations& calc, ui::PlatformServices& services,
             std::function<void()> endProgram = {}, QWidget* parent = nullptr);
    ~frmInput() override;

    // File Open's reading of a saved results file, also for a file named on
    // the command line or dropped on the window: the boxes filled from it, or
    // the message File Open gives. True when the file was read.
    bool OpenFile(const std::string& path);
    // Open Results…: shows the run saved in the report at `path` in the report
    // window, read from the file's rows, with no run; the boxes stay as they
    // are. A file that is not a whole report of this program is refused with
    // File Open's message: then false.
    bool OpenResults(const std::string& path) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // --- Events.
    void Form_Load();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileExplore_Click() override;
    void mnuFileExit_Click();
    void mnuRun_Click() override;
    void optUnits_Click();
    void txtFireFile_Click();
    void txtFireFile_GotFocus();
    void txtOutputFile_Click();
    void txtOutputFile_GotFocus();
    // txtFloorArea_LostFocus, txtRoomHeight_LostFocus, txtFireHeight_LostFocus.
    void Dimension_LostFocus(InputBox box);

    // --- Form routines.
    void BuildControls();
    void BuildMenus();
    void LayOutControls();
    void SetTabOrder();
    void ConnectEvents();
    void SetSIUnits();
    void ShowUnitLabels();
    void UnloadAllForms();
    void ChooseFireFile();
    void ChooseDataFileToSave();
    void ChooseDataFileToOpen();
    void SelectSIUnits();
    InputBoxes Boxes() const;
    void ShowBoxes(const InputBoxes& boxes);
    // What the shared form base asks of this one.
    QLineEdit* RunTitleBox() const override;
    QLineEdit* OutputFileBox() const override;
    UnitSystem ShownUnits() const override;
    double TypedRoomHeight() const override;
    bool TypeIntoBox(const std::string& name, const std::string& text) override;

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

    QMenu* mnuFile;
    QAction* mnuFileNew;
    QAction* mnuFileOpen;
    QAction* mnuFileBar1;
    QAction* mnuFileExit;
    QAction* mnuRun;

    Calculations& calc_;
    QButtonGroup* unitsGroup_ = nullptr;
    bool exiting_ = false;
    // The S.I. values behind the dimension boxes a unit change rewrote.
    KeptDimensions kept_;
};

} // namespace vorla::smoke
