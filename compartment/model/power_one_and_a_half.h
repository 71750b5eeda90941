// std::pow(x, 1.5) bit for bit at a fraction of its cost.
#pragma once

namespace vorla::compartment {

// Exactly std::pow(x, 1.5): x * sqrt(x) corrected with exact products to
// within a hundred-millionth of a unit in the last place of x^1.5, which fixes
// the correctly rounded power. The library's pow is within 0.54 of a unit of
// x^1.5 (its documented bound), so it gives the correctly rounded power too,
// except where x^1.5 lies within 0.04 of a unit of a rounding boundary; there
// (and outside the range where the products are exact) std::pow itself is
// called.
double PowerOneAndAHalf(double x);

} // namespace vorla::compartment
