// Writing a whole file so that a reader sees either the old file or the new
// one, never a half-written one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// Writes `content` to `path`. Returns a sentence naming `path` and the reason
// when it fails.
//
// A regular file, or a name that does not exist yet, is written to a temporary
// file beside it that is then renamed over it, so a failure leaves an existing
// file as it was; the data and the folder entry are flushed to disk before
// success is returned. The replacement keeps the old file's mode, and its owner
// and group where the process may set them. A file with more than one hard link
// is written in place instead, so that every link sees the new content.
//
// Anything else (a device, a FIFO, a socket, /dev/stdout) is written straight
// through, as a shell redirect would: /dev/null stays /dev/null.
//
// A link is followed and the file it names is written; the link stays. A link
// to nothing creates the file it names; a loop of links is an error. A file
// without any write permission bit is not replaced, even by the superuser.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view content);

} // namespace vorla
