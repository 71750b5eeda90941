// The fire plume options both models offer beside their own plume: where the
// fire stands in the room, and Heskestad's plume correlation in place of
// Zukoski's. Each model keeps its own plume, unchanged, as the default.
#pragma once

namespace vorla {

// Where the fire stands. A wall or a corner keeps the plume from entraining
// air on one or two sides.
enum class FirePosition { Centre, AgainstWall, InCorner };

// The correlation that gives the plume's mass flow above the fire.
enum class PlumeCorrelation { Zukoski, Heskestad };

// The mirror method (Zukoski, Kubota & Cetegen, "Entrainment in fire plumes",
// Fire Safety Journal 3, 1981; Karlsson & Quintiere, "Enclosure Fire Dynamics",
// CRC 2000, chapter 4): a wall is a plane of symmetry, so a fire against it
// entrains what half of a fire twice its size entrains in the open, and a fire
// in a corner a quarter of what a fire four times its size entrains. Returns
// that number of images: 1, 2 or 4.
int MirrorImageCount(FirePosition position);

// Heskestad's axisymmetric plume as NFPA 92 (2012, section 5.5.1.1) writes it,
// with the height measured from the fuel surface: the mass flow in kg/s at
// `height` m above the fire for a convective heat release rate of
// `convectiveRate` kW. Above the limiting elevation (the flame tip,
// z_l = 0.166·Qc^(2/5)) m = 0.071·Qc^(1/3)·z^(5/3) + 0.0018·Qc, within the
// flames m = 0.032·Qc^(3/5)·z. Zero at or below the fire and for a fire giving
// off no heat.
double HeskestadPlumeFlow(double convectiveRate, double height);

// NFPA 92's limiting elevation z_l = 0.166·Qc^(2/5) in m: where the plume
// relation above the flames takes over from the one within them.
double HeskestadLimitingElevation(double convectiveRate);

// Heskestad's mean flame height for a fire of `rate` kW (total) of negligible
// diameter, L = 0.235·Q^(2/5) m (Heskestad, "Fire plumes, flame height and air
// entrainment", SFPE Handbook of Fire Protection Engineering; the diameter term
// −1.02·D is left out because neither model knows the fire's size, which makes
// L the upper estimate).
double HeskestadFlameHeight(double rate);

// The fire's plume with the mirror method applied: `plume(q)` is the flow a fire
// of q kW in the open gives at the height in question.
template <class Plume> double MirroredPlume(FirePosition position, double rate, Plume plume) {
    const int images = MirrorImageCount(position);
    return plume(images * rate) / images;
}

} // namespace vorla
