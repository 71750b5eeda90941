// Reading a whole file in one pass, as every file of the suite is read.
#pragma once

#include <optional>
#include <string>

namespace vorla {

struct WholeFile {
    std::string text;
    // Why the file could not be read, in the system's words ("No such file or
    // directory", "it is a folder"); nothing when `text` is the file.
    std::optional<std::string> problem;
};

WholeFile ReadWholeFile(const std::string& path);

} // namespace vorla
