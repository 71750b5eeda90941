// vorla-study-plots DIR: draws the plots of the finished design study in DIR
// (from its runs.csv and summary.json) into DIR/plots, as SVG and PNG.
// `vorla study` and `vorla study merge` run it once the study is written, so
// that the batch command itself links no Qt and starts as fast as a plain
// program: a single `vorla compartment` never pays for Qt's start-up.
#include "study/study_plots.h"
#include "common/plot/offscreen_gui.h"
#include "common/plot/plot_files.h"
#include "common/files/text_file.h"
#include "study/study_summary.h"

#include <QSize>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <system_error>

namespace {

using Json = nlohmann::ordered_json;
using vorla::ReadWholeFile;

constexpr QSize kPlotSize{800, 560};

// Returns the sentence naming what could not be read or written.
std::optional<std::string> WriteStudyPlots(const std::string& directory) {
    const std::string runsPath = directory + "/runs.csv";
    const std::string summaryPath = directory + "/summary.json";
    const auto runsFile = ReadWholeFile(runsPath, vorla::study::kLargestRunsCsv);
    if (runsFile.problem) {
        return "The file " + runsPath + " cannot be read (" + *runsFile.problem + ").";
    }
    const auto runs = vorla::study::ParseRunsCsv(runsFile.text, runsPath);
    if (const auto* problem = std::get_if<std::string>(&runs)) {
        return *problem;
    }
    const auto summaryFile = ReadWholeFile(summaryPath, vorla::study::kLargestSummaryJson);
    if (summaryFile.problem) {
        return "The file " + summaryPath + " cannot be read (" + *summaryFile.problem + ").";
    }
    const Json summary = Json::parse(summaryFile.text, nullptr, false);
    if (summary.is_discarded() || !summary.contains("grid_points")) {
        return "The file " + summaryPath + " is not the summary.json of a study.";
    }
    if (auto problem = vorla::cli::CheckStudyPlotData(std::get<vorla::study::RunsTable>(runs),
                                                      summary, runsPath, summaryPath)) {
        return problem;
    }

    const std::filesystem::path folder = std::filesystem::path(directory) / "plots";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
        return "The folder " + folder.string() + " could not be created (" +
               (error ? error.message() : std::string("a file has that name")) + ").";
    }
    for (const auto& plot :
         vorla::cli::StudyPlots(std::get<vorla::study::RunsTable>(runs), summary["grid_points"])) {
        const std::string stem = (folder / plot.Name).string();
        if (auto problem = vorla::plot::WritePlotSvg(stem + ".svg", plot.Plot, kPlotSize)) {
            return problem;
        }
        if (auto problem = vorla::plot::WritePlotPng(stem + ".png", plot.Plot, kPlotSize)) {
            return problem;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::string_view(argv[1]).empty()) {
        std::cerr << "usage: vorla-study-plots DIR (the folder of a finished study; "
                     "vorla study runs this program itself)\n";
        return 2;
    }
    const vorla::plot::OffscreenGui gui;
    if (const auto problem = WriteStudyPlots(argv[1])) {
        std::cerr << *problem << "\n";
        return 1;
    }
    return 0;
}
