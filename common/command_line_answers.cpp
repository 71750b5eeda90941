#include "common/command_line_answers.h"

#include "common/suite_version.h"

namespace vorla {

std::string VersionLine(std::string_view program) {
    return std::string(program) + " (VORLA suite) " + std::string(kSuiteVersion);
}

std::optional<int> AnswerHelpOrVersion(std::span<const std::string> args,
                                       const DesktopProgram& program, std::ostream& out) {
    for (const auto& word : args) {
        if (word == "--") {
            break;
        }
        if (word == "--help" || word == "-h") {
            out << "Usage: " << program.executable << " [Qt options]\n\n"
                << program.description
                << "\n"
                   "Options:\n"
                   "  -h, --help     print this text and exit\n"
                   "      --version  print the suite's version and exit\n"
                   "\n"
                   "Qt's own options, such as -platform NAME or -style NAME, are understood too.\n";
            return 0;
        }
        if (word == "--version") {
            out << VersionLine(program.executable) << "\n";
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace vorla
