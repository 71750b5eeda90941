#include "zone_models/ui/zone_input_form.h"

#include "zone_models/ui/explore_window.h"
#include "common/ui/file_run_menus.h"
#include "zone_models/ui/tenability_dialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <cmath>
#include <optional>
#include <utility>

namespace vorla::ui {

ZoneInputForm::ZoneInputForm(PlatformServices& services, ZoneInputFormTraits traits,
                             std::function<void()> endProgram, QWidget* parent)
    : QMainWindow(parent), services_(services), traits_(std::move(traits)),
      endProgram_(std::move(endProgram)) {}

ZoneInputForm::~ZoneInputForm() {
    // The report and graph windows are top-level windows of their own; they go
    // with the form that opened them.
    delete report_.data();
}

QLineEdit* ZoneInputForm::RunTitleBox() const {
    return BoxNamed("txtRunTitle");
}

QLineEdit* ZoneInputForm::OutputFileBox() const {
    return BoxNamed("txtOutputFile");
}

void ZoneInputForm::BuildZoneMenus() {
    const FileRunMenus menus = BuildFileRunMenus(*this);
    mnuFile = menus.mnuFile;
    mnuFileNew = menus.mnuFileNew;
    mnuFileOpen = menus.mnuFileOpen;
    mnuFileBar1 = menus.mnuFileBar1;
    mnuFileExit = menus.mnuFileExit;
    mnuRun = menus.mnuRun;
    AddZoneFileActions(mnuFile, mnuFileBar1);
    connect(mnuFileNew, &QAction::triggered, this, [this] { mnuFileNew_Click(); });
    connect(mnuFileOpen, &QAction::triggered, this, &ZoneInputForm::mnuFileOpen_Click);
    connect(mnuFileExit, &QAction::triggered, this, &ZoneInputForm::mnuFileExit_Click);
    connect(mnuRun, &QAction::triggered, this, [this] { mnuRun_Click(); });
}

void ZoneInputForm::ConnectFileBoxes() {
    for (const char* name : {"txtFireFile", "txtOutputFile"}) {
        auto* box = qobject_cast<FileNameBox*>(BoxNamed(name));
        const auto choose = name == std::string_view("txtFireFile")
                                ? &ZoneInputForm::txtFireFile_Click
                                : &ZoneInputForm::txtOutputFile_Click;
        connect(box, &FileNameBox::Clicked, this, choose);
        connect(box, &FileNameBox::GotFocus, this, choose);
    }
}

void ZoneInputForm::txtFireFile_Click() {
    QLineEdit* fireFile = BoxNamed("txtFireFile");
    const auto path =
        services_.ChooseFile(OpenDialog("Specify Fire File", traits_.FireFileFilter,
                                        services_.DataDirectory(), fireFile->text().toStdString()));
    if (path) {
        fireFile->setText(QString::fromStdString(*path));
    }
    RunTitleBox()->setFocus();
    RunTitleBox()->selectAll(); // typing replaces the title, as after Tab
}

void ZoneInputForm::txtOutputFile_Click() {
    // Only the name: the report writes the file when the user saves it.
    const auto path = services_.ChooseFile(SaveAsDialog(kSaveDialogTitle, traits_.SaveReportFilter,
                                                        services_.DataDirectory(),
                                                        OutputFileBox()->text().toStdString()));
    if (path) {
        OutputFileBox()->setText(QString::fromStdString(*path));
    }
    QLineEdit* floorArea = BoxNamed("txtFloorArea");
    floorArea->setFocus();
    floorArea->selectAll(); // typing replaces the area, as after Tab
}

void ZoneInputForm::mnuFileOpen_Click() {
    const auto path = services_.ChooseFile(OpenDialog("Specify Data File", traits_.OpenReportFilter,
                                                      services_.DataDirectory(),
                                                      OutputFileBox()->text().toStdString()));
    if (path) {
        OpenFile(*path);
    }
    RunTitleBox()->setFocus();
    RunTitleBox()->selectAll();
}

void ZoneInputForm::mnuFileExit_Click() {
    close();
}

void ZoneInputForm::closeEvent(QCloseEvent* event) {
    event->accept();
    if (ending_) {
        return; // the program is ending already
    }
    ending_ = true;
    CloseOwnWindows();
    UnloadReport();
    // Gone now, with its graph, rather than when the events are next run.
    delete report_.data();
    EndProgram();
    ending_ = false;
}

void ZoneInputForm::AddZoneFileActions(QMenu* file, QAction* before) {
    const auto add = [this, file, before](const char* name, const QString& caption,
                                          const QKeySequence& shortcut) {
        auto* action = new QAction(caption, file);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        file->insertAction(before, action);
        addAction(action); // its shortcut works with the menu closed
        return action;
    };
    mnuFileOpenResults =
        add("mnuFileOpenResults", "Open Re&sults…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    mnuFileExplore = add("mnuFileExplore", "E&xplore…", QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuFileDevices =
        add("mnuFileDevices", "&Detectors and Sprinklers…", QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuFileTenability =
        add("mnuFileTenability", "Smoke and &Tenability…", QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(mnuFileOpenResults, &QAction::triggered, this,
            &ZoneInputForm::mnuFileOpenResults_Click);
    connect(mnuFileExplore, &QAction::triggered, this, [this] { mnuFileExplore_Click(); });
    connect(mnuFileDevices, &QAction::triggered, this, &ZoneInputForm::mnuFileDevices_Click);
    mnuFileModelOptions =
        add("mnuFileModelOptions", "&Model Options…", QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(mnuFileTenability, &QAction::triggered, this, &ZoneInputForm::mnuFileTenability_Click);
    connect(mnuFileModelOptions, &QAction::triggered, this,
            &ZoneInputForm::mnuFileModelOptions_Click);
}

void ZoneInputForm::mnuFileOpenResults_Click() {
    const auto path = services_.ChooseFile(OpenDialog("Open Results", traits_.OpenReportFilter,
                                                      services_.DataDirectory(), std::string()));
    if (path) {
        OpenResults(*path);
    }
}

bool ZoneInputForm::RunMayOpenReport() const {
    return !(traits_.RunRefusedWhileReportOpen && report_);
}

bool ZoneInputForm::DevicesAndTenabilityFitRoom(double roomHeight, UnitSystem units) {
    return DevicesDialog::DevicesFitRoom(services_, traits_.ProgramTitle, devices_, roomHeight,
                                         units) &&
           TenabilityDialog::TenabilityFitsRoom(services_, traits_.ProgramTitle, tenability_,
                                                roomHeight);
}

ReportInputForm ZoneInputForm::ReportLinks() {
    return {this, RunTitleBox(), OutputFileBox(), [this] { ShowAgain(); },
            [this](const std::string& saved) {
                if (WhenFileSaved) {
                    WhenFileSaved(saved);
                }
            }};
}

void ZoneInputForm::ShowReport(ReportWindow* report) {
    report_ = report;
    report->RunAndShow();
}

void ZoneInputForm::ShowAgain() {
    report_ = nullptr; // the report window deletes itself as it closes
    show();
    raise();
    activateWindow();
    RunTitleBox()->setFocus();
}

void ZoneInputForm::UnloadReport() {
    if (report_) {
        report_->Unload();
    }
}

void ZoneInputForm::ForgetDevicesAndTenability() {
    devices_.clear();
    suppression_ = {};
    tenability_ = {};
    modelOptions_ = {};
}

bool ZoneInputForm::ModelOptionsUsable(const UncertaintyRule& rule) {
    return ModelOptionsDialog::UncertaintyKnown(services_, traits_.ProgramTitle, modelOptions_,
                                                rule);
}

void ZoneInputForm::TakeReportSettings(const std::string& path, double roomHeight) {
    devices_ = DevicesDialog::DevicesOfReport(services_, traits_.ProgramTitle, path);
    suppression_ = DevicesDialog::SuppressionOfReport(services_, traits_.ProgramTitle, path);
    modelOptions_ = ModelOptionsDialog::ModelOptionsOfReport(services_, traits_.ProgramTitle, path);
    tenability_ =
        TenabilityDialog::TenabilityOfReport(services_, traits_.ProgramTitle, path, roomHeight);
    TellFileOpened(path);
}

void ZoneInputForm::ShowFileMessage(const std::string& text, MessageIcon icon) {
    services_.ShowMessage({text, traits_.ProgramTitle, icon, MessageButtons::Ok});
}

void ZoneInputForm::TellFileOpened(const std::string& path) {
    if (WhenFileOpened) {
        WhenFileOpened(path);
    }
}

void ZoneInputForm::EndProgram() {
    if (endProgram_) {
        endProgram_();
    } else {
        QCoreApplication::quit();
    }
}

void ZoneInputForm::mnuFileDevices_Click() {
    if (devicesDialog_) {
        devicesDialog_->raise();
        devicesDialog_->activateWindow();
        return;
    }
    auto* dialog = new DevicesDialog(services_, traits_.ProgramTitle, devices_, ShownUnits(), this);
    devicesDialog_ = dialog;
    dialog->ShowSuppression(suppression_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        devices_ = dialog->Devices();
        suppression_ = dialog->AcceptedSuppression();
        TellExplore();
        RunTitleBox()->setFocus();
    });
    connect(dialog, &QDialog::rejected, this, [this] { RunTitleBox()->setFocus(); });
    // Window-modal and not exec(), as the Criteria dialog: the form stays
    // painted behind it and no nested event loop holds the program.
    dialog->open();
}

void ZoneInputForm::mnuFileTenability_Click() {
    if (tenabilityDialog_) {
        tenabilityDialog_->raise();
        tenabilityDialog_->activateWindow();
        return;
    }
    // The room height the form holds now bounds the heights, when it is one.
    const double roomHeight = TypedRoomHeight();
    auto* dialog = new TenabilityDialog(
        services_, traits_.ProgramTitle, tenability_, ShownUnits(),
        roomHeight > 0 && std::isfinite(roomHeight) ? std::optional(roomHeight) : std::nullopt,
        this);
    tenabilityDialog_ = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        tenability_ = dialog->Tenability();
        TellExplore();
        RunTitleBox()->setFocus();
    });
    connect(dialog, &QDialog::rejected, this, [this] { RunTitleBox()->setFocus(); });
    dialog->open();
}

void ZoneInputForm::mnuFileModelOptions_Click() {
    if (modelOptionsDialog_) {
        modelOptionsDialog_->raise();
        modelOptionsDialog_->activateWindow();
        return;
    }
    auto* dialog = new ModelOptionsDialog(traits_.ProgramTitle, modelOptions_, this);
    modelOptionsDialog_ = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        modelOptions_ = dialog->Options();
        TellExplore();
        RunTitleBox()->setFocus();
    });
    connect(dialog, &QDialog::rejected, this, [this] { RunTitleBox()->setFocus(); });
    dialog->open();
}

