#include "life_safety/detection/device_options.h"

#include "common/text/round_trip_text.h"
#include "common/files/text_file.h"
#include "common/text/units.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <set>
#include <toml++/toml.h>
#include <tuple>

namespace vorla::detection {
namespace {

constexpr std::array<std::string_view, 10> kKeys = {
    "kind", "name",        "radius", "below-ceiling", "rti",
    "c",    "temperature", "rise",   "obscuration",   "optical-density"};

constexpr std::string_view kKeyList = "kind, name, radius, below-ceiling, rti, c, temperature, "
                                      "rise, obscuration or optical-density";

bool IsKey(std::string_view key) {
    for (std::string_view k : kKeys) {
        if (k == key) {
            return true;
        }
    }
    return false;
}

bool IsTextKey(std::string_view key) {
    return key == "kind" || key == "name";
}

std::string Quoted(std::string_view text) {
    return "\u201c" + std::string(text) + "\u201d";
}

// One key's value as written, and where.
struct Field {
    std::string Key;
    std::string Text;             // kind and name
    std::optional<double> Number; // the others
    int Line = 0;                 // 0 for --device
};

// A problem found while building a device: which key, and the sentence
// without the key.
struct FieldProblem {
    std::string Key;
    int Line = 0;
    std::string Message;
};

std::optional<double> NumberIn(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

const Field* Find(const std::vector<Field>& fields, std::string_view key) {
    for (const Field& f : fields) {
        if (f.Key == key) {
            return &f;
        }
    }
    return nullptr;
}

double LengthToSI(double shown, UnitSystem units) {
    return units == UnitSystem::US ? shown * kMetresPerFoot : shown;
}
double TemperatureToKelvin(double shown, UnitSystem units) {
    return units == UnitSystem::US ? (shown - 32) / 1.8 + kKelvinAtZeroCelsius
                                   : shown + kKelvinAtZeroCelsius;
}
double RiseToKelvin(double shown, UnitSystem units) {
    return units == UnitSystem::US ? shown / 1.8 : shown;
}

// The device the fields describe, or the first problem.
std::variant<Device, FieldProblem> Build(const std::vector<Field>& fields, UnitSystem units,
                                         std::size_t position, int tableLine) {
    Device device;
    const Field* kind = Find(fields, "kind");
    if (!kind) {
        return FieldProblem{"kind", tableLine, "missing: give heat, sprinkler or smoke."};
    }
    const auto parsed = KindFromWord(kind->Text);
    if (!parsed) {
        return FieldProblem{"kind", kind->Line,
                            Quoted(kind->Text) + " is not heat, sprinkler or smoke."};
    }
    device.Kind = *parsed;
    const bool smoke = device.Kind == DeviceKind::SmokeDetector;
    const Field* name = Find(fields, "name");
    device.Name = name ? name->Text : "device " + std::to_string(position);

    const auto number = [&](std::string_view key, bool required,
                            double& into) -> std::optional<FieldProblem> {
        const Field* f = Find(fields, key);
        if (!f) {
            if (required) {
                return FieldProblem{std::string(key), tableLine,
                                    "missing for " + Quoted(device.Name) + "."};
            }
            return std::nullopt;
        }
        into = *f->Number;
        return std::nullopt;
    };
    double radius = 0;
    double below = 0;
    double temperature = 0;
    for (const auto& [key, required, into] :
         {std::tuple<std::string_view, bool, double*>{"radius", true, &radius},
          {"below-ceiling", true, &below},
          {"rti", !smoke, &device.Rti},
          {"c", false, &device.Conduction},
          {"temperature", !smoke, &temperature}}) {
        if (auto p = number(key, required, *into)) {
            return *p;
        }
    }
    device.Radius = LengthToSI(radius, units);
    device.BelowCeiling = LengthToSI(below, units);
    if (!smoke) {
        device.OperatingTemperature = TemperatureToKelvin(temperature, units);
        for (std::string_view key : {"rise", "obscuration", "optical-density"}) {
            if (const Field* f = Find(fields, key)) {
                return FieldProblem{
                    std::string(key), f->Line,
                    "only smoke detectors take it; " + Quoted(device.Name) + " is a " +
                        std::string(KindWord(device.Kind)) +
                        (device.Kind == DeviceKind::Sprinkler ? "." : " detector.")};
            }
        }
    } else {
        if (const Field* f = Find(fields, "temperature")) {
            return FieldProblem{"temperature", f->Line,
                                "a smoke detector takes rise, obscuration or optical-density, "
                                "not an operating temperature."};
        }
        const Field* chosen = nullptr;
        for (std::string_view key : {"rise", "obscuration", "optical-density"}) {
            if (const Field* f = Find(fields, key)) {
                if (chosen) {
                    return FieldProblem{std::string(key), f->Line,
                                        "a smoke detector takes one of rise, obscuration and "
                                        "optical-density; " +
                                            chosen->Key + " is given too."};
                }
                chosen = f;
            }
        }
        if (chosen && chosen->Key == "rise") {
            device.TemperatureRise = RiseToKelvin(*chosen->Number, units);
        } else if (chosen && chosen->Key == "obscuration") {
            const double percent = *chosen->Number;
            if (!(percent > 0 && percent < 100)) {
                return FieldProblem{"obscuration", chosen->Line,
                                    "the obscuration threshold must be a number above 0 and "
                                    "below 100 %/m; " +
                                        ValueText(percent) + " was given."};
            }
            device.Obscuration = OpticalDensityFromObscuration(percent);
        } else if (chosen) {
            device.Obscuration = *chosen->Number;
        }
    }
    if (auto problem = CheckDevice(device, units)) {
        const bool asPercent = problem->Field == "optical-density" && Find(fields, "obscuration");
        const Field* f = Find(fields, asPercent ? std::string("obscuration") : problem->Field);
        return FieldProblem{problem->Field, f ? f->Line : tableLine, problem->Message};
    }
    return device;
}

} // namespace

std::variant<Device, std::string> ParseDeviceOption(std::string_view text, UnitSystem units,
                                                    int position) {
    std::vector<Field> fields;
    std::string_view rest = text;
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        return std::string("The device is empty: give comma-separated key=value pairs, "
                           "for example kind=sprinkler,radius=2,below-ceiling=0.1,rti=50,"
                           "temperature=68.");
    }
    while (true) {
        const std::size_t comma = rest.find(',');
        std::string_view pair = rest.substr(0, comma);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) {
            return Quoted(pair) + " is not a key=value pair.";
        }
        std::string_view key = pair.substr(0, equals);
        while (!key.empty() && key.front() == ' ') {
            key.remove_prefix(1);
        }
        while (!key.empty() && key.back() == ' ') {
            key.remove_suffix(1);
        }
        const std::string_view value = pair.substr(equals + 1);
        if (!IsKey(key)) {
            return Quoted(key) + " is not a device key: use " + std::string(kKeyList) + ".";
        }
        if (Find(fields, key)) {
            return std::string(key) + " is given twice.";
        }
        Field f{std::string(key), std::string(value), std::nullopt, 0};
        if (!IsTextKey(key)) {
            f.Number = NumberIn(value);
            if (!f.Number) {
                return std::string(key) + ": " + Quoted(value) + " is not a number.";
            }
        } else if (key == "name" && value.empty()) {
            return std::string("name: a device's name cannot be empty.");
        }
        fields.push_back(std::move(f));
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    auto built = Build(fields, units, static_cast<std::size_t>(position), 0);
    if (auto* problem = std::get_if<FieldProblem>(&built)) {
        if (problem->Message.rfind("Device ", 0) == 0 ||
            problem->Message.rfind("A device", 0) == 0) {
            return problem->Message;
        }
        return problem->Key + ": " + problem->Message;
    }
    return std::get<Device>(built);
}

std::variant<std::vector<Device>, std::string> ParseDevicesFile(std::string_view text,
                                                                const std::string& path,
                                                                UnitSystem units,
                                                                std::size_t earlier) {
    const auto at = [&path](int line, const std::string& key, const std::string& message) {
        std::string where = path;
        if (line > 0) {
            where += ":" + std::to_string(line);
        }
        return where + ": " + key + ": " + message;
    };
    toml::table root;
    try {
        root = toml::parse(text, path);
    } catch (const toml::parse_error& error) {
        return path + ":" + std::to_string(error.source().begin.line) + ": " +
               std::string(error.description()) + ".";
    }
    for (const auto& [key, node] : root) {
        if (key.str() != "device") {
            return at(static_cast<int>(node.source().begin.line), std::string(key.str()),
                      "not a part of a devices file, which holds [[device]] tables only.");
        }
    }
    std::vector<Device> devices;
    const toml::node* list = root.get("device");
    if (!list) {
        return at(0, "device", "the file has no [[device]] table.");
    }
    const toml::array* tables = list->as_array();
    if (!tables) {
        return at(static_cast<int>(list->source().begin.line), "device",
                  "write each device as a [[device]] table.");
    }
    std::set<std::string> names;
    for (const toml::node& entry : *tables) {
        const int tableLine = static_cast<int>(entry.source().begin.line);
        const toml::table* table = entry.as_table();
        if (!table) {
            return at(tableLine, "device", "write each device as a [[device]] table.");
        }
        std::vector<Field> fields;
        for (const auto& [key, node] : *table) {
            const std::string name(key.str());
            const int line = static_cast<int>(node.source().begin.line);
            if (!IsKey(name)) {
                return at(line, name, "not a device key: use " + std::string(kKeyList) + ".");
            }
            Field f{name, "", std::nullopt, line};
            if (IsTextKey(name)) {
                const auto* s = node.as_string();
                if (!s) {
                    return at(line, name, "must be text in quotes.");
                }
                f.Text = s->get();
                if (name == "name" && f.Text.empty()) {
                    return at(line, name, "a device's name cannot be empty.");
                }
            } else if (const auto* i = node.as_integer()) {
                f.Number = static_cast<double>(i->get());
            } else if (const auto* d = node.as_floating_point(); d && std::isfinite(d->get())) {
                f.Number = d->get();
            } else {
                return at(line, name, "must be a number.");
            }
            fields.push_back(std::move(f));
        }
        auto built = Build(fields, units, earlier + devices.size() + 1, tableLine);
        if (auto* problem = std::get_if<FieldProblem>(&built)) {
            return at(problem->Line, problem->Key, problem->Message);
        }
        Device& device = devices.emplace_back(std::get<Device>(std::move(built)));
        if (!names.insert(device.Name).second) {
            const Field* name = Find(fields, "name");
            return at(name ? name->Line : tableLine, "name",
                      "two devices are named " + Quoted(device.Name) +
                          ": each needs a name of its own.");
        }
    }
    return devices;
}

std::variant<std::vector<Device>, std::string> ReadDevicesFile(const std::string& path,
                                                               UnitSystem units) {
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return path + ": " + *file.problem + ".";
    }
    return ParseDevicesFile(file.text, path, units);
}

