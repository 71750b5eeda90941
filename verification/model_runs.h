// The thin layer between the verification cases and the two models: a run of
// each model through its own run driver, and the same run followed second by
// second with the models' public physics, so that the cases can integrate
// flows and heat along it. Everything the cases know of the models' interfaces
// is here.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/model_runs/fire_plumes.h"
#include "common/text/units.h"
#include "life_safety/detection/device.h"

#include <optional>
#include <string>
#include <vector>

namespace vorla::verification {

inline constexpr double kAmbientDensity = 1.2;                 // kg/m³
inline constexpr double kAirHeatCapacity = 1.004;              // kJ/(kg K)
inline constexpr double kCelsiusOffset = kKelvinAtZeroCelsius; // kAmbientTemperature is common's

// The vent flow regimes of VORLA-XW's FR column.
enum class Regime {
    AboveSoffit,
    OutflowBelowInterface,
    InflowAboveInterface,
    Transition,
    VentLimited,
    None
};
const char* RegimeName(Regime regime); // "1", "2", "3", "T", "4", "-"

struct Room {
    double FloorArea = 20;           // m²
    double RoomHeight = 2.4;         // m
    double VentWidth = 0.9;          // m (VORLA-XW only)
    double SillHeight = 0;           // m
    double SoffitHeight = 2;         // m
    double FireHeight = 0;           // m
    double RadiativeFraction = 0.35; // VORLA-XW's radiative loss fraction
    double LossFraction = 0.6;       // share of the heat release lost to the boundaries
    int RunTime = 600;               // s
    // The models' physics options; the defaults are the models as they always were.
    FirePosition FirePlace = FirePosition::Centre;
    PlumeCorrelation Plume = PlumeCorrelation::Zukoski;
};

// The state and the flows at one whole second of a run.
struct Second {
    double Time = 0;        // s
    double Interface = 0;   // m
    double Temperature = 0; // K
    double Rate = 0;        // kW released (after VORLA-XW's air-supply limit)
    double Plume = 0;       // kg/s entrained into the layer
    double AirIn = 0;       // kg/s of ambient air in by the vent (VORLA-XW)
    double LowerOut = 0;    // kg/s of lower-layer (ambient) gas out: vent, or leaks
    double UpperOut = 0;    // kg/s of layer gas out: vent, or leaks once the room is full
    Regime FlowRegime = Regime::None;
    bool StarvedOfAir = false;
};

struct Trace {
    std::vector<Second> Seconds; // from 0 to the run's last second
    std::string EndMessage;      // the run's own end message
    // The model's run and the second-by-second replay agree at every result
    // row (layer temperature and interface height to the digit).
    bool ReplayMatchesRun = false;
    int FlashoverTime = -1; // s when the layer first passed 600 °C, -1 if never
};

// A VORLA-XW run (the flashover question answered "continue") and its replay.
Trace TraceCompartment(const Room& room, const FireTable& fire);

// VORLA-XW's equations followed second by second to `lastTime` with the run's
// integrator at its tolerances (1 mm, 0.3 K per step) times `toleranceScale`:
// the convergence study's runs.
std::vector<Second> ReplayCompartment(const Room& room, const FireTable& fire, int lastTime,
                                      double toleranceScale);

// A VORLA-XW run's result rows alone, as its report shows them (time,
// interface and layer temperature of each row; no flows, no replay): for the
// cases that compare the model's answers rather than its balances.
Trace CompartmentRows(const Room& room, const FireTable& fire);

// The same rows with the flows of the model's equations at each row's state
// (time, interface, layer temperature): the vent flows a report row stands
// for, without following the run second by second.
Trace CompartmentRowsAndFlows(const Room& room, const FireTable& fire);

// The height (m) at which VORLA-XW's vent changes from inflow below to outflow
// above at the state of `s` (a second of CompartmentRowsAndFlows): in regime 3
// the height below the soffit from which its hot-gas outflow, Linear·√g2·
// (soffit − N)^1.5 with g2 = (T_a/T)·ρ_a·g·(1/T_a − 1/T), leaves; at the
// transition the interface. The model keeps the plane inside its balance and
// reports only the flows, so the plane is found again from the outflow it
// reports. Nothing in the other regimes: in regime 2 gas leaves over the
// whole vent, and in regime 4 the inflow is cut to the vent's limit.
std::optional<double> CompartmentNeutralPlane(const Room& room, const Second& s);

// A VORLA-XW run followed by its detectors and sprinklers as the batch command
// and the report windows follow them (life_safety/run: the observer after
// every one-second step, no suppression): each device's activation time in
// the order given, nothing for one that did not operate, and the run's rows.
struct DeviceRun {
    std::vector<std::optional<double>> Activations; // s
    Trace Rows;                                     // as CompartmentRows
};
DeviceRun CompartmentWithDevices(const Room& room, const FireTable& fire,
                                 const std::vector<detection::Device>& devices);

// A SKEVA-XW run and its replay. The vent width and radiative fraction are not used.
Trace TraceSmokeFill(const Room& room, const FireTable& fire);

// VORLA-XW's vent factor: the largest air inflow in kg/s the vent passes.
double CompartmentVentFactor(const Room& room);

// VORLA-XW's heat loss fraction estimate for a room of this aspect ratio with a
// smooth ceiling (the "Let Program Estimate" window).
double EstimatedLossFraction(const Room& room, double aspectRatio);

} // namespace vorla::verification
