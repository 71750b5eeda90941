// The batch command's two ways of giving devices, as functions of text:
//
//   --device KEYS    KEYS is comma-separated key=value pairs;
//   --devices FILE   a TOML file of [[device]] tables with the same keys.
//
// Keys: kind (heat, sprinkler or smoke), name, radius (from the plume axis),
// below-ceiling, rti ((m·s)^½), c ((m/s)^½, default 0), temperature (the
// operating temperature of heat detectors and sprinklers), and for smoke
// detectors one of rise (default 10 K), obscuration (%/m) or optical-density
// (per metre, base 10). Lengths and temperatures are in the units of
// --units: m and °C (a rise in K) for si, ft and °F for us; RTI, C and the
// smoke thresholds are always in the units above. A device without a name is
// called "device N", N its place in the list.
#pragma once

#include "common/text/unit_system.h"
#include "life_safety/detection/device.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::detection {

// One --device KEYS: the device, or the sentence saying what is wrong (the
// key and the value as written). `position` (from 1) names a device without
// a name.
std::variant<Device, std::string> ParseDeviceOption(std::string_view text, UnitSystem units,
                                                    int position);

// The text of a --devices file; every error begins with "PATH:LINE: key: ".
// Devices already given (by --device) count for the names' uniqueness and
// the positions; pass them as `earlier`.
std::variant<std::vector<Device>, std::string> ParseDevicesFile(std::string_view text,
                                                                const std::string& path,
                                                                UnitSystem units,
                                                                std::size_t earlier = 0);

// Reads the file through the suite's bounded reader, then ParseDevicesFile.
std::variant<std::vector<Device>, std::string> ReadDevicesFile(const std::string& path,
                                                               UnitSystem units);

// The --device KEYS text of a device in S.I. units (m, °C, a rise in K), each
// number its shortest round-trip text: ParseDeviceOption of it in S.I. units
// gives the device back.
std::string DeviceOptionText(const Device& device);

// A saved report's devices: one line a device after every line of the report,
// "Device: " and its DeviceOptionText. No report line begins so after the end
// message, and a reader of the report alone stops before them. Empty
// without devices, so such a report is what it always was.
inline constexpr std::string_view kSavedDevicePrefix = "Device: ";
std::string SavedDeviceLines(const std::vector<Device>& devices, std::string_view lineEnd);
// A saved report's text with its devices' lines after it, in the report's
// own line ends: the windows' Save and the batch command's -o both write it.
std::string WithSavedDevices(std::string report, const std::vector<Device>& devices);

// The devices of a saved report's text: the lines that begin with
// kSavedDevicePrefix at its end (none in an older report). A line that cannot
// be read gives the sentence "Line N: " and the problem.
std::variant<std::vector<Device>, std::string> ReadSavedDevices(std::string_view report);

} // namespace vorla::detection
