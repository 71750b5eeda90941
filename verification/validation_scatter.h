// The lines every scatter plot of measured E against predicted M in the
// validation draws over its points, from the origin to `end` on both axes:
// M = E, the experiments' own uncertainty M = E·exp(±2σ̃_E), and the model's
// M = E·δ·exp(±2σ̃_M), its legend entry `modelLabel`.
#pragma once

#include "common/plot/plot.h"
#include "verification/validation_statistics.h"

#include <string>

namespace vorla::verification {

void AddValidationLines(plot::Plot& plot, double end, const ModelUncertainty& u,
                        const std::string& modelLabel);

} // namespace vorla::verification
