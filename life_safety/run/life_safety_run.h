// A model's run followed by tenability at head height and by the room's
// detectors and sprinklers: the step observers of one run and, when the first
// sprinkler changes the fire, the fire table the run is made again on. The
// batch command and the report windows both run through it, so both show the
// same devices' times for the same inputs. The inputs come checked (the
// batch command's options, the windows' forms and dialogs check them first).
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/key_results/key_results.h"
#include "common/model_runs/fire_plumes.h"
#include "common/model_runs/run_outcome.h"
#include "common/model_runs/zone_step.h"
#include "life_safety/detection/detection_observer.h"
#include "life_safety/detection/detection_run.h"
#include "life_safety/detection/suppression.h"
#include "life_safety/tenability/fire_file_heat.h"
#include "life_safety/tenability/tenability_run.h"
#include "life_safety/tenability/tenability_texts.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::life_safety {

struct LifeSafetyRoom {
    double FloorArea = 0;     // m²
    double CeilingHeight = 0; // m
    double FireHeight = 0;    // m, the fire base above the floor
    // Where the fire stands: against a wall or in a corner the devices see
    // the ceiling jet of the fire's mirror images (DetectionObserver).
    FirePosition FirePlace = FirePosition::Centre;
};

class LifeSafetyRun {
  public:
    // `tenability` is the tenability observer made for the room, or nothing
    // when tenability is not followed; `devices` (checked against the room)
    // may be empty.
    LifeSafetyRun(std::unique_ptr<tenability::TenabilityRun> tenability,
                  std::vector<detection::Device> devices, const detection::Suppression& suppression,
                  const LifeSafetyRoom& room);

    LifeSafetyRun(const LifeSafetyRun&) = delete;
    LifeSafetyRun& operator=(const LifeSafetyRun&) = delete;

    // What the model's run tells; nothing when nothing is followed.
    ZoneStepObserver* Observer() { return observers_.Empty() ? nullptr : &observers_; }

    // After a run: the fire the run must be made again on, when its first
    // sprinkler operated before the fire's end and the suppression rule
    // changes the fire; nothing otherwise (and nothing the second time: the
    // next run on it is the suppressed one, and the one that stands).
    std::optional<FireTable> SuppressedFire(const FireTable& fire);

    // The time (s) of the activation the suppressed fire starts at, once
    // SuppressedFire gave one.
    std::optional<double> SuppressedFrom() const { return suppressedFrom_; }

    // Nothing when tenability, or detection, is not followed.
    const tenability::TenabilityRun* Tenability() const { return tenability_.get(); }
    const detection::DetectionRun* Detection() const { return detection_.get(); }

    // The key results' detection block of the finished run; nothing without
    // devices.
    std::optional<DetectionKeys> DetectionKeysOfRun() const;
    // The key results' tenability block of the finished run; nothing when
    // tenability is not followed.
    std::optional<TenabilityKeys> TenabilityKeysOfRun() const;

  private:
    std::unique_ptr<tenability::TenabilityRun> tenability_;
    detection::Suppression suppression_;
    std::unique_ptr<detection::DetectionRun> detection_;
    std::unique_ptr<detection::DetectionObserver> detectionObserver_;
    ZoneStepObservers observers_;
    std::optional<double> suppressedFrom_;
};

// A model's run followed by `run`: `runModel(observer, again)` runs the model
// on `fire`; when the run completed and its first sprinkler changed the fire,
// `fire` becomes the suppressed fire and `runModel` is called again with
// `again` true (the run that stands). A rejected input or a fire file problem
// of the first run is the outcome.
RunOutcome RunFollowed(LifeSafetyRun& run, FireTable& fire,
                       const std::function<RunOutcome(ZoneStepObserver*, bool again)>& runModel);

// The detection block of a saved report opened as results: its devices named
// (TimesNotComputed) and its rule, when not "unchanged"; nothing without
// devices.
std::optional<DetectionKeys> SavedDetectionKeys(const std::vector<detection::Device>& devices,
                                                const detection::Suppression& suppression);

// The tenability observer the batch command follows when no tenability
// option is given (the default inputs, where the default head height fits the
// room), made only when a device reads the smoke's obscuration, the one
// reading that needs the smoke density it works out; nothing otherwise. The
// windows, which follow no tenability of their own yet, run with it, so their
// smoke detectors operate when the batch command's do.
// `inputs` are the defaults, with the fire file's heat of combustion where the
// caller has it (InputsWithFireFileHeat), as the batch command follows them.
std::unique_ptr<tenability::TenabilityRun>
SmokeFollowedForDevices(const std::vector<detection::Device>& devices, const LifeSafetyRoom& room,
                        const tenability::TenabilityInputs& inputs = {});

// The text of the fire file `name` names, read from the first of the places
// a model looks for it (common/fire_files/fire_file_lookup.h, for a report saved at
// `reportPath`) that can be read; nothing when none can.
std::optional<std::string> FireFileTextOf(const std::string& name, const std::string& reportPath);

// The tenability inputs a run follows: `texts`' own, with the heat of
// combustion of the fire file `name` names when the texts give none (and
// the fire file has one: fire_file_heat.h). `choice` says where it came from.
tenability::TenabilityInputs InputsWithFireFileHeat(const tenability::TenabilityTexts& texts,
                                                    const std::string& name,
                                                    const std::string& reportPath,
                                                    tenability::HeatOfCombustionChoice* choice = nullptr);

// "unchanged", "held", "decaying": the rule's word in the batch command's
// option and in the summaries.
std::string_view WordOfRule(detection::SuppressionRule rule);

// The key results' detection block of a finished run: times rounded to 0.1 s
// like the other key results' times. `suppressedFrom` is the activation the
// suppressed fire started at, when it was suppressed.
DetectionKeys DetectionKeysOf(const detection::DetectionRun& run,
                              const detection::Suppression& suppression,
                              std::optional<double> suppressedFrom);

// The key results' tenability block of a finished observer: each criterion's
// time rounded to 0.1 s like the other key results' times.
TenabilityKeys TenabilityKeysOf(const tenability::TenabilityOutcome& outcome);

// The result rows' CSV with the four tenability columns added to each line:
// visibility (m, empty in clear air), FED toxic, FED heat, radiant flux
// (kW/m²), each its shortest round-trip text; --csv and the report windows'
// Export CSV… when tenability is followed.
std::string WithTenabilityColumns(std::string_view csv, const tenability::TenabilitySeries& series);

} // namespace vorla::life_safety
