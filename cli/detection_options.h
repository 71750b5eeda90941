// The detection options of `vorla compartment` and `vorla smoke`: the devices
// (`--device KEYS`, repeated, and `--devices FILE`, life_safety/detection/
// device_options.h) and what the first sprinkler does to the fire
// (`--suppression`, `--spray-density`, `--suppression-constant`,
// `--suppression-exponent`).
#pragma once

#include "cli/model_inputs.h"
#include "cli/option_parser.h"
#include "common/key_results/key_results.h"
#include "common/text/unit_system.h"
#include "life_safety/detection/detection_run.h"
#include "life_safety/detection/suppression.h"
#include "life_safety/run/life_safety_run.h"

#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::cli {

struct DetectionOptions {
    std::vector<detection::Device> Devices; // --device ones first, then the file's
    detection::Suppression Suppression;
    UnitSystem Units = UnitSystem::SI; // the system the devices' messages speak
};

// A command's own options followed by the detection options.
std::vector<OptionSpec> WithDetectionOptions(std::span<const OptionSpec> options);

// The options read and each device checked on its own, or the stop naming the
// option, the device and the value. A devices file that cannot be read stops
// with exit status 1.
std::variant<DetectionOptions, CommandStop> ReadDetectionOptions(const OptionTexts& options,
                                                                 std::string_view prefix);

// The stop for a device that does not fit a room `ceilingHeight` m high, or a
// suppression rule without devices that could operate it; nothing when all fit.
std::optional<CommandStop> CheckDetectionInRoom(const DetectionOptions& options,
                                                double ceilingHeight, std::string_view prefix);

// The key results' detection block of a finished run (shared with the
// windows: life_safety/run/life_safety_run.h).
using life_safety::DetectionKeysOf;

// The lines of --help that describe the options.
extern const std::string_view kDetectionHelp;

} // namespace vorla::cli
