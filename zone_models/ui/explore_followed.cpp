#include "zone_models/ui/explore_followed.h"

#include "common/key_results/key_results_text.h"
#include "zone_models/ui/explore_window.h"
#include "zone_models/ui/key_results_panel.h"
#include "zone_models/ui/tenability_graph.h"
#include "life_safety/run/life_safety_run.h"
#include "common/text/units.h"
#include "life_safety/tenability/tenability_criteria.h"

#include <variant>

namespace vorla::ui {

std::string FollowedText(const ExploreFollowed& followed) {
    const ModelOptions& options = followed.Options;
    std::string text = "Model options: ";
    switch (options.Position) {
    case FirePosition::Centre:
        text += "fire in the open";
        break;
    case FirePosition::AgainstWall:
        text += "fire against a wall";
        break;
    case FirePosition::InCorner:
        text += "fire in a corner";
        break;
    }
    text += options.Plume == PlumeCorrelation::Heskestad ? ", Heskestad's plume"
                                                         : ", the model's own plume (Zukoski)";
    if (options.ShowUncertainty) {
        text += ", model uncertainty shown";
    }
    text += ". ";
    if (followed.Devices.empty()) {
        text += "No devices.";
    } else {
        text += "Devices:";
        const char* between = " ";
        for (const detection::Device& device : followed.Devices) {
            text.append(between).append(device.Name);
            between = ", ";
        }
        text.append("; suppression: ").append(life_safety::WordOfRule(followed.Suppression.Rule));
        text += ".";
    }
    text += followed.Tenability.Given ? " Tenability followed." : " Tenability not followed.";
    return text;
}

ExploreFollowedRun::ExploreFollowedRun(const ExploreFollowed& followed,
                                       const life_safety::LifeSafetyRoom& room, UnitSystem units,
                                       const std::string& firePath, ExploreRun& run)
    : followed_(followed), units_(units), firePath_(firePath) {
    // In Run's order: the devices against the room, then the head height. The
    // room's height is the live input either depends on.
    const auto refuse = [&](std::string message) {
        run.RejectedBox = "txtRoomHeight";
        run.Message = std::move(message);
        refused_ = true;
    };
    for (const detection::Device& device : followed.Devices) {
        if (const auto problem = detection::CheckDeviceInRoom(device, room.CeilingHeight,
                                                              kAmbientTemperature, units)) {
            refuse(problem->Device + ": " + problem->Field + ": " + problem->Message);
            return;
        }
    }
    std::unique_ptr<tenability::TenabilityRun> tenabilityRun;
    if (followed.Tenability.Given) {
        if (const auto problem =
                tenability::CheckTenabilityInputs(followed.Tenability.Inputs, room.CeilingHeight)) {
            refuse(problem->Message);
            return;
        }
        heat_ = {
            followed.Tenability.Inputs.Yields.HeatOfCombustion, tenability::HeatSource::Input, {}};
        tenabilityRun = std::make_unique<tenability::TenabilityRun>(
            life_safety::InputsWithFireFileHeat(followed.Tenability, firePath, "", &heat_),
            tenability::RoomGeometry{room.FloorArea, room.CeilingHeight});
    } else {
        // The smoke an obscuration detector reads, as Run follows it.
        tenabilityRun = life_safety::SmokeFollowedForDevices(
            followed.Devices, room,
            life_safety::InputsWithFireFileHeat(tenability::TenabilityTexts{}, firePath, ""));
    }
    lifeSafety_ = std::make_unique<life_safety::LifeSafetyRun>(
        std::move(tenabilityRun), followed.Devices, followed.Suppression, room);
}

ExploreFollowedRun::~ExploreFollowedRun() = default;

CompletedRun ExploreFollowedRun::Run(
    const FireTable& fire,
    const std::function<CompletedRun(const FireTable&, ZoneStepObserver*)>& runModel) {
    // A copy of the fire on the heap (it is tens of kilobytes): the suppressed
    // fire replaces it when the first sprinkler changes it.
    fire_ = std::make_unique<FireTable>(fire);
    CompletedRun completed;
    life_safety::RunFollowed(*lifeSafety_, *fire_,
                             [&](ZoneStepObserver* observer, bool) -> RunOutcome {
                                 completed = runModel(*fire_, observer);
                                 return completed;
                             });
    return completed;
}

void ExploreFollowedRun::Finish(const UncertaintyRule& rule, double roomHeight,
                                ExploreRun& run) const {
    if (!run.Keys) {
        return;
    }
    KeyResults& keys = *run.Keys;
    keys.Detection = lifeSafety_->DetectionKeysOfRun();
    // The smoke followed only for an obscuration detector is not the
    // tenability the user asked for: no block, no quantities.
    const tenability::TenabilityRun* tenability = lifeSafety_->Tenability();
    if (followed_.Tenability.Given && tenability != nullptr) {
        keys.Tenability = lifeSafety_->TenabilityKeysOfRun();
        NameHeatOfCombustion(heat_, firePath_, *keys.Tenability);
        AddTenabilityQuantities(run.Graph, tenability->Series(), units_);
    }
    std::string unknownUncertainty;
    if (followed_.Options.ShowUncertainty) {
        // Run refuses a heat loss fraction the validation did not measure;
        // here it is a live input, so the run stands and says why the lines
        // are missing.
        const auto found = FindUncertaintyStatistics(rule);
        if (const auto* statistics = std::get_if<UncertaintyStatistics>(&found)) {
            keys.ModelUncertainty = ModelUncertaintyKeys(keys, *statistics, roomHeight);
        } else {
            unknownUncertainty =
                "The model uncertainty cannot be shown: " + std::get<std::string>(found);
        }
    }
    run.KeyLines = PanelKeyResultLines(keys, units_);
    if (!unknownUncertainty.empty()) {
        run.KeyLines.push_back(unknownUncertainty);
    }
}

} // namespace vorla::ui
