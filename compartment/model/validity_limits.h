// The validity limits of one compartment run (see common/key_results/validity_limits.h):
// the limits both models share, and the plume's entrainment cap.
#pragma once

#include "common/key_results/validity_limits.h"
#include "compartment/model/run_inputs.h"
#include "compartment/model/run_results.h"

namespace vorla::compartment {

ValidityFindings FindRunValidityLimits(const RunInputs& inputs, const RunResults& rows,
                                       const TestedRange& range);

} // namespace vorla::compartment
