// Character counts of UTF-8 texts, for the limits that count characters (a run
// title or a fire description keeps its first 60).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorla {

// The number of characters (code points) in a UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// The first `count` characters of a UTF-8 text, never cutting a character in two.
std::string Utf8Left(std::string_view text, std::size_t count);

} // namespace vorla
