// The detection run as a zone model's step observer: the room's moments with
// what detection needs besides (the ceiling's height above the fire base, the
// lower layer's temperature, and the upper layer's smoke density when the
// run follows smoke).
//
// A fire against a wall or in a corner drives the ceiling jet of itself and
// its mirror images, a fire 2 or 4 times as large in the open (the mirror
// method applied to Alpert's correlations, as NIST's runs of the fire
// dynamics tools' correlations for its sprinkler validation do with their
// location factor of 1, 2 or 4): the devices
// read the jet of `jetImages` times the model's heat release rate, while the
// model's own fire is the one it is.
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
                      std::function<std::optional<double>()> smokeDensity = {},
                      int jetImages = 1)
        : run_(run), ceilingAboveFire_(ceilingAboveFire), ambient_(ambientTemperature),
          smokeDensity_(std::move(smokeDensity)), jetImages_(jetImages) {}

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
                jetImages_ == 1 ? m.HeatReleaseRate : jetImages_ * m.HeatReleaseRate,
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
    int jetImages_ = 1;
    std::optional<double> density_;
};

} // namespace vorla::detection
