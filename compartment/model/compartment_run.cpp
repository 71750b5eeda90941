#include "compartment/model/compartment_run.h"

#include "common/format.h"
#include "common/integrator.h"
#include "common/precision.h"
#include "compartment/model/zone_physics.h"

#include <cmath>

namespace vorla::compartment {
namespace {

constexpr double kInitialLayerDepth = 0.01;    // m below the ceiling
constexpr double kInitialTemperature = 294.26; // K, the ambient temperature
constexpr double kCelsiusOffset = 273.15;
constexpr int kRowInterval = 5;            // s between regular rows
constexpr State kTolerance = {0.001, 0.3}; // m, K

bool IsPhysical(const State& y) {
    return std::isfinite(y.InterfaceHeight) && std::isfinite(y.LayerTemperature) &&
           y.LayerTemperature > 0;
}

} // namespace

std::string FlashoverQuestionText(int seconds) {
    return "Flashover occurred at " + Format(seconds, "###0") + " seconds.  Terminate simulation?";
}

std::optional<FireFileError> CompartmentRun(Calculations& calc, const FlashoverQuestion& ask,
                                            std::string& endMessage) {
    if (auto error = ReadFireFile(calc.Inputs.FireFile, calc.Fire)) {
        return error;
    }
    SimulateCompartment(calc, ask, endMessage);
    return std::nullopt;
}

void SimulateCompartment(Calculations& calc, const FlashoverQuestion& ask,
                         std::string& endMessage) {
    const RunInputs& in = calc.Inputs;
    RunResults& out = calc.Results;
    const ZoneModel model{in, calc.Fire};
    const double lastFireTime = calc.Fire.LastTime();
    auto derivatives = [&model](double time, const State& state) {
        return CompartmentDerivatives(model, time, state);
    };

    float tprev = 0;
    int t = 1;
    State y = {in.RoomHeight - kInitialLayerDepth, kInitialTemperature};
    bool flashoverSeen = false;
    bool stopRequested = false;
    bool unstable = false;
    int i = 0;

    out.Time[0] = static_cast<std::int16_t>(tprev);
    out.LayerTemperature[0] = kInitialTemperature - kCelsiusOffset;
    out.InterfaceHeight[0] = RoundToSingle(in.RoomHeight);
    out.HeatReleaseRate[0] = FireRateAt(calc.Fire, 0);
    out.VentFlow[0] = 0;
    out.FRFlag[0] = kRegimeAboveSoffit;
    out.OSFlag[0] = kNotStarvedOfAir;

    double& z = y.InterfaceHeight;
    const double& T = y.LayerTemperature;
    for (;;) {
        y = IntegrateInterval(derivatives, kTolerance, tprev, t, y);
        if (!IsPhysical(y)) {
            unstable = true;
            break;
        }
        if (z < 0) {
            z = 0;
        }

        const bool flashoverNow = T > kFlashoverTemperature && !flashoverSeen;
        if (t % kRowInterval == 0 || z <= in.FireHeight || z <= in.SillHeight || flashoverNow ||
            t >= in.RunTime || t >= lastFireTime) {
            // Rows: row 0, at most 1800 on the 5 s grid up to 9000 s, the one
            // flashover row and one final row off the grid; the columns hold
            // all of them.
            const int row = i + 1;
            const ZoneFlows<double> flows = CompartmentFlows<double>(model, t, y);
            if (!std::isfinite(flows.HeatReleaseRate) || !std::isfinite(flows.Vent.HotGasOut)) {
                unstable = true;
                break;
            }
            i = row;
            out.HeatReleaseRate[i] = flows.HeatReleaseRate;
            out.OSFlag[i] = flows.AirFlag;
            out.FRFlag[i] = flows.RegimeFlag;
            out.Time[i] = static_cast<std::int16_t>(t);
            out.LayerTemperature[i] = T - kCelsiusOffset;
            out.InterfaceHeight[i] = RoundToSingle(z);
            out.VentFlow[i] = flows.Vent.HotGasOut;
        }

        if (flashoverNow) {
            stopRequested = ask(FlashoverQuestionText(t), kFlashoverTitle) == Answer::Yes;
        }
        if (T > kFlashoverTemperature) {
            flashoverSeen = true;
        }
        tprev = static_cast<float>(t);
        t = t + 1;
        if (stopRequested || z <= in.FireHeight || z <= in.SillHeight || t > in.RunTime ||
            t > lastFireTime) {
            break;
        }
    }

    if (unstable) {
        endMessage = kUnstableMessage;
    } else if (stopRequested) {
        endMessage = kFlashoverStopMessage;
    } else if (z <= in.FireHeight) {
        endMessage = kFuelSurfaceMessage;
    } else if (z <= in.SillHeight) {
        endMessage = kVentSillMessage;
    } else if (t > lastFireTime) {
        endMessage = kEndOfFireMessage;
    } else {
        endMessage = kRunCompleteMessage;
    }
    out.LastRow = i;
}

} // namespace vorla::compartment
