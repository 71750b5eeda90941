// QDOT-XW's `frmGraph`: the preview of the curve just built, in kW or Btu/s
// against time, with Save (writes the fire file named on the main form) and
// Close (offers to save first, then returns to the main form). The window is
// made when the main form is and is only ever hidden.
#pragma once

#include "common/ui/graph_window.h"
#include "fire_generator/curves/standard_module.h"

#include <string>

class QPushButton;

namespace vorla::ui {
class PlatformServices;
}

namespace vorla::generator {

class frmGraph final : public vorla::ui::GraphWindow {
    Q_OBJECT
  public:
    frmGraph(StandardModule& module, vorla::ui::PlatformServices& services);

    // Each time a curve form shows the window: plots the curve anew and makes
    // it unsaved.
    void Form_Activate();
    // The curve of a fire file just opened: plotted as a new one, but already
    // on disk, so Close does not offer to save it (Save still writes it anew).
    void ShowOpenedFire();
    // The user chose `path` in the main form's Save As dialog (which asks before
    // choosing an existing file): Save replaces it without asking again, for
    // the curve being built only.
    void FileNameConfirmed(std::string path);

  signals:
    // The window has hidden itself: the main form is to be shown again.
    void Left();
    // Save wrote the fire file `path` (for the Recent Files list).
    void FileSaved(const QString& path);

  private:
    // Writes the fire file; a failure is shown with the file's name and leaves
    // Save enabled.
    void cmdSave_Click();
    void cmdClose_Click() override;

    // Save's question before it replaces a file the user has not confirmed for
    // this curve; true when the file may be written.
    bool MayReplace();

    QPushButton* cmdSave;
    // The name chosen and confirmed for this curve; empty once the window closes.
    std::string confirmedFileName_;
    // True once the curve on screen has been written.
    bool saved_ = false;
    StandardModule& module_;
    vorla::ui::PlatformServices& services_;
};

} // namespace vorla::generator
