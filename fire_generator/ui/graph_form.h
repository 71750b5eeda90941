// QDOT-XW's `frmGraph`: the preview of the curve just built, in kW or Btu/s
// against time, with Save (writes the fire file named on the main form), Save
// As… (a new name for the fire file, then the file written as Save writes it)
// and Close (offers to save first, then returns to the main form). The window is
// made when the main form is and is only ever hidden.
//
// Compare With… (Ctrl+O) adds another fire file's curve, up to four, each in
// its own colour and named in the legend by its description (or its file
// name); Remove Comparisons (Ctrl+R) takes them all off. They stay while
// other curves are built, until removed: a new curve is usually compared with
// the same fires the last one was.
//
// Design Sheet… (Ctrl+D) writes the curve's design-fire sheet as PDF
// (fire_generator/curves/design_sheet.h).
#pragma once

#include "common/ui/graph_window.h"
#include "fire_generator/curves/design_fire_state.h"

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

class QPushButton;

namespace vorla::ui {
class PlatformServices;
}

namespace vorla::generator {

// How many fire files the graph compares with the current curve at once.
inline constexpr std::size_t kMostComparedFires = 4;

class frmGraph final : public vorla::ui::GraphWindow {
    Q_OBJECT
  public:
    frmGraph(DesignFireState& module, vorla::ui::PlatformServices& services);

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
    // Save As… wrote the curve under a new name: the main form's file name.
    void FileNameChanged(const QString& path);

  private:
    // Writes the fire file; a failure is shown with the file's name and leaves
    // Save enabled.
    void cmdSave_Click();
    // Asks for a name (starting from the current one), asks before replacing
    // an existing file as Save does, and writes the file there; the new name
    // is the curve's from then on. A cancelled dialog, a No or a failed write
    // leave the curve unsaved under its old name.
    void cmdSaveAs_Click();
    // Writes the curve to `path`; false, with the message shown, on a failure.
    bool WriteTo(const std::string& path);
    void cmdClose_Click() override;
    // Reads a fire file and adds its curve; the fifth is refused.
    void cmdCompare_Click();
    void cmdRemoveComparisons_Click();
    // Asks for a PDF file and writes the design-fire sheet of the curve there.
    void cmdDesignSheet_Click();

    // The compared fires in the units the main form shows, and the current
    // curve's name in the legend.
    std::vector<vorla::ui::ComparedCurve> ComparedCurves() const;
    QString CurrentCurveName() const;

    // Save's question before it replaces a file the user has not confirmed for
    // this curve; true when the file may be written.
    bool MayReplace(const std::string& path);

    QPushButton* cmdSave;
    QPushButton* cmdSaveAs;
    QPushButton* cmdCompare;
    QPushButton* cmdRemoveComparisons;
    QPushButton* cmdDesignSheet;

    // A fire file compared with the current curve, its rates in kW.
    struct ComparedFire {
        QString Name;
        std::vector<double> Seconds;
        std::vector<double> Kilowatts;
    };
    std::vector<ComparedFire> comparedFires_;
    // The name chosen and confirmed for this curve; empty once the window closes.
    std::string confirmedFileName_;
    // True once the curve on screen has been written.
    bool saved_ = false;
    DesignFireState& module_;
    vorla::ui::PlatformServices& services_;
};

} // namespace vorla::generator
