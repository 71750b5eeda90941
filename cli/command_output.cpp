#include "cli/command_output.h"

#include "cli/vorla_command.h"
#include "common/files/atomic_file.h"

#include <ostream>

namespace vorla::cli {

int WriteCommandOutput(const std::string& path, std::string_view text, std::ostream& out,
                       std::ostream& err, std::string_view prefix) {
    if (path.empty() || path == "-") {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            err << prefix << "the text could not be written to standard output.\n";
            return kExitFileProblem;
        }
        return kExitSuccess;
    }
    if (const auto error = WriteFileAtomically(path, text)) {
        err << prefix << *error << "\n";
        return kExitFileProblem;
    }
    return kExitSuccess;
}

std::string WithoutClosingLineEnds(std::string message) {
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
    return message;
}

std::variant<UnitSystem, std::string> UnitsOption(const std::optional<std::string>& value) {
    if (!value || *value == "si") {
        return UnitSystem::SI;
    }
    if (*value == "us") {
        return UnitSystem::US;
    }
    return "vorla: --units must be si or us, not \"" + *value + "\".\n";
}

} // namespace vorla::cli
