#include "common/ui/program_memory.h"

#include "common/suite_version.h"
#include "common/ui/preferences_dialog.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace vorla::ui {
namespace {

// Opens an installed document (`file` under `folder`, at `section`),
// or says why it cannot.
void OpenInstalledDocument(PlatformServices& services, const std::string& folder,
                           const std::string& programName, const std::string& file,
                           const std::string& section) {
    const std::string path = folder + "/" + file;
    const std::string title = programName + ": Help";
    if (!QFileInfo::exists(QString::fromStdString(path))) {
        services.ShowMessage(
            {"The document " + path + " is not installed. Install the vorla package to read it.",
             title, MessageIcon::Exclamation});
        return;
    }
    if (!services.OpenLocalFile(section.empty() ? path : path + "#" + section)) {
        services.ShowMessage({"The system has no program to open " + path + " with.", title,
                              MessageIcon::Exclamation});
    }
}

QAction* MenuItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& keys) {
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    if (!keys.isEmpty()) {
        item->setShortcut(keys);
        item->setShortcutVisibleInContextMenu(true);
    }
    return item;
}

} // namespace

std::string AboutText(const std::string& programName) {
    return programName + ", version " + std::string(kSuiteVersion) +
           ", of the VORLA suite.\n\n"
           // As packaging/CMakeLists.txt states it (VORLA_LICENSE_TEXT).
           "The authors have not published this suite under a licence; all rights are "
           "reserved.\n\n"
           "Reference data: the verification compares with results of NIST CFAST and with "
           "measurements of the National Institute of Standards and Technology (the "
           "firemodels/exp repository). They are works of the United States government, not "
           "subject to copyright in the United States; the notice is in "
           "verification/reference/experiments/LICENSE-NIST.md.";
}

ProgramMemory::ProgramMemory(PlatformServices& platform)
    : dialogs_(platform, settings_), windows_(std::make_unique<RememberedWindows>(settings_)) {}

ProgramMemory::~ProgramMemory() = default;

void ProgramMemory::Attach(QWidget& mainWindow, std::string programName,
                           std::function<bool(const std::string&)> open,
                           std::function<void(const std::string&)>& whenOpened,
                           std::function<void(const std::string&)>& whenSaved) {
    RememberUnitOption(mainWindow, settings_);
    auto* fileMenu = mainWindow.findChild<QMenu*>(QStringLiteral("mnuFile"));
    if (fileMenu == nullptr) {
        return;
    }
    auto* lineAboveExit = mainWindow.findChild<QAction*>(QStringLiteral("mnuFileBar1"));
    recent_ = new RecentFilesMenu(*fileMenu, lineAboveExit, settings_, dialogs_,
                                  std::move(programName), std::move(open));
    whenOpened = [recent = recent_](const std::string& path) { recent->Opened(path); };
    whenSaved = [recent = recent_](const std::string& path) { recent->Saved(path); };
}

void ProgramMemory::AddRecentResults(std::function<bool(const std::string&)> openResults) {
    if (recent_ != nullptr) {
        recent_->AddResultsMenu(std::move(openResults));
    }
}

QAction* ProgramMemory::AddPreferences(QWidget& mainWindow, const std::string& programName,
                                       bool asksFlashover) {
    auto* fileMenu = mainWindow.findChild<QMenu*>(QStringLiteral("mnuFile"));
    if (fileMenu == nullptr) {
        return nullptr;
    }
    auto* preferences = new QAction(QStringLiteral("&Preferences\u2026"), fileMenu);
    preferences->setObjectName("mnuFilePreferences");
    preferences->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    preferences->setShortcutVisibleInContextMenu(true);
    auto* lineAboveExit = mainWindow.findChild<QAction*>(QStringLiteral("mnuFileBar1"));
    fileMenu->insertAction(lineAboveExit, preferences); // at the end where there is no line
    mainWindow.addAction(preferences);                  // Ctrl+, with the menu closed
    QObject::connect(
        preferences, &QAction::triggered, &mainWindow, [&mainWindow, programName, asksFlashover] {
            auto* dialog = new PreferencesDialog(programName, asksFlashover, &mainWindow);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->open();
        });
    return preferences;
}

QMenu* ProgramMemory::AddHelp(QWidget& mainWindow, const std::string& programName,
                              const std::string& guideSection) {
    auto* bar = mainWindow.findChild<QMenuBar*>();
    if (bar == nullptr) {
        return nullptr;
    }
    // No access key of its own, as "File": F10 and the arrow keys reach it.
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName("mnuHelp");
    QAction* guide = MenuItem(help, "mnuHelpUserGuide", "&User Guide", QKeySequence::HelpContents);
    QAction* verification =
        MenuItem(help, "mnuHelpVerification", "&Verification and Validation", QKeySequence());
    help->addSeparator()->setObjectName("mnuHelpBar1");
    QAction* about = MenuItem(help, "mnuHelpAbout", "&About", QKeySequence());
    mainWindow.addAction(guide); // F1 with the menu closed
    PlatformServices& services = dialogs_;
    QObject::connect(
        guide, &QAction::triggered, &mainWindow, [this, &services, programName, guideSection] {
            OpenInstalledDocument(services, docFolder_, programName, kUserGuideFile, guideSection);
        });
    QObject::connect(
        verification, &QAction::triggered, &mainWindow, [this, &services, programName] {
            OpenInstalledDocument(services, docFolder_, programName, kVerificationFile, {});
        });
    QObject::connect(about, &QAction::triggered, &mainWindow, [&services, programName] {
        services.ShowMessage(
            {AboutText(programName), programName + ": About", MessageIcon::Information});
    });
    return help;
}

} // namespace vorla::ui
