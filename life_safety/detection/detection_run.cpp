#include "life_safety/detection/detection_run.h"

#include <algorithm>

namespace vorla::detection {
namespace {

// What a smoke detector with an obscuration threshold reads: the layer's
// optical density once the layer has reached it, clear air before.
double OpticalDensityAt(const DeviceGas& gas, const ZoneMoment& moment) {
    return gas.InLayer ? moment.LayerOpticalDensity.value_or(0) : 0;
}

// Where in [0, 1] a quantity going linearly from `before` to `after` first
// reaches `threshold`.
double CrossingShare(double before, double after, double threshold) {
    if (before >= threshold) {
        return 0;
    }
    return std::clamp((threshold - before) / (after - before), 0.0, 1.0);
}

} // namespace

DetectionRun::DetectionRun(std::vector<Device> devices, double ceilingHeight)
    : devices_(std::move(devices)), ceilingHeight_(ceilingHeight), limits_(devices_.size()),
      states_(devices_.size()) {
    places_.reserve(devices_.size());
    readings_.reserve(devices_.size());
    links_.reserve(devices_.size());
    for (const Device& device : devices_) {
        places_.push_back(PlaceOf(device.Radius, device.BelowCeiling));
        const bool smoke = device.Kind == DeviceKind::SmokeDetector;
        readings_.push_back(smoke && device.Obscuration ? Reading::Obscuration
                            : smoke && device.Rti == 0  ? Reading::GasRise
                                                        : Reading::Link);
        links_.push_back({device.Rti, device.Conduction});
    }
}

CeilingJetField DetectionRun::FieldAt(const ZoneMoment& moment) const {
    return CeilingJetField({moment.HeatReleaseRate, moment.CeilingAboveFire,
                            std::max(0.0, ceilingHeight_ - moment.InterfaceHeight),
                            moment.LayerTemperature, moment.AmbientTemperature},
                           ceilingPowers_);
}

void DetectionRun::UpdateLimits(double height) {
    if (height == limitsHeight_) {
        return;
    }
    limitsHeight_ = height;
    ceilingPowers_ = PowersOf(height);
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        limits_[i] = LimitsAt(height, places_[i]);
    }
}

void DetectionRun::Operated(std::size_t device, double time) {
    DeviceState& state = states_[device];
    if (state.ActivationTime) {
        return;
    }
    state.ActivationTime = time;
    if (!firstDetection_ || time < firstDetection_->Time) {
        firstDetection_ = FirstOperation{device, time};
    }
    if (devices_[device].Kind == DeviceKind::Sprinkler &&
        (!firstSprinkler_ || time < firstSprinkler_->Time)) {
        firstSprinkler_ = FirstOperation{device, time};
    }
}

void DetectionRun::Start(const ZoneMoment& initial) {
    firstDetection_.reset();
    firstSprinkler_.reset();
    UpdateLimits(initial.CeilingAboveFire);
    const CeilingJetField field = FieldAt(initial);
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        const Device& device = devices_[i];
        DeviceState& state = states_[i];
        state = DeviceState{};
        state.Gas = field.At(places_[i]);
        state.Gas.Limits = limits_[i];
        const bool readsGas = device.Kind == DeviceKind::SmokeDetector && device.Rti == 0;
        state.LinkTemperature = readsGas ? state.Gas.Temperature : initial.AmbientTemperature;
        if (initial.HeatReleaseRate > 0) {
            state.LimitsMet = state.Gas.Limits;
        }
        if (device.Kind == DeviceKind::SmokeDetector && device.Obscuration) {
            state.LackedSmokeDensity = !initial.LayerOpticalDensity.has_value();
            if (OpticalDensityAt(state.Gas, initial) >= *device.Obscuration) {
                Operated(i, initial.Time);
            }
        } else if (readsGas &&
                   state.Gas.Temperature - initial.AmbientTemperature >= device.TemperatureRise) {
            Operated(i, initial.Time);
        }
    }
}

void DetectionRun::Advance(const ZoneMoment& start, const ZoneMoment& end) {
    const double seconds = end.Time - start.Time;
    UpdateLimits(end.CeilingAboveFire);
    const CeilingJetField field = FieldAt(end);
    const bool burning = end.HeatReleaseRate > 0;
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        const Device& device = devices_[i];
        DeviceState& state = states_[i];
        const DeviceGas before = state.Gas;
        DeviceGas after = field.At(places_[i]);
        after.Limits = limits_[i];
        state.Gas = after;
        if (burning) {
            state.LimitsMet = state.LimitsMet | after.Limits;
        }
        switch (readings_[i]) {
        case Reading::Obscuration: {
            state.LackedSmokeDensity =
                state.LackedSmokeDensity || !end.LayerOpticalDensity.has_value();
            const double was = OpticalDensityAt(before, start);
            const double now = OpticalDensityAt(after, end);
            if (!state.ActivationTime && now >= *device.Obscuration) {
                Operated(i, start.Time + seconds * CrossingShare(was, now, *device.Obscuration));
            }
            break;
        }
        case Reading::GasRise: {
            const double was = before.Temperature - start.AmbientTemperature;
            const double now = after.Temperature - end.AmbientTemperature;
            state.LinkTemperature = after.Temperature;
            if (!state.ActivationTime && now >= device.TemperatureRise) {
                Operated(i, start.Time + seconds * CrossingShare(was, now, device.TemperatureRise));
            }
            break;
        }
        case Reading::Link: {
            const double threshold = device.Kind == DeviceKind::SmokeDetector
                                         ? end.AmbientTemperature + device.TemperatureRise
                                         : device.OperatingTemperature;
            const LinkStep step = AdvanceLinkWithRoots(
                links_[i], state.LinkTemperature, before.Temperature, before.RootVelocity,
                after.Temperature, after.RootVelocity, end.AmbientTemperature, seconds, threshold);
            state.LinkTemperature = step.EndTemperature;
            if (!state.ActivationTime && step.ReachedAt) {
                Operated(i, start.Time + *step.ReachedAt);
            }
            break;
        }
        }
    }
}

} // namespace vorla::detection
