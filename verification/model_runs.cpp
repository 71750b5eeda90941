#include "verification/model_runs.h"

#include "common/integrator.h"
#include "common/precision.h"
#include "compartment/model/compartment_run.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/loss_fraction_estimator.h"
#include "compartment/model/zone_physics.h"
#include "smoke_filling/model/smoke_fill_physics.h"
#include "smoke_filling/model/smoke_fill_run.h"

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
    in.TotalLossFraction = room.LossFraction;
    in.RunTime = static_cast<std::int16_t>(room.RunTime);
    in.VentFactor = compartment::VentFactorOf(in);
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
    s.Interface = y[0];
    s.Temperature = y[1];
    compartment::VentFlows flows{};
    std::string_view airFlag;
    std::string_view regimeFlag;
    compartment::CompartmentFlows(model, t, y, s.Rate, flows, airFlag, regimeFlag);
    s.Plume = y[0] > model.Inputs.FireHeight
                  ? compartment::CompartmentPlume(model.Inputs, s.Rate, y[0])
                  : 0.0;
    s.AirIn = flows[0];
    s.LowerOut = flows[1];
    s.UpperOut = flows[2];
    s.FlowRegime = RegimeOfFlag(regimeFlag);
    s.StarvedOfAir = airFlag == compartment::kStarvedOfAir;
    return s;
}

// The run drivers step one second at a time from the state of the second
// before; the replay does the same and stops where the run stopped.
template <class Derivatives, class Sample>
std::vector<Second> Replay(Derivatives& derivatives, double roomHeight, int lastTime,
                           Sample sample) {
    std::vector<Second> seconds;
    State y = {roomHeight - kInitialLayerDepth, kAmbientTemperature};
    seconds.push_back(sample(0, y));
    float previous = 0;
    for (int t = 1; t <= lastTime; ++t) {
        IntegrateInterval(derivatives, kTolerance, 1, t, previous, y);
        if (y[0] < 0) {
            y[0] = 0;
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
    std::string endMessage;
    int flashover = -1;
    compartment::SimulateCompartment(
        *calc,
        [&](const std::string&, std::string_view) {
            flashover = 0; // the time is read from the rows below
            return compartment::Answer::No;
        },
        endMessage);
    const compartment::RunResults& rows = calc->Results;

    Trace trace;
    trace.EndMessage = endMessage;
    const compartment::ZoneModel model{calc->Inputs, calc->Fire};
    auto derivatives = [&model](double t, const State& y, State& dydt) {
        compartment::CompartmentDerivatives(model, t, y, dydt);
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

Trace TraceSmokeFill(const Room& room, const FireTable& fire) {
    auto calc = std::make_unique<smoke::Calculations>();
    smoke::SmokeFillInputs& in = calc->Inputs;
    in.FloorArea = room.FloorArea;
    in.RoomHeight = room.RoomHeight;
    in.FireHeight = RoundToSingle(room.FireHeight);
    in.LossFraction = room.LossFraction;
    in.RunTime = static_cast<std::int16_t>(room.RunTime);
    in.RunTitle = "verification";
    calc->Fire = fire;
    const smoke::SmokeFillOutcome outcome = smoke::SmokeFillRunWithFire(*calc);
    const smoke::SmokeFillResults& rows = calc->Results;

    Trace trace;
    trace.EndMessage = std::string(outcome.EndMessage);
    auto derivatives = [&](double t, const State& y, State& dy) {
        smoke::SmokeFillDerivatives(in, calc->Fire, t, y, dy);
    };
    const int lastTime = rows.Time[outcome.LastRow];
    trace.Seconds = Replay(derivatives, room.RoomHeight, lastTime, [&](double t, const State& y) {
        Second s;
        s.Time = t;
        s.Interface = y[0];
        s.Temperature = y[1];
        s.Rate = RoundToSingle(FireRateAt(calc->Fire, t));
        s.Plume = smoke::SmokeFillPlume(in, static_cast<float>(s.Rate), y[0]);
        const double leak = smoke::SmokeFillVentFlow(in, calc->Fire, t, y);
        (y[0] > 0 ? s.LowerOut : s.UpperOut) = leak;
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
