#include "compartment/model/validity_limits.h"

namespace vorla::compartment {

ValidityFindings FindRunValidityLimits(const RunInputs& inputs, const RunResults& rows,
                                       const TestedRange& range) {
    ValidityFindings found =
        FindValidityLimits(rows, inputs.RoomHeight, inputs.FireHeight, inputs.Plume, range);
    // The fire is starved exactly when the plume is at its cap: below the cap
    // the plume entrains more air than its fire burns.
    for (int i = 0; i <= rows.LastRow; ++i) {
        if (rows.OSFlag[i] == kStarvedOfAir) {
            found.EntrainmentCapActive = rows.Time[i];
            break;
        }
    }
    return found;
}

} // namespace vorla::compartment
