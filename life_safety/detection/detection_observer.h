// The detection run as a zone model's step observer: the room's moments with
// what detection needs besides (the ceiling's height above the fire base, the
// lower layer's temperature, and the upper layer's smoke density when the
// run follows smoke).
#pragma once

#include "common/model_runs/zone_step.h"
#include "life_safety/detection/detection_run.h"

#include <functional>
#include <optional>
#include <utility>

namespace vorla::detection {

class DetectionObserver final : public ZoneStepObserver {
  public:
    // `smokeDensity` gives the upper layer's optical density per metre at the
    // end of the step just taken; it is asked after the observers added before
    // this one have advanced (the tenability observer, which computes it).
    DetectionObserver(DetectionRun& run, double ceilingAboveFire, double ambientTemperature,
                      std::function<std::optional<double>()> smokeDensity = {})
        : run_(run), ceilingAboveFire_(ceilingAboveFire), ambient_(ambientTemperature),
          smokeDensity_(std::move(smokeDensity)) {}

    void Start(const vorla::ZoneMoment& initial) override {
        density_ = Density();
        run_.Start(MomentOf(initial, density_));
    }
    void Advance(const vorla::ZoneMoment& start, const vorla::ZoneMoment& end) override {
        const std::optional<double> was = density_;
        density_ = Density();
        run_.Advance(MomentOf(start, was), MomentOf(end, density_));
    }
    void RecordRow(int) override {}
    // The devices follow the jet and the layer, not the gas leaving the room.
    bool ReadsLayerGasOut() const override { return false; }

  private:
    std::optional<double> Density() const { return smokeDensity_ ? smokeDensity_() : std::nullopt; }
    ZoneMoment MomentOf(const vorla::ZoneMoment& m, std::optional<double> density) const {
        return {m.Time,
                m.HeatReleaseRate,
                m.LayerTemperature,
                m.InterfaceHeight,
                ceilingAboveFire_,
                ambient_,
                density};
    }

    DetectionRun& run_;
    double ceilingAboveFire_;
    double ambient_;
    std::function<std::optional<double>()> smokeDensity_;
    std::optional<double> density_;
};

} // namespace vorla::detection
