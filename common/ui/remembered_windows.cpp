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
    // The kept frame includes the window manager's border; the window's own
    // geometry is the frame less that border, as it is now.
    const QRect border = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins margins(inner.left() - border.left(), inner.top() - border.top(),
                           border.right() - inner.right(), border.bottom() - inner.bottom());
    window.setGeometry(frame->marginsRemoved(margins));
}

void RememberedWindows::Keep(const QWidget& window) {
    settings_.SetWindowFrame(window.objectName(), window.frameGeometry());
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
