#include "compartment/model/model_run.h"

#include "common/fire_files/fire_file_lookup.h"
#include "common/fire_files/fire_file_reader.h"
#include "common/text/format.h"
#include "common/text/integrator.h"
#include "common/text/precision.h"
#include "common/text/units.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/zone_evaluator.h"

#include <cmath>
#include <limits>
#include <optional>

namespace vorla::compartment {
namespace {

constexpr double kInitialLayerDepth = 0.01; // m below the ceiling
constexpr double kInitialTemperature = kAmbientTemperature;
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

RunOutcome RunCalculations(Calculations& calc, const FlashoverQuestion& ask,
                           ZoneStepObserver* observer) {
    if (auto rejected = CheckRunInputs(calc.Inputs)) {
        return std::move(*rejected);
    }
    if (auto problem = ReadFireFileOfReport(calc.Inputs.FireFile, calc.OpenedReport, calc.Fire,
                                            calc.FireFileRead)) {
        return std::move(*problem);
    }
    return RunModel(calc.Inputs, calc.Fire, ask, calc.Results, observer);
}

CompletedRun RunModel(const RunInputs& in, const FireTable& fire, const FlashoverQuestion& ask,
                      RunResults& out, ZoneStepObserver* observer) {
    ZoneEvaluator zones(ZoneModel{in, fire});
    // The observer's flows come from an evaluator of their own, so that the
    // run's evaluator sees exactly the calls it sees without an observer.
    std::optional<ZoneEvaluator> observed;
    ZoneMoment moment;
    // Observers that do not read the gas leaving the room (detection alone)
    // are spared each moment's vent flow balance.
    const bool gasOutRead = observer && observer->ReadsLayerGasOut();
    const auto momentAt = [&observed, gasOutRead](int time, const State& state) {
        if (!gasOutRead) {
            return ZoneMoment{static_cast<double>(time), observed->HeatReleaseRate(time, state),
                              state.LayerTemperature, state.InterfaceHeight,
                              std::numeric_limits<double>::quiet_NaN()};
        }
        const ZoneFlows<double> flows = observed->Flows<double>(time, state);
        return ZoneMoment{static_cast<double>(time), flows.HeatReleaseRate, state.LayerTemperature,
                          state.InterfaceHeight, flows.Vent.HotGasOut};
    };
    const double lastFireTime = fire.LastTime();
    auto derivatives = [&zones](double time, const State& state) {
        return zones.Derivatives(time, state);
    };

    float tprev = 0;
    int t = 1;
    State y = {in.RoomHeight - kInitialLayerDepth, kInitialTemperature};
    bool flashoverSeen = false;
    bool stopRequested = false;
    bool unstable = false;
    int i = 0;

    out.FlashoverRow.reset();
    out.Time[0] = static_cast<std::int16_t>(tprev);
    out.LayerTemperature[0] = kInitialTemperature - kKelvinAtZeroCelsius;
    out.InterfaceHeight[0] = RoundToSingle(in.RoomHeight);
    out.HeatReleaseRate[0] = FireRateAt(fire, 0);
    out.VentFlow[0] = 0;
    out.FRFlag[0] = kRegimeAboveSoffit;
    out.OSFlag[0] = kNotStarvedOfAir;

    if (observer) {
        observed.emplace(ZoneModel{in, fire});
        moment = momentAt(0, y);
        observer->Start(moment);
        observer->RecordRow(0);
    }

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
        if (observer) {
            const ZoneMoment end = momentAt(t, y);
            observer->Advance(moment, end);
            moment = end;
        }

        const bool flashoverNow = T > kFlashoverTemperature && !flashoverSeen;
        if (t % kRowInterval == 0 || z <= in.FireHeight || z <= in.SillHeight || flashoverNow ||
            t >= in.RunTime || t >= lastFireTime) {
            // Rows: row 0, at most 1800 on the 5 s grid up to 9000 s, the one
            // flashover row and one final row off the grid; the columns hold
            // all of them.
            const int row = i + 1;
            const ZoneFlows<double> flows = zones.Flows<double>(t, y);
            if (!std::isfinite(flows.HeatReleaseRate) || !std::isfinite(flows.Vent.HotGasOut)) {
                unstable = true;
                break;
            }
            i = row;
            out.HeatReleaseRate[i] = flows.HeatReleaseRate;
            out.OSFlag[i] = flows.AirFlag;
            out.FRFlag[i] = flows.RegimeFlag;
            out.Time[i] = static_cast<std::int16_t>(t);
            out.LayerTemperature[i] = T - kKelvinAtZeroCelsius;
            out.InterfaceHeight[i] = RoundToSingle(z);
            out.VentFlow[i] = flows.Vent.HotGasOut;
            if (flashoverNow) {
                out.FlashoverRow = i;
            }
            if (observer) {
                observer->RecordRow(i);
            }
        }

        if (flashoverNow) {
            stopRequested = ask(FlashoverQuestionText(t), kFlashoverTitle) == Answer::Yes;
        }
        if (T > kFlashoverTemperature) {
            flashoverSeen = true;
        }
        tprev = static_cast<float>(t);
        t = t + 1;
        // Checked inputs end by 9000 s, within the table; a run driven past
        // the checks (a longer run time) stops at its last row, never beyond.
        if (stopRequested || z <= in.FireHeight || z <= in.SillHeight || t > in.RunTime ||
            t > lastFireTime || i == kResultRowCapacity - 1) {
            break;
        }
    }

    out.LastRow = i;
    if (unstable) {
        return {RunEnd::Unstable, kUnstableMessage, i};
    }
    if (stopRequested) {
        return {RunEnd::FlashoverStop, kFlashoverStopMessage, i};
    }
    if (z <= in.FireHeight) {
        return {RunEnd::LayerAtFuelSurface, kFuelSurfaceMessage, i};
    }
    if (z <= in.SillHeight) {
        return {RunEnd::LayerAtSill, kVentSillMessage, i};
    }
    if (t > lastFireTime) {
        return {RunEnd::FireEnded, kEndOfFireMessage, i};
    }
    return {RunEnd::Complete, kRunCompleteMessage, i};
}

} // namespace vorla::compartment
