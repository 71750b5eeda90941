// What Explore's runs follow besides the live inputs: the input form's model
// options (File > Model Options…), its detectors and sprinklers with the
// suppression rule (File > Detectors and Sprinklers…) and its tenability
// (File > Smoke and Tenability…), as the form held them when the window
// opened or last told it. The window holds one (ExploreWindow::Followed) and
// hands it to every run, the band's included; Save as Study writes from the
// same one. The form tells the window again each time one of those dialogs is
// accepted, and the window runs the shown values anew with it.
//
// A run follows them as the report window's Run does (life_safety::RunFollowed):
// the fire's position and plume in the model's inputs, the devices and the
// tenability as the run's observers, the run made again on the suppressed fire
// once the first sprinkler changes it, and the Key Results with the devices'
// block and, when the options show it, the model uncertainty.
#pragma once

#include "common/fire_files/fire_table.h"
#include "zone_models/model_options.h"
#include "common/model_runs/run_outcome.h"
#include "common/text/unit_system.h"
#include "common/model_runs/zone_step.h"
#include "life_safety/detection/device.h"
#include "life_safety/detection/suppression.h"
#include "life_safety/run/life_safety_run.h"
#include "life_safety/tenability/fire_file_heat.h"
#include "life_safety/tenability/tenability_texts.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorla::ui {

struct ExploreRun;

struct ExploreFollowed {
    ModelOptions Options;
    std::vector<detection::Device> Devices; // S.I., checked by the form's dialog
    detection::Suppression Suppression;
    tenability::TenabilityTexts Tenability; // followed when its Given is set
};

// The window's line of what its runs follow: "Model options: fire in a corner,
// Heskestad's plume, model uncertainty shown. Devices: 2, suppression:
// decaying. Tenability followed." ("Model options: the model's defaults. No
// devices." for a form that sets none).
std::string FollowedText(const ExploreFollowed& followed);

// One Explore run followed by `followed`, in a room `room` whose inputs were
// read and checked as the form's: the observers are made first (a device that
// does not hang in the room, or a head height above the ceiling, refuses the
// run beside the room's height with Run's sentence), then the model is run
// through life_safety::RunFollowed, and at the end the observers' blocks, the
// tenability quantities and the model uncertainty are added to the run shown.
class ExploreFollowedRun {
  public:
    // `firePath` is the fire file the run reads: without a heat of combustion
    // of their own, the tenability and the smoke follow the file's, as Run does.
    ExploreFollowedRun(const ExploreFollowed& followed, const life_safety::LifeSafetyRoom& room,
                       UnitSystem units, const std::string& firePath, ExploreRun& run);
    ExploreFollowedRun(const ExploreFollowedRun&) = delete;
    ExploreFollowedRun& operator=(const ExploreFollowedRun&) = delete;
    ~ExploreFollowedRun();

    // The run was refused: its message and box are in the ExploreRun.
    bool Refused() const { return refused_; }

    // `runModel(fire, observer)` runs the model on `fire`; when the first
    // sprinkler changes the fire it is called again on the suppressed fire,
    // whose run stands. The fire the run stands on is Fire() afterwards.
    CompletedRun
    Run(const FireTable& fire,
        const std::function<CompletedRun(const FireTable&, ZoneStepObserver*)>& runModel);
    const FireTable& Fire() const { return *fire_; }

    // After the model's key results are in run.Keys: the devices' block, the
    // tenability block and quantities, the model uncertainty of `rule`
    // (a line saying why there is none when the validation has no statistics
    // for it), and the Key Results' lines in `units`.
    void Finish(const UncertaintyRule& rule, double roomHeight, ExploreRun& run) const;

  private:
    const ExploreFollowed& followed_;
    UnitSystem units_;
    bool refused_ = false;
    std::unique_ptr<life_safety::LifeSafetyRun> lifeSafety_;
    std::unique_ptr<FireTable> fire_;
    // Where the tenability's heat of combustion came from, for the Key Results.
    tenability::HeatOfCombustionChoice heat_;
    std::string firePath_;
};

} // namespace vorla::ui
