#include "life_safety/tenability/visibility.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace vorla::tenability {

std::string_view SignKindName(SignKind sign) {
    return sign == SignKind::Lit ? "lit" : "reflecting";
}

std::optional<SignKind> SignKindByName(std::string_view name) {
    if (name == "reflecting") {
        return SignKind::Reflecting;
    }
    if (name == "lit") {
        return SignKind::Lit;
    }
    return std::nullopt;
}

double VisibilityConstant(SignKind sign) {
    return sign == SignKind::Lit ? 8 : 3;
}

double ExtinctionCoefficient(double sootConcentration) {
    return kSpecificExtinction * sootConcentration;
}

double Visibility(double sootConcentration, SignKind sign) {
    const double extinction = ExtinctionCoefficient(sootConcentration);
    if (!(extinction > 0)) {
        return std::numeric_limits<double>::infinity();
    }
    return VisibilityConstant(sign) / extinction;
}

double SootConcentrationForVisibility(double visibility, SignKind sign) {
    return VisibilityConstant(sign) / (kSpecificExtinction * visibility);
}

double OpticalDensityPerMetre(double sootConcentration) {
    return ExtinctionCoefficient(sootConcentration) / std::numbers::ln10;
}

double ObscurationPerMetre(double opticalDensityPerMetre) {
    return -100 * std::expm1(-opticalDensityPerMetre * std::numbers::ln10);
}

} // namespace vorla::tenability
