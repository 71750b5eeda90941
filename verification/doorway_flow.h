// The flow through the doorway of Steckler's tests from its measured profiles:
// temperature and velocity by height at several places across the opening
// (bi-directional probes and bare thermocouples, Steckler, Quintiere &
// Rinkinen, NBSIR 82-2520, 1982). Steckler et al. obtained their flow rates by
// integrating the local mass flux ρ·v over the opening, with the density of
// the gas at the measured temperature; this does the same:
//   ρ = p / (R·T) = 353 / T(K) kg/m³ (ambient pressure, air);
//   at each measured height, the mean of ρ·v over the places across the
//   opening (equally spaced, so equally weighted);
//   the outflow ṁ_out = W · ∫ max(ρv, 0) dz with ρv linear between the
//   measured heights (a sign change at its linear crossing) and held at the
//   highest measured value up to the soffit;
//   the neutral plane: the highest height at which the mean velocity turns
//   from inflow below to outflow above, at its linear crossing.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace vorla::verification {

struct DoorwayRow {
    double Height = 0;   // m above the floor
    double MassFlux = 0; // kg/(m² s), the mean of ρ·v across the opening, out positive
    double Velocity = 0; // m/s, the mean across the opening
};

struct DoorwayFlow {
    std::vector<DoorwayRow> Rows; // the heights with a measured velocity, highest first
    double Outflow = 0;           // kg/s
    bool HasNeutralPlane = false;
    double NeutralPlane = 0; // m above the floor
};

// The profiles' "Height, T_out, T_in, T_<place>…, V_<place>…" text (°C, m/s;
// NaN or an empty cell where nothing was measured), the opening's width and
// its soffit height. `name` only for the messages.
std::variant<DoorwayFlow, std::string>
ParseDoorwayFlow(const std::string& text, const std::string& name, double width, double soffit);

std::variant<DoorwayFlow, std::string> ReadDoorwayFlow(const std::string& path, double width,
                                                       double soffit);

} // namespace vorla::verification
