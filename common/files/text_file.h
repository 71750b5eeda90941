// Reading a whole file in one pass, as every file of the suite is read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vorla {

// No file the suite reads comes near this: a full fire file is under 60 KB and a
// report under 200 KB. Anything larger is not one of them, and refusing it keeps
// a wrong choice (a disk image, a log) from filling memory.
inline constexpr std::size_t kLargestReadableFile = 4 * 1024 * 1024;

struct WholeFile {
    std::string text;
    // Why the file could not be read, in the system's words ("No such file or
    // directory", "it is a folder"); nothing when `text` is the file.
    std::optional<std::string> problem;
};

// Only a regular file is read: a device, a FIFO or a terminal (/dev/zero,
// /dev/stdin) could block or never end, so it is refused before any byte is
// read, as is a file larger than kLargestReadableFile.
WholeFile ReadWholeFile(const std::string& path);

// The same with another cap, for the few files that grow with the work they
// record (a design study's runs.csv).
WholeFile ReadWholeFile(const std::string& path, std::size_t largest);

} // namespace vorla
