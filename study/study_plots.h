// The plots of a design study, drawn from its runs.csv: the empirical
// cumulative distribution of the flashover time and of each criterion time
// (one curve per grid point) and a histogram of the peak layer temperature.
// The plots are plain values (common/plot/plot.h), built without Qt; the
// plotting program (cli/study_plots_main.cpp) paints them as SVG and PNG into
// DIR/plots/.
#pragma once

#include "common/plot/plot.h"
#include "study/runs_table.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace vorla::cli {

// The steps of an empirical cumulative distribution over `count` runs, of
// which those in `times` reached the event: (0, share at 0), then at each
// distinct time the share of runs that reached it by then, and a last point at
// `endTime` holding the final share. x in the units of the times.
std::vector<plot::PlotPoint> CumulativeSteps(std::vector<double> times, std::size_t count,
                                             double endTime);

// A histogram of `values`: bars of equal width from the smallest to the
// largest value, ceil(log2 n) + 1 of them (Sturges), centred on their bin; a
// value on an inner edge counts in the upper bin. `width` receives the bars'
// width.
std::vector<plot::PlotPoint> HistogramBars(const std::vector<double>& values, double& width);

struct StudyPlot {
    std::string Name; // file name without its extension
    plot::Plot Plot;
};

// Why the runs and the summary cannot be drawn, naming `runsPath` and the line
// or `summaryPath` and the field, or nothing: summary.json's grid_points must be
// a list of objects with their inputs, and every ok run's grid point a whole
// number among them and every time and peak it gives empty or a number a run
// can give (finite, below 1e300 in size), so that no bin or curve is reached
// through an out-of-range conversion.
std::optional<std::string> CheckStudyPlotData(const study::RunsTable& runs,
                                              const nlohmann::ordered_json& summary,
                                              const std::string& runsPath,
                                              const std::string& summaryPath);

// The plots of a study's runs; `gridPoints` is summary.json's "grid_points"
// (their inputs name the curves). Only runs whose status is ok count.
std::vector<StudyPlot> StudyPlots(const study::RunsTable& runs,
                                  const nlohmann::ordered_json& gridPoints);

// The file names, without extension, of the plots StudyPlots draws from a
// runs.csv with this header.
std::vector<std::string> StudyPlotNames(const std::vector<std::string>& header);

} // namespace vorla::cli
