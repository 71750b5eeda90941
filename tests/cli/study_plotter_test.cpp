// How `vorla study` reports the plotting program's end: the program is a shell
// running a script here, so each way of ending can be staged.
#include "cli/study_plotter.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace vorla::cli {
namespace {

TEST(DrawStudyPlots, SaysHowThePlottingProgramEnded) {
    const test_support::TemporaryFolder folder;
    struct Case {
        const char* script; // run by /bin/sh with the study folder as its argument
        std::optional<std::string> said;
    };
    const Case cases[] = {
        {"exit 0", std::nullopt},
        {"echo 'The file x/runs.csv cannot be read (gone).' >&2; exit 1",
         "The file x/runs.csv cannot be read (gone)."},
        {"exit 3", "the plots cannot be drawn: the plotting program /bin/sh failed with exit "
                   "status 3."},
        {"echo half >&2; kill -TERM $$",
         "the plots cannot be drawn: the plotting program /bin/sh was stopped by signal 15 "
         "(Terminated): half"},
    };
    for (const auto& c : cases) {
        const std::string script = folder.Write("plot.sh", c.script);
        EXPECT_EQ(DrawStudyPlots("/bin/sh", script), c.said) << c.script;
    }
}

TEST(DrawStudyPlots, NamesAProgramThatCannotBeRun) {
    const test_support::TemporaryFolder folder;
    const std::string missing = folder.PathOf("libexec/vorla/vorla-study-plots");
    EXPECT_EQ(DrawStudyPlots(missing, folder.PathOf("study")),
              "the plots cannot be drawn: the plotting program " + missing +
                  " cannot be run (No such file or directory).");
}

TEST(StudyPlotterPath, LiesInLibexecBesideTheBinFolder) {
    // This test program is in the build's tests folder; the path is formed the
    // same way for vorla in bin/.
    const std::string path = StudyPlotterPath();
    EXPECT_NE(path.find("/libexec/vorla/vorla-study-plots"), std::string::npos) << path;
    EXPECT_EQ(path.find(".."), std::string::npos) << path;
}

} // namespace
} // namespace vorla::cli
