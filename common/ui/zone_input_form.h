// ZoneInputForm: the base of the two zone models' input forms (VORLA-XW's and
// SKEVA-XW's frmInput), as ReportWindow is of their report windows. What both
// forms do alike is written here once: the File menu's Open Results…,
// Explore…, Detectors and Sprinklers…, Smoke and Tenability… and Model
// Options… with their dialogs, the devices, tenability and model options Run
// follows, the report window Run and
// Open Results open, and the Recent Files notices. The derived form builds its
// own boxes and says, through a few virtual functions, what they hold.
//
// A difference between the two forms that users may rely on is a named trait
// of ZoneInputFormTraits, not a copy.
#pragma once

#include "common/model_options.h"
#include "common/ui/devices_dialog.h"
#include "common/ui/message_texts.h"
#include "common/ui/model_options_dialog.h"
#include "common/ui/platform_services.h"
#include "common/ui/report_window.h"
#include "common/ui/tenability_dialog.h"
#include "common/unit_system.h"
#include "life_safety/detection/device.h"
#include "life_safety/detection/suppression.h"
#include "life_safety/tenability/tenability_texts.h"
#include "zone_models/saved_run_opening.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QDialog;
class QLineEdit;
class QMenu;

namespace vorla::ui {

class ExploreModel;
class ExploreWindow;
struct ExploreFollowed;

// What sets one zone model's input form apart from the other's.
struct ZoneInputFormTraits {
    // "VORLA-XW": the title of the form's messages and of its dialogs.
    std::string ProgramTitle;
    // Open Results…' filter: the program's reports.
    std::string OpenReportFilter;
    // Run while a report window is open. SKEVA-XW's Run then does nothing: its
    // report stands in for the form (the graph hides it) and a second run
    // would write the same results the open report is showing. VORLA-XW's Run
    // opens another report window over the same results, as it always has.
    bool RunRefusedWhileReportOpen = false;
    // The icon of File Open's "Wrong file format." box. SKEVA-XW warns
    // (Exclamation: the file is another program's, nothing is broken);
    // VORLA-XW shows it as every other file failure (Critical).
    MessageIcon WrongFormatIcon = MessageIcon::Critical;
};

class ZoneInputForm : public QMainWindow {
    Q_OBJECT
  public:
    ~ZoneInputForm() override;

    // Told of each file File Open or Open Results… opened (for the Recent
    // Files list).
    std::function<void(const std::string& path)> WhenFileOpened;
    // Told of each report the report window saved (for the Recent Files list).
    std::function<void(const std::string& path)> WhenFileSaved;

  protected:
    // `endProgram` runs after File Exit has closed every window (by default the
    // application quits).
    ZoneInputForm(PlatformServices& services, ZoneInputFormTraits traits,
                  std::function<void()> endProgram, QWidget* parent);

    // --- What the derived form tells.
    // The box the focus goes back to after a dialog or a report: txtRunTitle.
    virtual QLineEdit* RunTitleBox() const = 0;
    // The box whose name Save offers: txtOutputFile.
    virtual QLineEdit* OutputFileBox() const = 0;
    // The units the form shows now.
    virtual UnitSystem ShownUnits() const = 0;
    // The room height (S.I.) the boxes hold now, whatever it is: it bounds the
    // tenability dialog's heights when it is a positive number.
    virtual double TypedRoomHeight() const = 0;
    // File > Explore… (Ctrl+E).
    virtual void mnuFileExplore_Click() = 0;
    // Open Results… once its file is chosen.
    virtual bool OpenResults(const std::string& path) = 0;
    // Run, as the Run menu's and Explore's Run as Report call it.
    virtual void mnuRun_Click() = 0;
    // Explore's Run as Report fills the box named `name` with `text`, as if
    // typed; false when no such box is the model's.
    virtual bool TypeIntoBox(const std::string& name, const std::string& text) = 0;

