// dlgCriteria, "<program>: Criteria": the interface heights and layer
// temperatures the Key Results panel reports the first crossing of, one box
// each, as comma-separated lists in the form's units. OK checks both boxes and
// names the first one that is not a list of criteria; Cancel and Escape leave
// the criteria as they were.
#pragma once

#include "common/key_results/key_criteria.h"
#include "common/ui/platform_services.h"

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace vorla::ui {

class CriteriaDialog final : public QDialog {
    Q_OBJECT
  public:
    // OK refuses heights above `ceilingHeightM`, the run's room height.
    CriteriaDialog(PlatformServices& services, const std::string& programName,
                   const KeyCriteria& current, UnitSystem units,
                   std::optional<double> ceilingHeightM, QWidget* parent);

    // The criteria once OK has accepted them.
    const KeyCriteria& Criteria() const { return criteria_; }

  private:
    void cmdOK_Click();

    QLineEdit* txtInterfaceHeights;
    QLineEdit* txtLayerTemperatures;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    PlatformServices& services_;
    std::string programName_;
    KeyCriteria criteria_;
    UnitSystem units_;
    std::optional<double> ceilingHeightM_;
};

} // namespace vorla::ui
