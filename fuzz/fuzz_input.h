// What every fuzz target shares: the input as text, and a check that stops
// the run when a property of the parsers does not hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorla::fuzz {

inline std::string_view TextOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A broken property is a finding like a crash: libFuzzer keeps the input.
inline void Require(bool property) {
    if (!property) {
        __builtin_trap();
    }
}

} // namespace vorla::fuzz
