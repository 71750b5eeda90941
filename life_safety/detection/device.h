// A detector or sprinkler of the room, and the checks of its values. The
// checks' sentences are the ones the window's dialog, the device file and
// the batch command's --device show: each names the device and the value as
// the user wrote it, in the units the user works in.
#pragma once

#include "common/text/unit_system.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::detection {

enum class DeviceKind {
    HeatDetector,
    Sprinkler,
    SmokeDetector,
};

// "heat", "sprinkler", "smoke": the word of the batch command and the file.
std::string_view KindWord(DeviceKind kind);
std::optional<DeviceKind> KindFromWord(std::string_view word);

// The smoke detector's usual surrogate: a 10 K rise of the gas at the device
// (NUREG-1805 chapter 11, after Heskestad and Delichatsios).
inline constexpr double kDefaultSmokeRise = 10.0; // K

struct Device {
    std::string Name;
    DeviceKind Kind = DeviceKind::HeatDetector;
    double Radius = 0;       // m from the plume axis
    double BelowCeiling = 0; // m
    // (m·s)^½. A smoke detector without one reads the gas itself; with one
    // it is a sensitive heat detector operating at ambient + rise.
    double Rti = 0;
    double Conduction = 0;                      // C, (m/s)^½
    double OperatingTemperature = 0;            // K, heat detectors and sprinklers
    double TemperatureRise = kDefaultSmokeRise; // K, smoke detectors
    // Optical density per metre (base 10) of the gas at which a smoke
    // detector operates; when set, it replaces the temperature rise.
    std::optional<double> Obscuration;

    bool operator==(const Device&) const = default;
};

// A value that cannot be used: which device (its name as given, or its
// position when it has none), which field (the batch command's key), and the
// sentence.
struct DeviceProblem {
    std::string Device;
    std::string Field; // "radius", "rti", ...
    std::string Message;

    bool operator==(const DeviceProblem&) const = default;
};

// Obscuration in %/m to optical density per metre, and back.
double OpticalDensityFromObscuration(double percentPerMetre);
double ObscurationFromOpticalDensity(double perMetre);

// The first problem of one device, or nothing. `units` is the system the
// sentence shows lengths and temperatures in.
std::optional<DeviceProblem> CheckDevice(const Device& device, UnitSystem units);

// The device against the room: it hangs below the ceiling, not under the
// floor, and operates above the room's starting temperature. `ceilingHeight`
// is the room's (m), `ambient` the starting temperature (K).
std::optional<DeviceProblem> CheckDeviceInRoom(const Device& device, double ceilingHeight,
                                               double ambient, UnitSystem units);

// Every device, then the names: two devices with one name cannot be told
// apart in the results.
std::optional<DeviceProblem> CheckDevices(const std::vector<Device>& devices, UnitSystem units);

// `value` as the user recognises what was typed: up to 10 significant
// digits, no trailing zeros ("0.0125", "1e-06", "nan").
std::string ValueText(double value);

} // namespace vorla::detection
