// frmInput, SKEVA-XW's main window "SKEVA-XW: Input Data": the room, the fire
// and the two file names of one run, in S.I. or U.S. engineering units, File
// New / Open / Exit, and Run, which checks the inputs and opens the report.
// File > Explore… opens the Explore window (frmExplore) on the boxes as they
// are, beside this form; it changes nothing here.
//
// The window only moves text between its boxes and the model: the conversions,
// the checks and the reading of a saved results file are the model's.
#pragma once

#include "common/model_options.h"
#include "life_safety/detection/device.h"
#include "life_safety/detection/suppression.h"
#include "life_safety/tenability/tenability_texts.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/input_boxes.h"
#include "smoke_filling/model/input_entry.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace vorla::ui {
class FileNameBox;
class PlatformServices;
} // namespace vorla::ui

namespace vorla::smoke {

class frmOutput;

class frmInput final : public QMainWindow {
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
    bool OpenResults(const std::string& path);
    // Told of each file OpenFile or OpenResults opened (for the Recent Files list).
    std::function<void(const std::string& path)> WhenFileOpened;
    // Told of each report the report window saved (for the Recent Files list).
    std::function<void(const std::string& path)> WhenFileSaved;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // --- Events.
    void Form_Load();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileOpenResults_Click();
    void mnuFileExplore_Click();
    void mnuFileDevices_Click();
    void mnuFileTenability_Click();
    void mnuFileModelOptions_Click();
    void mnuFileExit_Click();
    void mnuRun_Click();
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
    // The report window is closing: the form is shown again, with the focus on
    // txtRunTitle, ready for the next run.
    void ShowAgain();

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
    QAction* mnuFileOpenResults;
    QAction*
        mnuFileExplore; // "E&xplore…" (X in the File menu), Ctrl+E: the live window on these inputs
    // "&Detectors and Sprinklers…" (D in the File menu), Ctrl+D: the room's devices
    QAction* mnuFileDevices;
    // "Smoke and &Tenability…" (T in the File menu), Ctrl+T: whether Run follows
    // tenability at head height, and with what
    QAction* mnuFileTenability;
    // "&Model Options…" (M in the File menu), Ctrl+M: the fire's position, the
    // plume correlation and the model uncertainty in the key results
    QAction* mnuFileModelOptions;
    QAction* mnuFileBar1;
    QAction* mnuFileExit;
    QAction* mnuRun;

    Calculations& calc_;
    ui::PlatformServices& services_;
    std::function<void()> endProgram_;
    QButtonGroup* unitsGroup_ = nullptr;
    QPointer<frmOutput> report_;
    bool exiting_ = false;
    // The S.I. values behind the dimension boxes a unit change rewrote.
    KeptDimensions kept_;
    // The room's detectors and sprinklers (S.I.), which Run follows; none
    // after File New.
    std::vector<detection::Device> devices_;
    // What the first sprinkler does to the fire; unchanged after File New.
    detection::Suppression suppression_;
    QPointer<QDialog> devicesDialog_;
    // The tenability Run follows when its Given is set (S.I.); not followed
    // after File New.
    tenability::TenabilityTexts tenability_;
    QPointer<QDialog> tenabilityDialog_;
    // The model options Run follows (File > Model Options…); the defaults
    // after File New.
    ModelOptions modelOptions_;
    QPointer<QDialog> modelOptionsDialog_;
};

} // namespace vorla::smoke
