// QDOT-XW's main window `frmInput`: the description, the fire file to write,
// the unit system, the heat of combustion and the delay before ignition, and
// the five kinds of fire. A curve command checks these, hides the form and
// opens the curve form; the curve forms and the graph window bring the user
// back here with everything as it was left.
#pragma once

#include "fire_generator/curves/curve_command.h"
#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/ui/curve_form.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QCloseEvent;
class QMenu;
class QMenuBar;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vorla::ui {
class FileNameBox;
class PlatformServices;
} // namespace vorla::ui

namespace vorla::generator {

class frmGraph;

class frmInput final : public QWidget {
    Q_OBJECT
  public:
    // The form starts in S.I. units with 12000 kJ/kg, its graph window made (hidden).
    // `endProgram` is what Exit calls after closing the windows; by default the
    // event loop ends.
    frmInput(DesignFireState& module, vorla::ui::PlatformServices& services,
             std::function<void()> endProgram = {});
    ~frmInput() override;

    // Shows the form with the focus on the description: when the program
    // starts, and back from a curve form or the graph window.
    void ShowAgain();

    // Open Fire File…, a fire file named on the command line or dropped on the
    // form: its curve in the graph window, its points ready in the custom form,
    // its name and description in the boxes; or the message that says why the
    // file cannot be used. True when the file was opened.
    bool OpenFile(const std::string& path);
    // Told of each file OpenFile opened (for the Recent Files list).
    std::function<void(const std::string& path)> WhenFileOpened;
    // Told of each fire file the graph window saved (for the Recent Files list).
    std::function<void(const std::string& path)> WhenFileSaved;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void optUnits_Click();
    void txtHoC_LostFocus();
    // Reaching the file name box, by mouse or keyboard, opens the Save As
    // dialog; the focus then moves on to the heat of combustion.
    void txtFireFile_Click();
    void txtFireFile_GotFocus();
    void OpenCurveForm(CurveKind kind);
    void cmdExit_Click();
    // `ChooseFireFile`, then the focus to txtHoC.
    void ChooseFireFileAndMoveOn();
    void ChooseFireFile();
    // Asks a question of the curve command; true when the answer says go on.
    bool AskToGoOn(const MainFormQuestion& question);
    void ShowGraph();
    void mnuFileOpenFire_Click();
    // Before a curve command: the opened file's values out of a new curve.
    void LeaveOpenedValuesBehind(CurveKind kind);

    QMenuBar* mnuBar;
    QMenu* mnuFile;
    QAction* mnuFileOpenFire;
    QLineEdit* txtDescription;
    vorla::ui::FileNameBox* txtFireFile;
    QGroupBox* fraUnits;
    std::array<QRadioButton*, 2> optUnits{};
    QLineEdit* txtHoC;
    QLabel* lblHoCUnits;
    QLineEdit* txtDelayTime;
    QPushButton* cmdTSquared;
    QPushButton* cmdSemiUniversal;
    QPushButton* cmdPool;
    QPushButton* cmdFurniture;
    QPushButton* cmdCustom;
    QPushButton* cmdExit;

    DesignFireState& module_;
    vorla::ui::PlatformServices& services_;
    std::function<void()> endProgram_;
    std::unique_ptr<frmGraph> graph_;
    QPointer<CurveForm> openForm_;
    bool exiting_ = false;
    // The description and delay texts an opened fire file put in the boxes,
    // while they may still be there: they are that file's, so a new curve
    // (any but the custom form continuing the file's points) starts without
    // them wherever the user has not typed over them.
    bool openedValuesShown_ = false;
    QString openedDescription_;
    QString openedDelay_;
};

} // namespace vorla::generator
