// ZoneInputForm: the base of the two zone models' input forms (VORLA-XW's and
// SKEVA-XW's frmInput), as ReportWindow is of their report windows. What both
// forms do alike is written here once: the File and Run menus with Open
// Results…, Explore…, Detectors and Sprinklers…, Smoke and Tenability… and
// Model Options… and their dialogs, the devices, tenability and model options
// Run follows, the choosing of the two files, File New, Open and Exit, the
// unit change, Run and the report window it opens, and the Recent Files
// notices.
//
// ZoneInputFormOf<Model> adds what needs the model's own types: it finds the
// boxes through the model's input table (each row names its control and its
// caption), so the derived form only builds and lays out its controls, named
// as the table names them.
//
// A difference between the two forms that users may rely on is a named trait
// of ZoneInputFormTraits, or a virtual function with a clear name, not a copy.
#pragma once

#include "common/files/file_problem.h"
#include "common/fire_files/fire_file_lookup.h"
#include "common/fire_files/fire_file_reader.h"
#include "common/fire_files/fire_table.h"
#include "zone_models/model_options.h"
#include "zone_models/ui/criteria_settings.h"
#include "zone_models/ui/devices_dialog.h"
#include "common/ui/file_drop.h"
#include "common/ui/file_name_box.h"
#include "common/ui/form_builders.h"
#include "common/ui/message_texts.h"
#include "zone_models/ui/model_options_dialog.h"
#include "common/ui/platform_services.h"
#include "common/ui/rejected_input_message.h"
#include "zone_models/ui/report_window.h"
#include "zone_models/ui/tenability_dialog.h"
#include "common/ui/typed_number_boxes.h"
#include "common/text/unit_system.h"
#include "life_safety/detection/device.h"
#include "life_safety/detection/suppression.h"
#include "life_safety/tenability/tenability_texts.h"
#include "zone_models/input_table.h"
#include "zone_models/saved_run_opening.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QCloseEvent;
class QDialog;
class QMenu;

namespace vorla::ui {

class ExploreModel;
class ExploreWindow;
struct ExploreFollowed;

// What sets one zone model's input form apart from the other's.
struct ZoneInputFormTraits {
    // "VORLA-XW": the title of the form's messages and of its dialogs.
    std::string ProgramTitle;
    // Open Results…' and File Open's filter: the program's reports.
    std::string OpenReportFilter;
    // The filter of the Save As dialog of txtOutputFile: the program's data files.
    std::string SaveReportFilter;
    // The filter of the dialog of txtFireFile: the program's fire files.
    std::string FireFileFilter;
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

    // --- What ZoneInputFormOf tells, from the model's input table.
    // The box of the control named `control` ("txtRunTitle"), nothing when the
    // model has no such box.
    virtual QLineEdit* BoxNamed(std::string_view control) const = 0;
    // The units the form shows now.
    virtual UnitSystem ShownUnits() const = 0;
    // The room height (S.I.) the boxes hold now, whatever it is: it bounds the
    // tenability dialog's heights when it is a positive number.
    virtual double TypedRoomHeight() const = 0;
    // File > Explore… (Ctrl+E).
    virtual void mnuFileExplore_Click() = 0;
    // Open Results… once its file is chosen.
    virtual bool OpenResults(const std::string& path) = 0;
    // File Open once its file is chosen.
    virtual bool OpenFile(const std::string& path) = 0;
    // File New.
    virtual void mnuFileNew_Click() = 0;
    // Run, as the Run menu's and Explore's Run as Report call it.
    virtual void mnuRun_Click() = 0;
    // Explore's Run as Report fills the box named `name` with `text`, as if
    // typed; false when no such box is the model's.
    virtual bool TypeIntoBox(const std::string& name, const std::string& text) = 0;
    // --- What a derived form may add.
    // The windows of the form's own it closes on File Exit, before the report
    // window (VORLA-XW's heat loss estimator); none by default.
    virtual void CloseOwnWindows() {}
    // File Open has read the report at `path` into the boxes and taken its
    // settings: what the model's own lines add (VORLA-XW's estimate of the
    // heat loss fraction); nothing by default.
    virtual void TookOpenedReport(const std::string& /*path*/) {}

    // The box the focus goes back to after a dialog or a report: txtRunTitle.
    QLineEdit* RunTitleBox() const;
    // The box whose name Save offers: txtOutputFile.
    QLineEdit* OutputFileBox() const;

    // --- What both forms do alike.
    // The File and Run menus (common/ui/file_run_menus.h) with the File menu's
    // items of both models above Exit, their shortcuts, and connected.
    void BuildZoneMenus();
    // The two file boxes open their dialogs when clicked or entered.
    void ConnectFileBoxes();
    // File Exit and the frame's close button alike: the form's own windows
    // and the report window close without a question, then the program ends.
    void closeEvent(QCloseEvent* event) override;
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

