#include "cli/vorla_command.h"

#include "cli/compartment_command.h"
#include "cli/fire_command.h"
#include "cli/smoke_command.h"
#include "cli/study_command.h"
#include "common/command_line/command_line_answers.h"

#include <ostream>
#include <string_view>

namespace vorla::cli {
namespace {

struct Command {
    std::string_view name;
    std::string_view summary;
    int (*run)(std::span<const std::string> args, std::ostream& out, std::ostream& err);
};

// The subcommands, in the order `vorla --help` lists them.
constexpr Command kCommands[] = {
    {"compartment", "two-zone compartment fire with one wall vent (VORLA-XW)",
     RunCompartmentCommand},
    {"smoke", "smoke filling of a closed room (SKEVA-XW)", RunSmokeCommand},
    {"fire", "build a design fire and write its fire file", RunFireCommand},
    {"study", "design study: many runs of a model over ranges of inputs", RunStudyCommand},
};

void PrintUsage(std::ostream& out) {
    out << "Usage: vorla <command> [options]\n"
           "\n"
           "Runs the calculations of the VORLA suite from the command line. Every\n"
           "command checks its inputs as the desktop programs do and writes the same\n"
           "text their Save writes.\n"
           "\n"
           "Commands:\n";
    for (const auto& command : kCommands) {
        if (command.run != nullptr) {
            out << "  " << command.name << std::string(14 - command.name.size(), ' ')
                << command.summary << "\n";
        }
    }
    out << "\n"
           "'vorla <command> --help' explains a command's options; 'vorla --version' prints\n"
           "the suite's version.\n"
           "Exit status: 0 done, 1 a file could not be read or written, 2 an input was rejected.\n";
}

} // namespace

void PrintVersion(std::ostream& out) {
    out << VersionLine("vorla") << "\n";
}

int RunVorla(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintUsage(err);
        return kExitInputRejected;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(out);
        return kExitSuccess;
    }
    if (args[0] == "--version") {
        PrintVersion(out);
        return kExitSuccess;
    }
    for (const auto& command : kCommands) {
        if (command.run != nullptr && command.name == args[0]) {
            return command.run(args.subspan(1), out, err);
        }
    }
    err << "vorla: unknown command \"" << args[0] << "\". Try 'vorla --help'.\n";
    return kExitInputRejected;
}

} // namespace vorla::cli
