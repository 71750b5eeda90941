// `vorla smoke`: a SKEVA-XW smoke filling run from the command line.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace vorla::cli {

// Runs `vorla smoke ...` with the words after "smoke". Writes the results file
// SKEVA-XW's Save would write, to standard output or to -o.
int RunSmokeCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace vorla::cli
