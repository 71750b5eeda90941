// The gas a device under the ceiling meets: Alpert's ceiling jet over a fire
// plume, and how a hot layer that has reached the device changes it.
//
// Alpert's correlations (R. L. Alpert, "Calculation of response time of
// ceiling-mounted fire detectors", Fire Technology 8 (1972) 181–195; SFPE
// Handbook of Fire Protection Engineering, chapter "Ceiling Jet Flows"; the
// NRC's Fire Dynamics Tools, NUREG-1805, chapters 10 and 12) give the largest
// excess temperature and velocity in the jet under an unconfined smooth
// ceiling, from the total heat release rate Q (kW), the height H of the
// ceiling above the fire base (m) and the radial distance r from the plume
// axis (m):
//
//   ΔT = 16.9 Q^(2/3) / H^(5/3)        r/H ≤ 0.18
//   ΔT = 5.38 (Q/r)^(2/3) / H          r/H > 0.18
//   u  = 0.96 (Q/H)^(1/3)              r/H ≤ 0.15
//   u  = 0.195 Q^(1/3) H^(1/2) / r^(5/6)  r/H > 0.15
//
// Once the hot layer is deeper than the device's distance below the ceiling,
// the gas around the device is the layer, and the jet rises above the layer
// temperature. The plume that crosses the interface enters warmer gas: it is
// replaced by a substitute source in the layer, after Evans ("Calculating
// sprinkler actuation time in compartments", Fire Safety Journal 9 (1985)
// 147–155), in the simplified form NIST CFAST 7 applies to its plume
// (fire.f90, get_plume_tempandvelocity): the source moves down from the
// interface by (T_u/T_∞)^(3/5) times the interface's height above the fire,
// its heat release is unchanged, and the layer is the jet's ambient. With the
// ambient density ρ∞ ∝ 1/T∞, Alpert's excess temperature scales with T∞ and
// his velocity does not depend on it, so in the layer
//
//   T_g = T_u + ΔT(Q, H′, r)·T_u/T_∞,   u = u(Q, H′, r),
//   H′ = (H − z_i) + (T_u/T_∞)^(3/5)·z_i,
//
// with z_i the interface's height above the fire base (0 once the interface
// is at or below the fire base: the fire then burns in the layer and H′ = H).
#pragma once

#include <cstdint>

namespace vorla::detection {

// Where Alpert's near-field forms end, as r/H.
inline constexpr double kNearFieldTemperatureRatio = 0.18;
inline constexpr double kNearFieldVelocityRatio = 0.15;
// The farthest r/H of the fires Alpert's far-field forms were fitted to
// (the SFPE Handbook's chapter "Ceiling Jet Flows": measurements out to
// twice the ceiling height).
inline constexpr double kLargestMeasuredRadiusRatio = 2.0;

// Where a device stands against the correlations' range: each flag is a
// limit the run can report.
enum class JetLimit : std::uint8_t {
    None = 0,
    // r/H beyond the measured range: the far-field forms are extrapolated.
    BeyondMeasuredRadius = 1,
    // Deeper below the ceiling than the jet is thick (Motevalli and
    // Marks' 0.112·H·(1 − e^(−2.24 r/H)), as CFAST uses): the correlations'
    // largest values overstate what the device meets.
    BelowJetThickness = 2,
    // The fire base is at or above the ceiling: no jet.
    NoCeilingAboveFire = 4,
};

inline JetLimit operator|(JetLimit a, JetLimit b) {
    return static_cast<JetLimit>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
inline bool Has(JetLimit set, JetLimit flag) {
    return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(flag)) != 0;
}

// Alpert's excess temperature (K) and velocity (m/s) of the jet.
struct JetExcess {
    double TemperatureRise = 0; // K above the jet's ambient
    double Velocity = 0;        // m/s
};

// Alpert's correlations for `heatReleaseRate` (kW, total), the ceiling
// `height` above the fire base and the `radius` from the plume axis (m). No
// fire (Q ≤ 0) or no ceiling above it (H ≤ 0) gives no jet.
JetExcess AlpertCeilingJet(double heatReleaseRate, double height, double radius);

// The thickness of the jet (m) at `radius` under a ceiling `height` above
// the fire, below which the correlations' largest values no longer apply.
double CeilingJetThickness(double height, double radius);

// The room as the jet sees it at one moment.
struct JetSurroundings {
    double HeatReleaseRate = 0;    // kW
    double CeilingAboveFire = 0;   // m, H
    double LayerDepth = 0;         // m below the ceiling
    double LayerTemperature = 0;   // K
    double AmbientTemperature = 0; // K, the lower layer's
};

// What one device meets: the gas temperature and velocity around it, whether
// it is in the hot layer, and the correlations' limits it is beyond.
struct DeviceGas {
    double Temperature = 0;  // K
    double Velocity = 0;     // m/s
    double RootVelocity = 0; // √u, (m/s)^½, as the link equation takes it
    bool InLayer = false;
    JetLimit Limits = JetLimit::None;
};

// Where a device hangs, with the powers of its radius the far-field forms
// use, worked out once for the run.
struct DevicePlace {
    double Radius = 0;       // m from the plume axis
    double BelowCeiling = 0; // m
    double RadiusTwoThirds = 0;
    double RadiusFiveSixths = 0;
    double InverseRadiusTwoThirds = 0;  // 0 on the axis
    double InverseRadiusFiveSixths = 0; // 0 on the axis
    double RootFarVelocityFactor = 0;   // √(0.195 / r^(5/6))
};
DevicePlace PlaceOf(double radius, double belowCeiling);

// The limits a device is beyond under a ceiling `height` above the fire.
JetLimit LimitsAt(double height, const DevicePlace& place);

// The powers of a ceiling height the jet uses, worked out once while the
// height stays the same.
struct HeightPowers {
    double Value = 0; // m
    double CubeRoot = 0;
    double SquareRoot = 0;
    double RootNearFactor = 0; // √(0.96 / H^(1/3))
    double RootFarFactor = 0;  // √(H^(1/2))
};
HeightPowers PowersOf(double height);

// The jet of one moment: what every device shares (the powers of the heat
// release rate and of the heights, with and without the layer), so that each
// device costs a few multiplications. The run's observer makes one a step.
class CeilingJetField {
  public:
    explicit CeilingJetField(const JetSurroundings& room);
    // `ceiling` must be PowersOf(room.CeilingAboveFire).
    CeilingJetField(const JetSurroundings& room, const HeightPowers& ceiling);
    // The gas around a device, without its limits (see LimitsAt).
    DeviceGas At(const DevicePlace& place) const;

