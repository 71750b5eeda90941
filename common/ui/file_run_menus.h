// The menu bar of a model's input form: "File" with "&New", "&Open", a
// separator and "&Exit", and "Run" on the bar itself.
//
// "File" and "Run" carry no access key of their own, so the keyboard reaches
// them the usual desktop way, the same in every program: F10 or Alt+F opens
// File, whose items then answer to N, O and E, and the arrow keys move on to
// Run; Enter or Space while Run is highlighted runs, and Alt+R runs at once.
#pragma once

class QAction;
class QFrame;
class QWidget;
class QMainWindow;
class QMenu;
class QMenuBar;

namespace vorla::ui {

struct FileRunMenus {
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileBar1 = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuRun = nullptr;
};

// Builds the menus in `window`'s menu bar, each named as its control, with
// their keyboard access. The form connects the actions to its handlers.
FileRunMenus BuildFileRunMenus(QMainWindow& window);

// The "File" menu of a window that is not a main window (the report
// windows), in `bar`, which the window's layout holds: no access key of its
// own, F10 and Alt+F open it, as the input forms' File.
QMenu* BuildWindowFileMenu(QWidget& window, QMenuBar& bar);

// The separator line `linBelowMenu` that sets the form's fields off from the
// menu bar; the form places it at the top of its layout.
QFrame* LineBelowMenu(QWidget* form);

} // namespace vorla::ui
