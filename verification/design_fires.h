// The design fires of the verification cases, built with QDOT-XW's own curve
// builders, written as fire-file text by its writer and read back by the
// models' reader: the very path a user's fire takes into a run.
#pragma once

#include "common/fire_files/fire_table.h"

#include <string>
#include <variant>
#include <vector>

namespace vorla::verification {

// A fire table, or the sentence saying why the generator or the reader refused it.
using DesignFire = std::variant<FireTable, std::string>;

// alpha in kW/s², growing until tMax s after ignition, then steady to tEnd s
// after ignition; one point every 5 s. Ignition is `delay` s after the start.
DesignFire TSquaredDesignFire(double alpha, double tMax, int tEnd, int delay = 0);

// A custom fire through the given points (time in s, rate in kW), at most ten.
struct TypedPoint {
    int Time = 0;
    double Rate = 0;
};
DesignFire CustomDesignFire(const std::vector<TypedPoint>& points);

// A steady rate in kW from time 0 to tEnd s (a custom fire of two points).
DesignFire SteadyDesignFire(double rate, int tEnd);

} // namespace vorla::verification

namespace vorla::verification {

// The table of a design fire the cases rely on; a refusal is a fault of the
// case itself, so the program says why and stops.
FireTable RequireFire(const DesignFire& fire);

} // namespace vorla::verification
