// fraKeyResults, "Key Results": the report window's panel beside the table,
// the few numbers a design question is answered with, in words
// (common/key_results/key_results_text.h), in the form's unit system and, in brackets, the
// other. The text is read-only and selectable; Copy puts it on the clipboard.
// Criteria… changes the heights and temperatures the panel reports, recomputes
// it at once from the run's rows (no new run), and remembers them with
// QSettings for the next session of the program.
//
// A run that followed tenability and says where its heat of combustion came
// from gets one more line after its Tenability block, "Heat of combustion:
// 20000 kJ/kg, from the fire file", and, when the fire file's could not be
// used, the note saying why; every other run's text is KeyResultsText's.
#pragma once

#include "common/key_results/key_criteria.h"
#include "common/key_results/key_results.h"
#include "common/ui/platform_services.h"
#include "common/text/unit_system.h"
#include "life_safety/tenability/fire_file_heat.h"

#include <QGroupBox>
#include <QList>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace vorla::ui {

class CriteriaDialog;

// Records in `keys` where the run's heat of combustion came from (`choice`)
// and, when it fell back on the fuel's, the note naming the fire file
// `fireFile` as the batch command prints it.
void NameHeatOfCombustion(const tenability::HeatOfCombustionChoice& choice,
                          const std::string& fireFile, TenabilityKeys& keys);

// The lines the panel (and Explore's Key Results) show: KeyResultLines, with
// the heat of combustion's line and note before the last line ("Run ended
// at ...") when the run followed tenability and names its heat of combustion.
std::vector<std::string> PanelKeyResultLines(const KeyResults& keys, UnitSystem shown);

class KeyResultsPanel final : public QGroupBox {
    Q_OBJECT
  public:
    using KeyResultsOfRun = std::function<KeyResults(const KeyCriteria&)>;

    KeyResultsPanel(PlatformServices& services, std::string programName, QWidget* parent);

    // Shows the key results of a completed run with the criteria the settings
    // hold, and makes the panel wide enough for its longest line. Criteria…
    // refuses heights above `ceilingHeightM`, the run's room height.
    void ShowRun(KeyResultsOfRun keysOfRun, UnitSystem shown,
                 std::optional<double> ceilingHeightM = std::nullopt);

    // The controls Tab visits, in their order.
    QList<QWidget*> Controls() const;

    // Wide enough for the longest line of the key results shown.
    QSize sizeHint() const override;

    // The criteria the panel reports now.
    const KeyCriteria& Criteria() const { return criteria_; }

  private:
    void cmdCriteria_Click();
    void cmdCopyKeyResults_Click();
    void Recompute();

    QPlainTextEdit* txtKeyResults;
    QPushButton* cmdCriteria;
    QPushButton* cmdCopyKeyResults;

    PlatformServices& services_;
    std::string programName_;
    KeyResultsOfRun keysOfRun_;
    UnitSystem shown_ = UnitSystem::SI;
    std::optional<double> ceilingHeightM_;
    KeyCriteria criteria_;
    QPointer<CriteriaDialog> dialog_;
    int textWidth_ = 0; // of the longest line, with the box's margins
};

} // namespace vorla::ui
