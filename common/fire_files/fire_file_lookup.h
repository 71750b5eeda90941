// Where the fire file a saved report names is found. A report names its fire
// file relative to its own folder (saved_report_names.h), so that folder is
// searched first; a report written before names it relative to the folder it
// was run from, so the current folder is searched next.
#pragma once

#include "common/fire_files/fire_file_reader.h"

#include <optional>
#include <string>
#include <vector>

namespace vorla {

// The full paths `name` is looked for at, in order: for a relative name, in
// the folder of `reportPath`, then as named (in the current folder). An absolute name, or no
// report, has only the one place, as named. The same path is never listed twice.
std::vector<std::string> FireFilePlaces(const std::string& name, const std::string& reportPath);

// Reads the fire file from the first of its places that can be read; a file
// found there that is not a valid fire file is that file's error, not a reason
// to look further. When no place can be read the CannotOpen error names every
// full path tried with the system's reason for each. Without a report, exactly
// ReadFireFile(name, table).
std::optional<FireFileError> ReadFireFileOfReport(const std::string& name,
                                                  const std::string& reportPath, FireTable& table);

// The same, also giving the place the table was read from (the full path, or
// `name` itself where it has only the one place); empty when none was read.
std::optional<FireFileError> ReadFireFileOfReport(const std::string& name,
                                                  const std::string& reportPath, FireTable& table,
                                                  std::string& readFrom);

} // namespace vorla
