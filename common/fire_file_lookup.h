// Where the fire file a saved report names is found. A report written in one
// folder and opened from another usually names its fire file without a folder
// (or relative to where it was run): looking only in the current folder would
// lose it, so the report's own folder is searched next.
#pragma once

#include "common/fire_file_reader.h"

#include <optional>
#include <string>
#include <vector>

namespace vorla {

// The full paths `name` is looked for at, in order: as named (a relative name
// in the current folder), then, for a relative name, in the folder of
// `reportPath`. An absolute name, or no report, has only the one place, as
// named. The same path is never listed twice.
std::vector<std::string> FireFilePlaces(const std::string& name, const std::string& reportPath);

// Reads the fire file from the first of its places that can be read; a file
// found there that is not a valid fire file is that file's error, not a reason
// to look further. When no place can be read the CannotOpen error names every
// full path tried with the system's reason for each. Without a report, exactly
// ReadFireFile(name, table).
std::optional<FireFileError> ReadFireFileOfReport(const std::string& name,
                                                  const std::string& reportPath, FireTable& table);

} // namespace vorla
