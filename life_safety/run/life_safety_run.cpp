#include "life_safety/run/life_safety_run.h"

#include "common/fire_files/fire_file_lookup.h"
#include "common/text/round_trip_text.h"
#include "common/files/text_file.h"
#include "common/text/units.h"
#include "life_safety/detection/suppressed_fire.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace vorla::life_safety {
namespace {

std::optional<double> Tenth(std::optional<double> seconds) {
    if (!seconds) {
        return std::nullopt;
    }
    return std::round(*seconds * 10) / 10;
}

} // namespace

LifeSafetyRun::LifeSafetyRun(std::unique_ptr<tenability::TenabilityRun> tenability,
                             std::vector<detection::Device> devices,
                             const detection::Suppression& suppression, const LifeSafetyRoom& room)
    : tenability_(std::move(tenability)), suppression_(suppression) {
    // Tenability first: the smoke detectors read the smoke density it has
    // just worked out for the step.
    if (tenability_) {
        observers_.Add(*tenability_);
    }
    if (!devices.empty()) {
        detection_ =
            std::make_unique<detection::DetectionRun>(std::move(devices), room.CeilingHeight);
        std::function<std::optional<double>()> smoke;
        if (const tenability::TenabilityRun* t = tenability_.get()) {
            smoke = [t]() -> std::optional<double> { return t->State().LayerOpticalDensity; };
        }
        detectionObserver_ = std::make_unique<detection::DetectionObserver>(
            *detection_, room.CeilingHeight - room.FireHeight, kAmbientTemperature,
            std::move(smoke), MirrorImageCount(room.FirePlace));
        observers_.Add(*detectionObserver_);
    }
}

std::optional<FireTable> LifeSafetyRun::SuppressedFire(const FireTable& fire) {
    if (!detection_ || suppressedFrom_ ||
        suppression_.Rule == detection::SuppressionRule::Unchanged) {
        return std::nullopt;
    }
    const auto& first = detection_->FirstSprinkler();
    if (!first || !(first->Time < fire.LastTime())) {
        return std::nullopt;
    }
    suppressedFrom_ = first->Time;
    return detection::SuppressedFireTable(fire, suppression_, first->Time);
}

RunOutcome RunFollowed(LifeSafetyRun& run, FireTable& fire,
                       const std::function<RunOutcome(ZoneStepObserver*, bool again)>& runModel) {
    RunOutcome outcome = runModel(run.Observer(), false);
    if (!std::holds_alternative<CompletedRun>(outcome)) {
        return outcome;
    }
    if (auto suppressed = run.SuppressedFire(fire)) {
        fire = std::move(*suppressed);
        outcome = runModel(run.Observer(), true);
    }
    return outcome;
}

std::optional<DetectionKeys> LifeSafetyRun::DetectionKeysOfRun() const {
    if (!detection_) {
        return std::nullopt;
    }
    return DetectionKeysOf(*detection_, suppression_, suppressedFrom_);
}

std::optional<DetectionKeys> SavedDetectionKeys(const std::vector<detection::Device>& devices,
                                                const detection::Suppression& suppression) {
    if (devices.empty()) {
        return std::nullopt;
    }
    DetectionKeys keys;
    keys.TimesNotComputed = true;
    for (const detection::Device& device : devices) {
        keys.Devices.push_back(
            {device.Name, std::string(detection::KindWord(device.Kind)), std::nullopt, 0});
    }
    if (suppression.Rule != detection::SuppressionRule::Unchanged) {
        keys.Suppression = std::string(WordOfRule(suppression.Rule));
    }
    return keys;
}

std::unique_ptr<tenability::TenabilityRun>
SmokeFollowedForDevices(const std::vector<detection::Device>& devices, const LifeSafetyRoom& room,
                        const tenability::TenabilityInputs& inputs) {
    const bool smoke = std::any_of(devices.begin(), devices.end(), [](const detection::Device& d) {
        return d.Kind == detection::DeviceKind::SmokeDetector && d.Obscuration.has_value();
    });
    if (!smoke || tenability::CheckTenabilityInputs(inputs, room.CeilingHeight)) {
        return nullptr;
    }
    return std::make_unique<tenability::TenabilityRun>(
        inputs, tenability::RoomGeometry{room.FloorArea, room.CeilingHeight});
}

std::optional<std::string> FireFileTextOf(const std::string& name, const std::string& reportPath) {
    for (const std::string& place : FireFilePlaces(name, reportPath)) {
        WholeFile file = ReadWholeFile(place);
        if (!file.problem) {
            return std::move(file.text);
        }
    }
    return std::nullopt;
}

