#include "zone_models/ui/devices_dialog.h"

#include "common/files/text_file.h"
#include "common/ui/form_builders.h"
#include "common/text/units.h"
#include "life_safety/detection/device_options.h"
#include "life_safety/detection/suppression_options.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vorla::ui {
namespace {

using detection::Device;
using detection::DeviceKind;
using detection::Suppression;
using detection::SuppressionRule;

constexpr SuppressionRule kRules[] = {SuppressionRule::Unchanged, SuppressionRule::HeldAtActivation,
                                      SuppressionRule::Decaying};
constexpr const char* kRuleWords[] = {"unchanged", "held", "decaying"};

// The rows' smoke criteria, in the order of cboSmokeCriterion.
enum SmokeCriterionIndex { kRiseCriterion = 0, kObscurationCriterion = 1 };

const NumberBoxWidth kSuppressionBox{.AtLeastDigits = 10, .KeepsItsWidth = true};

constexpr DeviceKind kKinds[] = {DeviceKind::HeatDetector, DeviceKind::Sprinkler,
                                 DeviceKind::SmokeDetector};

int KindIndex(DeviceKind kind) {
    for (int i = 0; i < 3; ++i) {
        if (kKinds[i] == kind) {
            return i;
        }
    }
    return 0;
}

bool Us(UnitSystem units) {
    return units == UnitSystem::US;
}

double ShownLength(double metres, UnitSystem units) {
    return Us(units) ? metres / kMetresPerFoot : metres;
}
double ShownTemperature(double kelvin, UnitSystem units) {
    const double celsius = kelvin - kKelvinAtZeroCelsius;
    return Us(units) ? celsius * 1.8 + 32 : celsius;
}
double ShownRise(double kelvin, UnitSystem units) {
    return Us(units) ? kelvin * 1.8 : kelvin;
}

// A device the user has not described yet: a standard-response sprinkler
// (RTI 50 (m·s)^½, 68 °C) 1 m from the plume axis, 0.05 m below the ceiling.
Device NewDevice(std::string name) {
    Device d;
    d.Name = std::move(name);
    d.Kind = DeviceKind::Sprinkler;
    d.Radius = 1;
    d.BelowCeiling = 0.05;
    d.Rti = 50;
    d.OperatingTemperature = 68 + kKelvinAtZeroCelsius;
    return d;
}

} // namespace

