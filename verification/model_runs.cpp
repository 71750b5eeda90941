#include "verification/model_runs.h"

#include "common/text/integrator.h"
#include "common/text/precision.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/loss_fraction_estimator.h"
#include "compartment/model/model_run.h"
#include "compartment/model/vent_flow_balance.h"
#include "compartment/model/zone_constants.h"
#include "compartment/model/zone_physics.h"
#include "life_safety/run/life_safety_run.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/zone_physics.h"

#include <cmath>
#include <memory>

namespace vorla::verification {
namespace {

// Both runs step with this tolerance (m, K); the replay must use the same.
constexpr State kTolerance = {0.001, 0.3};
constexpr double kInitialLayerDepth = 0.01; // m below the ceiling at the start

compartment::RunInputs CompartmentInputs(const Room& room) {
    compartment::RunInputs in;
    in.RunTitle = "verification";
    in.FloorArea = room.FloorArea;
    in.RoomHeight = room.RoomHeight;
    in.VentWidth = room.VentWidth;
    in.SillHeight = room.SillHeight;
    in.SoffitHeight = RoundToSingle(room.SoffitHeight);
    in.FireHeight = room.FireHeight;
    in.RadiativeLossFraction = room.RadiativeFraction;
    in.LossFraction = room.LossFraction;
    in.RunTime = static_cast<std::int16_t>(room.RunTime);
    in.VentFactor = compartment::VentFactorOf(in);
    in.FirePlace = room.FirePlace;
    in.Plume = room.Plume;
    return in;
}

Regime RegimeOfFlag(std::string_view flag) {
    using namespace compartment;
    if (flag == kRegimeAboveSoffit) {
        return Regime::AboveSoffit;
    }
    if (flag == kRegimeOutflowBelowInterface) {
        return Regime::OutflowBelowInterface;
    }
    if (flag == kRegimeInflowAboveInterface) {
        return Regime::InflowAboveInterface;
    }
    if (flag == kRegimeTransition) {
        return Regime::Transition;
    }
    if (flag == kRegimeVentLimited) {
        return Regime::VentLimited;
    }
    return Regime::None;
}

Second CompartmentSecond(const compartment::ZoneModel& model, double t, const State& y) {
    Second s;
    s.Time = t;
    s.Interface = y.InterfaceHeight;
    s.Temperature = y.LayerTemperature;
    const auto flows = compartment::CompartmentFlows<double>(model, t, y);
    s.Rate = flows.HeatReleaseRate;
    s.Plume = y.InterfaceHeight > model.Inputs.FireHeight
                  ? compartment::CompartmentPlume(model.Inputs, s.Rate, y.InterfaceHeight)
                  : 0.0;
    s.AirIn = flows.Vent.AirIn;
    s.LowerOut = flows.Vent.LowerLayerOut;
    s.UpperOut = flows.Vent.HotGasOut;
    s.FlowRegime = RegimeOfFlag(flows.RegimeFlag);
    s.StarvedOfAir = flows.AirFlag == compartment::kStarvedOfAir;
    return s;
}

// The run drivers step one second at a time from the state of the second
// before; the replay does the same and stops where the run stopped.
template <class Derivatives, class Sample>
std::vector<Second> Replay(Derivatives& derivatives, double roomHeight, int lastTime, Sample sample,
                           const State& tolerance = kTolerance) {
    std::vector<Second> seconds;
    State y = {roomHeight - kInitialLayerDepth, kAmbientTemperature};
    seconds.push_back(sample(0, y));
    float previous = 0;
    for (int t = 1; t <= lastTime; ++t) {
        y = IntegrateInterval(derivatives, tolerance, previous, t, y);
        if (y.InterfaceHeight < 0) {
            y.InterfaceHeight = 0;
        }
        seconds.push_back(sample(t, y));
        previous = static_cast<float>(t);
    }
    return seconds;
}

} // namespace

const char* RegimeName(Regime regime) {
    switch (regime) {
    case Regime::AboveSoffit:
        return "1";
    case Regime::OutflowBelowInterface:
        return "2";
    case Regime::InflowAboveInterface:
        return "3";
    case Regime::Transition:
        return "T";
    case Regime::VentLimited:
        return "4";
    case Regime::None:
        break;
    }
    return "-";
}

double CompartmentVentFactor(const Room& room) {
    return CompartmentInputs(room).VentFactor;
}

double EstimatedLossFraction(const Room& room, double aspectRatio) {
    return compartment::EstimateLossFraction(CompartmentInputs(room), aspectRatio, 'S');
}

Trace TraceCompartment(const Room& room, const FireTable& fire) {
    auto calc = std::make_unique<compartment::Calculations>();
    calc->Inputs = CompartmentInputs(room);
    calc->Fire = fire;
    int flashover = -1;
    const CompletedRun run = compartment::RunModel(
        calc->Inputs, calc->Fire,
        [&](const std::string&, std::string_view) {
            flashover = 0; // the time is read from the rows below
            return compartment::Answer::No;
        },
        calc->Results);
    const compartment::RunResults& rows = calc->Results;

    Trace trace;
    trace.EndMessage = std::string(run.EndMessage);
    const compartment::ZoneModel model{calc->Inputs, calc->Fire};
    auto derivatives = [&model](double t, const State& y) {
        return compartment::CompartmentDerivatives(model, t, y);
    };
    const int lastTime = rows.Time[rows.LastRow];
    trace.Seconds = Replay(derivatives, room.RoomHeight, lastTime, [&](double t, const State& y) {
        return CompartmentSecond(model, t, y);
    });

    trace.ReplayMatchesRun = true;
    for (int i = 1; i <= rows.LastRow; ++i) {
        const Second& s = trace.Seconds[static_cast<std::size_t>(rows.Time[i])];
        if (s.Temperature - kCelsiusOffset != rows.LayerTemperature[i] ||
            RoundToSingle(s.Interface) != rows.InterfaceHeight[i]) {
            trace.ReplayMatchesRun = false;
        }
    }
    if (flashover == 0) {
        for (const Second& s : trace.Seconds) {
            if (s.Temperature > compartment::kFlashoverTemperature) {
                trace.FlashoverTime = static_cast<int>(s.Time);
                break;
            }
        }
    }
    return trace;
}

std::vector<Second> ReplayCompartment(const Room& room, const FireTable& fire, int lastTime,
                                      double toleranceScale) {
    const compartment::RunInputs inputs = CompartmentInputs(room);
    const compartment::ZoneModel model{inputs, fire};
    auto derivatives = [&model](double t, const State& y) {
        return compartment::CompartmentDerivatives(model, t, y);
    };
    const State tolerance = {kTolerance.InterfaceHeight * toleranceScale,
                             kTolerance.LayerTemperature * toleranceScale};
    return Replay(
        derivatives, room.RoomHeight, lastTime,
        [&](double t, const State& y) { return CompartmentSecond(model, t, y); }, tolerance);
}

namespace {

// A VORLA-XW run through its own run driver, the flashover question answered
// "continue", followed by `observer` when given: its report rows.
Trace CompartmentRun(const Room& room, const FireTable& fire, ZoneStepObserver* observer) {
    auto calc = std::make_unique<compartment::Calculations>();
    calc->Inputs = CompartmentInputs(room);
    calc->Fire = fire;
    const CompletedRun run = compartment::RunModel(
        calc->Inputs, calc->Fire,
        [](const std::string&, std::string_view) { return compartment::Answer::No; }, calc->Results,
        observer);
    const compartment::RunResults& rows = calc->Results;
    Trace trace;
    trace.EndMessage = std::string(run.EndMessage);
    for (int i = 0; i <= rows.LastRow; ++i) {
        Second s;
        s.Time = rows.Time[i];
        s.Interface = rows.InterfaceHeight[i];
        s.Temperature = rows.LayerTemperature[i] + kCelsiusOffset;
        s.Rate = rows.HeatReleaseRate[i];
        trace.Seconds.push_back(s);
    }
    return trace;
}

} // namespace

Trace CompartmentRows(const Room& room, const FireTable& fire) {
    return CompartmentRun(room, fire, nullptr);
}

DeviceRun CompartmentWithDevices(const Room& room, const FireTable& fire,
                                 const std::vector<detection::Device>& devices) {
    life_safety::LifeSafetyRun follow(
        nullptr, devices, detection::Suppression{},
        {room.FloorArea, room.RoomHeight, room.FireHeight, room.FirePlace});
    DeviceRun out;
    out.Rows = CompartmentRun(room, fire, follow.Observer());
    if (const detection::DetectionRun* detection = follow.Detection()) {
        for (const detection::DeviceState& state : detection->States()) {
            out.Activations.push_back(state.ActivationTime);
        }
    }
    return out;
}

Trace CompartmentRowsAndFlows(const Room& room, const FireTable& fire) {
    Trace trace = CompartmentRows(room, fire);
    const compartment::RunInputs inputs = CompartmentInputs(room);
    const compartment::ZoneModel model{inputs, fire};
    for (Second& s : trace.Seconds) {
        const Second rates = CompartmentSecond(model, s.Time, {s.Interface, s.Temperature});
        s.Plume = rates.Plume;
        s.AirIn = rates.AirIn;
        s.LowerOut = rates.LowerOut;
        s.UpperOut = rates.UpperOut;
        s.FlowRegime = rates.FlowRegime;
        s.StarvedOfAir = rates.StarvedOfAir;
    }
    return trace;
}

std::optional<double> CompartmentNeutralPlane(const Room& room, const Second& s) {
    const compartment::RunInputs inputs = CompartmentInputs(room);
    if (s.FlowRegime == Regime::Transition) {
        return s.Interface;
    }
    if (s.FlowRegime != Regime::InflowAboveInterface || !(s.Temperature > kAmbientTemperature)) {
        return std::nullopt;
    }
    const double linear = compartment::VentCoefficientsOf(inputs).Linear;
    const double g2 = (kAmbientTemperature / s.Temperature) * compartment::kDensityTimesGravity *
                      (1 / kAmbientTemperature - 1 / s.Temperature);
    const double depth = std::pow(s.UpperOut / (linear * std::sqrt(g2)), 2.0 / 3.0);
    return static_cast<double>(inputs.SoffitHeight) - depth;
}

Trace TraceSmokeFill(const Room& room, const FireTable& fire) {
    auto calc = std::make_unique<smoke::Calculations>();
    smoke::RunInputs& in = calc->Inputs;
    in.FloorArea = room.FloorArea;
    in.RoomHeight = room.RoomHeight;
    in.FireHeight = RoundToSingle(room.FireHeight);
    in.LossFraction = room.LossFraction;
    in.RunTime = static_cast<std::int16_t>(room.RunTime);
    in.RunTitle = "verification";
    in.FirePlace = room.FirePlace;
    in.Plume = room.Plume;
    calc->Fire = fire;
    const CompletedRun outcome = smoke::RunModel(in, calc->Fire, calc->Results);
    const smoke::RunResults& rows = calc->Results;

    Trace trace;
    trace.EndMessage = std::string(outcome.EndMessage);
    auto derivatives = [&](double t, const State& y) {
        return smoke::SmokeFillDerivatives(in, calc->Fire, t, y);
    };
    const int lastTime = rows.Time[outcome.LastRow];
    trace.Seconds = Replay(derivatives, room.RoomHeight, lastTime, [&](double t, const State& y) {
        Second s;
        s.Time = t;
        s.Interface = y.InterfaceHeight;
        s.Temperature = y.LayerTemperature;
        s.Rate = RoundToSingle(FireRateAt(calc->Fire, t));
        s.Plume = smoke::SmokeFillPlume(in, static_cast<float>(s.Rate), y.InterfaceHeight);
        const double leak = smoke::SmokeFillVentFlow(in, calc->Fire, t, y);
        (y.InterfaceHeight > 0 ? s.LowerOut : s.UpperOut) = leak;
        return s;
    });

    trace.ReplayMatchesRun = true;
    for (int i = 1; i <= outcome.LastRow; ++i) {
        const Second& s = trace.Seconds[static_cast<std::size_t>(rows.Time[i])];
        if (s.Temperature - kCelsiusOffset != rows.LayerTemperature[i] ||
            RoundToSingle(s.Interface) != rows.InterfaceHeight[i]) {
            trace.ReplayMatchesRun = false;
        }
    }
    return trace;
}

} // namespace vorla::verification
