// dlgTenability, "<program>: Smoke and Tenability": whether the run follows
// tenability at head height, and with what: the fuel (whose yields fill the
// boxes), the heat of combustion and the soot, CO, HCN and CO2 yields, the
// head height, the kind of exit sign, and the criteria the room is judged
// by. Lengths and the temperature are in the form's units; a value shown and
// not edited keeps its exact S.I. value, whatever the units shown. OK reads
// the boxes as the batch command reads its options (life_safety/tenability/
// tenability_texts.h), so both refuse the same values with the same
// sentences, shown under the boxes with the box named focused; Cancel and
// Escape leave the inputs as they were.
#pragma once

#include "common/ui/platform_services.h"
#include "common/text/unit_system.h"
#include "life_safety/tenability/tenability_texts.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>
#include <variant>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorla::ui {

class TenabilityDialog final : public QDialog {
    Q_OBJECT
  public:
    // `current` is what the form keeps (its Given: tenability is followed).
    // `ceilingHeight` (m), when the form's room height is known, bounds the
    // heights as Run will.
    TenabilityDialog(PlatformServices& services, const std::string& programName,
                     const tenability::TenabilityTexts& current, UnitSystem units,
                     std::optional<double> ceilingHeight, QWidget* parent);

    // The inputs once OK has accepted them (S.I.; Given: followed).
    const tenability::TenabilityTexts& Tenability() const { return accepted_; }

    // Shows the values in `units`: a value typed since is read first (and
    // left as typed when it is not a number).
    void SetUnits(UnitSystem units);

    // Run's check of the form's tenability against its room (a ceiling
    // `ceilingHeight` m above the floor): false after the batch command's
    // message naming the input that does not fit. True when not followed.
    static bool TenabilityFitsRoom(PlatformServices& services, const std::string& programName,
                                   const tenability::TenabilityTexts& tenability,
                                   double ceilingHeight);

    // File Open's tenability of the saved report at `path`, a room
    // `ceilingHeight` m high (not followed in a report saved without it); a
    // line that cannot be read or used is named in a message, and the report
    // opens without tenability.
    static tenability::TenabilityTexts TenabilityOfReport(PlatformServices& services,
                                                          const std::string& programName,
                                                          const std::string& path,
                                                          double ceilingHeight);

  private:
    void chkFollow_Toggled(bool followed);
    void cboFuel_Activated(int index);
    void cmdOK_Click();

    // The boxes as the batch command reads them, unedited boxes giving the
    // value they were shown from; or the sentence and the option it names.
    struct Refusal {
        std::string Sentence;
        std::string Option; // without dashes; empty when none is named
    };
    std::variant<tenability::TenabilityTexts, Refusal> ReadBoxes() const;
    void ShowValues(const tenability::TenabilityTexts& texts);
    void ShowUnitLabels();

    static constexpr std::size_t kNumbers = 12; // tenability::NumberOptions()
    QCheckBox* chkFollow;
    QComboBox* cboFuel;
    QComboBox* cboSign;
    std::array<QLineEdit*, kNumbers> txtValues{};
    std::array<QLabel*, kNumbers> lblUnits{};
    QLabel* lblProblem;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    PlatformServices& services_;
    std::string programName_;
    UnitSystem units_;
    std::optional<double> ceilingHeight_;
    tenability::TenabilityTexts accepted_;
    // What each box was last shown from (S.I.), and the text shown.
    tenability::TenabilityTexts shown_;
    std::array<QString, kNumbers> shownTexts_;
};

} // namespace vorla::ui
