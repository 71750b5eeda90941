#include "life_safety/run/opened_run.h"

#include "common/text/units.h"

#include <utility>
#include <variant>

namespace vorla::life_safety {

OpenedRunKeys KeysOfOpenedRun(const tenability::TenabilityInputs& tenability,
                              const std::vector<detection::Device>& devices,
                              const detection::Suppression& suppression, const LifeSafetyRoom& room,
                              FireTable fire, const RunAgain& runAgain,
                              const PrintsSavedRows& printsSavedRows) {
    OpenedRunKeys keys;
    // A report's devices were checked against its room when it was run; a
    // line edited since may not be, and is not followed.
    for (const detection::Device& device : devices) {
        if (detection::CheckDeviceInRoom(device, room.CeilingHeight, kAmbientTemperature,
                                         UnitSystem::SI)) {
            keys.Tenability.TimesNotComputed = true;
            keys.Detection = SavedDetectionKeys(devices, suppression);
            return keys;
        }
    }
    LifeSafetyRun followed(
        std::make_unique<tenability::TenabilityRun>(
            tenability, tenability::RoomGeometry{room.FloorArea, room.CeilingHeight}),
        devices, suppression, room);
    // The suppressed fire, when the first sprinkler changes it, replaces
    // `fire`, and the run made on it is the one that stands, as in Run.
    const RunOutcome outcome = RunFollowed(
        followed, fire, [&](ZoneStepObserver* observer, bool) { return runAgain(observer, fire); });
    const auto* run = std::get_if<CompletedRun>(&outcome);
    if (run == nullptr || !printsSavedRows(*run)) {
        keys.Tenability.TimesNotComputed = true;
        keys.Detection = SavedDetectionKeys(devices, suppression);
        return keys;
    }
    keys.Tenability = *followed.TenabilityKeysOfRun();
    keys.Series =
        std::make_shared<const tenability::TenabilitySeries>(followed.Tenability()->Series());
    keys.Detection = followed.DetectionKeysOfRun();
    return keys;
}

} // namespace vorla::life_safety
