// `vorla fire`: builds one of QDOT-XW's five design fires from options and
// writes its fire file.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace vorla::cli {

// Runs `vorla fire <kind> ...` with the words after "fire".
int RunFireCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace vorla::cli
