// The File / Run menu bar of the models' input forms: its captions and names,
// and every way the keyboard reaches its commands.
#include "common/ui/file_run_menus.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using vorla::ui::BuildFileRunMenus;
using vorla::ui::FileRunMenus;

namespace {

struct Window {
    QMainWindow window;
    FileRunMenus menus = BuildFileRunMenus(window);
    QLineEdit* box = new QLineEdit(&window);
    QStringList triggered;

    Window() {
        window.setCentralWidget(box);
        for (QAction* action :
             {menus.mnuFileNew, menus.mnuFileOpen, menus.mnuFileExit, menus.mnuRun}) {
            QObject::connect(action, &QAction::triggered,
                             [this, action] { triggered << action->objectName(); });
        }
        window.show();
        Activate(&window);
        box->setFocus();
    }

    static void Activate(QWidget* window) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) {
            qWarning("a window was not activated");
        }
    }

    bool FileMenuOpen() const {
        return QApplication::activePopupWidget() == menus.mnuFile && menus.mnuFile->isVisible();
    }
};

} // namespace

class FileRunMenusTest : public QObject {
    Q_OBJECT

  private slots:
    void CarryTheirCaptionsAndNames() {
        Window w;
        QCOMPARE(w.menus.mnuFile->title(), QString("File"));
        QCOMPARE(w.menus.mnuFile->objectName(), QString("mnuFile"));
        QCOMPARE(w.window.menuBar()->actions(),
                 QList<QAction*>({w.menus.mnuFile->menuAction(), w.menus.mnuRun}));
        QCOMPARE(w.menus.mnuRun->text(), QString("Run"));
        QCOMPARE(w.menus.mnuRun->objectName(), QString("mnuRun"));
        QCOMPARE(w.menus.mnuRun->menu(), nullptr);
        QStringList items;
        for (const QAction* action : w.menus.mnuFile->actions()) {
            items << (action->isSeparator() ? "-" : action->text()) + "=" + action->objectName();
        }
        QCOMPARE(items, QStringList({"&New=mnuFileNew", "&Open=mnuFileOpen", "-=mnuFileBar1",
                                     "&Exit=mnuFileExit"}));
        QCOMPARE(w.menus.mnuFileBar1, w.menus.mnuFile->actions()[2]);
    }

    void AnswerTheKeyboard_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("triggered"); // empty: nothing
        QTest::addColumn<bool>("fileMenuOpen");
        QTest::newRow("F10") << "F10"
                             << "" << true;
        QTest::newRow("Alt+F") << "Alt+F"
                               << "" << true;
        QTest::newRow("F10, N") << "F10 N"
                                << "mnuFileNew" << false;
        QTest::newRow("Alt+F, O") << "Alt+F O"
                                  << "mnuFileOpen" << false;
        QTest::newRow("Alt+F, E") << "Alt+F E"
                                  << "mnuFileExit" << false;
        QTest::newRow("Alt+R") << "Alt+R"
                               << "mnuRun" << false;
        QTest::newRow("F10, Right, Enter") << "F10 Right Enter"
                                           << "mnuRun" << false;
        QTest::newRow("Run highlighted, Enter") << "highlight-Run Enter"
                                                << "mnuRun" << false;
        QTest::newRow("Run highlighted, keypad Enter") << "highlight-Run keypad-Enter"
                                                       << "mnuRun" << false;
        QTest::newRow("Run highlighted, Space") << "highlight-Run Space"
                                                << "mnuRun" << false;
        QTest::newRow("Enter in the box") << "Enter"
                                          << "" << false;
        QTest::newRow("Run highlighted, another window active, Enter")
            << "highlight-Run other-window Enter"
            << "" << false;
    }
    void AnswerTheKeyboard() {
        QFETCH(QString, keys);
        QFETCH(QString, triggered);
        QFETCH(bool, fileMenuOpen);
        Window w;
        QLineEdit otherBox;
        for (const auto& key : keys.split(u' ')) {
            QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                                : QApplication::focusWidget();
            if (key == "F10") {
                QTest::keyClick(target, Qt::Key_F10);
            } else if (key == "Alt+F") {
                QTest::keyClick(target, Qt::Key_F, Qt::AltModifier);
            } else if (key == "Alt+R") {
                QTest::keyClick(target, Qt::Key_R, Qt::AltModifier);
            } else if (key == "N" || key == "O" || key == "E") {
                QTest::keyClick(target, static_cast<Qt::Key>(key.at(0).unicode()));
            } else if (key == "Right") {
                QTest::keyClick(target, Qt::Key_Right);
            } else if (key == "Enter") {
                QTest::keyClick(target, Qt::Key_Return);
            } else if (key == "keypad-Enter") {
                QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
            } else if (key == "Space") {
                QTest::keyClick(target, Qt::Key_Space);
            } else if (key == "highlight-Run") {
                w.window.menuBar()->setActiveAction(w.menus.mnuRun);
            } else if (key == "other-window") {
                otherBox.show();
                Window::Activate(&otherBox);
            } else {
                QFAIL(qPrintable("no such key: " + key));
            }
            QTest::qWait(10);
        }
        QTRY_COMPARE(w.FileMenuOpen(), fileMenuOpen);
        QCOMPARE(w.triggered, triggered.isEmpty() ? QStringList() : QStringList{triggered});
        if (!triggered.isEmpty()) {
            // Run leaves nothing highlighted for the next Enter to run again.
            QCOMPARE(w.window.menuBar()->activeAction(), nullptr);
        }
    }
};

QTEST_MAIN(FileRunMenusTest)
#include "file_run_menus_test.moc"
