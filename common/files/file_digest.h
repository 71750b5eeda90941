// SHA-256 digests of files: what a study shard records of every file its numbers
// depend on (so a merge can tell a shard of an edited study), and what a design
// report prints of its report and fire files.
#pragma once

#include <string>
#include <string_view>

namespace vorla {

// SHA-256 of the bytes, as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

// Whether the text has the form Sha256Hex gives (64 lower-case hex digits).
bool IsSha256Hex(std::string_view text);

} // namespace vorla
