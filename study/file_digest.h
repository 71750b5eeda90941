// The digest a shard records of every file its numbers depend on, so that a
// merge can tell a shard of this study from one of an edited study, one run
// with another fire file, or a runs.csv edited by hand.
#pragma once

#include <string>
#include <string_view>

namespace vorla::study {

// SHA-256 of the bytes, as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

// Whether the text has the form Sha256Hex gives (64 lower-case hex digits).
bool IsSha256Hex(std::string_view text);

} // namespace vorla::study