    // Alpert's forms with everything but the device's radius worked out,
    // for one height (the ceiling's, or the substitute source's in the layer).
    struct Scales {
        double NearTemperatureRadius = 0; // 0.18 H, m
        double NearVelocityRadius = 0;    // 0.15 H, m
        double NearRise = 0;              // 16.9 Q^(2/3)/H^(5/3), K
        double FarRise = 0;               // 5.38 Q^(2/3)/H, K·m^(2/3)
        double NearVelocity = 0;          // 0.96 (Q/H)^(1/3), m/s
        double FarVelocity = 0;           // 0.195 Q^(1/3) H^(1/2)
        double NearRootVelocity = 0;      // √ of the near velocity
        double FarRootVelocity = 0;       // √(Q^(1/3) H^(1/2))
    };

  private:
    double cubeRootQ_ = 0;
    double ambient_ = 0;
    double layerTemperature_ = 0;
    double layerDepth_ = 0;
    bool warmLayer_ = false;
    double warming_ = 1; // T_u / T_∞
    Scales clear_;
    Scales substitute_; // H′, in the layer
};

// The gas around a device `radius` from the plume axis and `belowCeiling`
// under the ceiling (m): the ceiling jet over the ambient while the layer is
// thinner than the device's depth, the layer and its jet once it is deeper.
DeviceGas GasAtDevice(const JetSurroundings& room, double radius, double belowCeiling);

// The device's part of the jet is in the header so that the observer's loop
// over its devices keeps it inline.
namespace detail {

// The jet at one device: no division, no root.
struct JetAtDevice {
    double Rise = 0;
    double Velocity = 0;
    double RootVelocity = 0;
};
inline JetAtDevice Excess(const CeilingJetField::Scales& s, const DevicePlace& place) {
    JetAtDevice jet;
    const double r = place.Radius;
    jet.Rise = r <= s.NearTemperatureRadius ? s.NearRise : s.FarRise * place.InverseRadiusTwoThirds;
    if (r <= s.NearVelocityRadius) {
        jet.Velocity = s.NearVelocity;
        jet.RootVelocity = s.NearRootVelocity;
    } else {
        jet.Velocity = s.FarVelocity * place.InverseRadiusFiveSixths;
        jet.RootVelocity = s.FarRootVelocity * place.RootFarVelocityFactor;
    }
    return jet;
}

} // namespace detail

inline DeviceGas CeilingJetField::At(const DevicePlace& place) const {
    DeviceGas gas;
    gas.InLayer = warmLayer_ && layerDepth_ > place.BelowCeiling;
    const detail::JetAtDevice jet = detail::Excess(gas.InLayer ? substitute_ : clear_, place);
    gas.Temperature = gas.InLayer ? layerTemperature_ + jet.Rise * warming_ : ambient_ + jet.Rise;
    gas.Velocity = jet.Velocity;
    gas.RootVelocity = jet.RootVelocity;
    return gas;
}

} // namespace vorla::detection
