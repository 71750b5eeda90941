#include "common/command_line/command_line_answers.h"

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
            out << "Usage: " << program.executable << " [Qt options] [FILE]\n\n"
                << program.description
                << "\n"
                   "FILE, when given, is opened at the start as the File menu opens it; a file\n"
                   "dropped on the main window is opened the same way.\n"
                   "\n"
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

std::optional<std::string> FileToOpen(std::span<const std::string> args) {
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (args[k] == "--") {
            return k + 1 < args.size() ? std::optional(args[k + 1]) : std::nullopt;
        }
        if (args[k].size() > 1 && args[k].front() == '-') {
            continue;
        }
        return args[k];
    }
    return std::nullopt;
}

} // namespace vorla
