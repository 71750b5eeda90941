#include "cli/study_plotter.h"

#include "cli/helper_program.h"

namespace vorla::cli {

std::string StudyPlotterPath() {
    return HelperProgramPath("vorla-study-plots");
}

std::optional<std::string> DrawStudyPlots(const std::string& plotter,
                                          const std::string& directory) {
    const std::string cannot = "the plots cannot be drawn: the plotting program " +
                               (plotter.empty() ? std::string("vorla-study-plots") : plotter);
    if (plotter.empty()) {
        return cannot + " cannot be found (the path of vorla itself is unknown).";
    }
    return RunHelperProgram(plotter, {directory}, cannot);
}

} // namespace vorla::cli
