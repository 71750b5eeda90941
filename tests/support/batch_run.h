// The batch command run in the test's process, for every test that drives
// `vorla` as a script does without starting a program: its exit status and
// what it wrote, and the office the compartment fixture's FillRoom types.
#pragma once

#include "cli/vorla_command.h"

#include <sstream>
#include <string>
#include <vector>

namespace vorla::test_support {

// `vorla` with `args`: its exit status and what it wrote.
struct BatchOutcome {
    int Status = -1;
    std::string Out;
    std::string Err;
};

inline BatchOutcome RunBatch(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::RunVorla(args, out, err);
    return {status, out.str(), err.str()};
}

// `vorla compartment` on the office FillRoom types (20 m² unless `area`, 2.4 m
// high, a door 0.9 m wide up to 2 m, the fire on the floor), flashover going
// on; `extra` after.
inline std::vector<std::string> OfficeCommand(const std::string& fire, const std::string& runTime,
                                              const std::vector<std::string>& extra = {},
                                              const std::string& area = "20") {
    std::vector<std::string> args = {"compartment", "--fire",        fire,      "--floor-area",
                                     area,          "--room-height", "2.4",     "--vent-width",
                                     "0.9",         "--sill-height", "0",       "--soffit-height",
                                     "2",           "--fire-height", "0",       "--run-time",
                                     runTime,       "--flashover",   "continue"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

} // namespace vorla::test_support
