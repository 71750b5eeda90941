// What the window tests share: finding a window and its controls by object
// name, as a user's tools do, rather than through the window's members.
//
//   auto* report = VisibleWindow("frmOutput");
//   Control<QPushButton>(report, "cmdSave")->click();
//   Trigger(form, "mnuRun");
//
// A missing control is reported with a warning naming it, and the test then
// fails at its first use of the null pointer's result.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QWidget>
#include <memory>

namespace vorla::test_support {

// A window test's settings go to `folder`, one of the test's own, never the
// user's: Qt's test mode, and `program`'s settings in INI files there.
inline void UseTestSettings(const char* program, const QString& folder) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("VORLA");
    QCoreApplication::setApplicationName(program);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

template <typename T = QWidget> T* Control(const QObject* window, const QString& name) {
    T* control = window ? window->findChild<T*>(name) : nullptr;
    if (control == nullptr) {
        qWarning("no control %s in %s", qPrintable(name),
                 window ? qPrintable(window->objectName()) : "(no window)");
    }
    return control;
}
template <typename T = QWidget> T* Control(const QObject& window, const QString& name) {
    return Control<T>(&window, name);
}
template <typename T = QWidget, typename W>
T* Control(const std::unique_ptr<W>& window, const QString& name) {
    return Control<T>(window.get(), name);
}

// "txtTime(3)": element `index` of a control array.
inline QString Element(const QString& name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

// The top-level window of that object name that is on screen, or nothing.
template <typename T = QWidget> T* VisibleWindow(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return qobject_cast<T*>(window);
        }
    }
    return nullptr;
}

// The top-level window of that object name, shown or hidden, or nothing.
template <typename T = QWidget> T* AnyWindow(const QString& name) {
    if (auto* shown = VisibleWindow<T>(name)) {
        return shown;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name) {
            return qobject_cast<T*>(window);
        }
    }
    return nullptr;
}

// A menu command, as a click on it.
template <typename W> void Trigger(const W& window, const QString& action) {
    if (auto* command = Control<QAction>(window, action)) {
        command->trigger();
    }
}

// A button, as a click on it.
template <typename W> void Click(const W& window, const QString& button) {
    if (auto* pressed = Control<QAbstractButton>(window, button)) {
        pressed->click();
    }
}

// The object name of the widget that has the keyboard focus.
inline QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

} // namespace vorla::test_support
