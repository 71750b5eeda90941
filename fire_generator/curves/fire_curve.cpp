#include "fire_generator/curves/fire_curve.h"

#include <algorithm>

namespace vorla::generator {

void CommitCurve(const FireCurve& curve, DesignFireState& module) {
    const int count = curve.LastPoint + 1;
    std::copy_n(curve.Time.begin(), count, module.FireTime.begin());
    std::copy_n(curve.Rate.begin(), count, module.FireRate.begin());
    module.LastPoint = curve.LastPoint;
    module.CustomStartsFromCurve = false;
}

} // namespace vorla::generator