DevicesDialog::DevicesDialog(PlatformServices& services, const std::string& programName,
                             std::vector<Device> current, UnitSystem units, QWidget* parent)
    : QDialog(parent), services_(services), programName_(programName), devices_(std::move(current)),
      units_(units) {
    setObjectName("dlgDevices");
    setWindowTitle(QString::fromStdString(programName + ": Detectors and Sprinklers"));

    tblDevices = new QTableWidget(0, Columns, this);
    tblDevices->setObjectName("tblDevices");
    tblDevices->verticalHeader()->setVisible(false);
    tblDevices->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblDevices->setSelectionMode(QAbstractItemView::SingleSelection);
    SetHeaders();
    for (const Device& device : devices_) {
        AddRow(device);
    }
    tblDevices->resizeColumnsToContents();
    tblDevices->setMinimumWidth(720);

    cmdAdd = MakeButton("cmdAdd", "&Add", this);
    cmdDuplicate = MakeButton("cmdDuplicate", "D&uplicate", this);
    cmdRemove = MakeButton("cmdRemove", "&Remove", this);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(cmdAdd);
    rowButtons->addWidget(cmdDuplicate);
    rowButtons->addWidget(cmdRemove);
    rowButtons->addStretch(1);

    // The batch command's --suppression and its numbers, in its units (w in
    // mm/s whatever the form's units).
    auto* fraSuppression =
        MakeFrame("fraSuppression", "Fire after the first sprinkler operates", this);
    optSuppression[0] = MakeOption(ArrayName("optSuppression", 0), "U&nchanged", fraSuppression,
                                   "The fire follows its curve");
    optSuppression[1] = MakeOption(ArrayName("optSuppression", 1),
                                   "&Held at its rate at activation", fraSuppression,
                                   "The heat release rate stays at its value when the sprinkler "
                                   "operates (never above the curve)");
    optSuppression[2] = MakeOption(
        ArrayName("optSuppression", 2),
        "D&ecaying: Q = Q_act\u00b7exp(\u2212(t \u2212 t_act)/\u03c4), \u03c4 = A\u00b7w^\u2212B "
        "(Evans)",
        fraSuppression,
        "The heat release rate decays from its value when the sprinkler operates "
        "(never above the curve)");
    txtSprayDensity =
        MakeNumberBox("txtSprayDensity", "The spray density w: above 0 and up to 10 mm/s",
                      fraSuppression, kSuppressionBox);
    txtSuppressionConstant = MakeNumberBox(
        "txtSuppressionConstant", "Evans' constant A: above 0 and up to 1000000 (3 by default)",
        fraSuppression, kSuppressionBox, "3");
    txtSuppressionExponent = MakeNumberBox(
        "txtSuppressionExponent", "Evans' exponent B of w^\u2212B: from 0 to 10 (1.85 by default)",
        fraSuppression, kSuppressionBox, "1.85");
    lblSprayDensity = MakeLabel("lblSprayDensity", "&Spray density w", fraSuppression);
    lblSprayDensityUnits = MakeUnitLabel("lblSprayDensityUnits", "mm/s", fraSuppression);
    lblSuppressionConstant = MakeLabel("lblSuppressionConstant", "&Constant A", fraSuppression);
    lblSuppressionExponent = MakeLabel("lblSuppressionExponent", "E&xponent B", fraSuppression);
    auto* rules = new QGridLayout(fraSuppression);
    for (int i = 0; i < 3; ++i) {
        rules->addWidget(optSuppression[i], i, 0, 1, 3);
        connect(optSuppression[i], &QRadioButton::toggled, this,
                &DevicesDialog::optSuppression_Click);
    }
    ui::AddRow(rules, 3, lblSprayDensity, txtSprayDensity, lblSprayDensityUnits);
    ui::AddRow(rules, 4, lblSuppressionConstant, txtSuppressionConstant);
    ui::AddRow(rules, 5, lblSuppressionExponent, txtSuppressionExponent);
    rules->setColumnStretch(3, 1);
    ShowSuppression(suppression_);

    cmdOK = MakeButton("cmdOK", "OK", this);
    cmdOK->setDefault(true);
    cmdCancel = MakeButton("cmdCancel", "Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tblDevices);
    layout->addLayout(rowButtons);
    layout->addWidget(fraSuppression);
    layout->addLayout(buttons);

    connect(cmdAdd, &QPushButton::clicked, this, &DevicesDialog::cmdAdd_Click);
    connect(cmdDuplicate, &QPushButton::clicked, this, &DevicesDialog::cmdDuplicate_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &DevicesDialog::cmdRemove_Click);
    connect(cmdOK, &QPushButton::clicked, this, &DevicesDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    tblDevices->setFocus();
}

void DevicesDialog::SetHeaders() {
    const bool us = Us(units_);
    const QString length = us ? "ft" : "m";
    tblDevices->setHorizontalHeaderLabels(
        {"Name", "Kind", QString("Radial distance (%1)").arg(length),
         QString("Below ceiling (%1)").arg(length), "RTI ((m\u00b7s)^\u00bd)", "C ((m/s)^\u00bd)",
         us ? "Operating temperature (\u00b0F) / rise (\u00b0F) / obscuration (%/m)"
            : "Operating temperature (\u00b0C) / rise (K) / obscuration (%/m)",
         "Smoke detector reads"});
}

void DevicesDialog::AddRow(const Device& device) {
    const int row = tblDevices->rowCount();
    tblDevices->insertRow(row);
    auto* kind = new QComboBox(tblDevices);
    kind->setObjectName(ArrayName("cboKind", row));
    kind->addItems({"heat detector", "sprinkler", "smoke detector"});
    tblDevices->setCellWidget(row, Kind, kind);
    auto* criterion = new QComboBox(tblDevices);
    criterion->setObjectName(ArrayName("cboSmokeCriterion", row));
    criterion->addItems({"temperature rise", "obscuration (%/m)"});
    criterion->setToolTip("What the smoke detector's threshold is: the rise of the gas "
                          "temperature, or the smoke's obscuration per metre");
    tblDevices->setCellWidget(row, SmokeCriterion, criterion);
    // Only a smoke detector has a criterion to choose.
    connect(kind, &QComboBox::currentIndexChanged, criterion, [criterion](int index) {
        criterion->setEnabled(kKinds[index < 0 ? 0 : index] == DeviceKind::SmokeDetector);
    });
    shown_.push_back(device);
    ShowRow(row, device);
}

void DevicesDialog::ShowRow(int row, const Device& device) {
    shown_[static_cast<std::size_t>(row)] = device;
    const bool smoke = device.Kind == DeviceKind::SmokeDetector;
    const auto cell = [&](int column, const std::string& text) {
        auto* item = new QTableWidgetItem(QString::fromStdString(text));
        // What was shown: a cell still showing it gives the S.I. value itself.
        item->setData(Qt::UserRole, item->text());
        tblDevices->setItem(row, column, item);
    };
    using detection::ValueText;
    cell(Name, device.Name);
    static_cast<QComboBox*>(tblDevices->cellWidget(row, Kind))
        ->setCurrentIndex(KindIndex(device.Kind));
    cell(Radius, ValueText(ShownLength(device.Radius, units_)));
    cell(BelowCeiling, ValueText(ShownLength(device.BelowCeiling, units_)));
    cell(Rti, smoke && device.Rti == 0 ? std::string() : ValueText(device.Rti));
    cell(Conduction, ValueText(device.Conduction));
    auto* criterion = static_cast<QComboBox*>(tblDevices->cellWidget(row, SmokeCriterion));
    criterion->setCurrentIndex(smoke && device.Obscuration ? kObscurationCriterion
                                                           : kRiseCriterion);
    criterion->setEnabled(smoke);
    if (smoke && device.Obscuration) {
        cell(Threshold, ValueText(detection::ObscurationFromOpticalDensity(*device.Obscuration)));
    } else {
        cell(Threshold, smoke ? ValueText(ShownRise(device.TemperatureRise, units_))
                              : ValueText(ShownTemperature(device.OperatingTemperature, units_)));
    }
}

std::variant<Device, std::string> DevicesDialog::RowDevice(int row) const {
    const Device& shown = shown_[static_cast<std::size_t>(row)];
    const auto text = [&](int column) {
        const QTableWidgetItem* item = tblDevices->item(row, column);
        return item ? item->text().trimmed().toStdString() : std::string();
    };
    const auto unchanged = [&](int column) {
        const QTableWidgetItem* item = tblDevices->item(row, column);
        return item && item->text() == item->data(Qt::UserRole).toString();
    };
    const int kindIndex =
        static_cast<QComboBox*>(tblDevices->cellWidget(row, Kind))->currentIndex();
    const DeviceKind kind = kKinds[kindIndex < 0 ? 0 : kindIndex];
    const bool smoke = kind == DeviceKind::SmokeDetector;
    const std::string name = text(Name);
    if (name.find_first_of(",=") != std::string::npos) {
        return std::string("name: a device's name cannot hold a comma or an equals sign.");
    }
    // The batch command's --device text of the row, so that both say the same.
    std::string keys = "kind=" + std::string(detection::KindWord(kind)) + ",name=" + name +
                       ",radius=" + text(Radius) + ",below-ceiling=" + text(BelowCeiling);
    if (!smoke || !text(Rti).empty()) {
        keys += ",rti=" + text(Rti);
    }
    if (!text(Conduction).empty()) {
        keys += ",c=" + text(Conduction);
    }
    const bool obscuration =
        smoke &&
        static_cast<QComboBox*>(tblDevices->cellWidget(row, SmokeCriterion))->currentIndex() ==
            kObscurationCriterion;
    keys += (obscuration ? ",obscuration=" : smoke ? ",rise=" : ",temperature=") + text(Threshold);
    auto parsed = detection::ParseDeviceOption(keys, units_, row + 1);
    if (auto* device = std::get_if<Device>(&parsed)) {
        const bool sameKind =
            kind == shown.Kind && obscuration == (smoke && shown.Obscuration.has_value());
        if (unchanged(Radius)) {
            device->Radius = shown.Radius;
        }
        if (unchanged(BelowCeiling)) {
            device->BelowCeiling = shown.BelowCeiling;
        }
        if (sameKind && unchanged(Threshold)) {
            device->OperatingTemperature = shown.OperatingTemperature;
            device->TemperatureRise = shown.TemperatureRise;
            device->Obscuration = shown.Obscuration;
        }
        if (auto problem = detection::CheckDevice(*device, units_)) {
            return problem->Message;
        }
    }
    return parsed;
}

void DevicesDialog::SetUnits(UnitSystem units) {
    std::vector<std::optional<Device>> read;
    for (int row = 0; row < tblDevices->rowCount(); ++row) {
        auto device = RowDevice(row);
        read.push_back(std::holds_alternative<Device>(device)
                           ? std::optional<Device>(std::get<Device>(device))
                           : std::nullopt);
    }
    units_ = units;
    SetHeaders();
    for (int row = 0; row < tblDevices->rowCount(); ++row) {
        if (read[static_cast<std::size_t>(row)]) {
            ShowRow(row, *read[static_cast<std::size_t>(row)]);
        }
    }
}

void DevicesDialog::cmdAdd_Click() {
    int n = tblDevices->rowCount() + 1;
    const auto taken = [&](const std::string& name) {
        for (int row = 0; row < tblDevices->rowCount(); ++row) {
            const QTableWidgetItem* item = tblDevices->item(row, Name);
            if (item && item->text().toStdString() == name) {
                return true;
            }
        }
        return false;
    };
    while (taken("device " + std::to_string(n))) {
        ++n;
    }
    AddRow(NewDevice("device " + std::to_string(n)));
    tblDevices->selectRow(tblDevices->rowCount() - 1);
}

void DevicesDialog::cmdDuplicate_Click() {
    const int row = tblDevices->currentRow();
    if (row < 0) {
        return;
    }
    auto device = RowDevice(row);
    Device copy = std::holds_alternative<Device>(device) ? std::get<Device>(device)
                                                         : shown_[static_cast<std::size_t>(row)];
    copy.Name += " copy";
    AddRow(copy);
    tblDevices->selectRow(tblDevices->rowCount() - 1);
}

void DevicesDialog::cmdRemove_Click() {
    const int row = tblDevices->currentRow();
    if (row < 0) {
        return;
    }
    tblDevices->removeRow(row);
    shown_.erase(shown_.begin() + row);
    if (tblDevices->rowCount() > 0) {
        tblDevices->selectRow(std::min(row, tblDevices->rowCount() - 1));
    }
}

bool DevicesDialog::DevicesFitRoom(PlatformServices& services, const std::string& programName,
                                   const std::vector<Device>& devices, double ceilingHeight,
                                   UnitSystem units) {
    for (const Device& device : devices) {
        if (const auto problem =
                detection::CheckDeviceInRoom(device, ceilingHeight, kAmbientTemperature, units)) {
            services.ShowMessage({problem->Device + ": " + problem->Field + ": " + problem->Message,
                                  programName + ": Detectors and Sprinklers",
                                  MessageIcon::Exclamation, MessageButtons::Ok});
            return false;
        }
    }
    return true;
}

std::vector<Device> DevicesDialog::DevicesOfReport(PlatformServices& services,
                                                   const std::string& programName,
                                                   const std::string& path) {
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return {}; // the report itself was read: nothing more to say
    }
    auto read = detection::ReadSavedDevices(file.text);
    if (auto* problem = std::get_if<std::string>(&read)) {
        services.ShowMessage({path + ": " + *problem + " The report opens without its devices.",
                              programName, MessageIcon::Exclamation, MessageButtons::Ok});
        return {};
    }
    return std::get<std::vector<Device>>(std::move(read));
}

void DevicesDialog::ShowSuppression(const Suppression& suppression) {
    suppression_ = suppression;
    for (int i = 0; i < 3; ++i) {
        optSuppression[i]->setChecked(kRules[i] == suppression.Rule);
    }
    using detection::ValueText;
    // A rule not decaying keeps the boxes' defaults for the user to start from.
    const bool decaying = suppression.Rule == SuppressionRule::Decaying;
    txtSprayDensity->setText(decaying ? QString::fromStdString(ValueText(suppression.SprayDensity))
                                      : QString());
    txtSuppressionConstant->setText(QString::fromStdString(
        ValueText(decaying ? suppression.Constant : detection::kEvansConstant)));
    txtSuppressionExponent->setText(QString::fromStdString(
        ValueText(decaying ? suppression.Exponent : detection::kEvansExponent)));
    optSuppression_Click();
}

void DevicesDialog::optSuppression_Click() {
    const bool decaying = optSuppression[2]->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{
             lblSprayDensity, txtSprayDensity, lblSprayDensityUnits, lblSuppressionConstant,
             txtSuppressionConstant, lblSuppressionExponent, txtSuppressionExponent}) {
        w->setEnabled(decaying);
    }
}

