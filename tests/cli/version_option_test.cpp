#include "cli/vorla_command.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vorla::cli {
namespace {

const std::string kVersionLine = "vorla (VORLA suite) " VORLA_PROJECT_VERSION "\n";

TEST(VersionOption, EveryLevelOfTheCommandPrintsTheSuitesVersion) {
    const std::vector<std::vector<std::string>> commandLines = {
        {"--version"},
        {"compartment", "--version"},
        {"smoke", "--version"},
        {"fire", "--version"},
        {"fire", "tsquared", "--version"},
        {"fire", "custom", "--version"},
        // Asked for the version, a command runs nothing, whatever else it is given.
        {"compartment", "--floor-area", "20", "-o", "never-written.vof", "--version"},
        {"smoke", "--version", "--run-time", "600", "-o", "never-written.sof"},
        {"fire", "pool", "--diameter", "1", "-o", "never-written.fir", "--version"},
    };
    for (const auto& args : commandLines) {
        SCOPED_TRACE(args.front() + " ... " + args.back());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunVorla(args, out, err), kExitSuccess);
        EXPECT_EQ(out.str(), kVersionLine);
        EXPECT_EQ(err.str(), "");
    }
}

TEST(VersionOption, TakesNoValueAndIsListedInEveryHelp) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunVorla(std::vector<std::string>{"compartment", "--version=2"}, out, err),
              kExitInputRejected);
    EXPECT_EQ(err.str(), "vorla compartment: The option --version takes no value. Try 'vorla "
                         "compartment --help'.\n");

    for (const auto& args : std::vector<std::vector<std::string>>{{"--help"},
                                                                  {"compartment", "--help"},
                                                                  {"smoke", "--help"},
                                                                  {"fire", "pool", "--help"}}) {
        std::ostringstream help;
        EXPECT_EQ(RunVorla(args, help, err), kExitSuccess);
        EXPECT_NE(help.str().find("--version"), std::string::npos) << help.str();
    }
}

} // namespace
} // namespace vorla::cli
