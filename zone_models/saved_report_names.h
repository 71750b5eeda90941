// The file names a saved report carries, chosen when the report is saved: the
// name it is saved under, and its fire file named so that it is found from the
// report's own folder, wherever the program that opens it was started.
#pragma once

#include <string>

namespace vorla {

// The "SIMULATION OUTPUT DATA FILE" name of a report saved at `savedAs`: the
// run's own `named` text where it leads to that same file (so a report saved
// where the form said keeps the name as typed), `savedAs` otherwise.
std::string SavedUnderName(const std::string& named, const std::string& savedAs);

// The fire file name of a report saved at `savedAs`, for a run that read
// `named` at `readFrom` (a path as ReadFireFileOfReport gives it). An absolute
// name, an unknown `readFrom`, or a relative name that leads to the file read
// from the report's folder stays as it is. Otherwise the path from the report's
// folder to the file read, or its full path where no relative path leads there
// (another drive).
std::string FireFileNameFor(const std::string& named, const std::string& readFrom,
                            const std::string& savedAs);

} // namespace vorla
