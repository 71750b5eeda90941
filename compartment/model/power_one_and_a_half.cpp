#include "compartment/model/power_one_and_a_half.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace vorla::compartment {
namespace {

struct SplitDouble {
    double High; // the upper 26 bits
    double Low;  // the rest, exactly
};

// Veltkamp's split: products of the halves are exact in double precision.
SplitDouble Split(double a) {
    const double c = 134217729.0 * a; // 2^27 + 1
    const double high = c - (c - a);
    return {high, a - high};
}

// The rounding error of a * b (= product), exactly (Dekker).
double ProductError(const SplitDouble& a, const SplitDouble& b, double product) {
    return ((a.High * b.High - product) + a.High * b.Low + a.Low * b.High) + a.Low * b.Low;
}

constexpr std::uint64_t kExponentBits = 0x7FF0000000000000ULL;
constexpr std::uint64_t kMantissaBits = 0x000FFFFFFFFFFFFFULL;

} // namespace

double PowerOneAndAHalf(double x) {
    if (!(x >= 0x1p-300 && x <= 0x1p300)) {
        return std::pow(x, 1.5);
    }
    const double root = std::sqrt(x);
    const double power = x * root;
    const SplitDouble xParts = Split(x);
    const SplitDouble rootParts = Split(root);
    const double square = root * root;
    // x - root^2 exactly: the remainder of a correctly rounded square root.
    const double remainder = (x - square) - ProductError(rootParts, rootParts, square);
    // x^1.5 = x root + x (sqrt(x) - root), and x (sqrt(x) - root) is
    // remainder root / 2 to a relative 2^-52: the correction is a unit in the
    // last place or so, so that leaves x^1.5 - (power + correction) far below
    // a hundred-millionth of a unit.
    const double correction = ProductError(xParts, rootParts, power) + 0.5 * remainder * root;
    const double rounded = power + correction;
    const double offset = correction - (rounded - power); // x^1.5 - rounded
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(rounded);
    const double unit = std::bit_cast<double>(bits & kExponentBits) * 0x1p-52;
    // A power of two has a finer spacing below it; leave it to std::pow.
    if ((bits & kMantissaBits) != 0 && std::fabs(offset) <= 0.45 * unit) {
        return rounded;
    }
    return std::pow(x, 1.5);
}

} // namespace vorla::compartment