tenability::TenabilityInputs InputsWithFireFileHeat(const tenability::TenabilityTexts& texts,
                                                    const std::string& name,
                                                    const std::string& reportPath,
                                                    tenability::HeatOfCombustionChoice* choice) {
    tenability::TenabilityInputs inputs = texts.Inputs;
    std::optional<double> given;
    std::optional<tenability::FireFileHeat> heat;
    if (texts.HeatOfCombustionGiven) {
        given = inputs.Yields.HeatOfCombustion;
    } else if (const auto text = FireFileTextOf(name, reportPath)) {
        heat = tenability::HeatOfCombustionOfFireFile(*text);
    }
    const auto chosen =
        tenability::ChooseHeatOfCombustion(given, heat, inputs.Yields.HeatOfCombustion);
    inputs.Yields.HeatOfCombustion = chosen.HeatOfCombustion;
    if (choice) {
        *choice = chosen;
    }
    return inputs;
}

std::string_view WordOfRule(detection::SuppressionRule rule) {
    switch (rule) {
    case detection::SuppressionRule::HeldAtActivation:
        return "held";
    case detection::SuppressionRule::Decaying:
        return "decaying";
    case detection::SuppressionRule::Unchanged:
        break;
    }
    return "unchanged";
}

DetectionKeys DetectionKeysOf(const detection::DetectionRun& run,
                              const detection::Suppression& suppression,
                              std::optional<double> suppressedFrom) {
    DetectionKeys keys;
    for (std::size_t i = 0; i < run.Devices().size(); ++i) {
        const detection::Device& device = run.Devices()[i];
        const detection::DeviceState& state = run.States()[i];
        keys.Devices.push_back({device.Name, std::string(detection::KindWord(device.Kind)),
                                Tenth(state.ActivationTime),
                                state.LinkTemperature - kKelvinAtZeroCelsius});
    }
    if (const auto& first = run.FirstDetection()) {
        keys.FirstDetectionS = Tenth(first->Time);
    }
    if (const auto& first = run.FirstSprinkler()) {
        keys.FirstSprinklerS = Tenth(first->Time);
    }
    if (suppressedFrom) {
        keys.Suppression = std::string(WordOfRule(suppression.Rule));
        keys.SuppressedFromS = Tenth(suppressedFrom);
    }
    return keys;
}

std::optional<TenabilityKeys> LifeSafetyRun::TenabilityKeysOfRun() const {
    if (!tenability_) {
        return std::nullopt;
    }
    return TenabilityKeysOf(tenability_->Outcome());
}

TenabilityKeys TenabilityKeysOf(const tenability::TenabilityOutcome& outcome) {
    TenabilityKeys keys;
    keys.AsetS = Tenth(outcome.Aset);
    if (outcome.Governing) {
        keys.AsetCriterion = std::string(tenability::CriterionKey(*outcome.Governing));
    }
    for (const tenability::Criterion criterion : tenability::kCriteria) {
        const auto& time = outcome.FailureTimeOf(criterion);
        keys.ReachedS.push_back({std::string(tenability::CriterionKey(criterion)), Tenth(time)});
    }
    return keys;
}

std::string WithTenabilityColumns(std::string_view csv,
                                  const tenability::TenabilitySeries& series) {
    constexpr std::string_view kLineEnd = "\r\n";
    std::string text;
    text.reserve(csv.size() + static_cast<std::size_t>(series.LastRow + 2) * 80);
    int row = -1; // the header line
    std::size_t start = 0;
    while (start < csv.size()) {
        const std::size_t end = csv.find(kLineEnd, start);
        const std::size_t lineEnd = end == std::string_view::npos ? csv.size() : end;
        text.append(csv.substr(start, lineEnd - start));
        if (row < 0) {
            text += ",visibility_m,fed_toxic,fed_heat,radiant_flux_kW_m2";
        } else if (row <= series.LastRow) {
            const auto i = static_cast<std::size_t>(row);
            // Clear air has no visibility limit: its cell stays empty.
            const double visibility = series.Visibility[i];
            text += ',';
            text += std::isfinite(visibility) ? RoundTripText(visibility) : "";
            for (const double value :
                 {series.FedToxic[i], series.FedHeat[i], series.RadiantFlux[i]}) {
                text += ',';
                text += RoundTripText(value);
            }
        }
        text += kLineEnd;
        ++row;
        start = lineEnd + kLineEnd.size();
    }
    return text;
}

} // namespace vorla::life_safety
