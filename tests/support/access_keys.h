// The access keys of a window that answer to the same key, for the window
// tests of every program. In a window, Alt+letter goes to one control only, so
// two controls that claim it leave one of them out of the keyboard's reach.
//
//   QCOMPARE(AccessKeyCollisions(*form), QStringList());
//
// Claims in the window: the mnemonics ("&File") of its buttons (push, radio,
// check, tool), of its labels that have a buddy, of its group boxes, of the
// tabs of its tab bars and of the titles on its menu bar, and its shortcuts and
// actions bound to Alt with one key. Controls that are hidden (in the window
// as it would be shown) claim nothing; disabled ones do, as they may be enabled.
// Each menu of the menu bar, and each submenu, is its own scope: its items'
// letters must not repeat within it. Each collision is one line: the key, then
// the controls that claim it by object name ("Alt+F: cmdFurniture, mnuFile"),
// prefixed by the menu for a menu's items ("mnuFile: Alt+O: …").
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QString>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

namespace vorla::test_support {
namespace access_keys_detail {

// "Alt+F" for "&File", nothing for a caption without one ("&&" is a plain "&").
inline QString MnemonicOf(const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    return key.isEmpty() ? QString() : key.toString(QKeySequence::PortableText);
}

// "Alt+F" for a sequence of one key pressed with Alt alone.
inline QString AltKeyOf(const QKeySequence& keys) {
    if (keys.count() != 1 || keys[0].keyboardModifiers() != Qt::AltModifier) {
        return {};
    }
    return QKeySequence(keys[0]).toString(QKeySequence::PortableText);
}

inline QString NameOf(const QObject& object, const QString& text) {
    if (!object.objectName().isEmpty()) {
        return object.objectName();
    }
    return QStringLiteral("%1 \"%2\"").arg(object.metaObject()->className(), text);
}

using Claims = QMap<QString, QStringList>; // key -> the controls that claim it

inline void Claim(Claims& claims, const QString& key, const QString& name) {
    if (!key.isEmpty()) {
        claims[key] << name;
    }
}

inline QStringList CollisionsOf(const Claims& claims, const QString& prefix) {
    QStringList collisions;
    for (auto claim = claims.begin(); claim != claims.end(); ++claim) {
        if (claim.value().size() > 1) {
            collisions << prefix + claim.key() + ": " + claim.value().join(", ");
        }
    }
    return collisions;
}

// A control of `window` itself (not of a window of its own inside it) that
// would be on screen when the window is.
inline bool Shown(const QWidget& window, const QWidget& control) {
    return control.window() == &window && control.isVisibleTo(&window);
}

inline QStringList MenuCollisions(const QMenu& menu) {
    Claims claims;
    QStringList collisions;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || !action->isVisible()) {
            continue;
        }
        Claim(claims, MnemonicOf(action->text()), NameOf(*action, action->text()));
        if (const QMenu* submenu = action->menu()) {
            collisions << MenuCollisions(*submenu);
        }
    }
    return CollisionsOf(claims, NameOf(menu, menu.title()) + ": ") + collisions;
}

} // namespace access_keys_detail

inline QStringList AccessKeyCollisions(const QWidget& window) {
    using namespace access_keys_detail;
    Claims claims;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (Shown(window, *button)) {
            Claim(claims, MnemonicOf(button->text()), NameOf(*button, button->text()));
        }
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr && Shown(window, *label)) {
            Claim(claims, MnemonicOf(label->text()), NameOf(*label, label->text()));
        }
    }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        if (Shown(window, *group)) {
            Claim(claims, MnemonicOf(group->title()), NameOf(*group, group->title()));
        }
    }
    for (const QTabBar* tabs : window.findChildren<QTabBar*>()) {
        if (!Shown(window, *tabs)) {
            continue;
        }
        for (int t = 0; t < tabs->count(); ++t) {
            if (tabs->isTabVisible(t)) {
                Claim(claims, MnemonicOf(tabs->tabText(t)),
                      QStringLiteral("%1 tab %2").arg(NameOf(*tabs, {})).arg(t));
            }
        }
    }
    QStringList menuCollisions;
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        if (!Shown(window, *bar)) {
            continue;
        }
        for (QAction* action : bar->actions()) {
            if (action->isSeparator() || !action->isVisible()) {
                continue;
            }
            const QMenu* menu = action->menu();
            const QString name =
                menu != nullptr ? NameOf(*menu, menu->title()) : NameOf(*action, action->text());
            Claim(claims, MnemonicOf(action->text()), name);
            if (menu != nullptr) {
                menuCollisions << MenuCollisions(*menu);
            }
        }
    }
    for (const QShortcut* shortcut : window.findChildren<QShortcut*>()) {
        const auto* owner = qobject_cast<const QWidget*>(shortcut->parent());
        if (!shortcut->isEnabled() || owner == nullptr || owner->window() != &window) {
            continue;
        }
        for (const QKeySequence& keys : shortcut->keys()) {
            Claim(claims, AltKeyOf(keys),
                  shortcut->objectName().isEmpty()
                      ? QStringLiteral("shortcut of %1").arg(NameOf(*owner, {}))
                      : shortcut->objectName());
        }
    }
    for (const QAction* action : window.actions()) {
        for (const QKeySequence& keys : action->shortcuts()) {
            Claim(claims, AltKeyOf(keys), NameOf(*action, action->text()));
        }
    }
    return CollisionsOf(claims, {}) + menuCollisions;
}

} // namespace vorla::test_support
