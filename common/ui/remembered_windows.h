// The program's windows come back where the user left them, and its forms in
// the units last chosen. One object in main() watches every top-level window:
// a window shown for the first time in this run comes back where and as large
// as it was left (when its frame still fits the screens), and a window hidden
// or closed keeps its place.
#pragma once

#include "common/ui/program_settings.h"

#include <QObject>
#include <QSet>

class QWidget;

namespace vorla::ui {

class RememberedWindows final : public QObject {
  public:
    // Watches the application's windows from now on, as long as it lives.
    explicit RememberedWindows(ProgramSettings& settings, QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Restore(QWidget& window);
    void Keep(const QWidget& window);

    ProgramSettings& settings_;
    QSet<QString> restored_; // each window takes its kept place once a run
};

// The form's unit options ("optUnits(0)" S.I., "optUnits(1)" U.S.) start as
// last chosen, and each choice is kept. A form without them is left alone.
void RememberUnitOption(QWidget& form, ProgramSettings& settings);

} // namespace vorla::ui
