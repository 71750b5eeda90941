#include "common/ui/devices_dialog.h"

#include "common/text_file.h"
#include "common/ui/form_builders.h"
#include "common/units.h"
#include "life_safety/detection/device_options.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vorla::ui {
namespace {

using detection::Device;
using detection::DeviceKind;

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
    cmdOK = MakeButton("cmdOK", "OK", this);
    cmdOK->setDefault(true);
    cmdCancel = MakeButton("cmdCancel", "Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdDuplicate);
    buttons->addWidget(cmdRemove);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tblDevices);
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
         us ? "Operating temperature (\u00b0F) / rise (\u00b0F)"
            : "Operating temperature (\u00b0C) / rise (K)"});
}

void DevicesDialog::AddRow(const Device& device) {
    const int row = tblDevices->rowCount();
    tblDevices->insertRow(row);
    auto* kind = new QComboBox(tblDevices);
    kind->setObjectName(ArrayName("cboKind", row));
    kind->addItems({"heat detector", "sprinkler", "smoke detector"});
    tblDevices->setCellWidget(row, Kind, kind);
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
    cell(Threshold, smoke ? ValueText(ShownRise(device.TemperatureRise, units_))
                          : ValueText(ShownTemperature(device.OperatingTemperature, units_)));
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
    keys += (smoke ? ",rise=" : ",temperature=") + text(Threshold);
    auto parsed = detection::ParseDeviceOption(keys, units_, row + 1);
    if (auto* device = std::get_if<Device>(&parsed)) {
        const bool sameKind = kind == shown.Kind;
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
    devices_ = std::move(devices);
    accept();
}

} // namespace vorla::ui
