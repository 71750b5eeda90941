// dlgDevices, "<program>: Detectors and Sprinklers": the room's devices, one
// a row of tblDevices (name, kind, radial distance from the plume axis,
// distance below the ceiling, RTI, conduction factor C, and the operating
// temperature of a heat detector or sprinkler or the temperature rise of a
// smoke detector, or its obscuration threshold in %/m, as the row's smoke
// criterion says). Lengths and temperatures are in the form's units; a value
// shown and not edited keeps its exact S.I. value, whatever the units shown.
// Add, Duplicate and Remove change the rows. Under the table, fraSuppression:
// what the fire does once the first sprinkler operates (unchanged, held at its
// rate then, or decaying with the spray density w and Evans' constant A and
// exponent B, the boxes enabled only for a decaying fire). OK checks every row
// and the rule with the batch command's own checks and sentences
// (life_safety/detection/device_options.h, suppression_options.h), naming the
// device and the value, and keeps them; Cancel and Escape leave them as they
// were.
#pragma once

#include "common/ui/platform_services.h"
#include "common/text/unit_system.h"
#include "life_safety/detection/device.h"
#include "life_safety/detection/suppression.h"

#include <QDialog>
#include <string>
#include <utility>
#include <variant>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vorla::ui {

class DevicesDialog final : public QDialog {
    Q_OBJECT
  public:
    DevicesDialog(PlatformServices& services, const std::string& programName,
                  std::vector<detection::Device> current, UnitSystem units, QWidget* parent);

    // The devices once OK has accepted them (S.I.).
    const std::vector<detection::Device>& Devices() const { return devices_; }

    // The suppression rule the dialog opens with (unchanged unless shown),
    // and the rule once OK has accepted it.
    void ShowSuppression(const detection::Suppression& suppression);
    const detection::Suppression& AcceptedSuppression() const { return suppression_; }

    // Shows the values in `units`: a value typed since is read first (and
    // left as typed when it is not a number).
    void SetUnits(UnitSystem units);

    // Run's check of the form's devices against its room (a ceiling
    // `ceilingHeight` m above the floor, air at the starting temperature):
    // false after the batch command's message naming the first device that
    // does not fit.
    static bool DevicesFitRoom(PlatformServices& services, const std::string& programName,
                               const std::vector<detection::Device>& devices, double ceilingHeight,
                               UnitSystem units);

    // File Open's devices of the saved report at `path` (none in a report
    // saved without them); a device line that cannot be read is named in a
    // message, and the report opens without devices.
    static std::vector<detection::Device> DevicesOfReport(PlatformServices& services,
                                                          const std::string& programName,
                                                          const std::string& path);
    // File Open's suppression rule of the saved report at `path`
    // ("unchanged" in a report saved without one, or without devices); a line
    // that cannot be read is named in a message, and the rule is "unchanged".
    static detection::Suppression SuppressionOfReport(PlatformServices& services,
                                                      const std::string& programName,
                                                      const std::string& path);

    // The table's columns.
    // SmokeCriterion: what a smoke detector's threshold is, its temperature
    // rise or its obscuration (%/m).
    enum Column {
        Name,
        Kind,
        Radius,
        BelowCeiling,
        Rti,
        Conduction,
        Threshold,
        SmokeCriterion,
        Columns
    };

  private:
    void cmdAdd_Click();
    void cmdDuplicate_Click();
    void cmdRemove_Click();
    void cmdOK_Click();
    void optSuppression_Click();

    void AddRow(const detection::Device& device);
    void ShowRow(int row, const detection::Device& device);
    void SetHeaders();
    // The rule as the options and boxes give it, or the message and the box
    // to select.
    std::variant<detection::Suppression, std::pair<std::string, QLineEdit*>>
    TypedSuppression(const std::vector<detection::Device>& devices) const;
    // The row's device as typed: the batch command's --device text of it is
    // read, and cells not edited since shown give their exact S.I. value.
    std::variant<detection::Device, std::string> RowDevice(int row) const;

    QTableWidget* tblDevices;
    QPushButton* cmdAdd;
    QPushButton* cmdDuplicate;
    QPushButton* cmdRemove;
    QRadioButton* optSuppression[3]; // unchanged, held, decaying
    QLabel* lblSprayDensity;
    QLineEdit* txtSprayDensity; // mm/s
    QLabel* lblSprayDensityUnits;
    QLabel* lblSuppressionConstant;
    QLineEdit* txtSuppressionConstant;
    QLabel* lblSuppressionExponent;
    QLineEdit* txtSuppressionExponent;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    PlatformServices& services_;
    std::string programName_;
    std::vector<detection::Device> devices_;
    detection::Suppression suppression_;
    // The device each row was last shown from, S.I.
    std::vector<detection::Device> shown_;
    UnitSystem units_;
};

} // namespace vorla::ui
