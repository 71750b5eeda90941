// Typing into the dialogs both zone models' input forms open from File: the
// Detectors and Sprinklers dialog (dlgDevices), the Smoke and Tenability
// dialog (dlgTenability) and the Model Options dialog (dlgModelOptions), as a
// user fills them, then OK. One helper for the window tests of both programs.
#pragma once

#include "tests/support/window_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTableWidget>
#include <initializer_list>
#include <utility>

namespace vorla::test_support {

// One row of the Detectors and Sprinklers dialog: name, radius (m), RTI,
// operating temperature (°C); a sprinkler 0.05 m below the ceiling, with the
// dialog's conduction factor.
struct TypedSprinkler {
    QString Name, Radius, Rti, Temperature;
};

// What a dialog typed into showed: whether it closed on OK, and its title.
struct TypedDialog {
    bool Closed = false;
    QString Title;
};

inline void SettleDialogs() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Adds the sprinklers in the dialog File > Detectors and Sprinklers… of
// `input` opens, and presses OK. With `decayingSprayDensity` (mm/s) the fire
// decays after the first sprinkler (optSuppression(2)).
inline TypedDialog TypeSprinklers(QWidget* input, std::initializer_list<TypedSprinkler> sprinklers,
                                  const QString& decayingSprayDensity = QString()) {
    Trigger(input, "mnuFileDevices");
    // The dialog deletes itself once closed.
    QPointer<QDialog> dialog = Control<QDialog>(input, "dlgDevices");
    if (!dialog || !dialog->isVisible()) {
        return {};
    }
    TypedDialog typed{false, dialog->windowTitle()};
    auto* table = Control<QTableWidget>(dialog, "tblDevices");
    for (const auto& sprinkler : sprinklers) {
        Click(dialog, "cmdAdd");
        const int row = table->rowCount() - 1;
        table->item(row, 0)->setText(sprinkler.Name);
        table->item(row, 2)->setText(sprinkler.Radius);
        table->item(row, 3)->setText("0.05");
        table->item(row, 4)->setText(sprinkler.Rti);
        table->item(row, 6)->setText(sprinkler.Temperature);
    }
    if (!decayingSprayDensity.isEmpty()) {
        Click(dialog, "optSuppression(2)");
        Control<QLineEdit>(dialog, "txtSprayDensity")->setText(decayingSprayDensity);
    }
    Click(dialog, "cmdOK");
    SettleDialogs();
    typed.Closed = !dialog || !dialog->isVisible();
    return typed;
}

// Follows tenability in the dialog File > Smoke and Tenability… of `input`
// opens, with the boxes typed (object name, text) and, when `signIndex` is
// not negative, that choice of cboSign (1: lit signs); then OK.
inline TypedDialog TypeTenability(QWidget* input,
                                  std::initializer_list<std::pair<const char*, QString>> boxes,
                                  int signIndex = -1) {
    Trigger(input, "mnuFileTenability");
    QPointer<QDialog> dialog = Control<QDialog>(input, "dlgTenability");
    if (!dialog || !dialog->isVisible()) {
        return {};
    }
    TypedDialog typed{false, dialog->windowTitle()};
    Control<QCheckBox>(dialog, "chkFollow")->setChecked(true);
    for (const auto& [name, text] : boxes) {
        Control<QLineEdit>(dialog, name)->setText(text);
    }
    if (signIndex >= 0) {
        Control<QComboBox>(dialog, "cboSign")->setCurrentIndex(signIndex);
    }
    Click(dialog, "cmdOK");
    SettleDialogs();
    typed.Closed = !dialog || !dialog->isVisible();
    return typed;
}

// Chooses in the dialog File > Model Options… of `input` opens: the fire
// position's and the plume's list indexes and the model uncertainty box; then OK.
inline TypedDialog TypeModelOptions(QWidget* input, int position, int plume, bool uncertainty) {
    Trigger(input, "mnuFileModelOptions");
    QPointer<QDialog> dialog = Control<QDialog>(input, "dlgModelOptions");
    if (!dialog || !dialog->isVisible()) {
        return {};
    }
    TypedDialog typed{false, dialog->windowTitle()};
    Control<QComboBox>(dialog, "cboFirePosition")->setCurrentIndex(position);
    Control<QComboBox>(dialog, "cboPlume")->setCurrentIndex(plume);
    Control<QCheckBox>(dialog, "chkModelUncertainty")->setChecked(uncertainty);
    Click(dialog, "cmdOK");
    SettleDialogs();
    typed.Closed = !dialog || !dialog->isVisible();
    return typed;
}

} // namespace vorla::test_support
