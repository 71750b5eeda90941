// What the batch command follows alongside a model's run: tenability at head
// height and the room's detectors and sprinklers, as step observers of one
// run; and, when the first sprinkler changes the fire, the fire table the run
// is made again on.
#pragma once

#include "cli/detection_options.h"
#include "cli/tenability_options.h"
#include "common/fire_table.h"
#include "common/zone_step.h"
#include "life_safety/detection/detection_observer.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::cli {

struct LifeSafetyRoom {
    double FloorArea = 0;     // m²
    double CeilingHeight = 0; // m
    double FireHeight = 0;    // m, the fire base above the floor
};

class LifeSafetyRun {
  public:
    // The observers for these options in this room, or the stop for options
    // that do not fit it.
    static std::variant<std::unique_ptr<LifeSafetyRun>, CommandStop>
    Prepare(const TenabilityOptions& tenability, const DetectionOptions& detection,
            const LifeSafetyRoom& room, std::string_view prefix);

    // What the model's run tells; nothing when nothing is followed.
    ZoneStepObserver* Observer() { return observers_.Empty() ? nullptr : &observers_; }

    // After a run: the fire the run must be made again on, when its first
    // sprinkler operated and the suppression rule changes the fire; nothing
    // otherwise. The next run on it is the suppressed one.
    std::optional<FireTable> SuppressedFire(const FireTable& fire);

    // The tenability and detection blocks of the key results, and the inputs
    // they were computed with.
    void AddKeyResults(KeyResults& keys, std::vector<RunInput>& used) const;
    // The result rows' CSV, with the tenability columns when a tenability
    // option was given.
    std::string ResultsCsv(std::string csv) const;

  private:
    LifeSafetyRun(const TenabilityOptions& tenability, const DetectionOptions& detection,
                  const LifeSafetyRoom& room);

    TenabilityOptions tenabilityOptions_;
    DetectionOptions detectionOptions_;
    LifeSafetyRoom room_;
    std::unique_ptr<tenability::TenabilityRun> tenability_;
    std::unique_ptr<detection::DetectionRun> detection_;
    std::unique_ptr<detection::DetectionObserver> detectionObserver_;
    ZoneStepObservers observers_;
    std::optional<double> suppressedFrom_;
};

// A model command's own options followed by the tenability and detection ones.
std::vector<OptionSpec> WithLifeSafetyOptions(std::span<const OptionSpec> options);

// The help texts of both blocks, for the model commands' --help.
std::string LifeSafetyHelp();

} // namespace vorla::cli