void ZoneInputForm::ShowExplore(std::unique_ptr<ExploreModel> model) {
    auto* explore =
        new ExploreWindow(std::move(model), QString::fromStdString(traits_.ProgramTitle), this,
                          &services_, Followed());
    std::erase_if(explore_, [](const QPointer<ExploreWindow>& open) { return open.isNull(); });
    explore_.emplace_back(explore);
    // Run as Report: the boxes Explore moved take its values, as if typed,
    // and Run goes on as the menu's own, with its questions and its report.
    explore->SetRunAsReport(
        [this](const std::vector<std::pair<std::string, std::string>>& changed) {
            if (!isVisible()) {
                return false; // a report or its graph stands in for the form
            }
            for (const auto& [name, text] : changed) {
                TypeIntoBox(name, text);
            }
            raise();
            activateWindow();
            mnuRun_Click();
            return true;
        });
    explore->resize(900, 640);
    explore->show();
    explore->activateWindow();
}

ExploreFollowed ZoneInputForm::Followed() const {
    return {modelOptions_, devices_, suppression_, tenability_};
}

void ZoneInputForm::TellExplore() {
    for (const QPointer<ExploreWindow>& explore : explore_) {
        if (explore) {
            explore->SetFollowed(Followed());
        }
    }
}

} // namespace vorla::ui
