// Writing a whole file so that a reader sees either the old file or the new
// one, never a half-written one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// Writes `content` to a temporary file beside `path` and renames it over `path`.
// Returns a sentence naming the file and the reason when it fails; an existing
// file at `path` is then left as it was. A link at `path` is followed (the file
// it names is replaced), and a file that is not writable is not replaced.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view content);

} // namespace vorla
