// The plume of a compartment run whose physics options differ from the
// default (a fire against a wall or in a corner, Heskestad's correlation). The
// default plume stays in zone_physics and zone_evaluator, bit for bit as it was.
#pragma once

#include "compartment/model/run_inputs.h"

namespace vorla::compartment {

// True when the run uses the model's own plume: Zukoski's, fire standing free.
bool HasDefaultPlume(const RunInputs& inputs);

// The largest flow the plume entrains at `height` m above the fire base, in
// kg/s: the flow of the fire that the entrained air just burns, at
// kHeatPerKgAir kJ per kg. For Zukoski's plume on the convective share c of the
// heat release, m = 0.076·(c·Q)^(1/3)·h^(5/3) with Q = 3030·m gives
// m = √3030·0.076^(3/2)·c^(1/2)·h^(5/2), about 0.929·h^(5/2) kg/s for c = 0.65
// (the model writes √3030 as 55). For Heskestad's, the same fixed point lies
// within the flames, m = 0.032·(c·Q)^(3/5)·h, which gives
// m = (3030·0.032·c^(3/5)·h)^(5/2) / 3030. Against a wall or in a corner the
// mirror method divides it by the number of images.
double PlumeEntrainmentCap(const RunInputs& inputs, double height);

// The plume's flow in kg/s at `height` m above the fire base for a fire of `q`
// kW, with the run's options, at most PlumeEntrainmentCap, in single
// precision as the default plume; 0 for no height or a fire giving off no heat.
float OptionPlume(const RunInputs& inputs, double q, double height);

} // namespace vorla::compartment
