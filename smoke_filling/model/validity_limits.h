// The validity limits of one smoke filling run (see common/key_results/validity_limits.h).
// The model has no air limit, so no entrainment cap either.
#pragma once

#include "common/key_results/validity_limits.h"
#include "smoke_filling/model/run_inputs.h"
#include "smoke_filling/model/run_results.h"

namespace vorla::smoke {

ValidityFindings FindRunValidityLimits(const RunInputs& inputs, const RunResults& rows,
                                       const TestedRange& range);

} // namespace vorla::smoke
