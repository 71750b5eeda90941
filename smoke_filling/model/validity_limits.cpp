#include "smoke_filling/model/validity_limits.h"

namespace vorla::smoke {

ValidityFindings FindRunValidityLimits(const RunInputs& inputs, const RunResults& rows,
                                       const TestedRange& range) {
    return FindValidityLimits(rows, inputs.RoomHeight, inputs.FireHeight, inputs.Plume, range);
}

} // namespace vorla::smoke
