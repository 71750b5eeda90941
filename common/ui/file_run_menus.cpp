#include "common/ui/file_run_menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>

namespace vorla::ui {

QFrame* LineBelowMenu(QWidget* form) {
    auto* line = new QFrame(form);
    line->setObjectName("linBelowMenu");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
namespace {

// A menu bar opens menus from the keyboard but does not trigger an item that
// has no menu, and meanwhile it leaves the keys with whichever box has the
// focus: so the keys are watched for the whole program, and Enter or Space
// while "Run" is highlighted in the active window runs.
class RunKeyFilter final : public QObject {
  public:
    RunKeyFilter(QMainWindow& window, QMenuBar& bar, QAction& run)
        : QObject(&window), window_(window), bar_(&bar), run_(run) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !bar_ || bar_->activeAction() != &run_ ||
            !window_.isActiveWindow()) {
            return QObject::eventFilter(watched, event);
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) {
            return QObject::eventFilter(watched, event);
        }
        bar_->setActiveAction(nullptr);
        run_.trigger();
        return true;
    }

  private:
    QMainWindow& window_;
    QPointer<QMenuBar> bar_;
    QAction& run_;
};

QAction* NamedAction(QAction* action, const char* name) {
    action->setObjectName(name);
    return action;
}

// F10 and Alt+F open File, which has no access key of its own.
void OpenFileMenuFromKeys(QWidget& window, QMenuBar& bar, QMenu& file) {
    QAction* fileMenu = file.menuAction();
    QMenuBar* menuBar = &bar;
    for (const auto& keys : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::ALT | Qt::Key_F)}) {
        auto* shortcut = new QShortcut(keys, &window);
        QObject::connect(shortcut, &QShortcut::activated, menuBar,
                         [menuBar, fileMenu] { menuBar->setActiveAction(fileMenu); });
    }
}

} // namespace

QMenu* BuildWindowFileMenu(QWidget& window, QMenuBar& bar) {
    QMenu* file = bar.addMenu("File");
    file->setObjectName("mnuFile");
    OpenFileMenuFromKeys(window, bar, *file);
    return file;
}

FileRunMenus BuildFileRunMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    FileRunMenus menus;
    menus.mnuFile = bar->addMenu("File");
    menus.mnuFile->setObjectName("mnuFile");
    menus.mnuFileNew = NamedAction(menus.mnuFile->addAction("&New"), "mnuFileNew");
    menus.mnuFileOpen = NamedAction(menus.mnuFile->addAction("&Open"), "mnuFileOpen");
    menus.mnuFileBar1 = NamedAction(menus.mnuFile->addSeparator(), "mnuFileBar1");
    menus.mnuFileExit = NamedAction(menus.mnuFile->addAction("&Exit"), "mnuFileExit");
    menus.mnuRun = NamedAction(bar->addAction("Run"), "mnuRun");

    OpenFileMenuFromKeys(window, *bar, *menus.mnuFile);
    auto* run = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_R), &window);
    QObject::connect(run, &QShortcut::activated, menus.mnuRun, &QAction::trigger);
    new RunKeyFilter(window, *bar, *menus.mnuRun);
    return menus;
}

} // namespace vorla::ui