    // The File and Run menus.
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileBar1 = nullptr; // the separator above Exit
    QAction* mnuFileExit = nullptr;
    QAction* mnuRun = nullptr;

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
    void AddZoneFileActions(QMenu* file, QAction* before);
    void mnuFileOpen_Click();
    void mnuFileExit_Click();
    void mnuFileOpenResults_Click();
    void txtFireFile_Click();
    void txtOutputFile_Click();
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
    // closeEvent is ending the program.
    bool ending_ = false;
    std::vector<QPointer<ExploreWindow>> explore_;
};

// The input form of one zone model, whose types `Model` names:
//   Box, Boxes        the model's InputBox and InputBoxes;
//   Calc, Kept        its Calculations and KeptDimensions;
//   Report, ExploreOn its report window (frmOutput) and its Explore model;
//   UnitsOf(system)   its unit tables of that system;
//   Kind              its ModelKind;
//   InputErrorTitle   the title of Run's input messages;
//   Table()           its input table (model/input_table.h);
//   LossFractionEstimated(calc), TellExploreOfEstimate(explore, calc, fraction)
//                     whether Run's heat loss fraction is the model's
//                     estimator's, and the same told to an Explore model.
// The derived form creates one control for each row of the table, named as
// the row's Control, with MakeCaption's label before it, and calls
// ConnectZoneBoxes once every control is built. The model's functions
// (ReadKeptInputBoxes, ChangeUnits, ReadSavedReport…) are found beside its
// types.
template <class Model> class ZoneInputFormOf : public ZoneInputForm {
  public:
    using InputBox = typename Model::Box;
    using InputBoxes = typename Model::Boxes;
    using Calculations = typename Model::Calc;
    using InputRow = zone::InputRow<InputBox, InputBoxes>;

    // File Open's reading of a saved report, also for a file named on the
    // command line or dropped on the window: the boxes filled from it, in
    // S.I. units, or the message File Open gives. A file that is not a report
    // of this program leaves the form as it was; one that cannot be read
    // leaves the boxes in S.I. units without an output file name. True when
    // the report was read.
    bool OpenFile(const std::string& path) override;

    // Open Results…: shows the run saved in the report at `path` in the report
    // window, read from the file's rows, with no run; the boxes stay as they
    // are. A file that is not a whole report of this program is refused with
    // File Open's message: then false.
    bool OpenResults(const std::string& path) override;

  protected:
    ZoneInputFormOf(Calculations& calc, PlatformServices& services, ZoneInputFormTraits traits,
                    std::function<void()> endProgram, QWidget* parent)
        : ZoneInputForm(services, std::move(traits), std::move(endProgram), parent), calc_(calc) {}

    // The caption before `box`: "lblFloorArea" for txtFloorArea, with the
    // caption of the box's row.
    static QLabel* MakeCaption(InputBox box, QWidget* parent, const QString& toolTip = {}) {
        const InputRow& row = zone::RowOfBox(Model::Table(), box);
        return MakeLabel("lbl" + Text(row.Control.substr(3)), Text(row.Caption), parent, toolTip);
    }

    // Finds each box of the table (under the form's central widget, so no
    // other window's control of the same name), connects the dimension boxes,
    // the units options and the file boxes, takes dropped files, and starts
    // in S.I. units with the focus on txtRunTitle.
    void ConnectZoneBoxes() {
        for (const InputRow& row : Model::Table()) {
            boxes_.push_back(centralWidget()->findChild<QLineEdit*>(Text(row.Control)));
            if (zone::IsDimensionRow(row)) {
                boxes_.back()->installEventFilter(this);
                // Only what the user types replaces a value kept over a unit
                // change.
                connect(boxes_.back(), &QLineEdit::textEdited, this,
                        [this, box = row.Box] { kept_.Forget(box); });
            }
        }
        for (const UnitSystem system : {UnitSystem::SI, UnitSystem::US}) {
            connect(UnitsOption(system), &QRadioButton::toggled, this,
                    [this, system](bool selected) {
                        if (selected) {
                            optUnits_Click(system);
                        }
                    });
        }
        ConnectFileBoxes();
        new FileDropTarget(*this, [this](const std::string& path) {
            OpenFile(path);
            RunTitleBox()->setFocus();
        });
        calc_.Units = Model::UnitsOf(UnitSystem::SI);
        RunTitleBox()->setFocus();
    }

    // The box of `box`.
    QLineEdit* Box(InputBox box) const { return boxes_[static_cast<std::size_t>(box)]; }

    // The texts of the boxes.
    InputBoxes Boxes() const {
        InputBoxes texts;
        for (const InputRow& row : Model::Table()) {
            texts.Text(row.Box) = Box(row.Box)->text().toStdString();
        }
        return texts;
    }

    // Only a box whose text changes is rewritten, so the others keep their
    // cursor and their undo history.
    void ShowBoxes(const InputBoxes& texts) {
        for (const InputRow& row : Model::Table()) {
            const QString text = QString::fromStdString(texts.Text(row.Box));
            if (Box(row.Box)->text() != text) {
                Box(row.Box)->setText(text);
            }
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            for (const InputRow& row : Model::Table()) {
                if (watched == Box(row.Box) && zone::IsDimensionRow(row)) {
                    Dimension_LostFocus(row.Box);
                }
            }
        }
        return QMainWindow::eventFilter(watched, event);
    }

    Calculations& calc_;
    // The S.I. values behind the dimension boxes a unit change rewrote.
    typename Model::Kept kept_;

  private:
    static QString Text(std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    QLineEdit* BoxNamed(std::string_view control) const override {
        const InputRow* row = zone::RowOfControl(Model::Table(), control);
        return row == nullptr ? nullptr : Box(row->Box);
    }

    UnitSystem ShownUnits() const override { return calc_.Units.System; }

    double TypedRoomHeight() const override {
        return ReadKeptInputBoxes(Boxes(), calc_.Units, kept_).RoomHeight;
    }

    bool TypeIntoBox(const std::string& name, const std::string& text) override {
        const InputRow* row = zone::RowOfControl(Model::Table(), name);
        if (row == nullptr) {
            return false;
        }
        Box(row->Box)->setText(QString::fromStdString(text));
        kept_.Forget(row->Box);
        return true;
    }

    // "optUnits(0)", S.I., and "optUnits(1)", U.S. engineering units.
    QRadioButton* UnitsOption(UnitSystem system) const {
        return centralWidget()->findChild<QRadioButton*>(system == UnitSystem::US
                                                             ? QStringLiteral("optUnits(1)")
                                                             : QStringLiteral("optUnits(0)"));
    }

    // Selects the units' option without the unit change of a click.
    void SelectUnitsOption(UnitSystem system) {
        QRadioButton* si = UnitsOption(UnitSystem::SI);
        QRadioButton* us = UnitsOption(UnitSystem::US);
        const QSignalBlocker blockSi(si);
        const QSignalBlocker blockUs(us);
        (system == UnitSystem::US ? us : si)->setChecked(true);
    }

    // "lblFloorAreaUnits" and the others after the dimension boxes.
    void ShowUnitLabels() {
        for (const InputRow& row : Model::Table()) {
            if (!zone::IsDimensionRow(row)) {
                continue;
            }
            const auto& label = row.Unit == zone::InputUnit::Area ? calc_.Units.Area.Label
                                                                  : calc_.Units.Length.Label;
            centralWidget()
                ->findChild<QLabel*>("lbl" + Text(row.Control.substr(3)) + "Units")
                ->setText(Text(label));
        }
    }

    // txtFloorArea_LostFocus and the other dimension boxes'.
    void Dimension_LostFocus(InputBox box) {
        const InputBoxes texts = Boxes();
        if (!kept_.Of(box, texts.Text(box))) {
            LeaveInputBox(box, texts, calc_.Units, calc_.Inputs);
        }
    }

    void optUnits_Click(UnitSystem system) {
        InputBoxes texts = Boxes();
        ChangeUnits(system, calc_.Units, texts, kept_);
        ShowBoxes(texts);
        ShowUnitLabels();
    }

    void mnuFileNew_Click() override {
        calc_.OpenedReport.clear();
        ForgetDevicesAndTenability();
        kept_.Clear();
        InputBoxes texts = Boxes();
        NewInputs(texts, calc_.Units, calc_.Inputs);
        SelectUnitsOption(UnitSystem::SI);
        ShowUnitLabels();
        ShowBoxes(texts);
        RunTitleBox()->setFocus();
    }

    // The number boxes in the order Tab visits them, the order Run checks
    // their texts in.
    std::vector<NumberBoxOnForm> NumberBoxesInTabOrder() const {
        std::vector<NumberBoxOnForm> numbers;
        QWidget* const first = RunTitleBox();
        for (QWidget* widget = first->nextInFocusChain(); widget != first;
             widget = widget->nextInFocusChain()) {
            for (const InputRow& row : Model::Table()) {
                if (zone::IsNumberRow(row) && widget == Box(row.Box)) {
                    numbers.emplace_back(Box(row.Box));
                }
            }
        }
        return numbers;
    }

    // Out of the class, as OpenFile and OpenResults, so that a file that
    // includes the form without the model's report window, Explore model and
    // report reader does not make them: the model's input form makes them
    // once (extern template in its header).
    void mnuRun_Click() override;
    void mnuFileExplore_Click() override;

    // The boxes in the table's order.
    std::vector<QLineEdit*> boxes_;
};

template <class Model> bool ZoneInputFormOf<Model>::OpenFile(const std::string& path) {
    InputBoxes boxes = Boxes();
    const InputBoxes shownBefore = boxes;
    const auto unitsBefore = calc_.Units;
    const auto inputsBefore = calc_.Inputs;
    const auto problem = ReadSavedReport(path, boxes, calc_.Units, calc_.Inputs);
    if (problem && problem->kind == FileProblem::Kind::WrongFormat) {
        calc_.Units = unitsBefore;
        calc_.Inputs = inputsBefore;
        ShowFileMessage(DescribeFileProblem(*problem), traits_.WrongFormatIcon);
        return false;
    }
    SelectUnitsOption(UnitSystem::SI);
    if (problem) {
        // What the boxes held, shown in S.I. units now, as a unit change
        // shows it.
        boxes = shownBefore;
        if (unitsBefore.System != UnitSystem::SI) {
            calc_.Units = unitsBefore;
            ChangeUnits(UnitSystem::SI, calc_.Units, boxes, kept_);
        }
        boxes.txtOutputFile.clear();
    } else {
        kept_.Clear();
        calc_.OpenedReport = path;
        TakeReportSettings(path, calc_.Inputs.RoomHeight);
    }
    ShowBoxes(boxes);
    ShowUnitLabels();
    if (problem) {
        ShowFileMessage(DescribeFileProblem(*problem));
    } else {
        TookOpenedReport(path);
    }
    return !problem;
}

template <class Model> bool ZoneInputFormOf<Model>::OpenResults(const std::string& path) {
    return OpenResultsOf<InputBoxes, typename Model::Report>(path, calc_);
}

template <class Model> void ZoneInputFormOf<Model>::mnuRun_Click() {
    if (!RunMayOpenReport()) {
        return; // a run is on screen already
    }
    RunTitleBox()->setFocus();
    if (!AcceptTypedNumbers(services_, *this, NumberBoxesInTabOrder(), Model::InputErrorTitle)) {
        return;
    }
    calc_.Inputs = ReadKeptInputBoxes(Boxes(), calc_.Units, kept_);
    if (const auto rejected = CheckRunInputs(calc_.Inputs)) {
        // The wrong value is selected, so typing replaces it.
        ShowRejectedInput(services_, *rejected, *this);
        return;
    }
    if (!DevicesAndTenabilityFitRoom(calc_.Inputs.RoomHeight, calc_.Units.System)) {
        return;
    }
    // The model options live in their dialog, not in the boxes.
    calc_.Inputs.FirePlace = modelOptions_.Position;
    calc_.Inputs.Plume = modelOptions_.Plume;
    if (!ModelOptionsUsable({Model::Kind, calc_.Inputs.FirePlace, calc_.Inputs.Plume,
                             Model::LossFractionEstimated(calc_), calc_.Inputs.LossFraction})) {
        return;
    }
    auto* output = new typename Model::Report(calc_, services_, ReportLinks(), devices_,
                                              suppression_, tenability_);
    output->SetModelOptions(modelOptions_);
    ShowReport(output);
}

template <class Model> void ZoneInputFormOf<Model>::mnuFileExplore_Click() {
    // No checks and no message boxes here: the window shows what is wrong
    // with the inputs beside the box concerned, and the user mends it there.
    const InputBoxes texts = Boxes();
    FireTable fire;
    std::string fireProblem;
    std::string readFrom;
    if (const auto problem =
            ReadFireFileOfReport(texts.txtFireFile, calc_.OpenedReport, fire, readFrom)) {
        fireProblem = DescribeFireFileError(*problem);
    }
    auto model = std::make_unique<typename Model::ExploreOn>(texts, calc_.Units, std::move(fire),
                                                             std::move(fireProblem),
                                                             LoadCriteria(QSettings()), kept_);
    model->SetFirePath(readFrom);
    // Whether the fraction in the box is the estimator's, as Run would read
    // the boxes now (the inputs held are those of the last Run).
    Model::TellExploreOfEstimate(*model, calc_,
                                 ReadKeptInputBoxes(texts, calc_.Units, kept_).LossFraction);
    ShowExplore(std::move(model));
}

} // namespace vorla::ui
