// Detection alongside a zone model's run: the model calls the observer after
// each one-second step with the room at the step's two ends; the observer
// finds the gas around every device (ceiling_jet.h), moves each sensing
// element on through the step on the link equation's exact solution
// (link_response.h), and notes when
// each device operates, the first detection and the first sprinkler. Nothing
// is allocated once it is made, and nothing it does changes the run: a model
// that suppresses the fire reads FirstSprinkler() and applies suppression.h.
//
// The first detection is the first device of any kind to operate: a
// sprinkler's flow alarm signals the fire as a detector does.
#pragma once

#include "life_safety/detection/ceiling_jet.h"
#include "life_safety/detection/device.h"
#include "life_safety/detection/link_response.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vorla::detection {

// The room at one end of a step, as the model has it.
struct ZoneMoment {
    double Time = 0;               // s
    double HeatReleaseRate = 0;    // kW, after any limit the model puts on it
    double LayerTemperature = 0;   // K
    double InterfaceHeight = 0;    // m above the floor
    double CeilingAboveFire = 0;   // m, the ceiling's height above the fire base
    double AmbientTemperature = 0; // K, the lower layer's
    // Optical density per metre (base 10) of the upper layer, once the model
    // follows smoke (the tenability observer's LayerOpticalDensity).
    std::optional<double> LayerOpticalDensity;
};

// One device at the end of the last step.
struct DeviceState {
    double LinkTemperature = 0;           // K; a smoke detector without RTI: the gas's
    DeviceGas Gas;                        // around the device
    std::optional<double> ActivationTime; // s
    // Every limit of the correlations the device was beyond while a fire
    // burned, over the whole run.
    JetLimit LimitsMet = JetLimit::None;
    // An obscuration detector whose run gave no smoke density: it cannot
    // operate, and the results must say why.
    bool LackedSmokeDensity = false;
};

// The first device to operate among some: its index in the run's list and
// the time.
struct FirstOperation {
    std::size_t Device = 0;
    double Time = 0;
};

class DetectionRun {
  public:
    // `devices` must have passed CheckDeviceInRoom for this room, whose
    // ceiling is `ceilingHeight` above the floor (m).
    DetectionRun(std::vector<Device> devices, double ceilingHeight);

    // Begins a run at `initial` (row 0's state), forgetting any earlier one.
    void Start(const ZoneMoment& initial);
    // One step: `start` is the last step's end.
    void Advance(const ZoneMoment& start, const ZoneMoment& end);

    const std::vector<Device>& Devices() const { return devices_; }
    const std::vector<DeviceState>& States() const { return states_; }
    const std::optional<FirstOperation>& FirstDetection() const { return firstDetection_; }
    const std::optional<FirstOperation>& FirstSprinkler() const { return firstSprinkler_; }

  private:
    CeilingJetField FieldAt(const ZoneMoment& moment) const;
    // The devices' limits under a ceiling `height` above the fire, worked
    // out again only when the height changes.
    void UpdateLimits(double height);
    void Operated(std::size_t device, double time);

    // What each device reads, sorted out once for the run's every step.
    enum class Reading : std::uint8_t {
        Obscuration, // a smoke detector with an obscuration threshold
        GasRise,     // a smoke detector without RTI: the gas's own rise
        Link,        // a sensing element on the link equation
    };

    std::vector<Device> devices_;
    std::vector<Reading> readings_;
    std::vector<LinkResponse> links_;
    double ceilingHeight_ = 0;
    std::vector<DevicePlace> places_;
    std::vector<JetLimit> limits_;
    double limitsHeight_ = -1;
    HeightPowers ceilingPowers_;
    std::vector<DeviceState> states_;
    std::optional<FirstOperation> firstDetection_;
    std::optional<FirstOperation> firstSprinkler_;
};

} // namespace vorla::detection
