// The help texts of `vorla fire` and of each kind of fire.
#pragma once

#include <string>
#include <string_view>

namespace vorla::cli {

// `vorla fire --help`: the kinds and the options they share.
std::string FireUsage();

// `vorla fire <kind> --help`, for "tsquared", "universal", "pool",
// "furniture" and "custom".
std::string FireKindUsage(std::string_view kind);

} // namespace vorla::cli
