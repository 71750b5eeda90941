// The `vorla` batch command: the suite's calculations from scripts.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace vorla::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFileProblem = 1;   // a file cannot be read or written
inline constexpr int kExitInputRejected = 2; // a check of the inputs failed, or a bad option

// Prints the suite's version line, as `vorla --version` and every
// `vorla <command> --version` do.
void PrintVersion(std::ostream& out);

// Runs `vorla <command> ...` with the words after the program name.
int RunVorla(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace vorla::cli
