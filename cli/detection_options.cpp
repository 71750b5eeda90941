#include "cli/detection_options.h"

#include "cli/command_output.h"
#include "cli/model_command.h"
#include "cli/vorla_command.h"
#include "common/text/number_text.h"
#include "common/files/text_file.h"
#include "common/text/units.h"
#include "life_safety/detection/device_options.h"
#include "life_safety/detection/suppression_options.h"
#include "life_safety/run/life_safety_run.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vorla::cli {
namespace {

using detection::SuppressionRule;
using life_safety::WordOfRule;

constexpr std::array<OptionSpec, 6> kOptionSpecs{{
    {"--device", true, true},
    {"--devices"},
    {"--suppression"},
    {"--spray-density"},
    {"--suppression-constant"},
    {"--suppression-exponent"},
}};

CommandStop Refused(std::string_view prefix, const std::string& sentence,
                    int status = kExitInputRejected) {
    return {status, std::string(prefix) + sentence + "\n"};
}

std::string Described(const detection::DeviceProblem& problem) {
    return problem.Device + ": " + problem.Field + ": " + problem.Message;
}

} // namespace

std::vector<OptionSpec> WithDetectionOptions(std::span<const OptionSpec> options) {
    std::vector<OptionSpec> all(options.begin(), options.end());
    all.insert(all.end(), kOptionSpecs.begin(), kOptionSpecs.end());
    return all;
}

std::variant<DetectionOptions, CommandStop> ReadDetectionOptions(const OptionTexts& options,
                                                                 std::string_view prefix) {
    const auto units = UnitsOption(OptionText(options, "units"));
    if (const auto* problem = std::get_if<std::string>(&units)) {
        return CommandStop{kExitInputRejected, *problem};
    }
    DetectionOptions read;
    read.Units = std::get<UnitSystem>(units);
    if (const auto texts = OptionText(options, "device")) {
        // One --device a line, in the order given.
        std::size_t start = 0;
        while (start <= texts->size()) {
            const std::size_t end = std::min(texts->find('\n', start), texts->size());
            const int position = static_cast<int>(read.Devices.size()) + 1;
            auto device = detection::ParseDeviceOption(
                std::string_view(*texts).substr(start, end - start), read.Units, position);
            if (const auto* problem = std::get_if<std::string>(&device)) {
                return Refused(prefix, "--device: " + *problem);
            }
            read.Devices.push_back(std::get<detection::Device>(std::move(device)));
            start = end + 1;
        }
    }
    if (const auto path = OptionText(options, "devices")) {
        auto devices = detection::ReadDevicesFile(*path, read.Units);
        if (const auto* problem = std::get_if<std::string>(&devices)) {
            // A file that cannot be read is a file problem; one that says
            // something wrong is a rejected input: the reader's sentences
            // name the line for the latter.
            const bool unreadable = problem->rfind(*path + ": ", 0) == 0;
            return Refused(prefix, "--devices: " + *problem,
                           unreadable ? kExitFileProblem : kExitInputRejected);
        }
        for (auto& device : std::get<std::vector<detection::Device>>(devices)) {
            read.Devices.push_back(std::move(device));
        }
    }
    const auto from = OptionText(options, "from");
    if (from && !OptionText(options, "device") && !OptionText(options, "devices")) {
        // The devices a saved report carries, unless others are given. A
        // report that cannot be read is refused where --from is read.
        const WholeFile file = ReadWholeFile(*from);
        if (!file.problem) {
            auto devices = detection::ReadSavedDevices(file.text);
            if (const auto* problem = std::get_if<std::string>(&devices)) {
                return Refused(prefix, "--from: " + *from + ": " + *problem);
            }
            read.Devices = std::get<std::vector<detection::Device>>(std::move(devices));
        }
    }
    if (const auto problem = detection::CheckDevices(read.Devices, read.Units)) {
        return Refused(prefix, Described(*problem));
    }

    const detection::SuppressionTexts texts{
        OptionText(options, "suppression"), OptionText(options, "spray-density"),
        OptionText(options, "suppression-constant"), OptionText(options, "suppression-exponent")};
    if (from && !OptionText(options, "device") && !OptionText(options, "devices") && !texts.Rule &&
        !texts.SprayDensity && !texts.Constant && !texts.Exponent) {
        // The rule a saved report carries goes with its devices, unless
        // another rule is given.
        const WholeFile file = ReadWholeFile(*from);
        if (!file.problem) {
            auto saved = detection::ReadSavedSuppression(file.text);
            if (const auto* problem = std::get_if<std::string>(&saved)) {
                return Refused(prefix, "--from: " + *from + ": " + *problem);
            }
            read.Suppression = std::get<detection::Suppression>(saved);
            return read;
        }
    }
    auto suppression = detection::ReadSuppressionTexts(texts);
    if (const auto* problem = std::get_if<detection::SuppressionProblem>(&suppression)) {
        return Refused(prefix, problem->Message);
    }
    read.Suppression = std::get<detection::Suppression>(suppression);
    return read;
}

std::optional<CommandStop> CheckDetectionInRoom(const DetectionOptions& options,
                                                double ceilingHeight, std::string_view prefix) {
    for (const detection::Device& device : options.Devices) {
        if (const auto problem = detection::CheckDeviceInRoom(device, ceilingHeight,
                                                              kAmbientTemperature, options.Units)) {
            return Refused(prefix, Described(*problem));
        }
    }
    if (options.Suppression.Rule != SuppressionRule::Unchanged) {
        const bool sprinkler = std::any_of(
            options.Devices.begin(), options.Devices.end(),
            [](const detection::Device& d) { return d.Kind == detection::DeviceKind::Sprinkler; });
        if (!sprinkler) {
            return Refused(prefix, "--suppression " +
                                       std::string(WordOfRule(options.Suppression.Rule)) +
                                       " needs a sprinkler: give one with --device or --devices.");
        }
    }
    return std::nullopt;
}

const std::string_view kDetectionHelp =
    "Detectors and sprinklers (the summary gains devices, first_detection_s and\n"
    "first_sprinkler_s when any is given):\n"
    "  --device KEYS            one device, repeated for more: comma-separated\n"
    "                           key=value pairs: kind=heat|sprinkler|smoke, name,\n"
    "                           radius (from the plume axis), below-ceiling, rti\n"
    "                           ((m·s)^½), c ((m/s)^½, default 0), temperature (the\n"
    "                           operating temperature), and for smoke detectors rise\n"
    "                           (default 10 K), obscuration (%/m) or optical-density\n"
    "                           (1/m); lengths and temperatures in the units of --units\n"
    "  --devices FILE           devices from a TOML file of [[device]] tables with the\n"
    "                           same keys\n"
    "  --suppression unchanged|held|decaying  the fire after the first sprinkler\n"
    "                           operates: as its curve (default), held at its rate\n"
    "                           then, or decaying as exp(-(t - t_act)/tau), tau = A w^-B\n"
    "                           (Evans); never above its curve\n"
    "  --spray-density W        w, mm/s, for a decaying fire\n"
    "  --suppression-constant A  --suppression-exponent B  (default 3 and 1.85)\n";

} // namespace vorla::cli
