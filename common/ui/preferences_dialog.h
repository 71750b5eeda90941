// dlgPreferences, "<program>: Preferences": what the user chooses once for
// every run, kept in the user's settings (common/ui/program_settings.h):
//
//   At flashover      Ask / Always stop / Always continue   (VORLA-XW only)
//   Units at start    S.I. / U.S.: the unit option the input form starts with
//   Graph theme       Dark (the graph windows' own look) / Light (white paper)
//   Time axis         min / s: the unit of the graphs' time axis
//
// OK writes every choice; Cancel and Escape leave the settings as they were.
#pragma once

#include "common/ui/program_settings.h"

#include <QDialog>
#include <string>

class QComboBox;
class QPushButton;

namespace vorla::ui {

// Tells the open windows that OK has written the choices, so they follow
// them (the graph windows' time axis).
class PreferencesSignals final : public QObject {
    Q_OBJECT
  signals:
    void Changed();
};
PreferencesSignals& PreferencesChanges();

class PreferencesDialog final : public QDialog {
    Q_OBJECT
  public:
    // `asksFlashover`: the program asks the flashover question, so its answer
    // is offered (VORLA-XW).
    PreferencesDialog(const std::string& programName, bool asksFlashover, QWidget* parent);

  private:
    void cmdOK_Click();

    QComboBox* cboFlashoverAnswer = nullptr; // none where the program has no flashover question
    QComboBox* cboUnits;
    QComboBox* cboGraphTheme;
    QComboBox* cboTimeAxisUnit;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace vorla::ui
