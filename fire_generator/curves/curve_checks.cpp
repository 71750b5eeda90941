#include "fire_generator/curves/curve_checks.h"

#include "common/text/format.h"

namespace vorla::generator {

std::optional<RejectedInput> CheckEndOfCurve(double tEnd, double longest) {
    if (tEnd > longest) {
        return RejectedEntry("The time to the end of the curve must not exceed " +
                                 Format(longest, "####0") + " s",
                             "txtTEnd");
    }
    if (tEnd <= 0) {
        return RejectedEntry("The time to the end of the curve must be positive", "txtTEnd");
    }
    return std::nullopt;
}

RejectedInput DelayAndEndTooLate() {
    return RejectedEntry(
        "The delay time plus the time to the end of the curve must not exceed 32767 s", "txtTEnd");
}

} // namespace vorla::generator
