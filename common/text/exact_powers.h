// std::pow(x, 1.5) and std::pow(x, 5) bit for bit, at a fraction of the cost.
//
// Both powers are computed as an unevaluated sum of two doubles, exact to far
// below a millionth of a unit in the last place, which fixes the correctly
// rounded power. glibc's pow documents its worst error as that of its
// exponential, 0.509 of a unit (0.511 without fused multiply-add), plus the
// logarithm's relative 1.5 * 2^-68 of |y ln(x)|: under 0.52 of a unit wherever
// |y ln(x)| <= 150, which the fast paths here keep to. So pow returns the
// correctly rounded power too, except where the true power lies within 0.02 of
// a unit of a rounding boundary; there, and outside the fast paths' ranges,
// std::pow itself is called.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace vorla {

namespace exact_powers_detail {

struct SplitDouble {
    double High; // the upper 26 bits
    double Low;  // the rest, exactly
};

// Veltkamp's split: products of the halves are exact in double precision.
inline SplitDouble Split(double a) {
    const double c = 134217729.0 * a; // 2^27 + 1
    const double high = c - (c - a);
    return {high, a - high};
}

// The rounding error of product = a * b, exactly (Dekker).
inline double ProductError(const SplitDouble& a, const SplitDouble& b, double product) {
    return ((a.High * b.High - product) + a.High * b.Low + a.Low * b.High) + a.Low * b.Low;
}

// Whether rounded = power + correction (rounded to double) is the correctly
// rounded value of the exact power, and std::pow's result: power + correction
// is within `limit` of a unit of rounded, and the exact power is within
// 0.48 - limit of a unit of power + correction. The default limit leaves
// 0.005 of a unit for the exact powers below, which need a millionth.
inline bool RoundsClearly(double power, double correction, double rounded, double limit = 0.475) {
    constexpr std::uint64_t kExponentBits = 0x7FF0000000000000ULL;
    constexpr std::uint64_t kMantissaBits = 0x000FFFFFFFFFFFFFULL;
    const double offset = correction - (rounded - power); // the exact power - rounded
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(rounded);
    const double unit = std::bit_cast<double>(bits & kExponentBits) * 0x1p-52;
    // Below a power of two the spacing halves; those few go to std::pow.
    return (bits & kMantissaBits) != 0 && std::fabs(offset) <= limit * unit;
}

} // namespace exact_powers_detail

// std::pow(x, 1.5), bit for bit.
inline double PowerOneAndAHalf(double x) {
    using namespace exact_powers_detail;
    if (x >= 0x1p-144 && x <= 0x1p144) { // |1.5 ln(x)| <= 150
        const double root = std::sqrt(x);
        const double power = x * root;
        const SplitDouble xParts = Split(x);
        const SplitDouble rootParts = Split(root);
        const double square = root * root;
        // x - root^2 exactly: the remainder of a correctly rounded square root.
        const double remainder = (x - square) - ProductError(rootParts, rootParts, square);
        // x^1.5 = x root + x (sqrt(x) - root), and x (sqrt(x) - root) is
        // remainder root / 2 to a relative 2^-52 of itself, about a unit in
        // the last place.
        const double correction = ProductError(xParts, rootParts, power) + 0.5 * remainder * root;
        const double rounded = power + correction;
        // The processor goes on with `rounded` while the check runs: the
        // check almost always passes.
        if (RoundsClearly(power, correction, rounded)) [[likely]] {
            return rounded;
        }
    }
    return std::pow(x, 1.5);
}

// std::pow(x, 5), bit for bit.
inline double PowerFive(double x) {
    using namespace exact_powers_detail;
    if (x >= 0x1p-43 && x <= 0x1p43) { // |5 ln(x)| <= 150
        const SplitDouble xParts = Split(x);
        // x^2 = square + squareError exactly.
        const double square = x * x;
        const double squareError = ProductError(xParts, xParts, square);
        // x^4 = fourth + fourthError, leaving out squareError^2 (2^-106 of x^4).
        const SplitDouble squareParts = Split(square);
        const double fourth = square * square;
        const double fourthError =
            ProductError(squareParts, squareParts, fourth) + 2 * square * squareError;
        // x^5 = fifth + fifthError.
        const SplitDouble fourthParts = Split(fourth);
        const double fifth = fourth * x;
        const double fifthError = ProductError(fourthParts, xParts, fifth) + fourthError * x;
        const double rounded = fifth + fifthError;
        if (RoundsClearly(fifth, fifthError, rounded)) [[likely]] {
            return rounded;
        }
    }
    return std::pow(x, 5);
}

} // namespace vorla