std::string DeviceOptionText(const Device& device) {
    const bool smoke = device.Kind == DeviceKind::SmokeDetector;
    std::string text = "kind=" + std::string(KindWord(device.Kind)) + ",name=" + device.Name +
                       ",radius=" + RoundTripText(device.Radius) +
                       ",below-ceiling=" + RoundTripText(device.BelowCeiling);
    if (!smoke || device.Rti != 0) {
        text += ",rti=" + RoundTripText(device.Rti);
    }
    text += ",c=" + RoundTripText(device.Conduction);
    if (!smoke) {
        text += ",temperature=" + RoundTripText(device.OperatingTemperature - kKelvinAtZeroCelsius);
    } else if (device.Obscuration) {
        text += ",optical-density=" + RoundTripText(*device.Obscuration);
    } else {
        text += ",rise=" + RoundTripText(device.TemperatureRise);
    }
    return text;
}

std::string SavedDeviceLines(const std::vector<Device>& devices, std::string_view lineEnd) {
    std::string lines;
    for (const Device& device : devices) {
        lines += std::string(kSavedDevicePrefix) + DeviceOptionText(device) + std::string(lineEnd);
    }
    return lines;
}

std::string WithSavedDevices(std::string report, const std::vector<Device>& devices) {
    const std::string_view lineEnd = report.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    return report + SavedDeviceLines(devices, lineEnd);
}

