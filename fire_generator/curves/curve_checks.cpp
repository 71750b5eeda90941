#include "fire_generator/curves/curve_checks.h"

#include "common/format.h"

namespace vorla::generator {

std::optional<InputError> CheckEndOfCurve(double tEnd, double longest) {
    if (tEnd > longest) {
        return InputError{"The time to the end of the curve must not exceed " +
                              Format(longest, "####0") + " s",
                          "txtTEnd"};
    }
    if (tEnd <= 0) {
        return InputError{"The time to the end of the curve must be positive", "txtTEnd"};
    }
    return std::nullopt;
}

InputError DelayAndEndTooLate() {
    return InputError{
        "The delay time plus the time to the end of the curve must not exceed 32767 s", "txtTEnd"};
}

} // namespace vorla::generator
