#include "fire_generator/curves/fire_curve.h"

#include <algorithm>
#include <cstdio>

namespace vorla::generator {

void CommitCurve(const FireCurve& curve, DesignFireState& module) {
    const int count = curve.LastPoint + 1;
    std::copy_n(curve.Time.begin(), count, module.FireTime.begin());
    std::copy_n(curve.Rate.begin(), count, module.FireRate.begin());
    module.LastPoint = curve.LastPoint;
    module.CustomStartsFromCurve = false;
    // A builder that has parameters names them after committing its curve.
    module.CurveKind = "Points";
    module.CurveParameters.clear();
}

std::string ParameterText(double value, std::string_view unit) {
    char text[48];
    std::snprintf(text, sizeof text, "%.6g", value);
    return unit.empty() ? std::string(text) : std::string(text) + " " + std::string(unit);
}

} // namespace vorla::generator
