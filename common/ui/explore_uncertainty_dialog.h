// "Uncertain Input": how one of Explore's inputs is uncertain. Certain (the
// box's value, as before), or a distribution as a study file writes it:
// uniform [low, high], triangular [min, mode, max], normal [mean, sd] or
// lognormal [mu, sigma] of ln(value), the normal kinds optionally within a
// min and a max. OK checks the numbers with the study file's own reader; a
// refusal is shown in the dialog, naming what is wrong, and the dialog stays.
#pragma once

#include "common/ui/explore_band.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vorla::ui {

class ExploreUncertaintyDialog final : public QDialog {
    Q_OBJECT
  public:
    // `current`: the input's distribution so far, nothing when certain;
    // `value`: the box's value, which a new range is centred on.
    ExploreUncertaintyDialog(const std::string& modelName, const ExploreInput& input,
                             std::size_t inputIndex, double value,
                             const std::optional<UncertainInput>& current,
                             QWidget* parent = nullptr);

    // After OK: the distribution chosen, or nothing for Certain.
    const std::optional<UncertainInput>& Chosen() const { return chosen_; }

  private:
    void cboDistribution_Changed();
    void cmdOK_Click();

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
    std::optional<UncertainInput> chosen_;
};

} // namespace vorla::ui
