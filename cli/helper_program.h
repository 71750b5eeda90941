// The Qt programs the batch command runs so that `vorla` itself links no Qt:
// vorla-study-plots (a study's plots) and vorla-design-report (a run's design
// report). They are installed beside the batch command as the GNU directories
// lay them out (bin/vorla, libexec/vorla/<program>), and the build puts them
// at the same place relative to its bin folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::cli {

// Where the helper program `name` of this `vorla` is: relative to the folder
// of the running executable. Empty when the executable's own path is unknown.
std::string HelperProgramPath(std::string_view name);

// Runs `program` with `arguments` and waits for it. Nothing when it ended
// with status 0; otherwise the sentence saying what went wrong: the program's
// own message (its standard error), or `cannot` followed by why it could not
// be started or did not finish.
std::optional<std::string> RunHelperProgram(const std::string& program,
                                            const std::vector<std::string>& arguments,
                                            const std::string& cannot);

} // namespace vorla::cli
