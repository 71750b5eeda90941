#include "cli/life_safety_run.h"

namespace vorla::cli {

LifeSafetyRun::LifeSafetyRun(const TenabilityOptions& tenability, const LifeSafetyRoom& room,
                             std::unique_ptr<life_safety::LifeSafetyRun> run)
    : tenabilityOptions_(tenability), room_(room), run_(std::move(run)) {}

std::variant<std::unique_ptr<LifeSafetyRun>, CommandStop>
LifeSafetyRun::Prepare(const TenabilityOptions& tenability, const DetectionOptions& detection,
                       const LifeSafetyRoom& room, std::string_view prefix) {
    auto followed = FollowTenability(tenability, room.FloorArea, room.CeilingHeight, prefix);
    if (auto* stop = std::get_if<CommandStop>(&followed)) {
        return std::move(*stop);
    }
    if (auto stop = CheckDetectionInRoom(detection, room.CeilingHeight, prefix)) {
        return std::move(*stop);
    }
    auto run = std::make_unique<life_safety::LifeSafetyRun>(
        std::get<std::unique_ptr<tenability::TenabilityRun>>(std::move(followed)),
        detection.Devices, detection.Suppression, room);
    return std::unique_ptr<LifeSafetyRun>(new LifeSafetyRun(tenability, room, std::move(run)));
}

void LifeSafetyRun::AddKeyResults(KeyResults& keys, std::vector<RunInput>& used) const {
    if (const tenability::TenabilityRun* tenability = run_->Tenability()) {
        keys.Tenability = TenabilityKeysOf(tenability->Outcome());
        for (auto& input : TenabilitySummaryInputs(tenabilityOptions_.Inputs, room_.FloorArea,
                                                         tenabilityOptions_.HeatSource)) {
            used.push_back(std::move(input));
        }
    }
    if (auto detection = run_->DetectionKeysOfRun()) {
        keys.Detection = std::move(*detection);
    }
}

std::string LifeSafetyRun::ResultsCsv(std::string csv) const {
    const tenability::TenabilityRun* tenability = run_->Tenability();
    if (tenability && tenabilityOptions_.Given) {
        return WithTenabilityColumns(csv, tenability->Series());
    }
    return csv;
}

std::vector<OptionSpec> WithLifeSafetyOptions(std::span<const OptionSpec> options) {
    return WithDetectionOptions(WithTenabilityOptions(options));
}

std::string LifeSafetyHelp() {
    return std::string(kTenabilityHelp) + "\n" + std::string(kDetectionHelp);
}

} // namespace vorla::cli
