#include "cli/model_command.h"

#include "cli/vorla_command.h"

#include <ostream>

namespace vorla::cli {

std::variant<OptionTexts, int> ParseModelCommand(std::span<const std::string> args,
                                                 std::span<const OptionSpec> known,
                                                 std::string_view command, std::string_view help,
                                                 std::ostream& out, std::ostream& err) {
    const std::string prefix = "vorla " + std::string(command) + ": ";
    const std::string tryHelp = " Try 'vorla " + std::string(command) + " --help'.\n";
    const auto parsed = ParseOptions(args, known);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        err << prefix << *problem << tryHelp;
        return kExitInputRejected;
    }
    const auto& options = std::get<ParsedOptions>(parsed);
    if (options.Has("--help") || options.Has("-h")) {
        out << help;
        return kExitSuccess;
    }
    if (options.Has("--version")) {
        PrintVersion(out);
        return kExitSuccess;
    }
    if (!options.Positional().empty()) {
        err << prefix << "unexpected argument \"" << options.Positional().front() << "\"."
            << tryHelp;
        return kExitInputRejected;
    }
    return TextsByName(options);
}

std::string FireFileMessage(ModelKind model, const FireFileError& error) {
    const CommandWording wording = WordingOf(model);
    return (wording.NamesItselfBeforeFireFileProblems ? std::string(wording.Prefix)
                                                      : std::string()) +
           DescribeFireFileError(error);
}

int Stop(const CommandStop& stop, std::ostream& err) {
    err << stop.Message;
    return stop.ExitStatus;
}

std::optional<std::string> OptionText(const OptionTexts& options, std::string_view name) {
    const auto found = options.find(name);
    if (found == options.end()) {
        return std::nullopt;
    }
    return found->second;
}

CommandFiles ModelCommandFiles(const OptionTexts& options, std::string_view output) {
    CommandFiles files;
    files.Read("--from", "the saved " + std::string(output), OptionText(options, "from"));
    files.Read("--fire", "the fire file", OptionText(options, "fire"));
    files.Read("--devices", "the devices file", OptionText(options, "devices"));
    files.WriteOrStandardOutput("-o", "the " + std::string(output), OptionText(options, "o"));
    files.Write("--csv", "the CSV", OptionText(options, "csv"));
    files.Write("--summary", "the key results", OptionText(options, "summary"));
    files.Write("--summary-csv", "the key results CSV", OptionText(options, "summary-csv"));
    files.Write("--design-report", "the design report", OptionText(options, "design-report"));
    return files;
}

void AddFireFileOfReport(CommandFiles& files, const OptionTexts& options,
                         const std::string& fireFile) {
    if (OptionText(options, "from") && !OptionText(options, "fire")) {
        files.ReadNamedIn("--from's fire file", "the fire file", fireFile);
    }
}

} // namespace vorla::cli
