#include "life_safety/detection/device.h"

#include "common/text/units.h"

#include <cmath>
#include <cstdio>
#include <set>

namespace vorla::detection {

std::string_view KindWord(DeviceKind kind) {
    switch (kind) {
    case DeviceKind::HeatDetector:
        return "heat";
    case DeviceKind::Sprinkler:
        return "sprinkler";
    case DeviceKind::SmokeDetector:
        return "smoke";
    }
    return "heat";
}

std::optional<DeviceKind> KindFromWord(std::string_view word) {
    for (DeviceKind kind :
         {DeviceKind::HeatDetector, DeviceKind::Sprinkler, DeviceKind::SmokeDetector}) {
        if (word == KindWord(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

double OpticalDensityFromObscuration(double percentPerMetre) {
    return -std::log10(1.0 - percentPerMetre / 100.0);
}

double ObscurationFromOpticalDensity(double perMetre) {
    return 100.0 * (1.0 - std::pow(10.0, -perMetre));
}

std::string ValueText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

namespace {

constexpr double kFahrenheitPerKelvin = 1.8;

// How one quantity shows in the user's units.
struct Shown {
    double Factor = 1; // shown = SI × Factor (+ Offset)
    double Offset = 0;
    std::string_view Unit;

    double Of(double si) const { return si * Factor + Offset; }
};

Shown LengthIn(UnitSystem units) {
    return units == UnitSystem::US ? Shown{1 / kMetresPerFoot, 0, "ft"} : Shown{1, 0, "m"};
}
// A temperature given in K, shown in °C or °F.
Shown TemperatureIn(UnitSystem units) {
    return units == UnitSystem::US
               ? Shown{kFahrenheitPerKelvin, 32 - kKelvinAtZeroCelsius * kFahrenheitPerKelvin,
                       "\u00b0F"}
               : Shown{1, -kKelvinAtZeroCelsius, "\u00b0C"};
}
Shown RiseIn(UnitSystem units) {
    return units == UnitSystem::US ? Shown{kFahrenheitPerKelvin, 0, "\u00b0F"} : Shown{1, 0, "K"};
}
constexpr Shown kRti{1, 0, "(m\u00b7s)\u00bd"};
constexpr Shown kConduction{1, 0, "(m/s)\u00bd"};
constexpr Shown kOpticalDensity{1, 0, "per metre"};

// The numbers a field takes: finite, from Lowest (or above it) to Highest,
// all in S.I.
struct Range {
    std::string_view Field;
    std::string_view Caption;
    double Lowest = 0;
    bool LowestAllowed = true;
    double Highest = 0;
};

std::string Quoted(const std::string& name) {
    return "\u201c" + name + "\u201d";
}

std::string Label(const Device& device) {
    return device.Name.empty() ? std::string("A device without a name")
                               : "Device " + Quoted(device.Name);
}

std::optional<DeviceProblem> CheckRange(const Device& device, const Range& range,
                                        const Shown& shown, double value) {
    const bool low = range.LowestAllowed ? value >= range.Lowest : value > range.Lowest;
    if (std::isfinite(value) && low && value <= range.Highest) {
        return std::nullopt;
    }
    std::string message = Label(device) + ": the " + std::string(range.Caption) + " must be ";
    message += range.LowestAllowed
                   ? "a number from " + ValueText(shown.Of(range.Lowest)) + " to "
                   : "a number above " + ValueText(shown.Of(range.Lowest)) + " and up to ";
    message += ValueText(shown.Of(range.Highest)) + " " + std::string(shown.Unit) + "; " +
               ValueText(shown.Of(value)) + " was given.";
    return DeviceProblem{device.Name, std::string(range.Field), message};
}

} // namespace

std::optional<DeviceProblem> CheckDevice(const Device& device, UnitSystem units) {
    if (device.Name.empty()) {
        return DeviceProblem{"", "name", "A device needs a name."};
    }
    const Shown length = LengthIn(units);
    if (auto p = CheckRange(device, {"radius", "radial distance from the plume axis", 0, true, 100},
                            length, device.Radius)) {
        return p;
    }
    if (auto p = CheckRange(device, {"below-ceiling", "distance below the ceiling", 0, true, 10},
                            length, device.BelowCeiling)) {
        return p;
    }
    const bool smoke = device.Kind == DeviceKind::SmokeDetector;
    if (!smoke || device.Rti != 0) {
        if (auto p = CheckRange(device, {"rti", "response time index", 0, false, 1000}, kRti,
                                device.Rti)) {
            return p;
        }
    }
    if (auto p = CheckRange(device, {"c", "conduction factor", 0, true, 10}, kConduction,
                            device.Conduction)) {
        return p;
    }
    if (!smoke) {
        return CheckRange(device,
                          {"temperature", "operating temperature", kKelvinAtZeroCelsius, false,
                           kKelvinAtZeroCelsius + 400},
                          TemperatureIn(units), device.OperatingTemperature);
    }
    if (device.Obscuration) {
        return CheckRange(device, {"optical-density", "obscuration threshold", 0, false, 10},
                          kOpticalDensity, *device.Obscuration);
    }
    return CheckRange(device, {"rise", "temperature rise", 0, false, 200}, RiseIn(units),
                      device.TemperatureRise);
}

std::optional<DeviceProblem> CheckDeviceInRoom(const Device& device, double ceilingHeight,
                                               double ambient, UnitSystem units) {
    if (auto p = CheckDevice(device, units)) {
        return p;
    }
    const Shown length = LengthIn(units);
    if (!(device.BelowCeiling < ceilingHeight)) {
        return DeviceProblem{device.Name, "below-ceiling",
                             Label(device) +
                                 ": the distance below the ceiling must be less than "
                                 "the room's height of " +
                                 ValueText(length.Of(ceilingHeight)) + " " +
                                 std::string(length.Unit) + "; " +
                                 ValueText(length.Of(device.BelowCeiling)) + " was given."};
    }
    if (device.Kind != DeviceKind::SmokeDetector && !(device.OperatingTemperature > ambient)) {
        const Shown t = TemperatureIn(units);
        return DeviceProblem{device.Name, "temperature",
                             Label(device) +
                                 ": the operating temperature must be above the room's starting "
                                 "temperature of " +
                                 ValueText(t.Of(ambient)) + " " + std::string(t.Unit) + "; " +
                                 ValueText(t.Of(device.OperatingTemperature)) + " was given."};
    }
    return std::nullopt;
}

std::optional<DeviceProblem> CheckDevices(const std::vector<Device>& devices, UnitSystem units) {
    std::set<std::string> names;
    for (const Device& device : devices) {
        if (auto p = CheckDevice(device, units)) {
            return p;
        }
        if (!names.insert(device.Name).second) {
            return DeviceProblem{device.Name, "name",
                                 "Two devices are named " + Quoted(device.Name) +
                                     ": each needs a name of its own."};
        }
    }
    return std::nullopt;
}

} // namespace vorla::detection