std::variant<Suppression, std::pair<std::string, QLineEdit*>>
DevicesDialog::TypedSuppression(const std::vector<Device>& devices) const {
    int chosen = 0;
    for (int i = 0; i < 3; ++i) {
        if (optSuppression[i]->isChecked()) {
            chosen = i;
        }
    }
    // The batch command's options of the choice, read by its own reader.
    detection::SuppressionTexts texts;
    texts.Rule = kRuleWords[chosen];
    if (kRules[chosen] == SuppressionRule::Decaying) {
        texts.SprayDensity = txtSprayDensity->text().trimmed().toStdString();
        texts.Constant = txtSuppressionConstant->text().trimmed().toStdString();
        texts.Exponent = txtSuppressionExponent->text().trimmed().toStdString();
    }
    auto read = detection::ReadSuppressionTexts(texts);
    if (auto* problem = std::get_if<detection::SuppressionProblem>(&read)) {
        QLineEdit* box = problem->Option == "suppression-constant"   ? txtSuppressionConstant
                         : problem->Option == "suppression-exponent" ? txtSuppressionExponent
                                                                     : txtSprayDensity;
        return std::pair{problem->Message, box};
    }
    Suppression suppression = std::get<Suppression>(read);
    const bool sprinkler = std::any_of(devices.begin(), devices.end(), [](const Device& d) {
        return d.Kind == DeviceKind::Sprinkler;
    });
    if (suppression.Rule != SuppressionRule::Unchanged && !sprinkler) {
        return std::pair{std::string("The fire after the first sprinkler operates needs a "
                                     "sprinkler: add one, or choose Unchanged."),
                         static_cast<QLineEdit*>(nullptr)};
    }
    return suppression;
}

