// "Uncertain Input": how one of Explore's inputs is uncertain. Certain (the
// box's value, as before), or a distribution as a study file writes it:
// uniform [low, high], triangular [min, mode, max], normal [mean, sd] or
// lognormal [mu, sigma] of ln(value), the normal kinds optionally within a
// min and a max. OK checks the numbers with the study file's own reader; a
// refusal is shown in the dialog, naming what is wrong, and the dialog stays.
// Its check box draws the model's own error in every run of the band (the
// validation's statistics, as a study file's [model-uncertainty]); it is the
// band's, not the input's, and the same in every "±" dialog.
//
// The same dialog sets the band's RSET ("RSET…"): none, a fixed number of
// seconds or a distribution of them, as a study file's `rset`, counted from
// ignition or, when the runs follow a detector or sprinkler, from the first
// detection.
#pragma once

#include "zone_models/ui/explore_band.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vorla::ui {

class ExploreUncertaintyDialog final : public QDialog {
    Q_OBJECT
  public:
    // `current`: the input's distribution so far, nothing when certain;
    // `value`: the box's value, which a new range is centred on.
    // `modelUncertainty`: the band draws the model's error now; `drawsError`:
    // the model can (otherwise the check box is disabled).
    ExploreUncertaintyDialog(const std::string& modelName, const ExploreInput& input,
                             std::size_t inputIndex, double value,
                             const std::optional<UncertainInput>& current, bool modelUncertainty,
                             bool drawsError, QWidget* parent = nullptr);
    // The RSET's dialog: `current` is the band's RSET so far; `hasDevices`:
    // the runs follow a detector or sprinkler, so the RSET may be counted
    // from the first detection.
    ExploreUncertaintyDialog(const std::string& modelName, const std::optional<BandRset>& current,
                             bool modelUncertainty, bool drawsError, bool hasDevices,
                             QWidget* parent = nullptr);

    // After OK: the distribution chosen, or nothing for Certain.
    const std::optional<UncertainInput>& Chosen() const { return chosen_; }
    // After OK in the RSET's dialog: the RSET, or nothing for None.
    const std::optional<BandRset>& ChosenRset() const { return chosenRset_; }
    // After OK: whether the band draws the model's error.
    bool ModelUncertaintyChosen() const;

  private:
    void Build(const QString& unit, bool modelUncertainty, bool drawsError);
    // The kind of a combo box entry: nothing for Certain / None and Fixed.
    std::optional<SpreadKind> KindAt(int index) const;
    void cboDistribution_Changed();
    void cmdOK_Click();

    bool forRset_ = false;
    std::string modelName_;
    std::string option_;
    std::size_t inputIndex_ = 0;
    QComboBox* cboDistribution = nullptr;
    std::array<QLabel*, 3> lblParameter_{};
    std::array<QLineEdit*, 3> txtParameter_{};
    QLineEdit* txtMin = nullptr;
    QLineEdit* txtMax = nullptr;
    QLabel* lblMin = nullptr;
    QLabel* lblMax = nullptr;
    QLabel* lblMessage = nullptr;
    QCheckBox* chkModelUncertainty = nullptr;
    QCheckBox* chkFromDetection = nullptr; // the RSET's dialog only
    std::optional<UncertainInput> chosen_;
    std::optional<BandRset> chosenRset_;
};

} // namespace vorla::ui
