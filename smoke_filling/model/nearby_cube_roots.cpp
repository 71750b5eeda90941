#include "smoke_filling/model/nearby_cube_roots.h"

namespace vorla {

void NearbyCubeRoots::Anchor(double x, double power, double logarithm) {
    using namespace exact_powers_detail;
    if (!(x >= 0x1p-300 && x <= 0x1p300)) {
        anchor_ = std::numeric_limits<double>::quiet_NaN();
        reach_ = 0;
        return;
    }
    // power is within 2^-46 of the cube root (the exponent's shortfall is worth
    // at most 2^-46.5 over this range), so one Newton step leaves 2^-92.
    const SplitDouble rootParts = Split(power);
    const double square = power * power;
    const double squareError = ProductError(rootParts, rootParts, square);
    const double cube = square * power;
    const double cubeError = ProductError(Split(square), rootParts, cube) + squareError * power;
    const double remainder = (x - cube) - cubeError; // x - power^3
    anchor_ = x;
    reach_ = x * 0x1p-8;
    inverse_ = 1 / x;
    logarithm_ = logarithm;
    // power + remainder / (3 power^2), with the low part below half a unit.
    const double step = remainder / (3 * square);
    rootHigh_ = power + step;
    rootLow_ = step - (rootHigh_ - power);
}

} // namespace vorla
