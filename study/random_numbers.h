// Reproducible random numbers for design studies. A draw is a pure function of
// the study's seed and a few counters (which run, which input, which draw), so
// a run's inputs never depend on which thread or machine computes it, nor on
// the standard library's generators, whose sequences differ between versions.
#pragma once

#include <cstdint>

namespace vorla::study {

// What a draw is for: the inputs of one run, or the shuffles of a Latin
// hypercube. Draws for different purposes never coincide.
enum class DrawPurpose : std::uint64_t {
    RunInput = 1,
    LatinHypercubeShuffle = 2,
    ModelError = 3,
    // [rset]'s draws: a stream of their own, so that adding [rset] to a study
    // leaves every other input's samples as they were.
    RequiredEgressTime = 4,
};

// A number in the open interval (0, 1), uniformly distributed, the same on
// every machine for the same arguments.
double UniformDraw(std::uint64_t seed, DrawPurpose purpose, std::uint64_t stream,
                   std::uint64_t counter);

} // namespace vorla::study