std::variant<std::vector<Device>, std::string> ReadSavedDevices(std::string_view report) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < report.size();) {
        std::size_t end = report.find('\n', at);
        if (end == std::string_view::npos) {
            end = report.size();
        }
        std::string_view line = report.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        at = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    std::size_t first = lines.size();
    while (first > 0 && lines[first - 1].starts_with(kSavedDevicePrefix)) {
        --first;
    }
    std::vector<Device> devices;
    for (std::size_t k = first; k < lines.size(); ++k) {
        auto parsed = ParseDeviceOption(lines[k].substr(kSavedDevicePrefix.size()), UnitSystem::SI,
                                        static_cast<int>(devices.size() + 1));
        if (auto* problem = std::get_if<std::string>(&parsed)) {
            return "Line " + std::to_string(k + 1) + ": " + *problem;
        }
        if (auto problem = CheckDevice(std::get<Device>(parsed), UnitSystem::SI)) {
            return "Line " + std::to_string(k + 1) + ": " + problem->Message;
        }
        devices.push_back(std::get<Device>(std::move(parsed)));
    }
    if (auto problem = CheckDevices(devices, UnitSystem::SI)) {
        return "Line " + std::to_string(first + 1) + ": " + problem->Device + ": " +
               problem->Field + ": " + problem->Message;
    }
    return devices;
}

} // namespace vorla::detection
