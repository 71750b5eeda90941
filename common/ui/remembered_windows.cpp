#include "common/ui/remembered_windows.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vorla::ui {
namespace {

// The program's own windows carry their form's name ("frmInput", "frmGraph");
// message boxes, dialogs and menus are not placed by the user.
bool IsProgramWindow(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget != nullptr && widget->isWindow() &&
           widget->objectName().startsWith(QStringLiteral("frm")) &&
           widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip;
}

QList<QRect> AvailableAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.append(screen->availableGeometry());
    }
    return areas;
}

} // namespace

RememberedWindows::RememberedWindows(ProgramSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool RememberedWindows::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide || type == QEvent::Close) &&
        IsProgramWindow(watched)) {
        auto* window = static_cast<QWidget*>(watched);
        if (type == QEvent::Show) {
            Restore(*window);
        } else if (window->isVisible() || type == QEvent::Hide) {
            Keep(*window);
        }
    }
    return QObject::eventFilter(watched, event);
}

void RememberedWindows::Restore(QWidget& window) {
    const QString name = window.objectName();
    if (restored_.contains(name)) {
        return;
    }
    restored_.insert(name);
    const auto frame = settings_.WindowFrame(name);
    if (!frame || !FitsOnScreens(*frame, AvailableAreas())) {
        return;
    }
    // The window is not framed yet: its border is only known once the window
    // manager has put one round it, so a frame cannot be turned into the
    // window's own geometry here (taking the border as none made each start
    // grow the window by its border and move it up by its title bar). Qt's own
    // record of the window sets its inside, which the window manager frames as
    // it was.
    if (const auto geometry = settings_.WindowGeometry(name);
        geometry && window.restoreGeometry(*geometry)) {
        return;
    }
    // Kept by an earlier version of the program, which kept the frame only
    // and let it grow: its place, where a move puts the frame's corner, but
    // the window's own size.
    window.move(frame->topLeft());
}

void RememberedWindows::Keep(const QWidget& window) {
    // Once shown, the window manager's frame is round the window: the frame
    // is the one the user saw, for the check that it still fits the screens.
    settings_.SetWindowFrame(window.objectName(), window.frameGeometry());
    settings_.SetWindowGeometry(window.objectName(), window.saveGeometry());
}

void RememberUnitOption(QWidget& form, ProgramSettings& settings) {
    auto* si = form.findChild<QAbstractButton*>(QStringLiteral("optUnits(0)"));
    auto* us = form.findChild<QAbstractButton*>(QStringLiteral("optUnits(1)"));
    if (si == nullptr || us == nullptr) {
        return;
    }
    // A click, as the user's: the form converts its boxes and labels.
    if (settings.Units() == UnitSystem::US && !us->isChecked()) {
        us->click();
    }
    // Only the user's choice is remembered: File New and File Open show the
    // form in S.I. units (a report holds S.I. values, and a run of the opened
    // report must read them unrounded), which is no change of mind.
    QObject::connect(si, &QAbstractButton::clicked, &form,
                     [&settings] { settings.SetUnits(UnitSystem::SI); });
    QObject::connect(us, &QAbstractButton::clicked, &form,
                     [&settings] { settings.SetUnits(UnitSystem::US); });
}

} // namespace vorla::ui
