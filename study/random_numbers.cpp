#include "study/random_numbers.h"

namespace vorla::study {
namespace {

// The SplitMix64 finaliser: a bijection of 64-bit words whose output bits each
// depend on every input bit.
std::uint64_t Mix(std::uint64_t z) {
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

double UniformDraw(std::uint64_t seed, DrawPurpose purpose, std::uint64_t stream,
                   std::uint64_t counter) {
    std::uint64_t h = Mix(seed);
    h = Mix(h ^ static_cast<std::uint64_t>(purpose));
    h = Mix(h ^ stream);
    h = Mix(h ^ counter);
    // 52 random bits, centred in their interval: the largest draw, 1 - 2^-53,
    // is still a double below 1, and the smallest is above 0.
    return (static_cast<double>(h >> 12) + 0.5) * 0x1.0p-52;
}

} // namespace vorla::study
