// `vorla compartment`: a VORLA-XW run from the command line, with the input
// form's conversions and checks and the report its Save writes.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace vorla::cli {

int RunCompartmentCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace vorla::cli
