// What `--version` and `--help` print for every program of the suite, before
// any window opens or any calculation starts.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace vorla {

// "vorla-xw (VORLA suite) 1.0": the form help2man and packaging tools read.
std::string VersionLine(std::string_view program);

// A desktop program as its command line describes it.
struct DesktopProgram {
    std::string_view executable;  // "vorla-xw"
    std::string_view description; // the paragraphs between the usage line and the options
};

// Answers `--help` (or -h) and `--version` on a desktop program's command line:
// prints the text on out and gives the exit status. Nothing when the command
// line asks for neither, and the windows should open. Words after "--" are
// never options.
std::optional<int> AnswerHelpOrVersion(std::span<const std::string> args,
                                       const DesktopProgram& program, std::ostream& out);

// The FILE of "program [FILE]": the first word that is not an option (one
// starting with "-"), or the word after "--". `args` are the words Qt left
// once it took its own options (-platform NAME, -style NAME), so an option's
// value is never taken for a file. Nothing when no file is named.
std::optional<std::string> FileToOpen(std::span<const std::string> args);

} // namespace vorla
