// The file name box of the input forms: every way a user or the form reaches
// it asks for the file exactly once, and nothing else ever does, also while
// the dialog it opened is still on screen.
#include "common/ui/file_name_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include <utility>

using vorla::ui::FileNameBox;

namespace {

// A form with a box before and after the file name box, in that tab order. Its
// handler does what every form's does: "shows the dialog" (records the event
// and runs what the test lets happen meanwhile), then moves the focus on.
struct Form {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    FileNameBox* box = new FileNameBox(&window);
    QLineEdit* after = new QLineEdit(&window);
    QStringList events;
    std::function<void()> whileDialogOpen;

    Form() {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* widget : {static_cast<QWidget*>(before), static_cast<QWidget*>(box),
                                static_cast<QWidget*>(after)}) {
            layout->addWidget(widget);
        }
        before->setObjectName("before");
        box->setObjectName("box");
        after->setObjectName("after");
        box->setText("OLD.FIR");
        QObject::connect(box, &FileNameBox::Clicked, [this] { Dialog("Clicked"); });
        QObject::connect(box, &FileNameBox::GotFocus, [this] { Dialog("GotFocus"); });
        window.show();
        Activate(&window);
        before->setFocus();
    }

    void Dialog(const QString& event) {
        events << event;
        // What the test lets happen meanwhile, once.
        if (const auto meanwhile = std::exchange(whileDialogOpen, nullptr)) {
            meanwhile();
        }
        after->setFocus();
    }

    static void Activate(QWidget* window) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) {
            qWarning("%s was not activated", qPrintable(window->objectName()));
        }
    }

    // Gives the box the focus as a window does when it is activated again.
    void FocusBackInBox() const { box->setFocus(Qt::ActiveWindowFocusReason); }

    // A mouse event as the window system delivers it, at a given time.
    void Mouse(QEvent::Type type, Qt::MouseButton button, quint64 time) const {
        const QPoint at = box->rect().center();
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, box->mapToGlobal(at), button, held, Qt::NoModifier);
        event.setTimestamp(time);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::instance()->notify(box, &event);
    }

    static std::pair<Qt::Key, Qt::KeyboardModifiers> Key(const QString& name) {
        if (name == "Enter") {
            return {Qt::Key_Return, Qt::NoModifier};
        }
        if (name == "keypad Enter") {
            return {Qt::Key_Enter, Qt::KeypadModifier};
        }
        if (name == "Space") {
            return {Qt::Key_Space, Qt::NoModifier};
        }
        if (name == "F4") {
            return {Qt::Key_F4, Qt::NoModifier};
        }
        if (name == "Alt+Enter") {
            return {Qt::Key_Return, Qt::AltModifier};
        }
        if (name == "Ctrl+Space") {
            return {Qt::Key_Space, Qt::ControlModifier};
        }
        qWarning("no such key: %s", qPrintable(name));
        return {Qt::Key_unknown, Qt::NoModifier};
    }

    // Reaches (or does not reach) the box the way a test row names.
    void Do(const QString& way) {
        if (way == "click") {
            QTest::mouseClick(box, Qt::LeftButton);
        } else if (way == "click while it has the focus") {
            FocusBackInBox();
            QTest::mouseClick(box, Qt::LeftButton);
        } else if (way == "double click") {
            // Press, release, second press, release, as fast as a user does.
            const quint64 start = 1000000;
            const auto step =
                static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval() / 4);
            Mouse(QEvent::MouseButtonPress, Qt::LeftButton, start);
            Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, start + step);
            Mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, start + 2 * step);
            Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, start + 3 * step);
        } else if (way == "double click of which the box saw only the second press") {
            QTest::mouseDClick(box, Qt::LeftButton);
        } else if (way == "Tab") {
            before->setFocus();
            QTest::keyClick(before, Qt::Key_Tab);
        } else if (way == "Shift+Tab") {
            after->setFocus();
            QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (way == "access key") {
            box->setFocus(Qt::ShortcutFocusReason);
        } else if (way == "the form, after a failed check") {
            box->MoveFocusHere();
        } else if (way.startsWith("key ")) {
            FocusBackInBox();
            const auto [key, modifiers] = Key(way.mid(4));
            QTest::keyClick(box, key, modifiers);
        } else if (way == "Enter held down") {
            FocusBackInBox();
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
            QApplication::sendEvent(box, &repeat);
        } else if (way == "typing") {
            FocusBackInBox();
            QTest::keyClicks(box, "NEW.FIR");
            QTest::keyClick(box, Qt::Key_Backspace);
        } else if (way == "focus back with the window") {
            FocusBackInBox();
        } else if (way == "window activated again") {
            FocusBackInBox();
            QWidget other;
            other.setObjectName("other");
            other.show();
            Activate(&other);
            Activate(&window);
        } else if (way == "menu closed") {
            box->setFocus(Qt::PopupFocusReason);
        } else if (way == "menu bar left") {
            box->setFocus(Qt::MenuBarFocusReason);
        } else if (way == "plain setFocus()") {
            box->setFocus();
        } else if (way == "right click") {
            QTest::mouseClick(box, Qt::RightButton);
        } else if (way == "middle click") {
            QTest::mouseClick(box, Qt::MiddleButton);
        } else if (way == "release of a press elsewhere") {
            QTest::mouseRelease(box, Qt::LeftButton);
        } else {
            QFAIL(qPrintable("no such way: " + way));
        }
    }
};

} // namespace

class FileNameBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void IsReachedOnceOrNotAtAll_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("event"); // empty: the box is not reached
        QTest::addColumn<QString>("focus"); // where the focus is afterwards
        struct Row {
            const char* way;
            const char* event;
            const char* focus;
        };
        const Row rows[] = {
            {"click", "GotFocus", "after"},
            {"click while it has the focus", "Clicked", "after"},
            // The second press gives the box the focus again, and no dialog.
            {"double click", "GotFocus", "box"},
            {"double click of which the box saw only the second press", "GotFocus", "after"},
            {"Tab", "GotFocus", "after"},
            {"Shift+Tab", "GotFocus", "after"},
            {"access key", "GotFocus", "after"},
            {"the form, after a failed check", "GotFocus", "after"},
            {"key Enter", "Clicked", "after"},
            {"key keypad Enter", "Clicked", "after"},
            {"key Space", "Clicked", "after"},
            {"key F4", "Clicked", "after"},

            {"key Alt+Enter", "", "box"},
            {"key Ctrl+Space", "", "box"},
            {"Enter held down", "", "box"},
            {"typing", "", "box"},
            {"focus back with the window", "", "box"},
            {"window activated again", "", "box"},
            {"menu closed", "", "box"},
            {"menu bar left", "", "box"},
            {"plain setFocus()", "", "box"},
            {"right click", "", "box"},
            {"middle click", "", "box"},
            {"release of a press elsewhere", "", "before"},
        };
        for (const auto& row : rows) {
            QTest::newRow(row.way) << row.way << row.event << row.focus;
        }
    }
    void IsReachedOnceOrNotAtAll() {
        QFETCH(QString, way);
        QFETCH(QString, event);
        QFETCH(QString, focus);
        Form form;
        form.Do(way);
        QTest::qWait(50); // nothing is left to come from the event loop
        QCOMPARE(form.events, event.isEmpty() ? QStringList() : QStringList{event});
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(form.box->text(), QString("OLD.FIR"));
        QVERIFY(form.box->isReadOnly());
    }

    // Whatever reaches the box while its dialog is on screen belongs to the
    // request that opened it.
    void NothingReachesItWhileItsDialogIsOpen_data() {
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("meanwhile");
        const QStringList openings = {"click", "Tab", "key Enter",
                                      "the form, after a failed check"};
        const QStringList others = {"click", "Tab", "key Space", "the form, after a failed check",
                                    "window activated again"};
        for (const auto& opening : openings) {
            for (const auto& other : others) {
                QTest::addRow("%s, then %s", qPrintable(opening), qPrintable(other))
                    << opening << other;
            }
        }
    }
    void NothingReachesItWhileItsDialogIsOpen() {
        QFETCH(QString, opening);
        QFETCH(QString, meanwhile);
        Form form;
        form.whileDialogOpen = [&form, meanwhile] { form.Do(meanwhile); };
        form.Do(opening);
        QTest::qWait(50);
        QCOMPARE(form.events.size(), 1);
        QCOMPARE(QApplication::focusWidget(), form.after);

        // Once it has closed, the box is reached again as before.
        form.Do(opening);
        QCOMPARE(form.events.size(), 2);
    }

    void TheFormMovesTheFocusThereWhileItsWindowWaitsToBeActivated() {
        Form form;
        QWidget messageBox;
        messageBox.setObjectName("messageBox");
        messageBox.show();
        Form::Activate(&messageBox);
        form.box->MoveFocusHere();
        QCOMPARE(form.events, QStringList{"GotFocus"});
        Form::Activate(&form.window);
        QTest::qWait(20);
        QCOMPARE(form.events, QStringList{"GotFocus"});
        QCOMPARE(QApplication::focusWidget(), form.after);
    }
};

QTEST_MAIN(FileNameBoxTest)
#include "file_name_box_test.moc"
