#include "cli/life_safety_run.h"

#include "common/units.h"
#include "life_safety/detection/suppressed_fire.h"

namespace vorla::cli {

LifeSafetyRun::LifeSafetyRun(const TenabilityOptions& tenability, const DetectionOptions& detection,
                             const LifeSafetyRoom& room)
    : tenabilityOptions_(tenability), detectionOptions_(detection), room_(room) {}

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
    std::unique_ptr<LifeSafetyRun> run(new LifeSafetyRun(tenability, detection, room));
    run->tenability_ = std::get<std::unique_ptr<tenability::TenabilityRun>>(std::move(followed));
    // Tenability first: the smoke detectors read the smoke density it has
    // just worked out for the step.
    if (run->tenability_) {
        run->observers_.Add(*run->tenability_);
    }
    if (!detection.Devices.empty()) {
        run->detection_ =
            std::make_unique<detection::DetectionRun>(detection.Devices, room.CeilingHeight);
        std::function<std::optional<double>()> smoke;
        if (const tenability::TenabilityRun* t = run->tenability_.get()) {
            smoke = [t]() -> std::optional<double> { return t->State().LayerOpticalDensity; };
        }
        run->detectionObserver_ = std::make_unique<detection::DetectionObserver>(
            *run->detection_, room.CeilingHeight - room.FireHeight, kAmbientTemperature,
            std::move(smoke));
        run->observers_.Add(*run->detectionObserver_);
    }
    return run;
}

std::optional<FireTable> LifeSafetyRun::SuppressedFire(const FireTable& fire) {
    if (!detection_ || suppressedFrom_ ||
        detectionOptions_.Suppression.Rule == detection::SuppressionRule::Unchanged) {
        return std::nullopt;
    }
    const auto& first = detection_->FirstSprinkler();
    if (!first || !(first->Time < fire.LastTime())) {
        return std::nullopt;
    }
    suppressedFrom_ = first->Time;
    return detection::SuppressedFireTable(fire, detectionOptions_.Suppression, first->Time);
}

void LifeSafetyRun::AddKeyResults(KeyResults& keys, std::vector<RunInput>& used) const {
    if (tenability_) {
        keys.Tenability = TenabilityKeysOf(tenability_->Outcome());
        for (auto& input : TenabilitySummaryInputs(tenabilityOptions_.Inputs, room_.FloorArea)) {
            used.push_back(std::move(input));
        }
    }
    if (detection_) {
        keys.Detection =
            DetectionKeysOf(*detection_, detectionOptions_.Suppression, suppressedFrom_);
    }
}

std::string LifeSafetyRun::ResultsCsv(std::string csv) const {
    if (tenability_ && tenabilityOptions_.Given) {
        return WithTenabilityColumns(csv, tenability_->Series());
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
