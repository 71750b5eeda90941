// Drawing a finished study's plots with the plotting program,
// vorla-study-plots (cli/study_plots_main.cpp), so `vorla` itself links no Qt.
// The program is installed beside the batch command as the GNU directories
// lay them out (bin/vorla, libexec/vorla/vorla-study-plots), and the build
// puts it at the same place relative to its bin folder.
#pragma once

#include <optional>
#include <string>

namespace vorla::cli {

// Where the plotting program of this `vorla` is: relative to the folder of
// the running executable. Empty when the executable's own path is unknown.
std::string StudyPlotterPath();

// Runs the plotting program `plotter` on the study folder `directory` and
// waits for it. Returns nothing when it drew every plot; otherwise the
// sentence saying what went wrong: the program's own message, or why it could
// not be started or did not finish.
std::optional<std::string> DrawStudyPlots(const std::string& plotter, const std::string& directory);

} // namespace vorla::cli
