// What the batch command follows alongside a model's run: its options read
// into the shared life_safety::LifeSafetyRun (life_safety/run/), which the
// report windows run through as well, checked against the room first.
#pragma once

#include "cli/detection_options.h"
#include "cli/tenability_options.h"
#include "common/fire_files/fire_table.h"
#include "common/model_runs/zone_step.h"
#include "life_safety/run/life_safety_run.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::cli {

using LifeSafetyRoom = life_safety::LifeSafetyRoom;

class LifeSafetyRun {
  public:
    // The observers for these options in this room, or the stop for options
    // that do not fit it.
    static std::variant<std::unique_ptr<LifeSafetyRun>, CommandStop>
    Prepare(const TenabilityOptions& tenability, const DetectionOptions& detection,
            const LifeSafetyRoom& room, std::string_view prefix);

    // What the model's run tells; nothing when nothing is followed.
    ZoneStepObserver* Observer() { return run_->Observer(); }

    // After a run: the fire the run must be made again on, when its first
    // sprinkler operated and the suppression rule changes the fire; nothing
    // otherwise. The next run on it is the suppressed one.
    std::optional<FireTable> SuppressedFire(const FireTable& fire) {
        return run_->SuppressedFire(fire);
    }

    // The tenability and detection blocks of the key results, and the inputs
    // they were computed with.
    void AddKeyResults(KeyResults& keys, std::vector<RunInput>& used) const;
    // The result rows' CSV, with the tenability columns when a tenability
    // option was given.
    std::string ResultsCsv(std::string csv) const;

  private:
    LifeSafetyRun(const TenabilityOptions& tenability, const LifeSafetyRoom& room,
                  std::unique_ptr<life_safety::LifeSafetyRun> run);

    TenabilityOptions tenabilityOptions_;
    LifeSafetyRoom room_;
    std::unique_ptr<life_safety::LifeSafetyRun> run_;
};

// A model command's own options followed by the tenability and detection ones.
std::vector<OptionSpec> WithLifeSafetyOptions(std::span<const OptionSpec> options);

// The help texts of both blocks, for the model commands' --help.
std::string LifeSafetyHelp();

} // namespace vorla::cli