    // --- What both forms do alike.
    // The File menu's items of both models, put before `before` (the
    // separator above Exit) in `file` with their shortcuts, and connected.
    void AddZoneFileActions(QMenu* file, QAction* before);
    // Whether Run may open a report window now (RunRefusedWhileReportOpen).
    bool RunMayOpenReport() const;
    // The devices and the tenability fit a room of `roomHeight` (S.I.); else
    // the message saying which does not has been shown.
    bool DevicesAndTenabilityFitRoom(double roomHeight, UnitSystem units);
    // What the report window needs of this form.
    ReportInputForm ReportLinks();
    // Shows `report`, just made, and runs it: the form hides meanwhile.
    void ShowReport(ReportWindow* report);
    // The report window has closed: the form shows again, focus on txtRunTitle.
    void ShowAgain();
    // Closes the report window without a question (File Exit), and forgets it.
    void UnloadReport();
    // The report window, if one is open.
    ReportWindow* OpenReport() const { return report_.data(); }
    // File New: no devices, no tenability followed, the default model options;
    // the suppression is reset as well.
    void ForgetDevicesAndTenability();
    // The model options ask for a model uncertainty the validation has for a
    // run of `rule`; else the message saying why not has been shown.
    bool ModelOptionsUsable(const UncertaintyRule& rule);
    // File Open read the report at `path`: its devices, suppression,
    // tenability and model options are Run's now, and the file goes on the Recent Files list.
    void TakeReportSettings(const std::string& path, double roomHeight);
    // A file problem or any failure of File Open, with the program's title.
    void ShowFileMessage(const std::string& text, MessageIcon icon = MessageIcon::Critical);
    // Explore on `model`, beside this form; Run as Report types into the boxes.
    // Its runs follow the form's model options, devices and tenability, and
    // follow them anew whenever one of their dialogs is accepted.
    void ShowExplore(std::unique_ptr<ExploreModel> model);
    void TellFileOpened(const std::string& path);
    // The program ends: `endProgram`, or the application quits.
    void EndProgram();

    // Open Results… of a model: the saved run in the model's report window
    // `Output`, read by zone_models::OpenSavedRun; a file that is not a whole
    // report of this program, or whose fire file cannot be read, is refused
    // with its message: then false.
    template <class InputBoxes, class Output, class Calculations>
    bool OpenResultsOf(const std::string& path, Calculations& calc) {
        auto opened = zone_models::OpenSavedRun<InputBoxes>(path, calc);
        if (!opened.Run) {
            ShowFileMessage(opened.Problem);
            return false;
        }
        // The fire's position and plume the report was run with; its key
        // results give the model uncertainty when it was shown.
        const ModelOptions saved =
            ModelOptionsDialog::ModelOptionsOfReport(services_, traits_.ProgramTitle, path);
        calc.Inputs.FirePlace = saved.Position;
        calc.Inputs.Plume = saved.Plume;
        // The report's inputs and rows are the report window's; Run reads the
        // boxes again, so what the form holds is not lost.
        auto* output =
            new Output(calc, services_, ReportLinks(), *opened.Run, path,
                       DevicesDialog::DevicesOfReport(services_, traits_.ProgramTitle, path),
                       DevicesDialog::SuppressionOfReport(services_, traits_.ProgramTitle, path),
                       TenabilityDialog::TenabilityOfReport(services_, traits_.ProgramTitle, path,
                                                            calc.Inputs.RoomHeight));
        output->SetModelOptions(saved);
        ShowReport(output);
        // On the Recent Files lists, to open again either way.
        TellFileOpened(path);
        return true;
    }

    PlatformServices& services_;
    const ZoneInputFormTraits traits_;

    // "Open Re&sults…" (S in the File menu), Ctrl+Shift+O: a saved run shown
    // without running it.
    QAction* mnuFileOpenResults = nullptr;
    // "E&xplore…" (X in the File menu), Ctrl+E: the live window on these inputs.
    QAction* mnuFileExplore = nullptr;
    // "&Detectors and Sprinklers…" (D in the File menu), Ctrl+D: the room's devices.
    QAction* mnuFileDevices = nullptr;
    // "Smoke and &Tenability…" (T in the File menu), Ctrl+T: whether Run follows
    // tenability at head height, and with what.
    QAction* mnuFileTenability = nullptr;
    // "&Model Options…" (M in the File menu), Ctrl+M: the fire's position, the
    // plume correlation and the model uncertainty in the key results.
    QAction* mnuFileModelOptions = nullptr;

    // The room's detectors and sprinklers (S.I.), which Run follows; none
    // after File New.
    std::vector<detection::Device> devices_;
    // What the first sprinkler does to the fire; unchanged after File New.
    detection::Suppression suppression_;
    // The tenability Run follows when its Given is set (S.I.); not followed
    // after File New.
    tenability::TenabilityTexts tenability_;
    // The model options Run follows; the defaults after File New.
    ModelOptions modelOptions_;

  private:
    void mnuFileOpenResults_Click();
    void mnuFileDevices_Click();
    void mnuFileTenability_Click();
    void mnuFileModelOptions_Click();
    // What the Explore windows' runs follow: the dialogs' settings as held now.
    ExploreFollowed Followed() const;
    // A dialog was accepted: every open Explore window follows the form anew.
    void TellExplore();

    std::function<void()> endProgram_;
    QPointer<ReportWindow> report_;
    QPointer<QDialog> devicesDialog_;
    QPointer<QDialog> tenabilityDialog_;
    QPointer<QDialog> modelOptionsDialog_;
    std::vector<QPointer<ExploreWindow>> explore_;
};

} // namespace vorla::ui
