// The wording the two model commands keep apart (CommandWording), one row a
// message: scripts read each as the command has always printed it.
#include "cli/vorla_command.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vorla::cli {
namespace {

const std::string kExamples = VORLA_EXAMPLES_DIR;

TEST(ModelCommandWording, EachCommandNamesItselfWhereItAlwaysDid) {
    const std::string vof = kExamples + "/office-sofa-fire.vof";
    const std::string sof = kExamples + "/shop-sofa-fire.sof";
    const std::string fire = kExamples + "/medium-tsquared-1mw.fir";
    const std::string noFire = "/nonexistent-folder/none.fir";
    const std::string noCsv = "/nonexistent-folder/rows.csv";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string errStart;
    };
    const Case cases[] = {
        {{"compartment", "--from", vof, "--fire", noFire},
         kExitFileProblem,
         "vorla compartment: The fire file " + noFire},
        {{"smoke", "--from", sof, "--fire", noFire}, kExitFileProblem, "The fire file " + noFire},
        {{"compartment", "--from", vof, "--fire", fire, "--csv", noCsv},
         kExitFileProblem,
         "vorla compartment: The file " + noCsv},
        {{"smoke", "--from", sof, "--fire", fire, "--csv", noCsv},
         kExitFileProblem,
         "vorla: The file " + noCsv},
        {{"compartment", "--from", "/nonexistent-folder/a.vof"},
         kExitFileProblem,
         "vorla compartment: /nonexistent-folder/a.vof: The report file"},
        {{"smoke", "--from", "/nonexistent-folder/a.sof"},
         kExitFileProblem,
         "vorla smoke: The results file"},
        {{"compartment", "--from", vof, "--flashover", "maybe"},
         kExitInputRejected,
         "vorla compartment: --flashover must be stop or continue, not \"maybe\".\n"},
        // The unit system is judged before the flashover answer.
        {{"compartment", "--units", "feet", "--flashover", "maybe"},
         kExitInputRejected,
         "vorla: --units must be si or us, not \"feet\".\n"},
        {{"smoke", "--flashover", "stop"},
         kExitInputRejected,
         "vorla smoke: Unknown option --flashover."},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunVorla(c.args, out, err), c.status) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(err.str().substr(0, c.errStart.size()), c.errStart)
            << c.args[0] << " " << c.args[1] << ": " << err.str();
    }
}

} // namespace
} // namespace vorla::cli