Suppression DevicesDialog::SuppressionOfReport(PlatformServices& services,
                                               const std::string& programName,
                                               const std::string& path) {
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return {};
    }
    auto read = detection::ReadSavedSuppression(file.text);
    if (auto* problem = std::get_if<std::string>(&read)) {
        services.ShowMessage(
            {path + ": " + *problem + " The report opens with the fire unchanged by sprinklers.",
             programName, MessageIcon::Exclamation, MessageButtons::Ok});
        return {};
    }
    return std::get<Suppression>(read);
}

void DevicesDialog::cmdOK_Click() {
    const std::string title = programName_ + ": Detectors and Sprinklers";
    std::vector<Device> devices;
    for (int row = 0; row < tblDevices->rowCount(); ++row) {
        auto device = RowDevice(row);
        if (auto* problem = std::get_if<std::string>(&device)) {
            const QTableWidgetItem* name = tblDevices->item(row, Name);
            const std::string who = name && !name->text().trimmed().isEmpty()
                                        ? name->text().trimmed().toStdString()
                                        : "device " + std::to_string(row + 1);
            // The checks' sentences name the device themselves; the others
            // are given its name as the batch command's file gives its line.
            const bool named =
                problem->rfind("Device ", 0) == 0 || problem->rfind("A device", 0) == 0;
            services_.ShowMessage({named ? *problem : who + ": " + *problem, title,
                                   MessageIcon::Exclamation, MessageButtons::Ok});
            tblDevices->setCurrentCell(row, Name);
            return;
        }
        devices.push_back(std::get<Device>(std::move(device)));
    }
    if (auto problem = detection::CheckDevices(devices, units_)) {
        services_.ShowMessage({problem->Device + ": " + problem->Field + ": " + problem->Message,
                               title, MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    auto suppression = TypedSuppression(devices);
    if (auto* problem = std::get_if<std::pair<std::string, QLineEdit*>>(&suppression)) {
        services_.ShowMessage(
            {problem->first, title, MessageIcon::Exclamation, MessageButtons::Ok});
        if (QLineEdit* box = problem->second) {
            box->setFocus();
            box->selectAll();
        } else {
            optSuppression[0]->setFocus();
        }
        return;
    }
    devices_ = std::move(devices);
    suppression_ = std::get<Suppression>(suppression);
    accept();
}

} // namespace vorla::ui
